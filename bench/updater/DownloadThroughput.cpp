#include <windows.h>

#include <cstdio>
#include <string>

#include "VenUpdater/app/FileDownloader.h"
#include "platform/UiHooks.h"

// Times DownloadFiles for one listed file: DownloadThroughput BASE_URL NAME SIZE FOLDER
// Prints the bytes written and the seconds taken; the caller computes the throughput.
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
    CFileDownloader downloader(files, folder, argv[1], nullptr, nullptr, SystemUiHooks());

    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    const bool ok = downloader.DownloadFiles();
    ::QueryPerformanceCounter(&end);

    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExA((folder + argv[2]).c_str(), GetFileExInfoStandard, &data);
    const unsigned long long bytes =
        (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    std::printf("%s %llu bytes %.3f s\n", ok ? "ok" : "failed", bytes,
                static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
    return ok ? 0 : 1;
}
