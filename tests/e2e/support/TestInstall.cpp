#include "tests/e2e/support/TestInstall.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/DataProtection.h"

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

std::string SignedProgram(const std::string& name) {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder = self;
    folder = folder.substr(0, folder.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\')) + "\\signed\\" + name;
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
    if (from.empty() || to.empty())
        return false;  // "\\*" would be the whole drive
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
    if (DistFolder().empty() || name.empty())
        return std::string();
    ::CreateDirectoryA("C:\\fvtest", nullptr);
    const std::string folder = "C:\\fvtest\\" + name;
    // A program the previous test ended may still hold its files for a moment: try again briefly.
    for (int attempt = 0; attempt < 25; ++attempt) {
        DeleteTree(folder);
        if (CopyTree(DistFolder(), folder))
            return folder + "\\";
        ::Sleep(200);
    }
    return std::string();
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

std::string TempFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + name + "-" + std::to_string(::GetCurrentProcessId());
    DeleteTree(folder);
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

std::string OwnProgramImage() {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    return ReadFile(self);
}

bool WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

void ResetSettings() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\FoldVen");
}

void SaveCredentials(unsigned long saveId, const std::string& id, unsigned long keepPassword,
                     const std::string& password) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\FoldVen", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr);
    const DWORD flags[2] = {saveId, keepPassword};
    ::RegSetValueExA(key, "bSaveID", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags[0]), sizeof(DWORD));
    ::RegSetValueExA(key, "strSaveID", 0, REG_SZ, reinterpret_cast<const BYTE*>(id.c_str()),
                     static_cast<DWORD>(id.size() + 1));
    ::RegSetValueExA(key, "bKeepPassword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags[1]),
                     sizeof(DWORD));
    ::RegSetValueExA(key, "UserPW", 0, REG_SZ, reinterpret_cast<const BYTE*>(password.c_str()),
                     static_cast<DWORD>(password.size() + 1));
    ::RegCloseKey(key);
}

std::string SavedPassword() {
    std::vector<char> value(4096);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(value.size());
    if (::RegGetValueA(HKEY_CURRENT_USER, "Software\\FoldVen", "UserPW", RRF_RT_ANY, &type, value.data(),
                       &size) != ERROR_SUCCESS)
        return "(missing)";
    const std::string bytes(value.data(), size);
    if (type != REG_BINARY)
        return "(plain) " + std::string(bytes.c_str());
    std::string password;
    return SystemDataProtection().Unprotect(bytes, password) ? password : "(cannot unprotect)";
}

}  // namespace TestInstall
