#include "VenUpdater/app/DownloadRequest.h"

#include <cstdlib>
#include <vector>

namespace {

struct ParsedUrl {
    std::string host;
    std::string object;
    INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT;
};

bool ParseUrl(const std::string& url, ParsedUrl& parsed) {
    char host[INTERNET_MAX_HOST_NAME_LENGTH + 1] = {};
    std::vector<char> path(url.size() + 2, '\0');
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof(host);
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    if (!::InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts) || !host[0])
        return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP)
        return false;
    parsed.host = host;
    parsed.object = path[0] ? path.data() : "/";
    parsed.port = parts.nPort;
    return true;
}

void ReadAway(HINTERNET request) {
    std::vector<char> buffer(9216);
    DWORD read = 0;
    while (::InternetReadFile(request, buffer.data(), static_cast<DWORD>(buffer.size()), &read) && read > 0) {
    }
}

}  // namespace

std::unique_ptr<CDownloadRequest> CDownloadRequest::Open(const std::string& url, HWND owner) {
    std::unique_ptr<CDownloadRequest> request(new CDownloadRequest());
    if (!request->Connect(url) || !request->SendUntilAccepted(owner))
        return nullptr;
    return request;
}

bool CDownloadRequest::Connect(const std::string& url) {
    ParsedUrl parsed;
    if (!ParseUrl(url, parsed) && !ParseUrl("http://" + url, parsed))
        return false;
    if (!m_session.Reset(::InternetOpenA("VenUpdater", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)))
        return false;
    if (!m_connection.Reset(::InternetConnectA(m_session, parsed.host.c_str(), parsed.port, nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0)))
        return false;
    const char* accept[] = {"*/*", nullptr};
    // A cached copy could be an old version: always fetch from the server, and keep no copy.
    const DWORD flags = INTERNET_FLAG_KEEP_CONNECTION | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                        INTERNET_FLAG_PRAGMA_NOCACHE;
    return m_request.Reset(
        ::HttpOpenRequestA(m_connection, "GET", parsed.object.c_str(), nullptr, nullptr, accept, flags, 0));
}

bool CDownloadRequest::SendUntilAccepted(HWND owner) {
    for (;;) {
        if (!::HttpSendRequestA(m_request, nullptr, 0, nullptr, 0))
            return false;
        const std::string text = QueryText(HTTP_QUERY_STATUS_CODE);
        const DWORD status = text.empty() ? 0 : static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 10));
        if (status == HTTP_STATUS_OK)
            return true;
        if (status != HTTP_STATUS_DENIED && status != HTTP_STATUS_PROXY_AUTH_REQ)
            return false;
        ReadAway(m_request);
        const DWORD answer =
            ::InternetErrorDlg(owner, m_request, ERROR_INTERNET_INCORRECT_PASSWORD,
                               FLAGS_ERROR_UI_FILTER_FOR_ERRORS | FLAGS_ERROR_UI_FLAGS_CHANGE_OPTIONS |
                                   FLAGS_ERROR_UI_FLAGS_GENERATE_DATA,
                               nullptr);
        // Without a retry there is no file to write; the old one stays.
        if (answer != ERROR_INTERNET_FORCE_RETRY)
            return false;
    }
}

std::string CDownloadRequest::QueryText(DWORD what) const {
    char text[32] = {};
    DWORD length = sizeof(text);
    if (!::HttpQueryInfoA(m_request, what, text, &length, nullptr))
        return std::string();
    return std::string(text, length);
}
