#include <windows.h>

#include <string>
#include <vector>

#include "FoldVenBrowser/BrowserApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::vector<std::string> args(__argv, __argv + __argc);
    CBrowserApp app(std::move(args));
    app.InitInstance();
    return 0;
}
