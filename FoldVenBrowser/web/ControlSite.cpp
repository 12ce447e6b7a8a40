#include "FoldVenBrowser/web/ControlSite.h"

#include <exdisp.h>
#include <exdispid.h>

CControlSite::CControlSite(HWND host, IDispatch* external, IBrowserEvents* events)
    : m_hHost(host), m_external(external), m_events(events) {}

HRESULT CControlSite::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *object = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame))
        *object = static_cast<IOleInPlaceFrame*>(this);
    else if (IsEqualIID(iid, IID_IDocHostUIHandler))
        *object = static_cast<IDocHostUIHandler*>(this);
    else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2))
        *object = static_cast<IDispatch*>(this);
    if (!*object)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CControlSite::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

ULONG CControlSite::Release() {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

HRESULT CControlSite::GetContainer(IOleContainer** container) {
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT CControlSite::GetWindow(HWND* window) {
    if (!window)
        return E_POINTER;
    *window = m_hHost;
    return S_OK;
}

HRESULT CControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                       LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    ::GetClientRect(m_hHost, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = m_hHost;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT CControlSite::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!info)
        return E_POINTER;
    info->dwFlags |= DOCHOSTUIFLAG_NO3DBORDER;
    return S_OK;
}

HRESULT CControlSite::GetExternal(IDispatch** external) {
    if (!external)
        return E_POINTER;
    *external = m_external;
    if (!m_external)
        return S_FALSE;
    m_external->AddRef();
    return S_OK;
}

HRESULT CControlSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
    if (!m_events)
        return S_OK;
    if (id == DISPID_DOCUMENTCOMPLETE) {
        // Arguments arrive last first: the frame's browser is the last of the two.
        IDispatch* frame = nullptr;
        if (params && params->cArgs >= 2 && params->rgvarg[1].vt == VT_DISPATCH)
            frame = params->rgvarg[1].pdispVal;
        m_events->OnDocumentComplete(frame);
    } else if (id == DISPID_DOWNLOADCOMPLETE) {
        m_events->OnDownloadComplete();
    }
    return S_OK;
}
