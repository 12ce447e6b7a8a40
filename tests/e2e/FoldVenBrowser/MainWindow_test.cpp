#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/support/BrowserTest.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;
using namespace RemoteControls;

constexpr const char* kFolder = "C:\\FoldVen 받은 파일";
constexpr UINT kTrayButton = 102;
constexpr UINT kTrayIconId = 130;
constexpr UINT kTrayMessage = WM_USER + 1002;

std::string Text(HWND window, int id) {
    return TextOf(::GetDlgItem(window, id));
}

SIZE WindowSize(HWND window) {
    RECT rc{};
    ::GetWindowRect(window, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void SaveFolder(const std::string& folder) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\FoldVen", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr);
    ::RegSetValueExA(key, "rPathBasic", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                     static_cast<DWORD>(folder.size() + 1));
    ::RegCloseKey(key);
}

// The texts of a combo box's list, asked for in wide characters: list texts are not converted between
// processes.
std::vector<std::string> ComboTexts(HWND combo) {
    std::vector<std::string> texts;
    for (LRESULT i = 0; i < ::SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        wchar_t item[64] = L"";
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        char bytes[128] = "";
        ::WideCharToMultiByte(CP_ACP, 0, item, -1, bytes, sizeof(bytes), nullptr, nullptr);
        texts.push_back(bytes);
    }
    return texts;
}

// Changes (NIM_MODIFY, nothing) or deletes the program's icon in the notification area; the shell
// accepts either only for an icon it has.
bool TrayIcon(HWND main, DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = main;
    data.uID = kTrayIconId;
    return ::Shell_NotifyIconA(action, &data) != FALSE;
}

// The browser logged in automatically as `tester` (12,345 packets, no flat rate), its main window in
// front.
class MainWindowTest : public BrowserAgainstDevServiceTest {
protected:
    void StartInFront() {
        ASSERT_NO_FATAL_FAILURE(StartBrowser());
        ::SetForegroundWindow(main);
        ASSERT_TRUE(WaitUntil([this] { return ::GetForegroundWindow() == main; }, kWait));
    }
    bool Shown() const { return ::IsWindowVisible(main) != FALSE; }
};

TEST_F(MainWindowTest, ShowsTheAccountKeepsItsSizeAndRefreshesTheBalance) {
    SaveFolder(kFolder);
    ASSERT_NO_FATAL_FAILURE(StartInFront());

    // The bottom band and the category list.
    EXPECT_EQ(WindowSize(main).cx, 899);
    EXPECT_EQ(WindowSize(main).cy, 525);
    EXPECT_EQ(Text(main, 1024), "12,345 P");
    EXPECT_EQ(Text(main, 1025), "미신청");
    EXPECT_EQ(Text(main, 1023), kFolder);
    HWND combo = ::GetDlgItem(main, kCategories);
    EXPECT_EQ(ComboTexts(combo), (std::vector<std::string>{"영화", "게임", "TV", "애니", "만화", "휴대기기",
                                                           "강좌", "교육", "기타", "유틸", "문서"}));
    EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);

    // It never gets smaller than 899 x 525, and its page is not reloaded by idling or resizing.
    ::SetWindowPos(main, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WindowSize(main).cx, 899);
    EXPECT_EQ(WindowSize(main).cy, 525);
    Pause(1500);
    const int pageLoads = DevService::CountRequests("/Main.aspx");
    EXPECT_LE(pageLoads, 1);
    for (SIZE size : {SIZE{1000, 650}, SIZE{950, 600}, SIZE{899, 525}}) {
        ::SetWindowPos(main, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pause(300);
    }
    Pause(2000);
    EXPECT_LE(DevService::CountRequests("/Main.aspx"), pageLoads + 3) << "at most one reload per resize";

    // Balance refresh: a refused reply shows string 123 and keeps the old text...
    ASSERT_TRUE(DevService::Fault("/GetInform.aspx", "freply", 1, "901"));
    ::PostMessageA(main, kButtonClick, 16, 0);
    EXPECT_EQ(TakeMessage(),
              "포인트를 확인하는 데 잠시 오류가 있습니다. \n\n잠시 후에 다시 시도하여 주십시오.");
    EXPECT_EQ(Text(main, 1024), "12,345 P");
    // ...and a good one writes the label anew.
    ::SetWindowTextA(::GetDlgItem(main, 1024), "0 P");
    ::PostMessageA(main, kButtonClick, 16, 0);
    EXPECT_TRUE(WaitUntil([this] { return Text(main, 1024) == "12,345 P"; }, kWait));
    EXPECT_EQ(DevService::CountRequests("/GetInform.aspx?MD=RP&UID=tester&LID=IK7F3A21C0 "), 2);

    ::SendMessageA(main, WM_COMMAND, 32780, 0);
    EXPECT_EQ(ReadDword("bKeepPassword"), 0u);
    EXPECT_EQ(ReadDword("bSaveID"), 1u);
    ::PostMessageA(main, WM_COMMAND, 32776, 0);
    EXPECT_TRUE(browser.WaitForExit(kWait));
}

TEST_F(MainWindowTest, LivesInTheTrayWhoseIconComesBackAndASecondStartShowsTheHiddenWindow) {
    ASSERT_NO_FATAL_FAILURE(StartInFront());

    // Closing hides it to the tray; the tray's double click and "열기" bring it back.
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([this] { return !Shown(); }, kWait));
    EXPECT_TRUE(browser.IsRunning());
    ::PostMessageA(main, kTrayMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([this] { return Shown(); }, kWait));
    ::PostMessageA(main, kButtonClick, kTrayButton, 0);
    EXPECT_TRUE(WaitUntil([this] { return !Shown(); }, kWait));
    ::PostMessageA(main, WM_COMMAND, 32774, 0);
    EXPECT_TRUE(WaitUntil([this] { return Shown(); }, kWait));

    // A right-button release on the tray icon opens the tray menu; Escape closes it again.
    ::PostMessageA(main, kTrayMessage, kTrayIconId, WM_RBUTTONUP);
    HWND menu = WaitForWindow(
        browser.Pid(), [](HWND hwnd) { return ClassOf(hwnd) == "#32768"; }, kWait);
    ASSERT_NE(menu, nullptr);
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitUntil([menu] { return !::IsWindowVisible(menu); }, kWait));

    // Explorer restarts with an empty notification area and says so with "TaskbarCreated".
    ASSERT_TRUE(TrayIcon(main, NIM_MODIFY));
    ASSERT_TRUE(TrayIcon(main, NIM_DELETE));
    ASSERT_FALSE(TrayIcon(main, NIM_MODIFY));
    ::PostMessageA(main, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([this] { return TrayIcon(main, NIM_MODIFY); }, kWait));

    // Minimised, then hidden to the tray: a second start brings it back restored and in front, and ends.
    ::ShowWindow(main, SW_MINIMIZE);
    ::PostMessageA(main, kButtonClick, kTrayButton, 0);
    ASSERT_TRUE(WaitUntil([this] { return !Shown(); }, kWait));
    CTestProcess second;
    ASSERT_TRUE(Start(second));
    EXPECT_TRUE(second.WaitForExit(kWait));
    EXPECT_TRUE(TopLevelWindowsOf(second.Pid()).empty());
    EXPECT_TRUE(WaitUntil([this] { return Shown() && !::IsIconic(main); }, kWait));
    EXPECT_TRUE(WaitUntil([this] { return ::GetForegroundWindow() == main; }, kWait));
    EXPECT_TRUE(browser.IsRunning());
}

