#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/support/BrowserIds.h"
#include "tests/e2e/support/BrowserTest.h"
#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/RemoteControls.h"
#include "tests/e2e/support/ResponsivenessProbe.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;
using namespace RemoteControls;

constexpr DWORD kWait = 30000;
constexpr DWORD kProbeMs = 100;
// Windows calls a window "not responding" after 5 s; ours must answer well within a second.
constexpr DWORD kLongestAnswerMs = 1000;

// The browser through the waits of its user-interface thread: retries of the login and of a listing,
// and a level-2 folder that cannot be listed. A probe keeps asking its windows to answer meanwhile.
class WaitsTest : public BrowserAgainstDevServiceTest {
protected:
    bool Start() {
        return browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder,
                             DevService::HostEnvironment());
    }
    static void ExpectAlwaysAnswered(CResponsivenessProbe& probe) {
        probe.Stop();
        std::printf("longest answer %lu ms over %d probes\n", static_cast<unsigned long>(probe.LongestMs()),
                    probe.WindowsProbed());
        EXPECT_GT(probe.WindowsProbed(), 10);
        EXPECT_LT(probe.LongestMs(), kLongestAnswerMs);
    }

    // What the screen shows in the middle of the window's caption.
    static bool CaptionIsBlue(HWND window) {
        RECT rc{};
        ::GetWindowRect(window, &rc);
        HDC screen = ::GetDC(nullptr);
        const COLORREF colour = ::GetPixel(screen, (rc.left + rc.right) * 2 / 3, rc.top + 12);
        ::ReleaseDC(nullptr, screen);
        return colour != CLR_INVALID && GetBValue(colour) > 150 && GetRValue(colour) < 120;
    }

    CTestProcess browser;
    HWND main = nullptr;
};

TEST_F(WaitsTest, LoginDialogAnswersThroughTheRetriesOfAWrongPassword) {
    ASSERT_TRUE(Start());
    HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    ::SendMessageA(::GetDlgItem(dialog, 1001), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("tester"));
    ::SendMessageA(::GetDlgItem(dialog, 1002), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("wrong-password"));
    CResponsivenessProbe probe(browser.Pid(), kProbeMs);
    ClickControl(ChildWithText(dialog, "로그인"));
    HWND box = WaitForMessageBox(browser.Pid(), kWait);  // after the 3 s and 6 s waits
    ExpectAlwaysAnswered(probe);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(DevService::CountRequests("/login.aspx?UID=tester&"), 3);
    ClickButton(box, IDOK);
}

TEST_F(WaitsTest, MainWindowAnswersWhileTheRootListingIsRetried) {
    ASSERT_TRUE(DevService::Fault("/GetFileList.aspx?MD=BC", "status", 2, "503"));
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    ASSERT_TRUE(Start());
    CResponsivenessProbe probe(browser.Pid(), kProbeMs);
    main = WaitForWindowOfClass(browser.Pid(), "FOldVenClass", kWait);
    ASSERT_NE(main, nullptr);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (list = FindDescendant(main, "SysListView32", kRemoteList)) != nullptr; }, kWait));
    // While the listing waits (1 s, then 2 s) the window is drawn: its caption shows the skin's blue.
    EXPECT_TRUE(WaitUntil([&] { return ListColumn(list).empty() && CaptionIsBlue(main); }, 2500));
    ASSERT_TRUE(WaitUntil([&] { return !ListColumn(list).empty(); }, kWait));
    ExpectAlwaysAnswered(probe);
    EXPECT_EQ(DevService::CountRequests("MD=BC"), 3);
}

TEST_F(WaitsTest, FailedLevel2FolderInTheTreeIsOneRoundAndOneMessage) {
    main = StartLoggedIn(browser);
    ASSERT_NE(main, nullptr);
    HWND tree = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (tree = FindDescendant(main, "SysTreeView32")) != nullptr; }, kWait));
    HTREEITEM tv = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (tv = TreeChildOf(tree, nullptr, "TV")) != nullptr; }, kWait));
    ClickAt(tree, CentreOf(TreeItemRect(tree, tv)));
    HTREEITEM drama = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (drama = TreeChildOf(tree, tv, "드라마")) != nullptr; }, kWait));
    ASSERT_TRUE(DevService::Fault("/GetFileList.aspx?MD=ML", "status", 3, "503"));
    ClickAt(tree, CentreOf(TreeItemRect(tree, drama)));
    EXPECT_EQ(TakeProgramMessage(browser.Pid(), kWait), "서버 접속에 실패 했습니다.다시 시도해주세요!!");
    // No second round follows: it would ask again at once and show its message after 1 + 2 + 3 s.
    EXPECT_EQ(WaitForProgramMessage(browser.Pid(), 7000), nullptr);
    EXPECT_EQ(DevService::CountRequests("MD=ML&"), 3);
}

}  // namespace
