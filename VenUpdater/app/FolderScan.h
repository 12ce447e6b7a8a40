#pragma once

#include <string>
#include <vector>

#include "VenUpdater/update/UpdateFileEntry.h"

// Appends the content of `folder` (no trailing backslash) to `list`, depth first: folders by name,
// files by full path with their FileVersion text, else the date stamp of their last change. Junctions
// and linked folders are listed but not entered.
void ScanFolder(const std::string& folder, std::vector<CUpdateFileEntry>& list);

// The FileVersion string of the file's version resource; false when it has none.
bool GetFileVersionText(const std::string& path, std::string& version);

// Creates the folders of `path` (its parent only with `parentOnly`); true when that folder exists.
bool EnsureFolders(const std::string& path, bool parentOnly);
