#include "VenUpdater/app/FileDownloader.h"

#include <commctrl.h>
#include <wininet.h>

#include <algorithm>
#include <vector>

#include "VenUpdater/app/FolderScan.h"
#include "VenUpdater/update/DownloadPacer.h"
#include "VenUpdater/update/TransferCheck.h"
#include "pe/ProgramImage.h"
#include "pe/PublisherRule.h"
#include "win/ModulePath.h"

namespace {

// Closes a WinInet handle when it goes out of scope.
class CInternetHandle {
public:
    explicit CInternetHandle(HINTERNET handle) : m_handle(handle) {}
    ~CInternetHandle() {
        if (m_handle)
            ::InternetCloseHandle(m_handle);
    }
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;
    operator HINTERNET() const { return m_handle; }

private:
    HINTERNET m_handle;
};

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

// A header's text; empty when the reply has no such header.
std::string QueryText(HINTERNET request, DWORD what) {
    char text[32] = {};
    DWORD length = sizeof(text);
    if (!::HttpQueryInfoA(request, what, text, &length, nullptr))
        return std::string();
    return std::string(text, length);
}

// Gives a file fetched for a date-stamp version that time as its last change, so the next inventory
// finds it current instead of dated by the download.
void StampLastWrite(HANDLE file, const std::string& version) {
    CDateStamp stamp;
    if (!ParseDateStamp(version, stamp))
        return;
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(stamp.year);
    time.wMonth = static_cast<WORD>(stamp.month);
    time.wDay = static_cast<WORD>(stamp.day);
    time.wHour = static_cast<WORD>(stamp.hour);
    time.wMinute = static_cast<WORD>(stamp.minute);
    FILETIME local{};
    FILETIME written{};
    if (::SystemTimeToFileTime(&time, &local) && ::LocalFileTimeToFileTime(&local, &written))
        ::SetFileTime(file, nullptr, nullptr, &written);
}

DWORD QueryNumber(HINTERNET request, DWORD what, DWORD fallback) {
    const std::string text = QueryText(request, what);
    return text.empty() ? fallback : static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 10));
}

void ReadAway(HINTERNET request) {
    std::vector<char> buffer(9216);
    DWORD read = 0;
    while (::InternetReadFile(request, buffer.data(), static_cast<DWORD>(buffer.size()), &read) && read > 0) {
    }
}

}  // namespace

CFileDownloader::CFileDownloader(const CUpdateFileList& files, std::string folder, std::string baseUrl,
                                 HWND progress, HWND owner, IUiHooks& ui)
    : m_files(files),
      m_folder(std::move(folder)),
      m_baseUrl(std::move(baseUrl)),
      m_hProgress(progress),
      m_hOwner(owner),
      m_ui(ui) {}

bool CFileDownloader::DownloadFiles() {
    for (const CUpdateFileEntry& entry : m_files.server) {
        if (!m_files.Decide(m_folder, entry))
            continue;
        if (!DownloadOne(entry))
            return false;
    }
    return true;
}

