#include "tests/e2e/support/TestInstall.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace TestInstall {

std::string FromUnixPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

std::string DistFolder() {
    const char* dist = std::getenv("FV_DIST");
    return dist ? FromUnixPath(dist) : std::string();
}

bool DeleteTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    return ::RemoveDirectoryA(folder.c_str()) != FALSE;
}

bool CopyTree(const std::string& from, const std::string& to) {
    ::CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((from + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ok = CopyTree(from + "\\" + name, to + "\\" + name) && ok;
        } else {
            ok = ::CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE) && ok;
        }
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return ok;
}

std::string Fresh(const std::string& name) {
    // Without FV_DIST the copy would start at the drive's root, which is the whole Unix file system.
    if (DistFolder().empty())
        return std::string();
    ::CreateDirectoryA("C:\\fvtest", nullptr);
    const std::string folder = "C:\\fvtest\\" + name;
    DeleteTree(folder);
    CopyTree(DistFolder(), folder);
    return folder + "\\";
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

void ResetSettings() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\FoldVen");
}

}  // namespace TestInstall
