#pragma once

#include <windows.h>

#include "FoldVenBrowser/web/ControlSite.h"
#include "FoldVenBrowser/web/ScriptObject.h"

// The application's maker of ActiveX control sites: every site it makes answers the document host's
// questions the program's way and hands pages the application's script object. Installed once at
// start-up and kept for the run.
class CControlContainerManager {
public:
    CControlContainerManager() = default;
    CControlContainerManager(const CControlContainerManager&) = delete;
    CControlContainerManager& operator=(const CControlContainerManager&) = delete;
    ~CControlContainerManager();

    // The installed manager; a default one when none was installed (windows made outside the program).
    static CControlContainerManager& Get();
    void Install() { s_pInstalled = this; }

    // A new site for a control in `host`, holding one reference for the caller.
    CControlSite* CreateSite(HWND host, IBrowserEvents* events);
    CScriptObject& ScriptObject() { return m_script; }

private:
    static CControlContainerManager* s_pInstalled;
    CScriptObject m_script;
};
