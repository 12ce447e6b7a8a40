#include <gtest/gtest.h>

#include <shlobj.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/support/BrowserTest.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;
using namespace RemoteControls;

const char* kRefused = "업데이트 중입니다.업데이트 완료후 이용해주세요~~~!!";
const char* kMovie = "서울의 밤.2000.720p.mkv";
const char* kSubtitles = "서울의 밤.2000.smi";

std::string Folder(int csidl) {
    char path[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
    return path;
}

std::string TempFolder() {
    char path[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, path);
    return path;
}

// The texts of the records in a list file; a malformed record ends the list with "(bad)".
std::vector<std::string> Records(const std::string& bytes) {
    std::vector<std::string> texts;
    std::size_t at = 0;
    auto word = [&](std::size_t offset) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
        return value;
    };
    while (at + 12 <= bytes.size()) {
        const std::uint32_t n = word(at + 4);
        if (word(at) != 7 || n == 0 || at + 12 + n > bytes.size() || bytes[at + 12 + n - 1] != '\0') {
            texts.push_back("(bad)");
            return texts;
        }
        texts.push_back(bytes.substr(at + 12, n - 1));
        at += 12 + n;
    }
    if (at != bytes.size())
        texts.push_back("(bad)");
    return texts;
}

// "tester" downloads from a level-3 folder in one run of the browser, with the stand-in downloader and the
// build's setup.exe served by devservice: the hand-off, the installer check and what goes wrong.
class DownloadsTest : public BrowserAgainstDevServiceTest {
protected:
    void SetUp() override {
        BrowserAgainstDevServiceTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        KillProcessesNamed("FoldVenDown.exe");
        install = Folder(CSIDL_PROGRAM_FILES) + "\\FoldVen\\";
        ::CreateDirectoryA(install.c_str(), nullptr);
        ASSERT_TRUE(
            ::CopyFileA((folder + "FoldVenDown.exe").c_str(), (install + "FoldVenDown.exe").c_str(), FALSE));
        listFile = TempFolder() + "FoldVen_Download_List";
        downloaderLog = TempFolder() + "FoldVenDown.log";
        ::DeleteFileA(downloaderLog.c_str());
        ::DeleteFileA((TempFolder() + "install_result").c_str());
        ASSERT_TRUE(TestInstall::WriteFile(install + "ver.ini", "2.3.1.2"));
    }
    void TearDown() override {
        KillProcessesNamed("FoldVenDown.exe");
        KillProcessesNamed("setup.exe");
        BrowserAgainstDevServiceTest::TearDown();
    }

    void StartBrowserAtLevelThree() {
        ASSERT_NO_FATAL_FAILURE(StartBrowser());
        for (const char* row : {"영화", "한국영화", "서울의 밤 (2000)"}) {
            ASSERT_TRUE(WaitUntil([&] { return ListRowOf(list, row) >= 0; }, kWait)) << row;
            DoubleClickAt(list, CentreOf(ListRowRect(list, ListRowOf(list, row))));
        }
        ASSERT_TRUE(WaitUntil([this] { return ListRowOf(list, kSubtitles) >= 0; }, kWait));
        SelectListRows(list, {ListRowOf(list, kMovie), ListRowOf(list, kSubtitles)});
    }
    void PressDownload() { ::PostMessageA(main, kButtonClick, 11, 0); }

    HWND Downloader() const { return ::FindWindowA("foldven_class_down", nullptr); }
    HWND InstallerDialog() const {
        HWND dialog = ::FindWindowA(nullptr, "폴드벤 프로그램 설치");
        return dialog && ::IsWindowVisible(dialog) ? dialog : nullptr;
    }
    std::vector<std::string> ListFileRecords() const { return Records(TestInstall::ReadFile(listFile)); }
    std::string DownloaderLog() const { return TestInstall::ReadFile(downloaderLog); }

