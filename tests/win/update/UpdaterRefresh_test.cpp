#include "FoldVenBrowser/ui/UpdaterRefresh.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Write(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// This test program stands in for a delivered updater: any whole program image will do.
const std::string& Program() {
    static const std::string image = [] {
        char self[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        return Read(self);
    }();
    return image;
}

class UpdaterRefreshTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "fv-refresh-" + std::to_string(::GetCurrentProcessId()) + "\\";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
    }
    void TearDown() override {
        ::DeleteFileA((folder + "temp\\VenUpdater.exe").c_str());
        ::RemoveDirectoryA((folder + "temp\\VenUpdater.exe").c_str());
        ::RemoveDirectoryA((folder + "temp").c_str());
        ::DeleteFileA((folder + "VenUpdater.exe").c_str());
        ::RemoveDirectoryA(folder.c_str());
    }
    std::string NewCopy() const { return folder + "temp\\VenUpdater.exe"; }
    std::string Installed() const { return folder + "VenUpdater.exe"; }

    std::string folder;
};

TEST_F(UpdaterRefreshTest, NoNewCopyTouchesNothing) {
    Write(Installed(), "old");
    RefreshUpdaterIn(folder);
    EXPECT_EQ(Read(Installed()), "old");
    EXPECT_TRUE(Exists(folder + "temp"));
}

TEST_F(UpdaterRefreshTest, NewCopyReplacesOrCreatesTheInstalledUpdater) {
    Write(NewCopy(), Program());
    RefreshUpdaterIn(folder);
    EXPECT_TRUE(Read(Installed()) == Program());
    EXPECT_FALSE(Exists(NewCopy()));

    Write(Installed(), "old");
    Write(NewCopy(), Program());
    RefreshUpdaterIn(folder);
    EXPECT_TRUE(Read(Installed()) == Program());
    EXPECT_FALSE(Exists(NewCopy()));
    EXPECT_TRUE(Exists(folder + "temp"));
}

TEST_F(UpdaterRefreshTest, ACopyEqualToTheInstalledUpdaterIsDroppedAtOnceEvenWhileTheUpdaterRuns) {
    Write(Installed(), Program());
    Write(NewCopy(), Program());
    // The updater that started the browser still holds its file: a copy over it would be retried.
    HANDLE busy = ::CreateFileA(Installed().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    RefreshUpdaterIn(folder);
    ::CloseHandle(busy);
    // A copy tried (and retried) against the busy file would have failed and been kept for later.
    EXPECT_FALSE(Exists(NewCopy()));
    EXPECT_TRUE(Read(Installed()) == Program());
}

TEST_F(UpdaterRefreshTest, ACopyThatIsNoWholeProgramIsDroppedAndTheInstalledUpdaterStays) {
    for (const std::string& broken :
         {Program().substr(0, Program().size() / 2), std::string("<html></html>")}) {
        Write(Installed(), "installed");
        Write(NewCopy(), broken);
        RefreshUpdaterIn(folder);
        EXPECT_EQ(Read(Installed()), "installed");
        EXPECT_FALSE(Exists(NewCopy()));
    }
}

TEST_F(UpdaterRefreshTest, FailedCopyKeepsTheNewCopyForTheNextStart) {
    Write(Installed(), "old");
    Write(NewCopy(), Program());
    // The running updater holds its file open without sharing, so the copy over it fails.
    HANDLE busy = ::CreateFileA(Installed().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    RefreshUpdaterIn(folder);
    ::CloseHandle(busy);
    EXPECT_TRUE(Read(NewCopy()) == Program());
    EXPECT_EQ(Read(Installed()), "old");

    RefreshUpdaterIn(folder);  // the next start succeeds
    EXPECT_TRUE(Read(Installed()) == Program());
    EXPECT_FALSE(Exists(NewCopy()));
}

TEST_F(UpdaterRefreshTest, AFolderNamedLikeTheNewCopyOrAnUnknownFolderIsLeftAlone) {
    ::CreateDirectoryA(NewCopy().c_str(), nullptr);
    RefreshUpdaterIn(folder);
    EXPECT_FALSE(Exists(Installed()));
    EXPECT_TRUE(Exists(NewCopy()));
    ::RemoveDirectoryA(NewCopy().c_str());

    // No program folder: a copy below the working folder is not the program's.
    Write(NewCopy(), Program());
    char previous[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ::SetCurrentDirectoryA(folder.c_str());
    RefreshUpdaterIn("");
    ::SetCurrentDirectoryA(previous);
    EXPECT_FALSE(Exists(Installed()));
    EXPECT_TRUE(Exists(NewCopy()));
}

}  // namespace
