#include "FoldVenBrowser/update/UpdaterRefresh.h"

#include <windows.h>

void RefreshUpdaterIn(const std::string& folder) {
    // Without the program's own folder the names would be taken from the working folder.
    if (folder.empty())
        return;
    const std::string newCopy = folder + "temp\\VenUpdater.exe";
    const std::string installed = folder + "VenUpdater.exe";
    const DWORD attributes = ::GetFileAttributesA(newCopy.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    if (::CopyFileA(newCopy.c_str(), installed.c_str(), FALSE)) {
        ::DeleteFileA(newCopy.c_str());
    }
}
