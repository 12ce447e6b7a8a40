#include "VenUpdater/app/PendingUpdater.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "pe/ProgramImage.h"
#include "pe/PublisherRule.h"
#include "win/ModulePath.h"

namespace PendingUpdater {
namespace {

std::string NewCopy(const std::string& folder) {
    return folder + "temp\\VenUpdater.exe";
}
std::string Installed(const std::string& folder) {
    return folder + "VenUpdater.exe";
}
std::string SteppedAside(const std::string& folder) {
    return folder + "VenUpdater.exe.old";
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

bool IsWaiting(const std::string& folder) {
    const std::string copy = NewCopy(folder);
    // A copy of another publisher is never moved in, however it came there.
    return IsCompleteProgramFile(copy) && ReadAll(copy) != ReadAll(Installed(folder)) &&
           PublisherAcceptsFile(SystemSignatureReader(), ModuleFileName(), copy);
}

bool MoveIntoPlace(const std::string& folder) {
    const std::string installed = Installed(folder);
    const std::string aside = SteppedAside(folder);
    RemoveLeftover(folder);
    const bool hadInstalled = ::GetFileAttributesA(installed.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (hadInstalled && !::MoveFileExA(installed.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING))
        return false;
    if (!::MoveFileExA(NewCopy(folder).c_str(), installed.c_str(), MOVEFILE_WRITE_THROUGH)) {
        if (hadInstalled)
            ::MoveFileExA(aside.c_str(), installed.c_str(), 0);
        return false;
    }
    RemoveLeftover(folder);
    return true;
}

void RemoveLeftover(const std::string& folder) {
    const std::string aside = SteppedAside(folder);
    if (::GetFileAttributesA(aside.c_str()) == INVALID_FILE_ATTRIBUTES || ::DeleteFileA(aside.c_str()))
        return;
    // Still running (this very updater): gone at the next restart, where the rights allow asking for it.
    ::MoveFileExA(aside.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

}  // namespace PendingUpdater
