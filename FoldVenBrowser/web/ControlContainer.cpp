#include "FoldVenBrowser/web/ControlContainer.h"

CControlContainerManager* CControlContainerManager::s_pInstalled = nullptr;

CControlContainerManager::~CControlContainerManager() {
    if (s_pInstalled == this)
        s_pInstalled = nullptr;
}

CControlContainerManager& CControlContainerManager::Get() {
    static CControlContainerManager fallback;
    return s_pInstalled ? *s_pInstalled : fallback;
}

CControlSite* CControlContainerManager::CreateSite(HWND host, IBrowserEvents* events) {
    return new CControlSite(host, &m_script, events);
}
