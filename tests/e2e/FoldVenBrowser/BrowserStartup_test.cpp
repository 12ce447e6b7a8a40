#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/support/BrowserTest.h"

namespace {

using namespace WindowFinder;

const std::string kRefusal = "독립적으로 프로그램을 실행 할수 없습니다.";

// The number of values in the settings key; -1 when there is no key.
long SettingsValueCount() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\FoldVen", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    DWORD values = 99;
    ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                       nullptr, nullptr);
    ::RegCloseKey(key);
    return static_cast<long>(values);
}

using BrowserStartupTest = BrowserAgainstDevServiceTest;

// Without the token the message box is the program's only window, and OK ends it.
TEST_F(BrowserStartupTest, WithoutTheTokenTheProgramRefusesToRun) {
    // Any whole program stands in for a delivered updater; the browser's own file differs from it.
    const std::string delivered = TestInstall::ReadFile(folder + "FoldVenBrowser.exe");
    ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
    TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", delivered);
    ASSERT_TRUE(Start({}));
    HWND box = WaitForMessageBox(browser.Pid(), kWait);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), kRefusal);
    EXPECT_EQ(TextOf(box), "FoldVen");
    EXPECT_EQ(TopLevelWindowsOf(browser.Pid()).size(), 1u);
    // Settings were loaded and the updater refreshed before the token was checked.
    EXPECT_EQ(SettingsValueCount(), 0);  // the first start made the key, empty
    EXPECT_TRUE(TestInstall::ReadFile(folder + "VenUpdater.exe") == delivered);
    EXPECT_FALSE(TestInstall::FileExists(folder + "temp\\VenUpdater.exe"));
    ClickButton(box, IDOK);
    EXPECT_TRUE(browser.WaitForExit(kWait));
}

TEST_F(BrowserStartupTest, AnyOtherSecondArgumentStillLogsInAutomatically) {
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    ASSERT_TRUE(Start({kToken, "-R"}));
    ASSERT_NE(WaitForMainWindow(), nullptr);
    EXPECT_EQ(DevService::CountRequests("/login.aspx?"), 1);
}

TEST_F(BrowserStartupTest, ASecondStartDuringTheLoginDialogEndsSilently) {
    ASSERT_TRUE(Start());
    ASSERT_NE(WaitForLoginDialog(browser.Pid(), kWait), nullptr);
    CTestProcess second;
    ASSERT_TRUE(Start(second));
    EXPECT_TRUE(second.WaitForExit(kWait));
    EXPECT_TRUE(TopLevelWindowsOf(second.Pid()).empty());
    EXPECT_TRUE(browser.IsRunning());
}

}  // namespace
