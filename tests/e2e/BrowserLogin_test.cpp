#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/BrowserTest.h"
#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

using namespace WindowFinder;

constexpr DWORD kWait = 30000;

// The automatic login with saved credentials against devservice.
using BrowserLoginTest = BrowserAgainstDevServiceTest;

// The account's ID and password hold "@", "&" and a blank.
TEST_F(BrowserLoginTest, SavedCredentialsLogInAndOpenTheMainWindow) {
    TestInstall::SaveCredentials(1, "mail@foldven.test", 1, "p&ss w0rd");

    CTestProcess browser;
    ASSERT_TRUE(
        browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, DevService::HostEnvironment()));
    EXPECT_NE(WaitForWindowOfClass(browser.Pid(), "FOldVenClass", kWait), nullptr);
    const std::string log = DevService::Log();
    EXPECT_EQ(DevService::CountRequests("/login.aspx"), 1);
    EXPECT_NE(log.find("GET //login.aspx?UID=mail%40foldven.test&PWD=p%26ss%20w0rd&VER=2.3.1.2 HTTP/1.0\r\n"
                       "Accept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\nHost: " +
                       DevService::Address() + "\r\nCookie: \r\n\r\n"),
              std::string::npos)
        << log;
}

}  // namespace
