#pragma once

#include <string>

// Where the service's programs are installed and where the hand-off and the installer check keep their
// files.
namespace InstallPaths {

// The system's program-files folder with every "/" as "\"; "C:\Program Files" when the system gives none.
std::string ProgramFiles();
// "<program files>\FoldVen\".
std::string InstallFolder();
// The system's temporary folder, ending in a backslash.
std::string TempFolder();
bool FileExists(const std::string& path);
// At most `limit` bytes of the file; false when it cannot be opened.
bool ReadFileHead(const std::string& path, std::size_t limit, std::string& bytes);

}  // namespace InstallPaths
