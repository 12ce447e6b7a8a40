#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/support/BrowserIds.h"
#include "tests/e2e/support/BrowserTest.h"
#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;

constexpr DWORD kWait = 30000;
constexpr const char* kFolder = "C:\\FoldVen 받은 파일";

std::string Text(HWND window, int id) {
    return TextOf(::GetDlgItem(window, id));
}

SIZE WindowSize(HWND window) {
    RECT rc{};
    ::GetWindowRect(window, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

DWORD ReadDword(const char* name) {
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof(value);
    ::RegGetValueA(HKEY_CURRENT_USER, "Software\\FoldVen", name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

void SaveFolder(const std::string& folder) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\FoldVen", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr);
    ::RegSetValueExA(key, "rPathBasic", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                     static_cast<DWORD>(folder.size() + 1));
    ::RegCloseKey(key);
}

// One start of the browser, logged in automatically as `tester` (12,345 packets, no flat rate), walked
// through what the main window offers before the tray menu's exit ends it.
using MainWindowTest = BrowserAgainstDevServiceTest;

TEST_F(MainWindowTest, ShowsTheAccountKeepsItsSizeAndLivesInTheTray) {
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    SaveFolder(kFolder);
    CTestProcess browser;
    ASSERT_TRUE(
        browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, DevService::HostEnvironment()));
    HWND main = WaitForWindowOfClass(browser.Pid(), "FOldVenClass", kWait);
    ASSERT_NE(main, nullptr);

    // The bottom band and the category list.
    EXPECT_EQ(WindowSize(main).cx, 899);
    EXPECT_EQ(WindowSize(main).cy, 525);
    EXPECT_EQ(Text(main, 1024), "12,345 P");
    EXPECT_EQ(Text(main, 1025), "미신청");
    EXPECT_EQ(Text(main, 1023), kFolder);
    HWND combo = ::GetDlgItem(main, 1033);
    std::vector<std::string> categories;
    for (LRESULT i = 0; i < ::SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        // Asked for in wide characters: list texts are not converted between processes.
        wchar_t item[64] = L"";
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        char bytes[128] = "";
        ::WideCharToMultiByte(CP_ACP, 0, item, -1, bytes, sizeof(bytes), nullptr, nullptr);
        categories.push_back(bytes);
    }
    EXPECT_EQ(categories, (std::vector<std::string>{"영화", "게임", "TV", "애니", "만화", "휴대기기", "강좌",
                                                    "교육", "기타", "유틸", "문서"}));
    EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);

    // Enter and Escape, as key presses reach the search field, close nothing.
    HWND edit = ::GetDlgItem(main, 1032);
    ::SetForegroundWindow(main);
    ASSERT_TRUE(WaitUntil([main] { return ::GetForegroundWindow() == main; }, kWait));
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ::PostMessageA(edit, WM_KEYDOWN, key, 1);
        ::PostMessageA(edit, WM_KEYUP, key, 0xC0000001);
    }
    Pause(500);
    EXPECT_TRUE(::IsWindowVisible(main));

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
    EXPECT_EQ(TakeProgramMessage(browser.Pid(), kWait),
              "포인트를 확인하는 데 잠시 오류가 있습니다. \n\n잠시 후에 다시 시도하여 주십시오.");
    EXPECT_EQ(Text(main, 1024), "12,345 P");
    // ...and a good one writes the label anew.
    ::SetWindowTextA(::GetDlgItem(main, 1024), "0 P");
    ::PostMessageA(main, kButtonClick, 16, 0);
    EXPECT_TRUE(WaitUntil([main] { return Text(main, 1024) == "12,345 P"; }, kWait));
    EXPECT_EQ(DevService::CountRequests("/GetInform.aspx?MD=RP&UID=tester&LID=IK7F3A21C0 "), 2);

    // Closing hides it to the tray; the tray's double click and "열기" bring it back.
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([main] { return !::IsWindowVisible(main); }, kWait));
    EXPECT_TRUE(browser.IsRunning());
    ::PostMessageA(main, WM_USER + 1002, 130, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([main] { return ::IsWindowVisible(main); }, kWait));
    ::PostMessageA(main, kButtonClick, 102, 0);  // the tray button
    EXPECT_TRUE(WaitUntil([main] { return !::IsWindowVisible(main); }, kWait));
    ::PostMessageA(main, WM_COMMAND, 32774, 0);
    EXPECT_TRUE(WaitUntil([main] { return ::IsWindowVisible(main); }, kWait));

    // A right-button release on the tray icon opens the tray menu; Escape closes it again.
    ::PostMessageA(main, WM_USER + 1002, 130, WM_RBUTTONUP);
    HWND menu = WaitForWindow(
        browser.Pid(), [](HWND hwnd) { return ClassOf(hwnd) == "#32768"; }, kWait);
    ASSERT_NE(menu, nullptr);
    ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitUntil([menu] { return !::IsWindowVisible(menu); }, kWait));

    ::SendMessageA(main, WM_COMMAND, 32780, 0);
    EXPECT_EQ(ReadDword("bKeepPassword"), 0u);
    EXPECT_EQ(ReadDword("bSaveID"), 1u);
    ::PostMessageA(main, WM_COMMAND, 32776, 0);
    EXPECT_TRUE(browser.WaitForExit(kWait));
}

}  // namespace
