#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"
#include "tests/support/LoopbackServer.h"

namespace {

using namespace WindowFinder;

constexpr DWORD kWait = 20000;
const char* kToken = "qmtzvbka";
const std::string kRefusal = "독립적으로 프로그램을 실행 할수 없습니다.";
const std::string kLoginReply = "S\t0\ttester\tt2\tt3\tINF\t1500\t0\tN\tsecret\t\tLK1\t";
const std::string kNoNotices = "S\t0\tS0\t0\t";

class BrowserStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        KillProcessesNamed("FoldVenBrowser.exe");
        TestInstall::ResetSettings();
        folder = TestInstall::Fresh(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_FALSE(folder.empty()) << "FV_DIST must name the install-folder image";
        ASSERT_TRUE(TestInstall::FileExists(Browser())) << Browser();
    }
    void TearDown() override { KillProcessesNamed("FoldVenBrowser.exe"); }

    std::string Browser() const { return folder + "FoldVenBrowser.exe"; }

    // The number of values in the settings key; -1 when there is no key.
    static long SettingsValueCount() {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\FoldVen", 0, KEY_READ, &key) != ERROR_SUCCESS)
            return -1;
        DWORD values = 99;
        ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                           nullptr, nullptr, nullptr);
        ::RegCloseKey(key);
        return static_cast<long>(values);
    }

    // Starts the browser and expects the refusal: the message box is its only window, and OK ends it.
    void ExpectRefusal(const std::vector<std::string>& args) {
        // Any whole program stands in for a delivered updater; the browser's own file differs from it.
        const std::string delivered = TestInstall::ReadFile(folder + "FoldVenBrowser.exe");
        ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
        TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", delivered);
        CTestProcess browser;
        ASSERT_TRUE(browser.Start(Browser(), args, folder));
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

    std::string folder;
};

TEST_F(BrowserStartupTest, WithoutTheTokenTheProgramRefusesToRun) {
    ExpectRefusal({});
}

TEST_F(BrowserStartupTest, AnyOtherSecondArgumentStillLogsInAutomatically) {
    LoopbackServer service([](const std::string&) { return HttpReply(kLoginReply); });
    TestInstall::SaveCredentials(1, "tester", 1, "secret");
    CTestProcess browser;
    ASSERT_TRUE(browser.Start(Browser(), {kToken, "-R"}, folder, {{"FOLDVEN_API_HOST", service.HostSpec()}}));
    ASSERT_NE(WaitForWindowOfClass(browser.Pid(), "FOldVenClass", kWait), nullptr);
    int logins = 0;
    for (const std::string& request : service.Requests())
        logins += request.find("/login.aspx?") != std::string::npos;
    EXPECT_EQ(logins, 1);
}

TEST_F(BrowserStartupTest, ASecondStartDuringTheLoginDialogEndsSilently) {
    // The login dialog asks this service for its notices when it opens.
    LoopbackServer service([](const std::string&) { return HttpReply(kNoNotices); });
    CTestProcess first;
    ASSERT_TRUE(first.Start(Browser(), {kToken}, folder, {{"FOLDVEN_API_HOST", service.HostSpec()}}));
    ASSERT_NE(WaitForLoginDialog(first.Pid(), kWait), nullptr);
    CTestProcess second;
    ASSERT_TRUE(second.Start(Browser(), {kToken}, folder));
    EXPECT_TRUE(second.WaitForExit(kWait));
    EXPECT_TRUE(TopLevelWindowsOf(second.Pid()).empty());
    EXPECT_TRUE(first.IsRunning());
}

}  // namespace
