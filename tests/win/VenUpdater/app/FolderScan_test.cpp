#include "VenUpdater/app/FolderScan.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"

namespace {

class FolderScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "fv-scan-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        TestInstall::DeleteTree(folder);
        ::CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override { TestInstall::DeleteTree(folder); }

    // Sets the last change to 2010-12-01 09:05 local time.
    static void Touch(const std::string& path) {
        SYSTEMTIME local{2010, 12, 0, 1, 9, 5, 0, 0};
        FILETIME localFile{}, utc{};
        ::SystemTimeToFileTime(&local, &localFile);
        ::LocalFileTimeToFileTime(&localFile, &utc);
        HANDLE file =
            ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ::SetFileTime(file, nullptr, nullptr, &utc);
        ::CloseHandle(file);
    }

    std::string folder;
};

TEST_F(FolderScanTest, FilesCarryVersionOrDateStampAndFoldersComeBeforeTheirContent) {
    TestInstall::WriteFile(folder + "\\plain.txt", "x");
    Touch(folder + "\\plain.txt");
    ::CreateDirectoryA((folder + "\\skin.d").c_str(), nullptr);
    TestInstall::WriteFile(folder + "\\skin.d\\inner.bmp", "y");
    Touch(folder + "\\skin.d\\inner.bmp");

    std::vector<CUpdateFileEntry> list;
    ScanFolder(folder, list);
    ASSERT_EQ(list.size(), 3u);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].kind == CUpdateFileEntry::kFolder) {
            EXPECT_EQ(list[i].path, "skin");  // the name without its extension
            EXPECT_EQ(list[i].version, "");
            ASSERT_LT(i + 1, list.size());
            EXPECT_EQ(list[i + 1].path, folder + "\\skin.d\\inner.bmp");
            EXPECT_EQ(list[i + 1].version, "201012010905");
        } else if (list[i].path == folder + "\\plain.txt") {
            EXPECT_EQ(list[i].version, "201012010905");
        }
    }
}

TEST_F(FolderScanTest, AFileThatCannotBeOpenedHasNoVersion) {
    const std::string path = folder + "\\locked.dat";
    TestInstall::WriteFile(path, "z");
    HANDLE lock =
        ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::vector<CUpdateFileEntry> list;
    ScanFolder(folder, list);
    ::CloseHandle(lock);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].version, "");
}

// Runs a Unix program the way Wine starts one; false when it cannot be started.
bool RunUnix(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return false;
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

// Waits up to 5 s for `path` to be (or no longer be) a link; true when it is one at the end.
bool WaitForLink(const std::string& path, bool wanted) {
    bool linked = false;
    for (int tries = 0; tries < 100; ++tries) {
        const DWORD attributes = ::GetFileAttributesA(path.c_str());
        linked = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
        if (linked == wanted)
            break;
        ::Sleep(50);
    }
    return linked;
}

TEST_F(FolderScanTest, ALinkedFolderIsListedButNotEntered) {
    ::CreateDirectoryA((folder + "\\data").c_str(), nullptr);
    TestInstall::WriteFile(folder + "\\data\\a.txt", "a");
    // Wine shows a Unix symbolic link to a folder as a junction; its own CreateSymbolicLink makes none.
    const std::string link = DevService::UnixPathOf(folder + "\\data\\loop");
    RunUnix("Z:\\bin\\ln -s \"" + DevService::UnixPathOf(folder + "\\data") + "\" \"" + link + "\"");
    // The Unix program may still be at work when its Windows handle is signalled.
    const bool linked = WaitForLink(folder + "\\data\\loop", true);
    std::vector<CUpdateFileEntry> list;
    if (linked)
        ScanFolder(folder, list);
    // Removed from Unix: deleting the tree from here would follow the link.
    RunUnix("Z:\\bin\\rm -f \"" + link + "\"");
    WaitForLink(folder + "\\data\\loop", false);
    if (!linked)
        GTEST_SKIP() << "no folder link could be made";
    // A loop entered at every level would list a.txt again down to the longest path.
    ASSERT_EQ(list.size(), 3u);
    int folders = 0;
    for (const CUpdateFileEntry& entry : list)
        folders += entry.kind == CUpdateFileEntry::kFolder ? 1 : 0;
    EXPECT_EQ(folders, 2);
}

}  // namespace
