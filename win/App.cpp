#include "win/App.h"

CApp* CApp::s_instance = nullptr;

CApp::CApp() {
    s_instance = this;
}

CApp::~CApp() {
    if (s_instance == this)
        s_instance = nullptr;
}

int CApp::RunMessageLoop() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND active = ::GetActiveWindow();
        if (active && ::IsDialogMessageA(active, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void CApp::OnWindowDestroyed(HWND hwnd) {
    if (hwnd && hwnd == m_hMainWnd) {
        m_hMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}
