#include "FoldVenBrowser/ui/UpdaterRefresh.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "pe/ProgramImage.h"
#include "pe/PublisherRule.h"
#include "win/ModulePath.h"

namespace {

// The updater starts the browser and only then ends, so its file is usually still in use when the copy
// is first tried.
constexpr int kCopyAttempts = 30;
constexpr DWORD kCopyRetryMs = 100;

bool CopyOverUpdater(const std::string& from, const std::string& to) {
    for (int attempt = 1;; ++attempt) {
        if (::CopyFileA(from.c_str(), to.c_str(), FALSE))
            return true;
        if (::GetLastError() != ERROR_SHARING_VIOLATION || attempt == kCopyAttempts)
            return false;
        ::Sleep(kCopyRetryMs);
    }
}

// Whether two files hold the same bytes; false when either cannot be read.
bool SameContents(const std::string& a, const std::string& b) {
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    if (!first || !second)
        return false;
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

}  // namespace

void RefreshUpdaterIn(const std::string& folder) {
    // Without the program's own folder the names would be taken from the working folder.
    if (folder.empty())
        return;
    const std::string newCopy = folder + "temp\\VenUpdater.exe";
    const std::string installed = folder + "VenUpdater.exe";
    const DWORD attributes = ::GetFileAttributesA(newCopy.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    // The installed updater already is this copy: nothing to move, nothing to wait for.
    if (SameContents(newCopy, installed)) {
        ::DeleteFileA(newCopy.c_str());
        return;
    }
    // A copy that is no whole program would leave an updater that cannot start, and only the updater
    // starts the browser: such a copy is dropped and the installed updater stays. So is a copy that is not
    // signed by the browser's own publisher.
    if (!IsCompleteProgramFile(newCopy) ||
        !PublisherAcceptsFile(SystemSignatureReader(), ModuleFileName(), newCopy) ||
        CopyOverUpdater(newCopy, installed))
        ::DeleteFileA(newCopy.c_str());
}
