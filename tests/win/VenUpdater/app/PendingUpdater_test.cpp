#include "VenUpdater/app/PendingUpdater.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/support/TestInstall.h"

namespace {

class PendingUpdaterTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestInstall::TempFolder("fv-pending");
        ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
        TestInstall::WriteFile(folder + "VenUpdater.exe", "installed");
    }
    void TearDown() override { TestInstall::DeleteTree(folder.substr(0, folder.size() - 1)); }

    std::string folder;
    const std::string image = TestInstall::OwnProgramImage();  // stands in for a delivered updater
};

TEST_F(PendingUpdaterTest, TheInstalledUpdaterStepsAsideForTheNewOne) {
    TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", image.substr(0, image.size() / 2));
    EXPECT_FALSE(PendingUpdater::IsWaiting(folder));  // a cut-off copy is no updater
    TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", image);
    // Held without leave to rename, as by a program that reads it: nothing moves.
    HANDLE held = ::CreateFileA((folder + "VenUpdater.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(PendingUpdater::MoveIntoPlace(folder));
    ::CloseHandle(held);
    EXPECT_EQ(TestInstall::ReadFile(folder + "VenUpdater.exe"), "installed");
    EXPECT_TRUE(PendingUpdater::IsWaiting(folder));

    EXPECT_TRUE(PendingUpdater::MoveIntoPlace(folder));
    EXPECT_TRUE(TestInstall::ReadFile(folder + "VenUpdater.exe") == image);
    EXPECT_FALSE(TestInstall::FileExists(folder + "temp\\VenUpdater.exe"));
    EXPECT_FALSE(TestInstall::FileExists(folder + "VenUpdater.exe.old"));
}

}  // namespace
