// Button base: an owner-drawn button draws itself when its parent is asked to.
#pragma once

#include "framework/wnd.h"

class CButton : public CWnd {
  public:
    virtual void DrawItem(DRAWITEMSTRUCT* item) = 0;

  protected:
    bool ReflectDrawItem(DRAWITEMSTRUCT* item) override {
        DrawItem(item);
        return true;
    }
};
