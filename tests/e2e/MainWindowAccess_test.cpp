#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/support/BrowserIds.h"
#include "tests/e2e/support/BrowserTest.h"
#include "tests/e2e/support/RemoteControls.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;
using namespace RemoteControls;

constexpr DWORD kWait = 30000;
constexpr UINT kTrayButton = 102;
constexpr UINT kTrayIconId = 130;

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
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

void PressKey(HWND window, WPARAM key) {
    ::PostMessageA(window, WM_KEYDOWN, key, 1);
    ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

class MainWindowAccessTest : public BrowserAgainstDevServiceTest {
protected:
    void StartBrowser() {
        main = StartLoggedIn(browser);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil(
            [this] {
                list = FindDescendant(main, "SysListView32", kRemoteList);
                return list && !ListColumn(list).empty();
            },
            kWait));
        ::SetForegroundWindow(main);
        ASSERT_TRUE(WaitUntil([this] { return ::GetForegroundWindow() == main; }, kWait));
    }

    CTestProcess browser;
    HWND main = nullptr;
    HWND list = nullptr;
};

TEST_F(MainWindowAccessTest, TheTrayIconComesBackAndASecondStartShowsTheHiddenWindow) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());

    // Explorer restarts with an empty notification area and says so with "TaskbarCreated".
    ASSERT_TRUE(TrayIcon(main, NIM_MODIFY));
    ASSERT_TRUE(TrayIcon(main, NIM_DELETE));
    ASSERT_FALSE(TrayIcon(main, NIM_MODIFY));
    ::PostMessageA(main, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([this] { return TrayIcon(main, NIM_MODIFY); }, kWait));

    // Minimised, then hidden to the tray: a second start brings it back restored and in front.
    ::ShowWindow(main, SW_MINIMIZE);
    ::PostMessageA(main, kButtonClick, kTrayButton, 0);
    ASSERT_TRUE(WaitUntil([this] { return !::IsWindowVisible(main); }, kWait));
    CTestProcess second;
    ASSERT_TRUE(
        second.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, DevService::HostEnvironment()));
    EXPECT_TRUE(second.WaitForExit(kWait));
    EXPECT_TRUE(WaitUntil([this] { return ::IsWindowVisible(main) && !::IsIconic(main); }, kWait));
    EXPECT_TRUE(WaitUntil([this] { return ::GetForegroundWindow() == main; }, kWait));
    EXPECT_TRUE(browser.IsRunning());
}

TEST_F(MainWindowAccessTest, TheKeyboardReachesNamedButtonsAndOpensAFolderWithEnter) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());

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
    // Escape and Enter at the window's own tray button leave it shown.
    HWND trayButton = ChildWithText(main, "트레이");
    ASSERT_NE(trayButton, nullptr);
    PressKey(trayButton, VK_ESCAPE);
    Pause(500);
    EXPECT_TRUE(::IsWindowVisible(main));

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
    EXPECT_TRUE(::IsWindowVisible(main));
}

}  // namespace
