#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/support/BrowserIds.h"
#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/RemoteControls.h"
#include "tests/e2e/support/ResponsivenessProbe.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

// A fresh copy of the programs for each test, run against a reset devservice, with no saved settings and
// no browser left from an earlier test. `browser` is the test's browser; StartBrowser logs it in and
// finds its main window's panels.
class BrowserAgainstDevServiceTest : public ::testing::Test {
protected:
    static constexpr DWORD kWait = 30000;
    static constexpr const char* kToken = "qmtzvbka";

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

    // Starts `process` (the test's browser unless given) from this test's folder with `args`.
    bool Start(const std::vector<std::string>& args = {kToken},
               const std::map<std::string, std::string>& environment = DevService::HostEnvironment()) {
        return Start(browser, args, environment);
    }
    bool Start(CTestProcess& process, const std::vector<std::string>& args = {kToken},
               const std::map<std::string, std::string>& environment = DevService::HostEnvironment()) {
        return process.Start(folder + "FoldVenBrowser.exe", args, folder, environment);
    }
    // The browser's main window, or null when none showed in time.
    HWND WaitForMainWindow(DWORD milliseconds = kWait) const {
        return WindowFinder::WaitForWindowOfClass(browser.Pid(), "FOldVenClass", milliseconds);
    }

    // Starts the browser with saved credentials, so that it logs in by itself, and waits for its main
    // window and its panels, the list showing the catalogue's root.
    void StartBrowser(const std::map<std::string, std::string>& environment = DevService::HostEnvironment()) {
        TestInstall::SaveCredentials(1, "tester", 1, "test1234");
        ASSERT_TRUE(Start({kToken}, environment));
        main = WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        // The panels come with the set-up that follows the window's creation.
        ASSERT_TRUE(WindowFinder::WaitUntil(
            [this] {
                tree = RemoteControls::FindDescendant(main, "SysTreeView32");
                list = RemoteControls::FindDescendant(main, "SysListView32", BrowserIds::kRemoteList);
                return tree && list && !RemoteControls::ListColumn(list).empty();
            },
            kWait));
    }

    // The program's own message: its text, after which it is closed.
    std::string TakeMessage() const { return WindowFinder::TakeProgramMessage(browser.Pid(), kWait); }

    // Stops `probe` and expects every window to have answered it, often enough and always within a
    // second (Windows calls a window "not responding" after 5 s).
    static void ExpectAlwaysAnswered(CResponsivenessProbe& probe, int atLeast = 10) {
        probe.Stop();
        std::printf("longest answer %lu ms over %d probes\n", static_cast<unsigned long>(probe.LongestMs()),
                    probe.WindowsProbed());
        EXPECT_GT(probe.WindowsProbed(), atLeast);
        EXPECT_LT(probe.LongestMs(), 1000u);
    }

    static void Type(HWND dialog, int id, const std::string& text) {
        ::SendMessageA(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    static void PressKey(HWND window, WPARAM key) {
        ::PostMessageA(window, WM_KEYDOWN, key, 1);
        ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
    }
    // The window that has the keyboard focus in `window`'s thread.
    static HWND FocusOf(HWND window) {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
        return info.hwndFocus;
    }
    // A value of the browser's settings; 0xFFFFFFFF when missing.
    static DWORD ReadDword(const char* name) {
        DWORD value = 0xFFFFFFFF;
        DWORD size = sizeof(value);
        ::RegGetValueA(HKEY_CURRENT_USER, "Software\\FoldVen", name, RRF_RT_REG_DWORD, nullptr, &value,
                       &size);
        return value;
    }

    std::string folder;
    CTestProcess browser;
    HWND main = nullptr;
    HWND tree = nullptr;
    HWND list = nullptr;
};
