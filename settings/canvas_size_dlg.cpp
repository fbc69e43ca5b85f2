#include "settings/canvas_size_dlg.h"

#include "res/resource.h"

CCanvasSizeDlg::CCanvasSizeDlg(CWnd* owner) : CDialog(IDD_CANVAS_SIZE_DIALOG, owner) {}

void CCanvasSizeDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_CANVAS_WIDTH, m_nCanvasWidth);
    DDX_Text(dx, IDC_CANVAS_HEIGHT, m_nCanvasHeight);
}
