#include "controls/offscreen_dc.h"

COffscreenDC::COffscreenDC(HDC target) : m_target(target) {
    ::GetClipBox(target, &m_rect);
    m_hDC = ::CreateCompatibleDC(target);
    m_bitmap =
        ::CreateCompatibleBitmap(target, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
    if (m_hDC == nullptr || m_bitmap == nullptr) {
        // No memory for the picture: draw straight onto the target instead.
        if (m_hDC != nullptr)
            ::DeleteDC(m_hDC);
        if (m_bitmap != nullptr)
            ::DeleteObject(m_bitmap);
        m_bitmap = nullptr;
        m_hDC = target;
        return;
    }
    m_oldBitmap = ::SelectObject(m_hDC, m_bitmap);
    // Drawing uses the target's coordinates.
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
}

COffscreenDC::~COffscreenDC() {
    if (m_bitmap == nullptr)
        return;
    ::BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left,
             m_rect.bottom - m_rect.top, m_hDC, m_rect.left, m_rect.top, SRCCOPY);
    ::SelectObject(m_hDC, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_hDC);
}
