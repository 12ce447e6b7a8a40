#include "FoldVenBrowser/ui/InstallPaths.h"

#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <fstream>

namespace InstallPaths {

std::string ProgramFiles() {
    char path[MAX_PATH + 1] = {};
    ::SHGetSpecialFolderPathA(nullptr, path, CSIDL_PROGRAM_FILES, FALSE);
    std::string folder = path;
    if (folder.empty())
        folder = "C:\\Program Files";
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}

std::string InstallFolder() {
    return ProgramFiles() + "\\FoldVen\\";
}

std::string TempFolder() {
    char path[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof(path), path);
    return path;
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadFileHead(const std::string& path, std::size_t limit, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(limit, '\0');
    in.read(&bytes[0], static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

}  // namespace InstallPaths