    // A system message box "알림": its text, after which it is closed.
    std::string TakeNotice() {
        HWND box = WaitForWindow(
            browser.Pid(), [](HWND hwnd) { return TextOf(hwnd) == "알림" && ::GetDlgItem(hwnd, 0xFFFF); },
            kWait);
        if (box == nullptr)
            return "(no notice)";
        const std::string text = MessageBoxText(box);
        ClickButton(box, IDOK);
        WaitUntil([box] { return !::IsWindow(box); }, kWait);
        return text;
    }
    // The version on the service differs from the installed one, and the build's installer (or the
    // installer at Unix path `setup`) is served in paced pieces so that a press during the download finds
    // it running.
    void OfferInstaller(const std::string& setup = BuildSetup()) {
        ASSERT_TRUE(TestInstall::WriteFile(install + "ver.ini", "2.3.1.1"));
        ASSERT_TRUE(ServeSetup(setup));
        // About 60 pieces of the roughly 1 MB installer: its progress stays readable for seconds.
        ASSERT_TRUE(DevService::Fault("/rivi/setup.exe", "chunked-writes", -1, "16384"));
        ASSERT_TRUE(DevService::Fault("/rivi/setup.exe", "chunk-pause", -1, "100"));
    }
    static std::string BuildSetup() {
        const char* dist = std::getenv("FV_DIST");
        return dist ? std::string(dist) + "/../../setup.exe" : std::string();
    }
    static bool ServeSetup(const std::string& unixPath) {
        return !unixPath.empty() &&
               DevService::Get("/_control/set?setup-file=" + DevService::QueryEscape(unixPath));
    }
    bool InstallationEnds() {
        return WaitUntil([this] { return InstallerDialog() == nullptr; }, 60000) &&
               TestInstall::ReadFile(install + "ver.ini") == "2.3.1.2";
    }

    // Versions equal: no dialog; the downloader is started once with the exact command line and finds one
    // record; pressed again while it runs, a second record at the end, nothing started, no version check.
    void ExpectTheHandOffWithEqualVersions() {
        PressDownload();
        ASSERT_TRUE(WaitUntil([this] { return ListFileRecords().size() == 1 && Downloader(); }, kWait));
        EXPECT_EQ(InstallerDialog(), nullptr);
        EXPECT_EQ(DevService::CountRequests("/rivi/ver.ini"), 1);
        const std::vector<std::string> first = ListFileRecords();
        const std::string where = "/영화/한국영화/서울의 밤 (2000).";
        EXPECT_EQ(first[0], "1002#<" + where + kMovie + "#>1003#<" + where + kSubtitles);
        EXPECT_EQ(ProcessIdsNamed("FoldVenDown.exe").size(), 1u);
        ASSERT_TRUE(
            WaitUntil([this] { return DownloaderLog().find("record 1002") != std::string::npos; }, kWait));
        const std::string started = DownloaderLog().substr(0, DownloaderLog().find("\r\n"));
        EXPECT_EQ(
            started.substr(started.size() - std::string(" bbs tester test1234 ").size() - listFile.size()),
            " bbs tester test1234 " + listFile);

        PressDownload();
        ASSERT_TRUE(WaitUntil([this] { return ListFileRecords().size() == 2; }, kWait));
        EXPECT_EQ(ListFileRecords()[1], first[0]);
        EXPECT_EQ(ProcessIdsNamed("FoldVenDown.exe").size(), 1u);
        EXPECT_EQ(DevService::CountRequests("/rivi/ver.ini"), 1);
    }
    // Ends the running downloader and offers the installer (see OfferInstaller).
    void EndDownloaderAndOfferInstaller(const std::string& setup = BuildSetup()) {
        KillProcessesNamed("FoldVenDown.exe");
        ASSERT_TRUE(WaitUntil([this] { return Downloader() == nullptr; }, kWait));
        ASSERT_NO_FATAL_FAILURE(OfferInstaller(setup));
    }
    // A press while the installer cannot be had: refused, and its download said to have failed.
    void ExpectAFailedInstallerDownload() {
        PressDownload();
        EXPECT_EQ(TakeMessage(), kRefused);
        EXPECT_EQ(TakeNotice(), "업데이트 파일 다운로드에 실패 했습니다!   ");
    }

