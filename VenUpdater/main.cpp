#include <windows.h>

#include "VenUpdater/app/VenUpdaterApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CVenUpdaterApp app;
    app.InitInstance();
    return 0;
}
