#include "VenUpdater/app/FileDownloader.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "VenUpdater/app/FolderScan.h"
#include "VenUpdater/update/TransferCheck.h"
#include "pe/ProgramImage.h"
#include "pe/PublisherRule.h"
#include "win/ModulePath.h"

namespace {

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
    const std::unique_ptr<CDownloadRequest> request = OpenRequest(entry);
    if (!request)
        return false;
    const std::string partPath = TemporaryPathFor(localPath);
    return CommitOrDiscard(ReceiveInto(*request, entry, partPath), entry, partPath, localPath);
}

std::unique_ptr<CDownloadRequest> CFileDownloader::OpenRequest(const CUpdateFileEntry& entry) const {
    return CDownloadRequest::Open(m_baseUrl + entry.path, m_hOwner);
}

CFileDownloader::Received CFileDownloader::ReceiveInto(CDownloadRequest& request,
                                                       const CUpdateFileEntry& entry,
                                                       const std::string& partPath) {
    HANDLE file = ::CreateFileA(partPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Received::kCannotCreate;
    // Without a length in the reply an early close would look like the end of the file.
    const std::int64_t expected =
        ExpectedTransferSize(request.QueryText(HTTP_QUERY_CONTENT_LENGTH), entry.size);
    std::int64_t received = 0;
    Received result = Transfer(request, file, received);
    if (result == Received::kWhole && received != expected)
        result = Received::kBroken;
    else if (result == Received::kWhole && !::FlushFileBuffers(file))
        result = Received::kNotWritten;
    if (result == Received::kWhole)
        StampLastWrite(file, entry.version);
    ::CloseHandle(file);
    return result;
}

CFileDownloader::Received CFileDownloader::Transfer(CDownloadRequest& request, HANDLE file,
                                                    std::int64_t& count) {
    std::vector<char> buffer(CDownloadPacer::kMaxRead);
    CDownloadPacer pace;
    Received result = Received::kWhole;
    for (;;) {
        DWORD read = 0;
        const ULONGLONG started = ::GetTickCount64();
        if (!::InternetReadFile(request.Handle(), buffer.data(), pace.ReadSize(), &read)) {
            result = Received::kBroken;
            break;
        }
        if (read == 0)
            break;
        pace.ReadTook(read, ::GetTickCount64() - started);
        DWORD written = 0;
        if (!::WriteFile(file, buffer.data(), read, &written, nullptr) || written != read) {
            result = Received::kNotWritten;
            break;
        }
        count += read;
        PostProgress(pace, count, false);
    }
    PostProgress(pace, count, true);
    return result;
}

void CFileDownloader::PostProgress(CDownloadPacer& pace, std::int64_t received, bool final) {
    if (pace.ShouldPostProgress(ProgressPosition(received), ::GetTickCount64(), final))
        ::PostMessageA(m_hProgress, PBM_SETPOS, ProgressPosition(received), 0);
}

bool CFileDownloader::CommitOrDiscard(Received received, const CUpdateFileEntry& entry,
                                      const std::string& partPath, const std::string& localPath) {
    if (received == Received::kCannotCreate) {
        ShowMessage(kFileInUseMessageId);
        return false;
    }
    bool broken = received == Received::kBroken;
    bool ok = received == Received::kWhole;
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
