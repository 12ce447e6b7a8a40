#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"
#include "tests/support/WinLoopbackServer.h"

namespace {

using namespace WindowFinder;

constexpr DWORD kWait = 30000;
const char* kToken = "qmtzvbka";

// The automatic login with saved credentials, against a service played by the test.
class BrowserLoginTest : public ::testing::Test {
protected:
    void SetUp() override {
        KillProcessesNamed("FoldVenBrowser.exe");
        TestInstall::ResetSettings();
        folder = TestInstall::Fresh(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_FALSE(folder.empty()) << "FV_DIST must name the install-folder image";
    }
    void TearDown() override { KillProcessesNamed("FoldVenBrowser.exe"); }

    static void SaveCredentials(const std::string& id, const std::string& pw) {
        TestInstall::SaveCredentials(1, id, 1, pw);
    }

    bool Start(CTestProcess& browser, const WinLoopbackServer& service) {
        return browser.Start(folder + "FoldVenBrowser.exe", {kToken}, folder,
                             {{"FOLDVEN_API_HOST", service.Host()}});
    }

    std::string folder;
};

TEST_F(BrowserLoginTest, SavedCredentialsLogInAndOpenTheMainWindow) {
    WinLoopbackServer service([](const std::string& request) {
        return request.find("PWD=p%26w") != std::string::npos
                   ? HttpReply("S\t0\tkim@x\tt2\tt3\tINF\t1500\t0\tY\tp&w\t\tLK1\t")
                   : HttpReply("F\t105\t");
    });
    SaveCredentials("kim@x", "p&w");
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, service));
    ASSERT_NE(WaitForWindowOfClass(browser.Pid(), "FOldVenClass", kWait), nullptr);
    const std::vector<std::string> requests = service.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")),
              "GET //login.aspx?UID=kim%40x&PWD=p%26w&VER=2.3.1.2 HTTP/1.0");
    EXPECT_NE(requests[0].find("\r\nHost: " + service.Host() + "\r\n"), std::string::npos);
}

TEST_F(BrowserLoginTest, AWrongSavedPasswordShowsTheMessageThenTheLoginDialog) {
    WinLoopbackServer service([](const std::string&) { return HttpReply("F\t105\t"); });
    SaveCredentials("kim", "old");
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, service));
    HWND box = WaitForMessageBox(browser.Pid(), kWait);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), "Info");
    EXPECT_EQ(MessageBoxText(box), "비밀번호가 정확하지가 않습니다.!!!");
    EXPECT_EQ(service.Requests().size(), 3u);
    ClickButton(box, IDOK);
    HWND dialog = WaitForWindow(
        browser.Pid(), [](HWND hwnd) { return ClassOf(hwnd) == "#32770" && ::GetDlgItem(hwnd, 1001); },
        kWait);
    EXPECT_NE(dialog, nullptr);
}

}  // namespace
