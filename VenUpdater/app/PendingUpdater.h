#pragma once

#include <string>

// A new updater that the pass delivered into "temp\VenUpdater.exe" is moved into place by the browser.
// Where the program folder is closed to the user (UAC) that move is denied and the copy waits; the
// updater's elevated pass then finishes it. The running updater's own file cannot be overwritten, but it
// can be renamed: it steps aside as "VenUpdater.exe.old", which goes as soon as nothing runs from it.
namespace PendingUpdater {

// True when `folder` (with its trailing backslash) holds a whole program in temp\VenUpdater.exe that
// differs from its VenUpdater.exe and comes from this updater's own publisher.
bool IsWaiting(const std::string& folder);

// Puts the waiting copy in place; false (and the installed updater as it was) when that fails.
bool MoveIntoPlace(const std::string& folder);

// Removes what an earlier move left beside the updater, where it can.
void RemoveLeftover(const std::string& folder);

}  // namespace PendingUpdater
