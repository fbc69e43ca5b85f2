#include "playback/web_browser.h"
#include "framework/system_dlls.h"

#include <exdisp.h>
#include <ole2.h>

#include "framework/handles.h"
#include "framework/text.h"
#include "res/resource.h"

namespace {

// The one object of the container side: client site, in-place site and frame of the
// embedded control. The host window owns it; COM references keep it alive until the
// control has let go.
class BrowserSite : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
  public:
    explicit BrowserSite(HWND host) : m_host(host) {}

    // True when the control is in place and answers as a web browser.
    bool Embed() {
        if (FAILED(sys::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IOleObject, m_object.put())))
            return false;
        if (FAILED(m_object->SetClientSite(static_cast<IOleClientSite*>(this))))
            return false;
        sys::OleSetContainedObject(m_object.get(), TRUE);
        RECT rect;
        ::GetClientRect(m_host, &rect);
        if (FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                    static_cast<IOleClientSite*>(this), 0, m_host, &rect)))
            return false;
        return m_object.QueryInto(IID_IWebBrowser2, m_browser);
    }

    // Teardown in this order: in-place deactivation, client site cleared, close, release.
    void Unembed() {
        if (!m_object)
            return;
        ComPtr<IOleInPlaceObject> inPlace;
        if (m_object.QueryInto(IID_IOleInPlaceObject, inPlace))
            inPlace->InPlaceDeactivate();
        inPlace.reset();
        m_browser.reset();
        m_object->SetClientSite(nullptr);
        m_object->Close(OLECLOSE_NOSAVE);
        m_object.reset();
    }

    void Resize() {
        RECT rect;
        ::GetClientRect(m_host, &rect);
        SetRects(&rect);
    }

    IWebBrowser2* Browser() const { return m_browser.get(); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG refs = --m_refs;
        if (refs == 0)
            delete this;
        return refs;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* out) override {
        *out = m_host;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) override {
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *doc = nullptr;
        ::GetClientRect(m_host, position);
        ::GetClientRect(m_host, clip);
        info->fMDIApp = FALSE;
        info->hwndFrame = ::GetParent(m_host) != nullptr ? ::GetParent(m_host) : m_host;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT rect) override {
        SetRects(rect);
        return S_OK;
    }

    // IOleInPlaceUIWindow / IOleInPlaceFrame: no menus, tool bars or accelerators.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  private:
    virtual ~BrowserSite() = default;

    void SetRects(LPCRECT rect) {
        ComPtr<IOleInPlaceObject> inPlace;
        if (m_object.QueryInto(IID_IOleInPlaceObject, inPlace))
            inPlace->SetObjectRects(rect, rect);
    }

    HWND m_host;
    ULONG m_refs = 1;
    ComPtr<IOleObject> m_object;
    ComPtr<IWebBrowser2> m_browser;
};

BrowserSite* SiteOf(HWND host) {
    return reinterpret_cast<BrowserSite*>(::GetWindowLongPtrA(host, GWLP_USERDATA));
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        BrowserSite* site = new BrowserSite(hwnd);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(site));
        // A control that cannot be made (or put in place) leaves an empty host, which
        // the window asks about through IsEmbedded.
        if (!site->Embed())
            site->Unembed();
        return 0;
    }
    case WM_SIZE:
        if (BrowserSite* site = SiteOf(hwnd))
            site->Resize();
        return 0;
    case WM_DESTROY:
        if (BrowserSite* site = SiteOf(hwnd)) {
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            const ComPtr<BrowserSite> hostReference(site); // the one taken at WM_CREATE
            site->Unembed();
        }
        return 0;
    default:
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

void AfxEnableControlContainer() {
    // Common controls first, so the dialog's own controls take the current look.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    sys::InitCommonControlsEx(&controls);
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &HostWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = WEBBROWSER_CLSID_STRING;
    ::RegisterClassA(&wc);
}

bool CWebBrowser::IsEmbedded() const {
    BrowserSite* site = SiteOf(m_hWnd);
    return site != nullptr && site->Browser() != nullptr;
}

void CWebBrowser::Navigate(const char* path) {
    BrowserSite* site = SiteOf(m_hWnd);
    if (site == nullptr || site->Browser() == nullptr)
        return;
    const std::wstring wide = Widen(path);
    const Bstr url(wide.c_str(), static_cast<UINT>(wide.size()));
    if (url.get() == nullptr)
        return;
    site->Browser()->Navigate(url.get(), nullptr, nullptr, nullptr, nullptr);
}

std::string CWebBrowser::GetLocationURL() const {
    BrowserSite* site = SiteOf(m_hWnd);
    Bstr url;
    if (site == nullptr || site->Browser() == nullptr ||
        FAILED(site->Browser()->get_LocationURL(url.put())) || url.get() == nullptr)
        return std::string();
    return Narrow(url.get());
}
