#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "FoldVenBrowser/ui/DownloadHandOff.h"
#include "FoldVenBrowser/ui/FileUpdateDlg.h"
#include "FoldVenBrowser/ui/InstallPaths.h"
#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/support/RecordingUi.h"

namespace {

const char* kRefused = "업데이트 중입니다.업데이트 완료후 이용해주세요~~~!!";

// Runs the thread's messages, as the browser's loop does, until `done` holds or `ms` have passed.
bool PumpUntil(HWND dialog, const std::function<bool()>& done, DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > ms)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (dialog && ::IsWindow(dialog) && ::IsDialogMessageA(dialog, &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return true;
}

bool Saw(const RecordingUi& ui, const std::string& text) {
    for (const std::string& event : ui.events) {
        if (event.find(text) != std::string::npos)
            return true;
    }
    return false;
}

}  // namespace

TEST(FileUpdateDlg, KeysDoNotCloseIt) {
    int ready = 1;
    RecordingUi ui;
    CFileUpdateDlg dialog(nullptr, ready, ui);
    ASSERT_TRUE(dialog.Create());
    dialog.Show(SW_SHOW);
    EXPECT_EQ(dialog.GetText(), "폴드벤 프로그램 설치");
    struct Key {
        UINT message;
        WPARAM key;
        LPARAM flags;
    };
    std::vector<Key> keys{
        {WM_KEYDOWN, VK_ESCAPE, 0}, {WM_KEYDOWN, VK_RETURN, 0}, {WM_SYSKEYDOWN, VK_F4, 1 << 29}};
    for (WPARAM f = VK_F1; f <= VK_F10; ++f)
        keys.push_back(
            {f == VK_F10 ? static_cast<UINT>(WM_SYSKEYDOWN) : static_cast<UINT>(WM_KEYDOWN), f, 0});
    for (const Key& key : keys) {
        dialog.Post(key.message, key.key, key.flags);
        dialog.Post(key.message == WM_KEYDOWN ? WM_KEYUP : WM_SYSKEYUP, key.key, key.flags | (3u << 30));
        PumpUntil(
            dialog, [] { return false; }, 100);
        EXPECT_TRUE(::IsWindowVisible(dialog)) << "key " << key.key;
    }
}

// The installer check against devservice with a stand-in installer that ends without a result.
class InstallerCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (DevService::Address().empty())
            GTEST_SKIP() << "FV_DEVSERVICE is not set";
        ASSERT_TRUE(DevService::Reset());
        _putenv(("FOLDVEN_WEB_HOST=" + DevService::Address()).c_str());
        ::CreateDirectoryA(InstallPaths::InstallFolder().c_str(), nullptr);
        localVersion = InstallPaths::InstallFolder() + "ver.ini";
        saved = TestInstall::ReadFile(localVersion);
        ASSERT_TRUE(TestInstall::WriteFile(localVersion, "2.3.1.1"));
        KillProcessesNamed("FoldVenDown.exe");
    }
    void TearDown() override {
        TestInstall::WriteFile(localVersion, saved);
        DevService::Reset();
    }

    std::string localVersion;
    std::string saved;
};

TEST_F(InstallerCheckTest, FailedInstallationsKeepDownloadsRefusedUntilACheckSucceeds) {
    RecordingUi ui;
    CDownloadHandOff handOff(nullptr, ui);
    auto press = [&] {
        handOff.BeginDownloadList();
        handOff.AddDownloadItem("1201", "a.avi");
        handOff.SendDownloadList("tester", "test1234");
    };
    // (An installer that cannot be downloaded is driven end to end in the browser's download test.)
    // An installer that ends without a result file: downloads are refused meanwhile and the check is not
    // repeated; once it has ended and the grace is over, the installation has failed.
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string decoy = self;
    decoy = decoy.substr(0, decoy.rfind("\\tests\\")) + "\\tests\\e2e\\fv_decoy.exe";
    ASSERT_TRUE(DevService::Get("/_control/set?setup-file=" +
                                DevService::QueryEscape(DevService::UnixPathOf(decoy))));
    press();
    CFileUpdateDlg* dialog = handOff.UpdateDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(PumpUntil(
        *dialog, [&] { return dialog->GetDlgItemText(1022) == "설치중입니다.."; }, 20000));
    const int versionRequests = DevService::CountRequests("/rivi/ver.ini");
    ui.events.clear();
    press();
    EXPECT_EQ(DevService::CountRequests("/rivi/ver.ini"), versionRequests);
    EXPECT_TRUE(Saw(ui, kRefused));
    ASSERT_TRUE(PumpUntil(
        *dialog, [&] { return Saw(ui, "box 알림|설치가 완료되지 않았습니다."); }, 20000));
    EXPECT_FALSE(::IsWindowVisible(*dialog));
    EXPECT_EQ(handOff.m_bDownloaderReady, 0);

    // The installation is found current: downloads go on.
    ASSERT_TRUE(DevService::Get("/_control/set?ver-ini=2.3.1.1"));
    ui.events.clear();
    handOff.BeginDownloadList();
    EXPECT_EQ(handOff.m_bDownloaderReady, 1);
    EXPECT_FALSE(::IsWindow(*dialog));
}

TEST(DownloadHandOff, DownloaderThatCannotStartOrNeverShowsIsToldWithoutHanging) {
    RecordingUi ui;
    CDownloadHandOff handOff(nullptr, ui);
    const std::string folder = "C:\\fvtest\\downloader-missing\\";
    TestInstall::DeleteTree(folder.substr(0, folder.size() - 1));
    ::CreateDirectoryA("C:\\fvtest", nullptr);
    ::CreateDirectoryA(folder.c_str(), nullptr);
    handOff.SetInstallFolder(folder);
    handOff.AddDownloadItem("1201", "a.avi");
    handOff.SendDownloadList("tester", "test1234");
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_NE(ui.events[0].find("다운로드 프로그램을 실행하지 못했습니다."), std::string::npos);

    // A program that runs but never opens the downloader's window.
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    ASSERT_TRUE(::CopyFileA((std::string(system) + "\\notepad.exe").c_str(),
                            (folder + "FoldVenDown.exe").c_str(), FALSE));
    handOff.SetWindowWait(1500);
    ui.events.clear();
    handOff.SendDownloadList("tester", "test1234");
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_NE(ui.events[0].find("다운로드 프로그램이 응답하지 않습니다."), std::string::npos);
    KillProcessesNamed("FoldVenDown.exe");
}
