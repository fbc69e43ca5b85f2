// Functions of the heavier system DLLs, loaded on first use. A second start that only
// hands its file to the running window never needs them, and loading them at start
// would cost it more time than everything else it does.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>
#include <shellapi.h>

namespace sys {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
BOOL GetOpenFileNameW(OPENFILENAMEW* ofn);
UINT DragQueryFileW(HDROP drop, UINT index, wchar_t* file, UINT size);
void DragFinish(HDROP drop);
void SHChangeNotify(LONG event, UINT flags, const void* item1, const void* item2);
HRESULT OleInitialize(void* reserved);
void OleUninitialize();
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** out);
HRESULT OleSetContainedObject(IUnknown* object, BOOL contained);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
// The shell's logical order of two names (digits by value), as its folder views sort.
int StrCmpLogicalW(const wchar_t* a, const wchar_t* b);

} // namespace sys

// OLE on this thread while it lives (the browser control needs it); shut down again at
// its end, when it was started here.
class OleSession {
  public:
    OleSession() : m_started(SUCCEEDED(sys::OleInitialize(nullptr))) {}
    ~OleSession() {
        if (m_started)
            sys::OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    bool m_started;
};
