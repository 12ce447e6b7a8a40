#pragma once

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <string>

// Closes a WinInet handle when it goes out of scope.
class CInternetHandle {
public:
    explicit CInternetHandle(HINTERNET handle = nullptr) : m_handle(handle) {}
    ~CInternetHandle() { Reset(nullptr); }
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;
    operator HINTERNET() const { return m_handle; }

    // Closes the handle held so far and holds `handle`; true when that is one.
    bool Reset(HINTERNET handle) {
        if (m_handle)
            ::InternetCloseHandle(m_handle);
        m_handle = handle;
        return handle != nullptr;
    }

private:
    HINTERNET m_handle;
};

// One file's GET through WinInet (the system's proxy settings, no cache), sent and answered with 200.
// Its session, connection and request close together, the request first.
class CDownloadRequest {
public:
    // The request for `url` ("http://" is put in front when it has no scheme); null when the URL cannot
    // be read, a handle cannot be opened, the send fails or the status is not 200. A server or proxy
    // that asks for credentials gets the system's credential dialog, owned by `owner`, and the request
    // is sent again when the user chooses to retry.
    static std::unique_ptr<CDownloadRequest> Open(const std::string& url, HWND owner);

    HINTERNET Handle() const { return m_request; }
    // A header's text; empty when the reply has no such header.
    std::string QueryText(DWORD what) const;

private:
    CDownloadRequest() = default;
    bool Connect(const std::string& url);
    // Sends until the answer is 200; false when it is anything else and no retry is chosen.
    bool SendUntilAccepted(HWND owner);

    CInternetHandle m_session;
    CInternetHandle m_connection;
    CInternetHandle m_request;
};
