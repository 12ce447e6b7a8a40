#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/e2e/support/BrowserTest.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;
using namespace RemoteControls;

// What the screen shows in the middle of the window's caption.
bool CaptionIsBlue(HWND window) {
    RECT rc{};
    ::GetWindowRect(window, &rc);
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, (rc.left + rc.right) * 2 / 3, rc.top + 12);
    ::ReleaseDC(nullptr, screen);
    return colour != CLR_INVALID && GetBValue(colour) > 150 && GetRValue(colour) < 120;
}

// The browser through the waits of its user-interface thread: retries of a listing, and a level-2 folder
// that cannot be listed. (The login's retries are LoginDialogTest's.)
using WaitsTest = BrowserAgainstDevServiceTest;

TEST_F(WaitsTest, MainWindowAnswersWhileTheRootListingIsRetried) {
    ASSERT_TRUE(DevService::Fault("/GetFileList.aspx?MD=BC", "status", 2, "503"));
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    ASSERT_TRUE(Start());
    CResponsivenessProbe probe(browser.Pid(), 100);
    main = WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(
        WaitUntil([&] { return (list = FindDescendant(main, "SysListView32", kRemoteList)); }, kWait));
    // While the listing waits (1 s, then 2 s) the window is drawn: its caption shows the skin's blue.
    EXPECT_TRUE(WaitUntil([&] { return ListColumn(list).empty() && CaptionIsBlue(main); }, 2500));
    ASSERT_TRUE(WaitUntil([&] { return !ListColumn(list).empty(); }, kWait));
    ExpectAlwaysAnswered(probe);
    EXPECT_EQ(DevService::CountRequests("MD=BC"), 3);
}

TEST_F(WaitsTest, FailedLevel2FolderInTheTreeIsOneRoundAndOneMessage) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());
    HTREEITEM tv = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (tv = TreeChildOf(tree, nullptr, "TV")) != nullptr; }, kWait));
    ClickAt(tree, CentreOf(TreeItemRect(tree, tv)));
    HTREEITEM drama = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (drama = TreeChildOf(tree, tv, "드라마")) != nullptr; }, kWait));
    ASSERT_TRUE(DevService::Fault("/GetFileList.aspx?MD=ML", "status", 3, "503"));
    ClickAt(tree, CentreOf(TreeItemRect(tree, drama)));
    EXPECT_EQ(TakeMessage(), "서버 접속에 실패 했습니다.다시 시도해주세요!!");
    // No second round follows: it would ask again at once and show its message after 1 + 2 + 3 s.
    EXPECT_EQ(WaitForProgramMessage(browser.Pid(), 7000), nullptr);
    EXPECT_EQ(DevService::CountRequests("MD=ML&"), 3);
}

}  // namespace
