#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

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

constexpr DWORD kWait = 30000;
constexpr WPARAM kExitCommand = 32776;
const char* const kSearchPath = "/getfilelist.aspx?step=2";

// The browser logged in as "tester", its main window found.
class BrowserSearchTest : public BrowserAgainstDevServiceTest {
protected:
    void StartBrowser(const std::map<std::string, std::string>& environment = DevService::HostEnvironment()) {
        main = StartLoggedIn(browser, "tester", "test1234", kWait, environment);
        ASSERT_NE(main, nullptr);
    }
    // Types `keyword`, picks category `category` and presses the search button.
    void Search(const std::string& keyword, int category) {
        ::SendMessageA(::GetDlgItem(main, kSearchText), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(keyword.c_str()));
        ::SendMessageA(::GetDlgItem(main, kCategories), CB_SETCURSEL, category, 0);
        ::PostMessageA(main, kButtonClick, kSearchButton, 0);
    }
    HWND List() {
        HWND list = nullptr;
        WaitUntil(
            [&] {
                return (list = RemoteControls::FindDescendant(main, "SysListView32", kResultList)) != nullptr;
            },
            kWait);
        return list;
    }
    // The search's "Info" box: its text, after which it is closed.
    std::string InfoBoxText() {
        HWND box = WaitForMessageBox(browser.Pid(), kWait);
        if (!box)
            return "(no box)";
        const std::string text = TextOf(box) + "|" + MessageBoxText(box);
        ClickButton(box, IDOK);
        WaitUntil([&] { return !::IsWindow(box); }, kWait);
        return text;
    }
    static int Count(HWND list) { return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

    CTestProcess browser;
    HWND main = nullptr;
};

TEST_F(BrowserSearchTest, KeywordAndCategoryFindRowsAndEachSearchShowsOnlyItsOwn) {
    StartBrowser();
    Search("서울", 0);
    HWND list = List();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Count(list) == 3; }, kWait));
    EXPECT_EQ(
        RemoteControls::ListColumn(list, 0),
        (std::vector<std::string>{"서울의 밤 (2000)", "서울의 밤.2000.720p.mkv", "서울의 밤.2000.smi"}));
    EXPECT_EQ(RemoteControls::ListColumn(list, 1), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(RemoteControls::ListColumn(list, 2), (std::vector<std::string>{"", "1.01 GB", "90 KB"}))
        << "a folder has no size";
    EXPECT_EQ(DevService::CountRequests(kSearchPath), 1);
    EXPECT_NE(
        DevService::Log().find("GET /getfilelist.aspx?step=2&UID=tester&LID=IK7F3A21C0&STYPE=0&MD=SE"
                               "&Keyword=%BC%AD%BF%EF&SEARCHTYPE=0&start=0&\t\t\t\t\tcate1=movie&cate2=mo000"
                               "  HTTP/1.0\r\nAccept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\n"
                               "Host: " +
                               DevService::Address() + "\r\nCookie: \r\n\r\n"),
        std::string::npos)
        << DevService::Log();

    // The next search (TV, held back by the service) empties the rows before its own arrive. Meanwhile
    // every window of the program answers within a second whenever it is asked (every 100 ms).
    ASSERT_TRUE(DevService::Fault(kSearchPath, "delay", 1, "3000"));
    CResponsivenessProbe probe(browser.Pid(), 100);
    Search("서울", 2);
    ASSERT_TRUE(WaitUntil([&] { return DevService::CountRequests(kSearchPath) == 2; }, kWait));
    EXPECT_EQ(Count(list), 0);
    ASSERT_TRUE(WaitUntil([&] { return Count(list) == 4; }, kWait));
    probe.Stop();
    EXPECT_GT(probe.WindowsProbed(), 20);
    EXPECT_LT(probe.LongestMs(), 1000u);
    Pause(300);
    EXPECT_EQ(RemoteControls::ListColumn(list, 0),
              (std::vector<std::string>{"더 킹 오브 서울 (전24화)", "더 킹 오브 서울 01화.avi",
                                        "더 킹 오브 서울 02화.avi", "더 킹 오브 서울 03화.avi"}));

    // Enter in the search field searches too: a refused keyword, then one that finds nothing.
    HWND field = ::GetDlgItem(main, kSearchText);
    ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("불법 영화"));
    ::PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(InfoBoxText(), "Info|검색 금지어 입니다.");
    Search("zzzz", 0);
    EXPECT_EQ(InfoBoxText(), "Info|일치하는 파일이 존재 하지 않습니다.!!!");
    EXPECT_EQ(Count(list), 0);
    EXPECT_EQ(DevService::CountRequests(kSearchPath), 4);
}

TEST_F(BrowserSearchTest, WithoutItsOwnHostTheSearchGoesToTheApiHost) {
    std::map<std::string, std::string> environment = DevService::HostEnvironment();
    environment.erase("FOLDVEN_SEARCH_HOST");
    ::SetEnvironmentVariableA("FOLDVEN_SEARCH_HOST", nullptr);
    StartBrowser(environment);
    Search("서울", 0);
    EXPECT_TRUE(WaitUntil([] { return DevService::CountRequests(kSearchPath) == 1; }, kWait));
}

TEST_F(BrowserSearchTest, SearchHostThatRefusesIsSaid) {
    std::map<std::string, std::string> environment = DevService::HostEnvironment();
    environment["FOLDVEN_SEARCH_HOST"] = "127.0.0.1:1";  // nothing listens there
    StartBrowser(environment);
    Search("서울", 0);
    EXPECT_EQ(InfoBoxText(), "Info|검색 서버에 연결할 수 없습니다.\n잠시 후 다시 시도해 주십시오.");
}

TEST_F(BrowserSearchTest, ClosingTheProgramDuringASlowSearchEndsItCleanly) {
    StartBrowser();
    ASSERT_TRUE(DevService::Fault(kSearchPath, "delay", 1, "8000"));
    Search("서울", 0);
    ASSERT_TRUE(WaitUntil([&] { return DevService::CountRequests(kSearchPath) == 1; }, kWait));
    const DWORD start = ::GetTickCount();
    ::PostMessageA(main, WM_COMMAND, kExitCommand, 0);
    ASSERT_TRUE(browser.WaitForExit(6000));  // well before the reply: nothing waits for the search
    EXPECT_LT(::GetTickCount() - start, 6000u);
    EXPECT_EQ(browser.ExitCode(), 0u);  // not a crash's exception code
}

}  // namespace