    std::string install;
    std::string listFile;
    std::string downloaderLog;
};

TEST_F(DownloadsTest, HandsFilesToTheDownloaderAfterTheInstallerCheck) {
    // An old list file from an earlier run: deleted before the downloader is started.
    ASSERT_TRUE(TestInstall::WriteFile(listFile, std::string("\x07\0\0\0\x04\0\0\0\0\0\0\0old\0", 16)));
    ASSERT_NO_FATAL_FAILURE(StartBrowserAtLevelThree());

    ASSERT_NO_FATAL_FAILURE(ExpectTheHandOffWithEqualVersions());

    // Versions differ: the dialog downloads and runs the installer; meanwhile downloads are refused and
    // the check is not repeated; after the installer's result a download goes through.
    ASSERT_NO_FATAL_FAILURE(EndDownloaderAndOfferInstaller());
    PressDownload();
    EXPECT_EQ(TakeMessage(), kRefused);
    ASSERT_TRUE(WaitUntil([this] { return InstallerDialog() != nullptr; }, kWait));
    ASSERT_TRUE(WaitUntil(
        [this] { return TextOf(::GetDlgItem(InstallerDialog(), 1022)).rfind("Downloaded.. ", 0) == 0; },
        kWait));
    PressDownload();
    EXPECT_EQ(TakeMessage(), kRefused);
    EXPECT_EQ(DevService::CountRequests("/rivi/setup.exe"), 1);
    ASSERT_TRUE(InstallationEnds());
    PressDownload();
    ASSERT_TRUE(WaitUntil([this] { return Downloader() && ListFileRecords().size() == 1; }, kWait));

    // A failed installer download: told, and downloads stay refused until a later check leads to an
    // installation that reports.
    ASSERT_NO_FATAL_FAILURE(EndDownloaderAndOfferInstaller());
    ASSERT_TRUE(DevService::Fault("/rivi/setup.exe", "status", 1, "500"));
    ExpectAFailedInstallerDownload();
    // An installer signed by another publisher fails the same way: never started, not kept.
    ASSERT_NO_FATAL_FAILURE(
        OfferInstaller(DevService::UnixPathOf(TestInstall::SignedProgram("setup-other.exe"))));
    ExpectAFailedInstallerDownload();
    EXPECT_FALSE(TestInstall::FileExists(TempFolder() + "setup.exe"));
    EXPECT_FALSE(TestInstall::FileExists(TempFolder() + "install_result"));
    EXPECT_EQ(TestInstall::ReadFile(install + "ver.ini"), "2.3.1.1");
    // So does the build's installer broken off inside its program image (the installer program itself
    // takes some 100 KB before its packed files), though it still begins with "MZ" and its headers.
    const std::string whole = TestInstall::ReadFile(TestInstall::FromUnixPath(BuildSetup()));
    ASSERT_GT(whole.size(), 200000u);
    const std::string cut = TempFolder() + "fv-cut-setup.exe";
    ASSERT_TRUE(TestInstall::WriteFile(cut, whole.substr(0, 48 * 1024)));
    ASSERT_TRUE(ServeSetup(DevService::UnixPathOf(cut)));
    ExpectAFailedInstallerDownload();
    EXPECT_TRUE(ProcessIdsNamed("setup.exe").empty());
    ::DeleteFileA(cut.c_str());
    ASSERT_TRUE(ServeSetup(BuildSetup()));
    PressDownload();
    EXPECT_EQ(TakeMessage(), kRefused);
    ASSERT_TRUE(InstallationEnds());
    EXPECT_EQ(Downloader(), nullptr);

    // The downloader missing: said at once, and the browser goes on answering.
    ASSERT_TRUE(::DeleteFileA((install + "FoldVenDown.exe").c_str()));
    PressDownload();
    EXPECT_EQ(TakeMessage(), "다운로드 프로그램을 실행하지 못했습니다. 프로그램을 다시 설치해 주세요.");
    DWORD_PTR answer = 0;
    EXPECT_NE(::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
}

}  // namespace
