#pragma once

#include <windows.h>

#include <string>

#include "VenUpdater/update/UpdateFileList.h"
#include "platform/UiHooks.h"

// Under UAC the user's updater cannot write into "C:\Program Files\FoldVen". When an update pass has
// something to write there and Windows refuses, the pass runs in a copy of the updater started with
// administrator rights ("runas"), with the switch below. The copy shows its own progress window, does the
// pass only and tells the result through its exit code; the user's updater waits, answering its window,
// and starts the browser itself, so the browser never runs elevated.
namespace ElevatedPass {

// The command-line switch of the elevated copy.
constexpr const char* kSwitch = "/elevatedpass";

// The elevated copy's exit codes.
enum ExitCode : DWORD {
    kPassDone = 0,     // every listed file was handled
    kPassStopped = 1,  // a download failed; the copy has shown its message
    kPassDenied = 2,   // the folder stayed closed even to the copy; nothing was written
};

// What the user's updater learns from an elevation attempt.
enum class Outcome { kDone, kStopped, kDenied, kDeclined, kFailed };

// Where the pass runs.
enum class Route { kHere, kElevatedCopy, kDeniedHere };

// The system side of the decision, replaced in tests.
class IElevation {
public:
    virtual ~IElevation() = default;
    // False only when Windows refuses to create a file in `folder` (access denied).
    virtual bool CanWriteInto(const std::string& folder) = 0;
    // Starts the elevated copy (the consent prompt owned by `owner`) and waits for it to end.
    virtual Outcome RunElevatedCopy(HWND owner) = 0;
};

// The folders the pass writes into (for missing ones, the nearest existing parent), each once; empty
// when every listed file is current, every listed folder exists and no new updater waits in temp.
std::vector<std::string> FoldersWritten(const CUpdateFileList& files, const std::string& folder);

// The route of a pass over `folder` (with its trailing backslash). `elevatedCopy` is true in the copy
// itself, which never asks again.
Route ChooseRoute(const CUpdateFileList& files, const std::string& folder, IElevation& system,
                  bool elevatedCopy);

// Runs the elevated copy and tells the user when it did not update: declined prompt, a copy that could
// not start or still could not write. The browser is started by the caller in every case.
Outcome HandOver(IElevation& system, IUiHooks& ui, HWND owner);

// The system's elevation: ShellExecuteEx "runas" on this program with kSwitch.
IElevation& SystemElevation();

// True when the command line holds kSwitch.
bool IsElevatedCopy(const char* commandLine);

}  // namespace ElevatedPass
