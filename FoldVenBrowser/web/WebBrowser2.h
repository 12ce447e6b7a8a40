#pragma once

#include <windows.h>

#include <oaidl.h>
#include <ocidl.h>

#include <string>

class CControlSite;
class IBrowserEvents;

// The system's web browser control ({8856F961-340A-11D0-A96B-00C04FD705A2}) in a window of the program,
// driven through its automation interface.
class CWebBrowser2 {
public:
    CWebBrowser2() = default;
    CWebBrowser2(const CWebBrowser2&) = delete;
    CWebBrowser2& operator=(const CWebBrowser2&) = delete;
    ~CWebBrowser2();

    // Whether the system can render pages at all (it has an HTML engine).
    static bool SystemHasEngine();

    // Creates the control in `parent` over `rect`, its window with control ID `id`; false when the system
    // has no such control.
    bool Create(HWND parent, UINT id, const RECT& rect, IBrowserEvents* events);
    void Destroy();
    bool Exists() const { return m_dispatch != nullptr; }

    void Navigate2(const std::string& address);  // dispatch ID 500
    void Refresh();                              // dispatch ID -550
    // The document's dispatch interface (dispatch ID 203), with a reference for the caller; null if none.
    IDispatch* GetDocument();
    void MoveTo(const RECT& rect);
    // Gives a key message of the control's windows to the control first (Tab and editing keys inside a
    // page); true when the control took it.
    bool TranslateAccelerator(MSG& msg) const { return TranslateKeyFor(m_object, msg); }
    // The same for any in-place object: keyboard messages go to its IOleInPlaceActiveObject.
    static bool TranslateKeyFor(IUnknown* object, MSG& msg);

private:
    HRESULT Call(DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result);
    void Advise();

    IOleObject* m_object = nullptr;
    IDispatch* m_dispatch = nullptr;
    CControlSite* m_site = nullptr;
    IConnectionPoint* m_eventPoint = nullptr;
    DWORD m_eventCookie = 0;
};
