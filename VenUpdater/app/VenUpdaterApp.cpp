#include "VenUpdater/app/VenUpdaterApp.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>
#include <winsock2.h>

#include "VenUpdater/app/VenUpdaterDlg.h"
#include "VenUpdater/res/resource.h"
#include "net/ServiceHosts.h"
#include "platform/UiHooks.h"
#include "win/InstanceWindow.h"

CVenUpdaterApp::~CVenUpdaterApp() {
    ReleaseInstanceMutex();
}

bool CVenUpdaterApp::InitInstance() {
    if (!m_ole.Start())
        return false;

    // The elevated copy runs while the user's updater holds the mutex and waits for it.
    m_hMutex = m_elevatedCopy ? nullptr : ::CreateMutexA(nullptr, TRUE, kMutexName);
    if (!m_elevatedCopy && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ActivateWindowOfClass(kWindowClass);
        ReleaseInstanceMutex();
        return false;
    }

    RegisterDialogClass(kWindowClass);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);

    if (!m_sockets.Start()) {
        ::MessageBoxA(nullptr, SystemUiHooks().LoadString(IDS_SOCKETS_FAILED).c_str(), "에러", MB_OK);
        return false;
    }

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
