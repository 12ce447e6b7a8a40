#include "VenUpdater/app/VenUpdaterApp.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>
#include <winsock2.h>

#include "VenUpdater/app/VenUpdaterDlg.h"
#include "VenUpdater/res/resource.h"
#include "net/ServiceHosts.h"
#include "platform/UiHooks.h"

CVenUpdaterApp::~CVenUpdaterApp() {
    ReleaseInstanceMutex();
    if (m_socketsInitialized)
        ::WSACleanup();
    if (m_oleInitialized)
        ::OleUninitialize();
}

bool CVenUpdaterApp::InitInstance() {
    if (FAILED(::OleInitialize(nullptr)))
        return false;
    m_oleInitialized = true;

    m_hMutex = ::CreateMutexA(nullptr, TRUE, kMutexName);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ActivatePreviousInstance();
        ReleaseInstanceMutex();
        return false;
    }

    RegisterWindowClass();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);

    WSADATA wsa;
    if (::WSAStartup(MAKEWORD(2, 2), &wsa) != 0) {
        ::MessageBoxA(nullptr, SystemUiHooks().LoadString(IDS_SOCKETS_FAILED).c_str(), "에러", MB_OK);
        return false;
    }
    m_socketsInitialized = true;

    m_strApiHost = ServiceHosts::ApiHost();
    m_strFilesBaseUrl = "http://" + m_strApiHost + "/Update/files/";

    CVenUpdaterDlg dialog(*this);
    dialog.DoModal();
    return false;
}

void CVenUpdaterApp::ReleaseInstanceMutex() {
    if (m_hMutex) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
}

void CVenUpdaterApp::ActivatePreviousInstance() {
    HWND previous = ::FindWindowA(kWindowClass, nullptr);
    if (!previous)
        return;
    HWND popup = ::GetLastActivePopup(previous);
    if (::IsIconic(previous))
        ::ShowWindow(previous, SW_RESTORE);
    ::SetForegroundWindow(popup ? popup : previous);
}

bool CVenUpdaterApp::RegisterWindowClass() {
    WNDCLASSA wc{};
    if (!::GetClassInfoA(nullptr, "#32770", &wc))
        return false;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    return ::RegisterClassA(&wc) != 0;
}
