#include "tests/e2e/support/DevService.h"

#include <windows.h>
#include <wininet.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace DevService {

std::string Address() {
    const char* address = std::getenv("FV_DEVSERVICE");
    return address ? address : "";
}

bool Get(const std::string& target, std::string* body) {
    if (Address().empty())
        return false;
    HINTERNET session = ::InternetOpenA("fv-e2e", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!session)
        return false;
    const std::string url = "http://" + Address() + target;
    HINTERNET request = ::InternetOpenUrlA(
        session, url.c_str(), nullptr, 0,
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE, 0);
    bool ok = false;
    if (request) {
        DWORD status = 0;
        DWORD length = sizeof(status);
        ::HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &length, nullptr);
        std::string text;
        char buffer[8192];
        DWORD read = 0;
        while (::InternetReadFile(request, buffer, sizeof(buffer), &read) && read > 0)
            text.append(buffer, read);
        ok = status == 200;
        if (body)
            *body = text;
        ::InternetCloseHandle(request);
    }
    ::InternetCloseHandle(session);
    return ok;
}

bool Reset() {
    return Get("/_control/reset");
}

bool SetUpdateDir(const std::string& windowsFolder) {
    return Get("/_control/set?update-dir=" + QueryEscape(UnixPathOf(windowsFolder)));
}

bool Fault(const std::string& pathPrefix, const std::string& kind, int count, const std::string& arg) {
    std::string target = "/_control/fault?path=" + QueryEscape(pathPrefix) + "&kind=" + QueryEscape(kind);
    if (count >= 0)
        target += "&count=" + std::to_string(count);
    if (!arg.empty())
        target += "&arg=" + QueryEscape(arg);
    return Get(target);
}

bool LockFolder(const std::string& windowsFolder, bool closed) {
    return Get("/_control/lock-folder?dir=" + QueryEscape(UnixPathOf(windowsFolder)) +
               "&on=" + (closed ? "1" : "0"));
}

std::string Log() {
    std::string text;
    Get("/_control/log", &text);
    return text;
}

int CountRequests(const std::string& text) {
    std::istringstream lines(Log());
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("GET ", 0) == 0 || line.rfind("POST ", 0) == 0)
            count += line.find(text) != std::string::npos ? 1 : 0;
    }
    return count;
}

std::map<std::string, std::string> HostEnvironment() {
    return {
        {"FOLDVEN_API_HOST", Address()}, {"FOLDVEN_WEB_HOST", Address()}, {"FOLDVEN_SEARCH_HOST", Address()}};
}

std::string UnixPathOf(const std::string& windowsPath) {
    using ToUnix = char*(__cdecl*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return windowsPath;
    std::vector<wchar_t> wide(windowsPath.size() + 1);
    const int n =
        ::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    if (n <= 0)
        return windowsPath;
    char* unixPath = toUnix(wide.data());
    if (!unixPath)
        return windowsPath;
    std::string result = unixPath;
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return result;
}

std::string QueryEscape(const std::string& text) {
    static const char* kHex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
            c == '_' || c == '.' || c == '/') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

}  // namespace DevService
