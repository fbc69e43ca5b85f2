// A flat owner-drawn push button with an icon that lights up under the mouse.
#pragma once

#include <cstdint>

#include "framework/button.h"
#include "framework/gdi.h"

class CFlatIconButton : public CButton {
  public:
    CFlatIconButton();
    ~CFlatIconButton() override;

    // The icon it shows in every state, at the image its size has room for.
    void SetIcon(int iconId);
    void SetHotBkColor(COLORREF colour, int repaint);
    void DrawItem(DRAWITEMSTRUCT* item) override;

  protected:
    void PreSubclassWindow() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    void Unlight();
    DECLARE_MESSAGE_MAP()

  private:
    void Invalidate() { ::InvalidateRect(m_hWnd, nullptr, TRUE); }

    int m_bMouseOver = 0;
    OwnedIcon m_icon; // loaded at its own size, destroyed with the button
    std::uint8_t m_cyIcon = 0;
    std::uint8_t m_cxIcon = 0;
    COLORREF m_crNormalBk;
    COLORREF m_crHotBk;
};
