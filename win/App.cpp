#include "win/App.h"

#include <algorithm>

CApp* CApp::s_instance = nullptr;

CApp::CApp() {
    s_instance = this;
}

CApp::~CApp() {
    if (s_instance == this)
        s_instance = nullptr;
}

int CApp::RunMessageLoop() const {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (FilterMessage(msg))
            continue;
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

void CApp::RemoveMessageFilter(ILoopMessageFilter* filter) {
    m_filters.erase(std::remove(m_filters.begin(), m_filters.end(), filter), m_filters.end());
}

bool CApp::FilterMessage(MSG& msg) const {
    for (ILoopMessageFilter* filter : m_filters) {
        if (filter->PreTranslateMessage(msg))
            return true;
    }
    return false;
}
