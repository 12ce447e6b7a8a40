#include <windows.h>

#include "VenUpdater/app/ElevatedPass.h"
#include "VenUpdater/app/VenUpdaterApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    CVenUpdaterApp app;
    app.m_elevatedCopy = ElevatedPass::IsElevatedCopy(commandLine);
    app.InitInstance();
    return static_cast<int>(app.m_exitCode);
}
