#include <windows.h>

#include <string>

#include "tools/downloader/DownloaderWindow.h"

// Stand-in for the service's downloader: started by the browser as
// "FoldVenDown.exe bbs <id> <password> <list file with [[SPACE]] for blanks>".
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    if (::FindWindowA(CDownloaderWindow::kClassName, nullptr))
        return 0;
    CDownloaderWindow window(__argc, __argv);
    if (!window.Create(instance, show))
        return 1;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
