#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/e2e/support/BrowserTest.h"
#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/RemoteControls.h"
#include "tests/e2e/support/ResponsivenessProbe.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

using namespace WindowFinder;
using namespace RemoteControls;

constexpr DWORD kWait = 30000;
constexpr UINT kButtonClick = WM_USER + 500;
constexpr int kSearchButton = 14;
constexpr int kSearchText = 1032;
constexpr int kRemoteList = 1017;
constexpr int kResultList = 1031;
constexpr DWORD kProbeMs = 100;
// Windows calls a window "not responding" after 5 s; ours must answer well within a second.
constexpr DWORD kLongestAnswerMs = 1000;
const char* const kSearchPath = "/getfilelist.aspx?step=2";

// The browser through waits: retries of the login and of a listing, a slow search, a level-2 folder that
// cannot be listed, a search host that refuses. A probe keeps asking its windows to answer meanwhile.
class WaitsTest : public BrowserAgainstDevServiceTest {
protected:
    bool Start(const std::map<std::string, std::string>& environment = DevService::HostEnvironment()) {
        return browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, environment);
    }
    bool StartLoggedInWith(const std::map<std::string, std::string>& environment) {
        TestInstall::SaveCredentials(1, "tester", 1, "test1234");
        return Start(environment) && (main = WaitForWindowOfClass(browser.Pid(), "FOldVenClass", kWait));
    }
    static void ExpectAlwaysAnswered(CResponsivenessProbe& probe) {
        probe.Stop();
        std::printf("longest answer %lu ms over %d probes\n", static_cast<unsigned long>(probe.LongestMs()),
                    probe.WindowsProbed());
        EXPECT_GT(probe.WindowsProbed(), 10);
        EXPECT_LT(probe.LongestMs(), kLongestAnswerMs);
    }
    HWND RemoteList() {
        HWND list = nullptr;
        WaitUntil([&] { return (list = FindDescendant(main, "SysListView32", kRemoteList)) != nullptr; },
                  kWait);
        return list;
    }
    std::string TakeInfoBox() {
        HWND box = WaitForMessageBox(browser.Pid(), kWait);
        if (!box)
            return "(no box)";
        const std::string text = TextOf(box) + "|" + MessageBoxText(box);
        ClickButton(box, IDOK);
        WaitUntil([&] { return !::IsWindow(box); }, kWait);
        return text;
    }
    void Search(const std::string& keyword) {
        ::SendMessageA(::GetDlgItem(main, kSearchText), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(keyword.c_str()));
        ::PostMessageA(main, kButtonClick, kSearchButton, 0);
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
    HWND list = RemoteList();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !ListColumn(list).empty(); }, kWait));
    ExpectAlwaysAnswered(probe);
    EXPECT_EQ(DevService::CountRequests("MD=BC"), 3);
}

TEST_F(WaitsTest, MainWindowAnswersDuringASlowSearch) {
    ASSERT_TRUE(StartLoggedInWith(DevService::HostEnvironment()));
    ASSERT_TRUE(DevService::Fault(kSearchPath, "delay", 1, "3000"));
    CResponsivenessProbe probe(browser.Pid(), kProbeMs);
    Search("서울");
    HWND results = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            results = FindDescendant(main, "SysListView32", kResultList);
            return results && ::SendMessageA(results, LVM_GETITEMCOUNT, 0, 0) == 3;
        },
        kWait));
    ExpectAlwaysAnswered(probe);
}

TEST_F(WaitsTest, FailedLevel2FolderInTheTreeIsOneRoundAndOneMessage) {
    ASSERT_TRUE(StartLoggedInWith(DevService::HostEnvironment()));
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
    EXPECT_EQ(WaitForProgramMessage(browser.Pid(), 4000), nullptr);  // past a second round's waits
    EXPECT_EQ(DevService::CountRequests("MD=ML&"), 3);
}

TEST_F(WaitsTest, WithoutItsOwnHostTheSearchGoesToTheApiHost) {
    std::map<std::string, std::string> environment = DevService::HostEnvironment();
    environment.erase("FOLDVEN_SEARCH_HOST");
    ::SetEnvironmentVariableA("FOLDVEN_SEARCH_HOST", nullptr);
    ASSERT_TRUE(StartLoggedInWith(environment));
    Search("서울");
    EXPECT_TRUE(WaitUntil([] { return DevService::CountRequests(kSearchPath) == 1; }, kWait));
}

TEST_F(WaitsTest, SearchHostThatRefusesIsSaid) {
    std::map<std::string, std::string> environment = DevService::HostEnvironment();
    environment["FOLDVEN_SEARCH_HOST"] = "127.0.0.1:1";  // nothing listens there
    ASSERT_TRUE(StartLoggedInWith(environment));
    Search("서울");
    EXPECT_EQ(TakeInfoBox(), "Info|검색 서버에 연결할 수 없습니다.\n잠시 후 다시 시도해 주십시오.");
}

}  // namespace
