#include "controls/flat_icon_button.h"

#include <windowsx.h>

#include "controls/flat_button_geometry.h"
#include "controls/offscreen_dc.h"
#include "framework/app.h"

BEGIN_MESSAGE_MAP(CFlatIconButton)
ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
ON_MESSAGE(WM_KILLFOCUS, OnKillFocus)
ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CFlatIconButton::CFlatIconButton()
    : m_crNormalBk(::GetSysColor(COLOR_BTNFACE)), m_crHotBk(::GetSysColor(COLOR_BTNFACE)) {}

CFlatIconButton::~CFlatIconButton() = default;

void CFlatIconButton::PreSubclassWindow() {
    LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
    ::SendMessageA(m_hWnd, BM_SETSTYLE, (style & 0xFF) | BS_OWNERDRAW, TRUE);
}

void CFlatIconButton::SetIcon(int iconId) {
    // The icon's image for the button's size: a button grown with the dialog font at a
    // higher DPI takes a larger image rather than a small one lost in its middle.
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    const IconSize size = ButtonIconSize(client.right, client.bottom);
    m_icon.reset(static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(iconId),
                                                 IMAGE_ICON, size.width, size.height, LR_DEFAULTCOLOR)));
    ICONINFO info = {};
    if (m_icon.get() != nullptr && ::GetIconInfo(m_icon.get(), &info)) {
        // The call hands out copies of the icon's bitmaps.
        GdiObject<HBITMAP> mask(info.hbmMask), colour(info.hbmColor);
        m_cxIcon = IconSizeFromHotspot(info.xHotspot);
        m_cyIcon = IconSizeFromHotspot(info.yHotspot);
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
}

void CFlatIconButton::SetHotBkColor(COLORREF colour, int repaint) {
    m_crHotBk = colour;
    if (repaint == 1)
        Invalidate();
}

LRESULT CFlatIconButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A double click is a second press.
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

LRESULT CFlatIconButton::OnGetDlgCode(WPARAM, LPARAM lParam) {
    // Enter presses the focused button, as it presses a focused push button of any
    // dialog; an owner-drawn button is not one to the dialog manager, which would give
    // the key to the dialog's default command instead.
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    const bool enter = msg != nullptr && msg->wParam == VK_RETURN &&
                       (msg->message == WM_KEYDOWN || msg->message == WM_CHAR);
    return Default() | (enter ? DLGC_WANTMESSAGE : 0);
}

LRESULT CFlatIconButton::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    // Once a press: a held key's repeats do not click again. The click is posted, so
    // that what it opens does not run inside this key's handling.
    const bool repeat = (lParam & (1L << 30)) != 0;
    if (wParam != VK_RETURN || repeat)
        return Default();
    if (HWND parent = ::GetParent(m_hWnd))
        ::PostMessageW(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), BN_CLICKED),
                       reinterpret_cast<LPARAM>(m_hWnd));
    return 0;
}

LRESULT CFlatIconButton::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    LRESULT result = Default();
    const bool leftDown = (wParam & MK_LBUTTON) != 0;
    // A press dragged onto the button does not light it.
    if (leftDown && !m_bMouseOver)
        return result;
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(m_hWnd, &point);
    const bool over = ::WindowFromPoint(point) == m_hWnd;
    // Lit only while this program is the active one. The system says when the pointer
    // leaves (WM_MOUSELEAVE), whatever takes it meanwhile; moves that still come while
    // it is outside (the button's own capture while held) unlight it too.
    if (over && !m_bMouseOver && ::GetActiveWindow() != nullptr && ::GetParent(m_hWnd) != nullptr) {
        m_bMouseOver = 1;
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
        Invalidate();
    } else if (!over) {
        Unlight();
    }
    return result;
}

LRESULT CFlatIconButton::OnMouseLeave(WPARAM, LPARAM) {
    Unlight();
    return Default();
}

void CFlatIconButton::Unlight() {
    if (m_bMouseOver) {
        m_bMouseOver = 0;
        Invalidate();
    }
}

LRESULT CFlatIconButton::OnKillFocus(WPARAM, LPARAM) {
    LRESULT result = Default();
    Unlight();
    return result;
}

LRESULT CFlatIconButton::OnCaptureChanged(WPARAM, LPARAM) {
    // Another window took the mouse (a menu, a dialog): lit no more unless the pointer
    // is still here, as after the button's own press.
    POINT point;
    if (!::GetCursorPos(&point) || ::WindowFromPoint(point) != m_hWnd)
        Unlight();
    return Default();
}

void CFlatIconButton::DrawItem(DRAWITEMSTRUCT* item) {
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    const bool hot = m_bMouseOver || pressed;
    const Rect r{item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom};

    COffscreenDC dc(item->hDC);
    {
        GdiObject<HBRUSH> face(::CreateSolidBrush(hot ? m_crHotBk : m_crNormalBk));
        ::FillRect(dc.m_hDC, &item->rcItem, face.get());
    }
    std::vector<FrameLine> frame = FrameLines(r, pressed, m_bMouseOver != 0);
    if (!frame.empty()) {
        const COLORREF light = FrameLightColour(hot ? m_crHotBk : m_crNormalBk,
                                                ::GetSysColor(COLOR_BTNHIGHLIGHT),
                                                ::GetSysColor(COLOR_BTNSHADOW));
        GdiObject<HPEN> highlight(::CreatePen(PS_SOLID, 1, light));
        GdiObject<HPEN> shadow(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
        for (const FrameLine& line : frame) {
            SelectGuard pen(dc.m_hDC, line.highlight ? highlight.get() : shadow.get());
            ::MoveToEx(dc.m_hDC, line.points[0].x, line.points[0].y, nullptr);
            for (std::size_t i = 1; i < line.points.size(); ++i)
                ::LineTo(dc.m_hDC, line.points[i].x, line.points[i].y);
        }
    }

    // The keyboard's place, when the system's keyboard cues show it; drawn first, so
    // that an icon reaching the line (a narrow button, pressed) stays whole over it.
    if ((item->itemState & ODS_FOCUS) != 0 && (item->itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = item->rcItem;
        ::InflateRect(&focus, -2, -2);
        ::DrawFocusRect(dc.m_hDC, &focus);
    }

    if (m_icon.get() != nullptr) {
        Rect icon = IconRect(r, m_cxIcon, m_cyIcon, pressed);
        ::DrawStateA(dc.m_hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(m_icon.get()), 0, icon.left,
                     icon.top, icon.Width(), icon.Height(),
                     DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
    }
}
