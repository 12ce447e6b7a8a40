#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"

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

    std::string folder;
};
