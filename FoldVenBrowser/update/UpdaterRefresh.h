#pragma once

#include <string>

// Moves a newly delivered updater ("temp\VenUpdater.exe" below the installation folder) over the
// installed one. When the copy fails (the old updater may still be running) the new copy is kept so
// the next start can move it into place. `folder` ends with a backslash.
void RefreshUpdaterIn(const std::string& folder);
