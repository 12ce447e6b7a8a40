#include "tests/e2e/support/DevService.h"

#include <windows.h>
#include <wininet.h>

#include <cstdlib>
#include <sstream>

namespace DevService {

namespace {

bool Get(const std::string& path, std::string& body) {
    const std::string address = Address();
    if (address.empty())
        return false;
    HINTERNET session = ::InternetOpenA("FoldVenTest", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!session)
        return false;
    const std::string url = "http://" + address + path;
    HINTERNET request = ::InternetOpenUrlA(
        session, url.c_str(), nullptr, 0,
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE, 0);
    bool ok = false;
    if (request) {
        DWORD status = 0;
        DWORD size = sizeof(status);
        ::HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
        char buffer[4096];
        DWORD read = 0;
        body.clear();
        while (::InternetReadFile(request, buffer, sizeof(buffer), &read) && read > 0)
            body.append(buffer, read);
        ok = status == 200;
        ::InternetCloseHandle(request);
    }
    ::InternetCloseHandle(session);
    return ok;
}

}  // namespace

std::string Address() {
    const char* value = std::getenv("FV_DEVSERVICE");
    return value ? std::string(value) : std::string();
}

std::map<std::string, std::string> HostEnvironment() {
    return {{"FOLDVEN_API_HOST", Address()}, {"FOLDVEN_WEB_HOST", Address()}};
}

bool Reset() {
    std::string body;
    return Get("/_control/reset", body);
}

bool Fault(const std::string& query) {
    std::string body;
    return Get("/_control/fault?" + query, body);
}

std::string Log() {
    std::string body;
    Get("/_control/log", body);
    return body;
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

}  // namespace DevService
