#include "FoldVenBrowser/ui/UpdaterRefresh.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/support/TestInstall.h"

// The browser's move of a delivered updater: what is no whole program, and where only an in-process test
// can hold the installed file or shape the folder. A copy moved in is UpdaterTest's (end to end).
namespace {

using TestInstall::ReadFile;
using TestInstall::WriteFile;

// A file or a folder.
bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class UpdaterRefreshTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestInstall::TempFolder("fv-refresh");
        ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
    }
    void TearDown() override { TestInstall::DeleteTree(folder.substr(0, folder.size() - 1)); }
    // Opens the installed updater as its running copy does: `access` and `share` as given.
    HANDLE Hold(DWORD access, DWORD share) const {
        return ::CreateFileA(Installed().c_str(), access, share, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    std::string NewCopy() const { return folder + "temp\\VenUpdater.exe"; }
    std::string Installed() const { return folder + "VenUpdater.exe"; }

    std::string folder;
    // This test program stands in for a delivered updater: any whole program image will do.
    const std::string program = TestInstall::OwnProgramImage();
};

TEST_F(UpdaterRefreshTest, ACopyEqualToTheInstalledUpdaterIsDroppedAtOnceEvenWhileTheUpdaterRuns) {
    WriteFile(Installed(), program);
    WriteFile(NewCopy(), program);
    // The updater that started the browser still holds its file: a copy over it would be retried.
    HANDLE busy = Hold(GENERIC_READ, FILE_SHARE_READ);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    RefreshUpdaterIn(folder);
    ::CloseHandle(busy);
    // A copy tried (and retried) against the busy file would have failed and been kept for later.
    EXPECT_FALSE(Exists(NewCopy()));
    EXPECT_TRUE(ReadFile(Installed()) == program);
}

TEST_F(UpdaterRefreshTest, ACopyThatIsNoWholeProgramIsDroppedAndTheInstalledUpdaterStays) {
    for (const std::string& broken : {program.substr(0, program.size() / 2), std::string("<html></html>")}) {
        WriteFile(Installed(), "installed");
        WriteFile(NewCopy(), broken);
        RefreshUpdaterIn(folder);
        EXPECT_EQ(ReadFile(Installed()), "installed");
        EXPECT_FALSE(Exists(NewCopy()));
    }
}

TEST_F(UpdaterRefreshTest, FailedCopyKeepsTheNewCopyForTheNextStart) {
    WriteFile(Installed(), "old");
    WriteFile(NewCopy(), program);
    // The running updater holds its file open without sharing, so the copy over it fails.
    HANDLE busy = Hold(GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    RefreshUpdaterIn(folder);
    ::CloseHandle(busy);
    EXPECT_TRUE(ReadFile(NewCopy()) == program);
    EXPECT_EQ(ReadFile(Installed()), "old");

    RefreshUpdaterIn(folder);  // the next start succeeds
    EXPECT_TRUE(ReadFile(Installed()) == program);
    EXPECT_FALSE(Exists(NewCopy()));
    EXPECT_TRUE(Exists(folder + "temp"));
}

TEST_F(UpdaterRefreshTest, AFolderNamedLikeTheNewCopyOrAnUnknownFolderIsLeftAlone) {
    ::CreateDirectoryA(NewCopy().c_str(), nullptr);
    RefreshUpdaterIn(folder);
    EXPECT_FALSE(Exists(Installed()));
    EXPECT_TRUE(Exists(NewCopy()));
    ::RemoveDirectoryA(NewCopy().c_str());

    // No program folder: a copy below the working folder is not the program's.
    WriteFile(NewCopy(), program);
    char previous[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ::SetCurrentDirectoryA(folder.c_str());
    RefreshUpdaterIn("");
    ::SetCurrentDirectoryA(previous);
    EXPECT_FALSE(Exists(Installed()));
    EXPECT_TRUE(Exists(NewCopy()));
}

}  // namespace
