#include "VenUpdater/app/ElevatedPass.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "VenUpdater/app/PendingUpdater.h"
#include "VenUpdater/res/resource.h"
#include "win/ModulePath.h"

namespace ElevatedPass {
namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// `path` itself when it is a folder, else its nearest existing parent, never above `root`.
std::string ExistingFolderOf(std::string path, const std::string& root) {
    while (path.size() > root.size() && !IsFolder(path)) {
        const std::size_t slash = path.find_last_of('\\', path.size() - 2);
        if (slash == std::string::npos || slash + 1 < root.size())
            return root;
        path.erase(slash + 1);
    }
    return path.size() < root.size() ? root : path;
}

// The switch may stand quoted among other arguments.
bool IsBoundary(char c) {
    return c == ' ' || c == '\t' || c == '"';
}

std::string WithBackslash(std::string path) {
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

class CSystemElevation : public IElevation {
public:
    bool CanWriteInto(const std::string& folder) override {
        const std::string probe = folder + "~fvwrite" + std::to_string(::GetCurrentProcessId()) + ".tmp";
        HANDLE file = ::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file);
            return true;
        }
        // Other failures (a full disk, a file in use) are the pass's to report.
        return ::GetLastError() != ERROR_ACCESS_DENIED;
    }

    Outcome RunElevatedCopy(HWND owner) override {
        // ShellExecuteEx may use COM; this runs on the updater's worker thread.
        const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        const std::string program = ModuleFileName();
        const std::string folder = ModuleFolder();
        SHELLEXECUTEINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.hwnd = owner;
        info.lpVerb = "runas";
        info.lpFile = program.c_str();
        info.lpParameters = kSwitch;
        info.lpDirectory = folder.c_str();
        info.nShow = SW_SHOWNORMAL;
        Outcome outcome = Outcome::kFailed;
        if (!::ShellExecuteExA(&info)) {
            if (::GetLastError() == ERROR_CANCELLED)
                outcome = Outcome::kDeclined;
        } else if (info.hProcess) {
            outcome = WaitForCopy(info.hProcess);
            ::CloseHandle(info.hProcess);
        }
        if (SUCCEEDED(com))
            ::CoUninitialize();
        return outcome;
    }

private:
    static Outcome WaitForCopy(HANDLE process) {
        DWORD code = STILL_ACTIVE;
        if (::WaitForSingleObject(process, INFINITE) != WAIT_OBJECT_0 ||
            !::GetExitCodeProcess(process, &code))
            return Outcome::kFailed;
        switch (code) {
            case kPassDone:
                return Outcome::kDone;
            case kPassStopped:
                return Outcome::kStopped;
            case kPassDenied:
                return Outcome::kDenied;
            default:  // ended some other way: nothing is known about the pass
                return Outcome::kFailed;
        }
    }
};

}  // namespace

std::vector<std::string> FoldersWritten(const CUpdateFileList& files, const std::string& folder) {
    std::vector<std::string> written;
    if (PendingUpdater::IsWaiting(folder))
        written.push_back(folder);
    for (const CUpdateFileEntry& entry : files.server) {
        const std::string local = LocalPathFor(folder, entry.path);
        std::string target;
        if (entry.kind == CUpdateFileEntry::kFolder) {
            if (IsFolder(local))
                continue;
            target = ExistingFolderOf(WithBackslash(local), folder);
        } else {
            if (!files.Decide(folder, entry))
                continue;
            target = ExistingFolderOf(local.substr(0, local.find_last_of('\\') + 1), folder);
        }
        if (std::find(written.begin(), written.end(), target) == written.end())
            written.push_back(target);
    }
    return written;
}

Route ChooseRoute(const CUpdateFileList& files, const std::string& folder, IElevation& system,
                  bool elevatedCopy) {
    for (const std::string& target : FoldersWritten(files, folder)) {
        if (!system.CanWriteInto(target))
            return elevatedCopy ? Route::kDeniedHere : Route::kElevatedCopy;
    }
    return Route::kHere;
}

Outcome HandOver(IElevation& system, IUiHooks& ui, HWND owner) {
    const Outcome outcome = system.RunElevatedCopy(owner);
    unsigned message = 0;
    if (outcome == Outcome::kDeclined)
        message = IDS_ELEVATION_DECLINED;
    else if (outcome == Outcome::kDenied || outcome == Outcome::kFailed)
        message = IDS_ELEVATION_FAILED;
    if (message)
        ui.MessageBox(reinterpret_cast<OwnerWindow>(owner), ui.LoadString(message), "알림",
                      MessageFlags::kIconExclamation);
    return outcome;
}

IElevation& SystemElevation() {
    static CSystemElevation elevation;
    return elevation;
}

bool IsElevatedCopy(const char* commandLine) {
    if (!commandLine)
        return false;
    std::string text(commandLine);
    for (std::size_t at = 0; (at = text.find(kSwitch, at)) != std::string::npos; ++at) {
        const std::size_t end = at + std::strlen(kSwitch);
        const bool startsWord = at == 0 || IsBoundary(text[at - 1]);
        const bool endsWord = end == text.size() || IsBoundary(text[end]);
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

}  // namespace ElevatedPass