TEST_F(MainWindowTest, TheKeyboardReachesNamedButtonsAndOpensAFolderWithEnter) {
    ASSERT_NO_FATAL_FAILURE(StartInFront());

    // Every skinned button is a tab stop with a name.
    int buttons = 0;
    for (HWND child = ::GetWindow(main, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != "Button")
            continue;
        ++buttons;
        EXPECT_TRUE(::GetWindowLongPtrA(child, GWL_STYLE) & WS_TABSTOP);
        EXPECT_FALSE(TextOf(child).empty());
    }
    EXPECT_GE(buttons, 11);
    for (const char* name : {"충전하기", "다운로드", "환경설정", "쪽지함", "검색", "새로고침", "변경"})
        EXPECT_EQ(ClassOf(ChildWithText(main, name)), "Button") << name;

    // Tab from the search field reaches the search button.
    HWND field = ::GetDlgItem(main, kSearchText);
    HWND searchButton = ChildWithText(main, "검색");
    ASSERT_NE(searchButton, nullptr);
    ClickControl(field);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == field; }, kWait));
    PressKey(field, VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == searchButton; }, kWait));
    // Enter on a folder row, reached with the arrow keys, opens it.
    const int row = ListRowOf(list, "영화");
    ASSERT_GE(row, 0);
    PressKey(list, VK_HOME);
    for (int down = 0; down < row; ++down)
        PressKey(list, VK_DOWN);
    ASSERT_TRUE(WaitUntil(
        [this, row] { return ::SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED) == row; }, kWait));
    PressKey(list, VK_RETURN);
    EXPECT_TRUE(WaitUntil(
        [this] {
            const std::vector<std::string> rows = ListColumn(list);
            return !rows.empty() && rows[0] == "..";
        },
        kWait));

    // Enter and Escape, in the search field or at the window's own tray button, close nothing.
    HWND trayButton = ChildWithText(main, "트레이");
    ASSERT_NE(trayButton, nullptr);
    PressKey(trayButton, VK_ESCAPE);
    for (WPARAM key : {VK_ESCAPE, VK_RETURN})
        PressKey(field, key);
    Pause(500);
    EXPECT_TRUE(Shown());
}

}  // namespace
