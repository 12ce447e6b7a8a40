#pragma once

#include <string>

// Moves a newly delivered updater ("temp\VenUpdater.exe" below the installation folder) over the
// installed one, waiting briefly while the updater that started the browser still holds its file. When
// the copy fails all the same the new copy is kept so the next start can move it into place. A new copy
// that is no whole program image, or not signed by the browser's own publisher, is deleted and the
// installed updater stays. `folder` ends with a backslash.
void RefreshUpdaterIn(const std::string& folder);
