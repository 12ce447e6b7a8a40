#include "FoldVenBrowser/web/WebBrowser2.h"

#include <exdisp.h>

#include <vector>

#include "FoldVenBrowser/web/ControlContainer.h"

namespace {

// {8856F961-340A-11D0-A96B-00C04FD705A2}
const CLSID kWebBrowserClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

// {25336920-03F9-11CF-8FD0-00AA00686F13}, the HTML engine's document.
const CLSID kHtmlDocumentClass = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

constexpr DISPID kNavigate2 = 500;
constexpr DISPID kRefresh = -550;
constexpr DISPID kDocument = 203;

std::vector<wchar_t> Wide(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

}  // namespace

CWebBrowser2::~CWebBrowser2() {
    Destroy();
}

bool CWebBrowser2::SystemHasEngine() {
    IUnknown* document = nullptr;
    if (FAILED(::CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(&document))) ||
        !document)
        return false;
    document->Release();
    return true;
}

bool CWebBrowser2::Create(HWND parent, UINT id, const RECT& rect, IBrowserEvents* events) {
    Destroy();
    if (FAILED(::CoCreateInstance(kWebBrowserClass, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(&m_object))) ||
        !m_object)
        return false;
    m_site = CControlContainerManager::Get().CreateSite(parent, events);
    m_object->SetClientSite(m_site);
    RECT position = rect;
    if (FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site, 0, parent, &position)) ||
        FAILED(m_object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_dispatch)))) {
        Destroy();
        return false;
    }
    Advise();
    MoveTo(rect);
    IOleWindow* window = nullptr;
    HWND hwnd = nullptr;
    if (SUCCEEDED(m_object->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)))) {
        if (SUCCEEDED(window->GetWindow(&hwnd)) && hwnd)
            ::SetWindowLongPtrA(hwnd, GWLP_ID, static_cast<LONG_PTR>(id));
        window->Release();
    }
    return true;
}

void CWebBrowser2::Advise() {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(m_object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
        return;
    if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &m_eventPoint)) &&
        FAILED(m_eventPoint->Advise(static_cast<IDispatch*>(m_site), &m_eventCookie))) {
        m_eventPoint->Release();
        m_eventPoint = nullptr;
    }
    container->Release();
}

void CWebBrowser2::Destroy() {
    if (m_eventPoint) {
        m_eventPoint->Unadvise(m_eventCookie);
        m_eventPoint->Release();
        m_eventPoint = nullptr;
    }
    if (m_dispatch) {
        m_dispatch->Release();
        m_dispatch = nullptr;
    }
    if (m_object) {
        m_object->Close(OLECLOSE_NOSAVE);
        m_object->SetClientSite(nullptr);
        m_object->Release();
        m_object = nullptr;
    }
    if (m_site) {
        m_site->SetEvents(nullptr);
        m_site->Release();
        m_site = nullptr;
    }
}

HRESULT CWebBrowser2::Call(DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result) {
    if (!m_dispatch)
        return E_FAIL;
    DISPPARAMS params{args, nullptr, count, 0};
    return m_dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
}

void CWebBrowser2::Navigate2(const std::string& address) {
    std::vector<wchar_t> wide = Wide(address);
    VARIANT url;
    ::VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = ::SysAllocString(wide.data());
    // Address, flags, target frame, post data, headers: each a variant pointer; all but the address empty.
    VARIANT empty[4];
    for (VARIANT& v : empty)
        ::VariantInit(&v);
    VARIANT args[5];
    for (int i = 0; i < 5; ++i) {
        ::VariantInit(&args[i]);
        args[i].vt = VT_VARIANT | VT_BYREF;
    }
    // Arguments go last first.
    args[4].pvarVal = &url;
    for (int i = 0; i < 4; ++i)
        args[i].pvarVal = &empty[3 - i];
    Call(kNavigate2, DISPATCH_METHOD, args, 5, nullptr);
    ::VariantClear(&url);
}

void CWebBrowser2::Refresh() {
    Call(kRefresh, DISPATCH_METHOD, nullptr, 0, nullptr);
}

IDispatch* CWebBrowser2::GetDocument() {
    VARIANT result;
    ::VariantInit(&result);
    if (FAILED(Call(kDocument, DISPATCH_PROPERTYGET, nullptr, 0, &result)))
        return nullptr;
    if (result.vt != VT_DISPATCH) {
        ::VariantClear(&result);
        return nullptr;
    }
    return result.pdispVal;  // the reference passes to the caller
}

bool CWebBrowser2::TranslateKeyFor(IUnknown* object, MSG& msg) {
    if (!object || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    IOleInPlaceActiveObject* active = nullptr;
    if (FAILED(object->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active))) ||
        !active)
        return false;
    const bool taken = active->TranslateAccelerator(&msg) == S_OK;
    active->Release();
    return taken;
}

void CWebBrowser2::MoveTo(const RECT& rect) {
    if (!m_object)
        return;
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&rect, &rect);
        inPlace->Release();
    }
}
