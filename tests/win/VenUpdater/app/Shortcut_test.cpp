#include "VenUpdater/app/Shortcut.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size())) -
                1);
    return wide;
}

TEST(ShortcutTest, ALinkPathLongerThanMaxPathIsPassedOnWhole) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "fv-link-" + std::to_string(::GetCurrentProcessId());
    TestInstall::DeleteTree(root);
    std::string folder = root;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    // 246 bytes: a folder that can still be made, below which the link's path passes MAX_PATH.
    while (folder.size() < 246) {
        folder +=
            "\\" + std::string(std::min<std::size_t>(40, std::max<std::size_t>(1, 245 - folder.size())), 'd');
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    }
    const std::string name = "폴드벤 브라우져 " + std::string(20, 'n') + ".Lnk";
    const std::wstring link = Wide(folder + "\\" + name);
    ASSERT_GT(link.size(), static_cast<std::size_t>(MAX_PATH));

    // A failed save shows a message box; answer it so that the test cannot hang.
    std::atomic<bool> done{false};
    int result = -1;
    std::thread worker([&] {
        result =
            CreateShortcut("C:\\Program Files\\FoldVen\\VenUpdater.exe", folder, name, "", "폴드벤 브라우져");
        done = true;
    });
    bool failureShown = false;
    while (!done) {
        if (HWND box = WindowFinder::WaitForMessageBox(::GetCurrentProcessId(), 100)) {
            failureShown = true;
            WindowFinder::ClickButton(box, IDOK);
        }
    }
    worker.join();
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(failureShown);
    EXPECT_NE(::GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES);
    ::DeleteFileW(link.c_str());
    TestInstall::DeleteTree(root);
}

}  // namespace
