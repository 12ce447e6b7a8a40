#include "VenUpdater/app/FolderScan.h"

#include <windows.h>

#include <cstdio>

#include "VenUpdater/update/UpdateFileList.h"

namespace {

// "%04d%02d%02d%02d%02d" of the last change in local time; empty when the file cannot be opened.
std::string DateStamp(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    FILETIME written{};
    FILETIME local{};
    SYSTEMTIME time{};
    const bool ok = ::GetFileTime(file, nullptr, nullptr, &written) &&
                    ::FileTimeToLocalFileTime(&written, &local) && ::FileTimeToSystemTime(&local, &time);
    ::CloseHandle(file);
    if (!ok)
        return std::string();
    char stamp[32];
    std::snprintf(stamp, sizeof(stamp), "%04u%02u%02u%02u%02u", time.wYear, time.wMonth, time.wDay,
                  time.wHour, time.wMinute);
    return stamp;
}

std::string WithoutExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// A junction or a link may lead back up the tree, and each level would list the loop again. The find
// data alone is not trusted: a directory listing can still describe a link made a moment ago as a plain
// folder, so the path's own attributes are asked too.
bool IsLinkedFolder(const WIN32_FIND_DATAA& data, const std::string& path) {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return true;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

void ScanFolder(const std::string& folder, std::vector<CUpdateFileEntry>& list) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "\\" + name;
        CUpdateFileEntry entry;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            entry.kind = CUpdateFileEntry::kFolder;
            entry.path = WithoutExtension(name);
            list.push_back(entry);
            if (!IsLinkedFolder(data, path))
                ScanFolder(path, list);
            continue;
        }
        entry.path = path;
        if (!GetFileVersionText(path, entry.version))
            entry.version = DateStamp(path);
        entry.size = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        list.push_back(entry);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
}

bool GetFileVersionText(const std::string& path, std::string& version) {
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0)
        return false;
    std::vector<char> info(size);
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, info.data()))
        return false;
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                          &length) ||
        length < sizeof(Translation))
        return false;
    char query[64];
    std::snprintf(query, sizeof(query), "\\StringFileInfo\\%04X%04X\\FileVersion", translation->language,
                  translation->codePage);
    char* text = nullptr;
    if (!::VerQueryValueA(info.data(), query, reinterpret_cast<void**>(&text), &length) || !text)
        return false;
    version.assign(text, strnlen(text, std::min<UINT>(length, 254)));
    return true;
}

bool EnsureFolders(const std::string& path, bool parentOnly) {
    const std::vector<std::string> folders = FoldersToCreate(path, parentOnly);
    for (const std::string& folder : folders)
        ::CreateDirectoryA(folder.c_str(), nullptr);
    if (folders.empty())
        return false;
    const DWORD attributes = ::GetFileAttributesA(folders.back().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
