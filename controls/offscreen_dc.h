// Drawing into a bitmap of the target's clip box, copied to the target at the end,
// so that a control repaints without flicker.
#pragma once

#include "framework/gdi.h"

class COffscreenDC : public CDC {
  public:
    explicit COffscreenDC(HDC target);
    ~COffscreenDC() override; // copies the picture to the target and frees everything

  private:
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    HDC m_target;
    RECT m_rect;
};
