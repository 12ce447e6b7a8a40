#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "VenUpdater/app/FileDownloader.h"
#include "platform/UiHooks.h"

// Times DownloadFiles for one listed file: DownloadThroughput BASE_URL NAME SIZE FOLDER
// As in the updater, the downloads run on a worker thread and move a progress bar that belongs to the
// window's thread, which keeps dispatching messages meanwhile. Prints the bytes written and the seconds
// taken; the caller computes the throughput.

namespace {

struct Job {
    CFileDownloader* downloader;
    HWND window;
    bool ok = false;
    LARGE_INTEGER end{};
};

DWORD WINAPI Download(void* param) {
    auto* job = static_cast<Job*>(param);
    job->ok = job->downloader->DownloadFiles();
    ::QueryPerformanceCounter(&job->end);
    ::PostMessageA(job->window, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: DownloadThroughput BASE_URL NAME SIZE FOLDER\n");
        return 2;
    }
    std::string folder = argv[4];
    if (folder.back() != '\\')
        folder += '\\';
    CUpdateFileList files;
    files.ParseUpdateList(std::string(argv[2]) + "\tbench\t" + argv[3]);

    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    HWND window = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 100, 100, 280,
                                    60, nullptr, nullptr, nullptr, nullptr);
    HWND progress = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 15, 37, 248, 7, window,
                                      nullptr, nullptr, nullptr);
    CFileDownloader downloader(files, folder, argv[1], progress, window, SystemUiHooks());
    Job job{&downloader, window};

    LARGE_INTEGER frequency, start;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    HANDLE thread = ::CreateThread(nullptr, 0, &Download, &job, 0, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == window && msg.message == WM_CLOSE)
            break;
        ::DispatchMessageA(&msg);
    }
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    ::DestroyWindow(window);

    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExA((folder + argv[2]).c_str(), GetFileExInfoStandard, &data);
    const unsigned long long bytes =
        (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    std::printf(
        "%s %llu bytes %.3f s\n", job.ok ? "ok" : "failed", bytes,
        static_cast<double>(job.end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    return job.ok ? 0 : 1;
}
