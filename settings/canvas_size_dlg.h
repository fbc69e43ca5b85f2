// Asks for the canvas size of a PaintBBS file that does not say it.
#pragma once

#include "framework/dialog.h"

class CCanvasSizeDlg : public CDialog {
  public:
    explicit CCanvasSizeDlg(CWnd* owner);
    int m_nCanvasWidth = 0;
    int m_nCanvasHeight = 0;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
};
