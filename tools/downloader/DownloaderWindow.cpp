#include "tools/downloader/DownloaderWindow.h"

#include <fstream>
#include <iterator>

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 300;

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string TempFolder() {
    char path[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof(path), path);
    return path;
}

}  // namespace

CDownloaderWindow::CDownloaderWindow(int argc, char** argv) : m_logFile(TempFolder() + "FoldVenDown.log") {
    // bbs <id> <password> <list file>; an ID or password with a blank arrives split, so the list file is
    // the last argument.
    if (argc >= 3)
        m_userId = argv[2];
    if (argc >= 5)
        m_listFile = ReplaceAll(argv[argc - 1], "[[SPACE]]", " ");
    Log("start " + std::string(::GetCommandLineA()));
}

bool CDownloaderWindow::Create(HINSTANCE instance, int show) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc))
        return false;
    // Bottom right of the screen, where it does not hide the browser that started it.
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    m_hWnd = ::CreateWindowExA(0, kClassName, "폴드벤 다운로더", WS_OVERLAPPEDWINDOW, area.right - 480,
                               area.bottom - 320, 460, 300, nullptr, nullptr, instance, this);
    if (!m_hWnd)
        return false;
    ::ShowWindow(m_hWnd, show);
    ::UpdateWindow(m_hWnd);
    ReadListFile();
    ::SetTimer(m_hWnd, kPollTimer, kPollMs, nullptr);
    return true;
}

LRESULT CALLBACK CDownloaderWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<CDownloaderWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CDownloaderWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam) : ::DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CDownloaderWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_SIZE:
            Layout();
            return 0;
        case WM_TIMER:
            if (wParam == kPollTimer)
                ReadListFile();
            return 0;
        case WM_COPYDATA: {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (data->dwData != 7 || data->lpData == nullptr)
                return FALSE;
            Receive(CopyDataText(static_cast<const char*>(data->lpData), data->cbData), "copydata");
            return TRUE;
        }
        case WM_DESTROY:
            ::KillTimer(m_hWnd, kPollTimer);
            if (m_hFont)
                ::DeleteObject(m_hFont);
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    }
}

void CDownloaderWindow::CreateControls() {
    m_hFont = ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, 0, "굴림");
    const std::string user = "사용자: " + m_userId;
    m_hUser = ::CreateWindowExA(0, "STATIC", user.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                                m_hWnd, nullptr, nullptr, nullptr);
    m_hList = ::CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS,
                                0, 0, 0, 0, m_hWnd, nullptr, nullptr, nullptr);
    for (HWND control : {m_hUser, m_hList})
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
    Layout();
}

void CDownloaderWindow::Layout() {
    if (!m_hList)
        return;
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    ::MoveWindow(m_hUser, 10, 8, rc.right - 20, 18, TRUE);
    ::MoveWindow(m_hList, 10, 30, rc.right - 20, rc.bottom - 40, TRUE);
}

void CDownloaderWindow::ReadListFile() {
    if (m_listFile.empty())
        return;
    std::ifstream in(m_listFile, std::ios::binary);
    if (!in)
        return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const std::string& text : m_reader.Take(bytes))
        Receive(text, "record");
}

void CDownloaderWindow::Receive(const std::string& text, const char* how) {
    Log(std::string(how) + " " + text);
    for (const CDownloadItem& item : SplitDownloadItems(text)) {
        const std::string row = item.id + "\t" + item.name;
        ::SendMessageA(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
        Log("item " + row);
    }
}

void CDownloaderWindow::Log(const std::string& line) const {
    std::ofstream(m_logFile, std::ios::app | std::ios::binary) << line << "\r\n";
}
