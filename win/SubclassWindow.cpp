#include "win/SubclassWindow.h"

#include <commctrl.h>

bool CSubclassWindow::Subclass(HWND hwnd) {
    if (!hwnd || m_hWnd)
        return false;
    if (!::SetWindowSubclass(hwnd, &CSubclassWindow::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hWnd = hwnd;
    OnSubclassed();
    return true;
}

void CSubclassWindow::Unsubclass() {
    if (m_hWnd && ::IsWindow(m_hWnd))
        ::RemoveWindowSubclass(m_hWnd, &CSubclassWindow::SubclassProc, 1);
    m_hWnd = nullptr;
}

LRESULT CSubclassWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<CSubclassWindow*>(data);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, &CSubclassWindow::SubclassProc, 1);
        const LRESULT result = ::DefSubclassProc(hwnd, message, wParam, lParam);
        self->m_hWnd = nullptr;
        return result;
    }
    return self->WindowProc(message, wParam, lParam);
}