bool CFileDownloader::DownloadOne(const CUpdateFileEntry& entry) {
    // Posted like the positions that follow, so that the bar's thread sees them in order.
    ::PostMessageA(m_hProgress, PBM_SETRANGE32, 0, ProgressRange(entry.size));
    const std::string localPath = LocalPathFor(m_folder, entry.path);
    EnsureFolders(localPath, true);

    const std::string url = m_baseUrl + entry.path;
    ParsedUrl parsed;
    if (!ParseUrl(url, parsed) && !ParseUrl("http://" + url, parsed))
        return false;

    CInternetHandle session(::InternetOpenA("VenUpdater", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session)
        return false;
    CInternetHandle connection(::InternetConnectA(session, parsed.host.c_str(), parsed.port, nullptr, nullptr,
                                                  INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection)
        return false;
    const char* accept[] = {"*/*", nullptr};
    // A cached copy could be an old version: always fetch from the server, and keep no copy.
    const DWORD flags = INTERNET_FLAG_KEEP_CONNECTION | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                        INTERNET_FLAG_PRAGMA_NOCACHE;
    CInternetHandle request(
        ::HttpOpenRequestA(connection, "GET", parsed.object.c_str(), nullptr, nullptr, accept, flags, 0));
    if (!request)
        return false;

    for (;;) {
        if (!::HttpSendRequestA(request, nullptr, 0, nullptr, 0))
            return false;
        const DWORD status = QueryNumber(request, HTTP_QUERY_STATUS_CODE, 0);
        if (status == HTTP_STATUS_OK)
            break;
        if (status != HTTP_STATUS_DENIED && status != HTTP_STATUS_PROXY_AUTH_REQ)
            return false;
        ReadAway(request);
        const DWORD answer =
            ::InternetErrorDlg(m_hOwner, request, ERROR_INTERNET_INCORRECT_PASSWORD,
                               FLAGS_ERROR_UI_FILTER_FOR_ERRORS | FLAGS_ERROR_UI_FLAGS_CHANGE_OPTIONS |
                                   FLAGS_ERROR_UI_FLAGS_GENERATE_DATA,
                               nullptr);
        // Without a retry there is no file to write; the old one stays.
        if (answer != ERROR_INTERNET_FORCE_RETRY)
            return false;
    }

    const std::string partPath = TemporaryPathFor(localPath);
    HANDLE file = ::CreateFileA(partPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessage(kFileInUseMessageId);
        return false;
    }
    // Without a length in the reply an early close would look like the end of the file.
    const std::int64_t expected =
        ExpectedTransferSize(QueryText(request, HTTP_QUERY_CONTENT_LENGTH), entry.size);
    std::vector<char> buffer(CDownloadPacer::kMaxRead);
    CDownloadPacer pace;
    std::int64_t received = 0;
    bool ok = true;
    bool broken = false;
    for (;;) {
        DWORD read = 0;
        const ULONGLONG started = ::GetTickCount64();
        if (!::InternetReadFile(request, buffer.data(), pace.ReadSize(), &read)) {
            ok = false;
            broken = true;
            break;
        }
        const ULONGLONG now = ::GetTickCount64();
        if (read == 0)
            break;
        pace.ReadTook(read, now - started);
        DWORD written = 0;
        if (!::WriteFile(file, buffer.data(), read, &written, nullptr) || written != read) {
            ok = false;
            break;
        }
        received += read;
        if (pace.ShouldPostProgress(ProgressPosition(received), now, false))
            ::PostMessageA(m_hProgress, PBM_SETPOS, ProgressPosition(received), 0);
    }
    if (pace.ShouldPostProgress(ProgressPosition(received), ::GetTickCount64(), true))
        ::PostMessageA(m_hProgress, PBM_SETPOS, ProgressPosition(received), 0);
    if (ok && received != expected) {
        ok = false;
        broken = true;
    }
    if (ok)
        ok = ::FlushFileBuffers(file) != FALSE;
    if (ok)
        StampLastWrite(file, entry.version);
    ::CloseHandle(file);
    // A program cut short or an error page served in its place must not replace a working program.
    if (ok && IsProgramName(entry.path) && !IsCompleteProgramFile(partPath)) {
        ok = false;
        broken = true;
    }
    // Nor may a program of another publisher, or one changed on the way.
    const bool refused = ok && IsProgramName(entry.path) &&
                         !PublisherAcceptsFile(SystemSignatureReader(), ModuleFileName(), partPath);
    ok = ok && !refused;
    if (ok && !::MoveFileExA(partPath.c_str(), localPath.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        ShowMessage(kFileInUseMessageId);
    }
    if (!ok) {
        ::DeleteFileA(partPath.c_str());
        if (broken)
            ShowMessage(kBrokenMessageId);
        if (refused)
            ShowRefusal(entry.path);
    }
    return ok;
}

void CFileDownloader::ShowRefusal(const std::string& listedPath) {
    std::string name = listedPath;
    std::replace(name.begin(), name.end(), '/', '\\');
    m_ui.MessageBox(reinterpret_cast<OwnerWindow>(m_hOwner),
                    name + ": 다운로드한 파일의 디지털 서명을 확인하지 못해 설치하지 않았습니다.", "알림",
                    MB_OK);
}

void CFileDownloader::ShowMessage(unsigned id) {
    m_ui.MessageBox(reinterpret_cast<OwnerWindow>(m_hOwner), m_ui.LoadString(id), "알림", MB_OK);
}
