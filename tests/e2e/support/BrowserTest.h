#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

// A fresh copy of the programs for each test, run against a reset devservice, with no saved settings and
// no browser left from an earlier test.
class BrowserAgainstDevServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (DevService::Address().empty())
            GTEST_SKIP() << "FV_DEVSERVICE is not set";
        ASSERT_TRUE(DevService::Reset());
        KillProcessesNamed("FoldVenBrowser.exe");
        TestInstall::ResetSettings();
        folder = TestInstall::Fresh(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_FALSE(folder.empty()) << "no fresh install from FV_DIST";
    }
    void TearDown() override { KillProcessesNamed("FoldVenBrowser.exe"); }

    // Starts the browser of this test's folder with saved credentials, so that it logs in by itself; its
    // main window, or null when none showed within `milliseconds`.
    HWND StartLoggedIn(
        CTestProcess& browser, const std::string& id = "tester", const std::string& password = "test1234",
        DWORD milliseconds = 30000,
        const std::map<std::string, std::string>& environment = DevService::HostEnvironment()) {
        TestInstall::SaveCredentials(1, id, 1, password);
        if (!browser.Start(folder + "FoldVenBrowser.exe", {"qmtzvbka"}, folder, environment))
            return nullptr;
        return WindowFinder::WaitForWindowOfClass(browser.Pid(), "FOldVenClass", milliseconds);
    }

    std::string folder;
};
