#include "win/Dialog.h"

#include "win/App.h"
#include "win/SubclassWindow.h"
#include "win/UiCall.h"

INT_PTR CDialog::DoModal() {
    m_modal = true;
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), m_hParent,
                             &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(HWND parent) {
    m_modal = false;
    if (parent)
        m_hParent = parent;
    HWND hwnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), m_hParent,
                                     &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

void CDialog::FitToBaseUnits(int baseX, int baseY) const {
    RECT units{0, 0, 4, 8};
    ::MapDialogRect(m_hWnd, &units);
    const int actualX = units.right;
    const int actualY = units.bottom;
    if (actualX <= 0 || actualY <= 0 || (actualX == baseX && actualY == baseY))
        return;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rc{};
        ::GetWindowRect(child, &rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        const int x = ::MulDiv(rc.left, baseX, actualX);
        const int y = ::MulDiv(rc.top, baseY, actualY);
        // Pictures keep their own size.
        char className[16] = "";
        ::GetClassNameA(child, className, sizeof(className));
        const bool picture = ::lstrcmpiA(className, "Static") == 0 &&
                             (::GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
        const int cx = picture ? rc.right - rc.left : ::MulDiv(rc.right - rc.left, baseX, actualX);
        const int cy = picture ? rc.bottom - rc.top : ::MulDiv(rc.bottom - rc.top, baseY, actualY);
        ::SetWindowPos(child, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    const int frameX = (window.right - window.left) - client.right;
    const int frameY = (window.bottom - window.top) - client.bottom;
    const int cx = ::MulDiv(client.right, baseX, actualX) + frameX;
    const int cy = ::MulDiv(client.bottom, baseY, actualY) + frameY;
    // Around the same centre.
    const int x = (window.left + window.right - cx) / 2;
    const int y = (window.top + window.bottom - cy) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CDialog::OnCommand(UINT, UINT id, HWND) {
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialog::OnButtonClick(UINT) {
    return false;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return FALSE;
    const INT_PTR result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        if (CApp* app = CApp::Get())
            app->OnWindowDestroyed(hwnd);
    }
    return result;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    if (message == WM_DRAWITEM || (message == WM_COMMAND && lParam)) {
        // Controls that draw or watch themselves answer the reflected message with non-zero.
        HWND control = message == WM_DRAWITEM ? reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem
                                              : reinterpret_cast<HWND>(lParam);
        if (control && ::SendMessageA(control, CSubclassWindow::kReflectBase + message, wParam, lParam))
            return TRUE;
    }
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        case kButtonClickMessage:
            return OnButtonClick(static_cast<UINT>(wParam)) ? TRUE : FALSE;
        case CUiCall::kMessage:
            // A call another thread posted to this dialog (CUiCall::PostTo).
            CUiCall::Run(lParam);
            return TRUE;
        case WM_NOTIFY: {
            LRESULT notifyResult = 0;
            if (OnNotify(reinterpret_cast<NMHDR*>(lParam), notifyResult)) {
                ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, notifyResult);
                return TRUE;
            }
            return FALSE;
        }
        case WM_TIMER:
            return OnTimer(static_cast<UINT_PTR>(wParam)) ? TRUE : FALSE;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return FALSE;
        case WM_PAINT:
            return OnPaint() ? TRUE : FALSE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
            // A dialog procedure returns the brush itself.
            return reinterpret_cast<INT_PTR>(
                OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
        default:
            return FALSE;
    }
}
