#include "framework/system_dlls.h"

namespace {

// The address of a function of a system DLL, the DLL loaded at the first request.
template <typename Fn> Fn Proc(const char* dll, const char* name) {
    HMODULE module = ::GetModuleHandleA(dll);
    if (module == nullptr)
        module = ::LoadLibraryA(dll);
    return module != nullptr
               ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
               : nullptr;
}

#define SYSTEM_PROC(dll, name, Type) static const auto fn = Proc<Type>(dll, #name)

} // namespace

namespace sys {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    SYSTEM_PROC("comctl32.dll", InitCommonControlsEx, BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*));
    return fn != nullptr && fn(init);
}

BOOL GetOpenFileNameW(OPENFILENAMEW* ofn) {
    SYSTEM_PROC("comdlg32.dll", GetOpenFileNameW, BOOL(WINAPI*)(OPENFILENAMEW*));
    return fn != nullptr && fn(ofn);
}

UINT DragQueryFileW(HDROP drop, UINT index, wchar_t* file, UINT size) {
    SYSTEM_PROC("shell32.dll", DragQueryFileW, UINT(WINAPI*)(HDROP, UINT, wchar_t*, UINT));
    return fn != nullptr ? fn(drop, index, file, size) : 0;
}

void DragFinish(HDROP drop) {
    SYSTEM_PROC("shell32.dll", DragFinish, void(WINAPI*)(HDROP));
    if (fn != nullptr)
        fn(drop);
}

void SHChangeNotify(LONG event, UINT flags, const void* item1, const void* item2) {
    SYSTEM_PROC("shell32.dll", SHChangeNotify, void(WINAPI*)(LONG, UINT, const void*, const void*));
    if (fn != nullptr)
        fn(event, flags, item1, item2);
}

int StrCmpLogicalW(const wchar_t* a, const wchar_t* b) {
    SYSTEM_PROC("shlwapi.dll", StrCmpLogicalW, int(WINAPI*)(const wchar_t*, const wchar_t*));
    return fn != nullptr ? fn(a, b) : ::lstrcmpiW(a, b);
}

HRESULT OleInitialize(void* reserved) {
    SYSTEM_PROC("ole32.dll", OleInitialize, HRESULT(WINAPI*)(void*));
    return fn != nullptr ? fn(reserved) : E_FAIL;
}

void OleUninitialize() {
    SYSTEM_PROC("ole32.dll", OleUninitialize, void(WINAPI*)());
    if (fn != nullptr)
        fn();
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** out) {
    SYSTEM_PROC("ole32.dll", CoCreateInstance,
                HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**));
    if (fn == nullptr) {
        *out = nullptr;
        return E_FAIL;
    }
    return fn(clsid, outer, context, iid, out);
}

HRESULT OleSetContainedObject(IUnknown* object, BOOL contained) {
    SYSTEM_PROC("ole32.dll", OleSetContainedObject, HRESULT(WINAPI*)(IUnknown*, BOOL));
    return fn != nullptr ? fn(object, contained) : E_FAIL;
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    SYSTEM_PROC("oleaut32.dll", SysAllocStringLen, BSTR(WINAPI*)(const OLECHAR*, UINT));
    return fn != nullptr ? fn(text, length) : nullptr;
}

void SysFreeString(BSTR text) {
    SYSTEM_PROC("oleaut32.dll", SysFreeString, void(WINAPI*)(BSTR));
    if (fn != nullptr)
        fn(text);
}

} // namespace sys
