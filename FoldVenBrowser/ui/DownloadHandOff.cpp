#include "FoldVenBrowser/ui/DownloadHandOff.h"

#include <shellapi.h>

#include <cstdint>

#include "FoldVenBrowser/ui/FileUpdateDlg.h"
#include "FoldVenBrowser/ui/InstallPaths.h"

namespace {

// Text in the system's ANSI code page comes back unchanged; anything else as the code page can show it.
std::string ThroughUtf16(const std::string& text) {
    if (text.empty())
        return text;
    const int wideLength =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideLength);
    const int length =
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string back(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, &back[0], length, nullptr, nullptr);
    return back;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    ::CloseHandle(file);
    return ok;
}

}  // namespace

CDownloadHandOff::CDownloadHandOff(HWND owner, IUiHooks& ui) : m_hOwner(owner), m_ui(ui) {}

CDownloadHandOff::~CDownloadHandOff() {
    // An installer download still running reads and posts through its dialog until its transfer ends,
    // which a stalled server may put off for long. At the program's end the dialog's window goes, so the
    // worker's posts fall on nothing, but the object is left to the end of the process rather than freed
    // under the worker (or the exit held up waiting for it).
    if (m_pFileUpdateDlg && m_pFileUpdateDlg->InstallationPending()) {
        CFileUpdateDlg* running = m_pFileUpdateDlg.release();
        if (HWND window = running->GetSafeHwnd())
            ::DestroyWindow(window);
    }
}

void CDownloadHandOff::BeginDownloadList() {
    // The check is skipped while the downloader runs (or is being started), and while an installation it
    // decided earlier has not ended: checking again would fetch the installer anew from under it.
    if (!m_bStarting && !::FindWindowA(kDownloaderClass, nullptr)) {
        if (!m_pFileUpdateDlg)
            m_pFileUpdateDlg = std::make_unique<CFileUpdateDlg>(m_hOwner, m_bDownloaderReady, m_ui);
        if (!m_pFileUpdateDlg->InstallationPending())
            m_pFileUpdateDlg->CheckBeforeDownload();
    }
    m_list.Clear();
}

void CDownloadHandOff::AddDownloadItem(const std::string& id, const std::string& name) {
    m_list.Add(id, ThroughUtf16(name));
}

bool CDownloadHandOff::SendDownloadList(const std::string& userId, const std::string& password) {
    if (m_bDownloaderReady == 0) {
        Tell("업데이트 중입니다.업데이트 완료후 이용해주세요~~~!!");
        return false;
    }
    const std::string installFolder =
        m_strInstallFolderOverride.empty() ? InstallPaths::InstallFolder() : m_strInstallFolderOverride;
    const std::string listFile = InstallPaths::TempFolder() + kListFileName;
    if (m_list.Empty())
        return false;
    if (m_bStarting) {
        m_queued.push_back(m_list.Text());
        return true;
    }
    const std::string text = m_list.Text();
    HWND downloader = ::FindWindowA(kDownloaderClass, nullptr);
    if (!downloader) {
        // A downloader started here finds a list file holding exactly this hand-off.
        if (InstallPaths::FileExists(listFile))
            ::DeleteFileA(listFile.c_str());
        downloader = StartDownloader(installFolder + "FoldVenDown.exe",
                                     DownloaderCommandLine(userId, password, listFile));
        if (!downloader)
            return false;
    }
    return Deliver(downloader, listFile, text);
}

HWND CDownloadHandOff::StartDownloader(const std::string& program, const std::string& commandLine) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = m_hOwner;
    info.lpFile = program.c_str();
    info.lpParameters = commandLine.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExA(&info)) {
        Tell("다운로드 프로그램을 실행하지 못했습니다. 프로그램을 다시 설치해 주세요.");
        return nullptr;
    }
    m_bStarting = true;
    m_queued.clear();
    HWND downloader = WaitForDownloaderWindow(info.hProcess);
    m_bStarting = false;
    if (info.hProcess)
        ::CloseHandle(info.hProcess);
    return downloader;
}

HWND CDownloadHandOff::WaitForDownloaderWindow(HANDLE process) {
    // The window goes on painting and answering while the downloader starts; the wait is bounded, and a
    // downloader that ends before its window shows has failed.
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND downloader = ::FindWindowA(kDownloaderClass, nullptr))
            return downloader;
        if (process && ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
            Tell("다운로드 프로그램을 실행하지 못했습니다. 프로그램을 다시 설치해 주세요.");
            return nullptr;
        }
        if (::GetTickCount() - start >= m_windowWaitMs) {
            Tell("다운로드 프로그램이 응답하지 않습니다. 잠시 후 다시 시도해 주세요.");
            return nullptr;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop this wait runs inside
                return nullptr;
            }
            HWND active = ::GetActiveWindow();
            if (active && ::IsDialogMessageA(active, &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (m_hOwner && !::IsWindow(m_hOwner))
            return nullptr;
    }
}

bool CDownloadHandOff::Deliver(HWND downloader, const std::string& listFile, const std::string& first) {
    std::vector<std::string> texts{first};
    texts.insert(texts.end(), m_queued.begin(), m_queued.end());
    m_queued.clear();
    for (const std::string& text : texts) {
        const auto address = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(text.c_str()));
        // A record that did not reach the file whole goes by copy-data instead of being lost.
        if (AppendToFile(listFile, MakeListFileRecord(text, address)) && InstallPaths::FileExists(listFile))
            continue;
        COPYDATASTRUCT data{7, static_cast<DWORD>(text.size() + 1), const_cast<char*>(text.c_str())};
        DWORD_PTR answer = 0;
        if (!::SendMessageTimeoutA(downloader, WM_COPYDATA, reinterpret_cast<WPARAM>(m_hOwner),
                                   reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000, &answer)) {
            Tell("다운로드 목록을 다운로드 프로그램에 전달하지 못했습니다.");
            return false;
        }
    }
    return true;
}

void CDownloadHandOff::Tell(const std::string& text) {
    m_ui.ShowMessage(reinterpret_cast<OwnerWindow>(m_hOwner), text);
}
