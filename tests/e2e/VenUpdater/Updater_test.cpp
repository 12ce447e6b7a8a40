#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

using namespace WindowFinder;

constexpr DWORD kWait = 30000;
const std::string kUpdaterClass = "FoldVenUpdaterClass";
const std::string kShortcutName = "폴드벤 브라우져.Lnk";
const std::string kDecoyMarker = "C:\\fvtest\\decoy-ran.txt";
// What the updater says of a downloaded program that the same-publisher rule refuses, after its name.
const char* kRefusal = ": 다운로드한 파일의 디지털 서명을 확인하지 못해 설치하지 않았습니다.";
const std::string kRefusedBrowser = "FoldVenBrowser.exe" + std::string(kRefusal);

// The UTF-16 bytes of an ASCII text, as version resources store it.
std::string Utf16(const std::string& ascii) {
    std::string wide;
    for (char c : ascii) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

// Visual styles on, as on every Windows desktop (Wine draws unthemed unless a theme is chosen): programs
// started while this lives draw their controls with Wine's own "light" theme.
class VisualStyles {
public:
    VisualStyles() {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &m_key, nullptr);
        Set("DllName", "C:\\windows\\resources\\themes\\light\\light.msstyles");
        Set("ColorName", "Blue");
        Set("SizeName", "NormalSize");
        Set("ThemeActive", "1");
    }
    ~VisualStyles() {
        Set("ThemeActive", "0");
        ::RegCloseKey(m_key);
    }

private:
    static constexpr const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
    void Set(const char* name, const std::string& value) {
        ::RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    }
    HKEY m_key = nullptr;
};

// The colour on screen in the middle of a window, once it has been painted.
COLORREF ColourInTheMiddleOf(HWND window) {
    RECT rc{};
    ::GetWindowRect(window, &rc);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

std::string DesktopShortcut() {
    char desktop[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    return std::string(desktop) + "\\" + kShortcutName;
}

std::string ShortcutTarget(const std::string& linkPath) {
    ::CoInitialize(nullptr);
    std::string target;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH] = {};
            ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
            char path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
                target = path;
            file->Release();
        }
        link->Release();
    }
    ::CoUninitialize();
    return target;
}

// Sets a file's last change, given in local time.
bool SetLastWrite(const std::string& path, SYSTEMTIME local) {
    FILETIME localTime{}, utc{};
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const bool ok = file != INVALID_HANDLE_VALUE && ::SystemTimeToFileTime(&local, &localTime) &&
                    ::LocalFileTimeToFileTime(&localTime, &utc) &&
                    ::SetFileTime(file, nullptr, nullptr, &utc);
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    return ok;
}

class UpdaterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(DevService::Address().empty()) << "FV_DEVSERVICE names no service";
        KillAll();
        TestInstall::ResetSettings();
        ASSERT_TRUE(DevService::Reset());
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = TestInstall::Fresh(name);
        ASSERT_FALSE(folder.empty()) << "FV_DIST names no install-folder image";
        updates = "C:\\fvtest\\" + name + "-updates";
        TestInstall::DeleteTree(updates);
        ::CreateDirectoryA(updates.c_str(), nullptr);
        ASSERT_TRUE(DevService::SetUpdateDir(updates));
        installedBrowser = TestInstall::ReadFile(folder + "FoldVenBrowser.exe");
        ASSERT_FALSE(installedBrowser.empty());
    }
    void TearDown() override {
        KillAll();
        DevService::Reset();
    }

    static void KillAll() {
        KillProcessesNamed("VenUpdater.exe");
        KillProcessesNamed("FoldVenBrowser.exe");
    }

    // The program with its FileVersion text `from` written as `to`.
    static std::string WithVersion(std::string program, const std::string& from, const std::string& to) {
        const std::string wideFrom = Utf16(from);
        const std::string wideTo = Utf16(to);
        std::size_t at = program.find(wideFrom);
        EXPECT_NE(at, std::string::npos) << from;
        for (; at != std::string::npos; at = program.find(wideFrom, at))
            program.replace(at, wideFrom.size(), wideTo);
        return program;
    }

    // Offers a browser whose FileVersion "2, 3, 1, 2" reads "2, 3, 1, 3": newer than the installed one,
    // signed by the build's certificate unless `variant` names another of the signed test programs.
    void OfferNewerBrowser(const std::string& variant = "browser-newer.exe") {
        offeredBrowser = TestInstall::ReadFile(TestInstall::SignedProgram(variant));
        ASSERT_FALSE(offeredBrowser.empty()) << variant;
        ASSERT_TRUE(TestInstall::WriteFile(updates + "\\FoldVenBrowser.exe", offeredBrowser));
    }

    bool StartUpdater(CTestProcess& updater, const std::string& from) {
        return updater.Start(from + "VenUpdater.exe", {}, from,
                             {{"FOLDVEN_API_HOST", DevService::Address()}});
    }

    // The browser's login dialog: what a token-bearing start without saved credentials shows.
    static HWND WaitForBrowserLogin() {
        const DWORD pid = WaitForProcessNamed("FoldVenBrowser.exe", kWait);
        if (!pid)
            return nullptr;
        return WaitForLoginDialog(pid, kWait);
    }

    // Checks the message box of `pid` and presses OK as a user does.
    static void AnswerMessageBox(DWORD pid, const std::string& text, const std::string& caption) {
        HWND box = WaitForMessageBox(pid, kWait);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), text);
        EXPECT_EQ(TextOf(box), caption);
        ClickButton(box, IDOK);
    }

    // One start of the updater up to the browser's login dialog, after which the updater has ended:
    // with `message`, the pass says it in a box "알림" first, answered as a user does.
    void RunToTheBrowser(const std::string& message = "") {
        CTestProcess updater;
        ASSERT_TRUE(StartUpdater(updater, folder));
        if (!message.empty())
            AnswerMessageBox(updater.Pid(), message, "알림");
        EXPECT_NE(WaitForBrowserLogin(), nullptr);
        EXPECT_TRUE(updater.WaitForExit(kWait));  // no other message held it
    }
    // One start whose update pass breaks off (message 108); the browser starts all the same.
    void StartWithABrokenPass() {
        RunToTheBrowser("Update중에 네트워크 불안으로 인해 서버와 접속이 끊어졌습니다. ");
        KillAll();
    }

    // Serves `path` without Content-Length and closes the connection half-way.
    static bool CutOffWithoutLength(const std::string& path) {
        return DevService::Fault(path, "no-length") && DevService::Fault(path, "close-during");
    }

    static bool FetchedAnyFile(const std::string& log) {
        return log.find("/Update/files/") != std::string::npos;
    }

    std::string folder;
    std::string updates;
    std::string installedBrowser;
    std::string offeredBrowser;
};

// A newer browser replaces the old one, which starts with the token; a newer updater is delivered into
// temp\ and moved into place by that browser.
TEST_F(UpdaterTest, ANewerBrowserAndUpdaterAreDownloadedAndPutInPlace) {
    OfferNewerBrowser();
    const std::string offeredUpdater = TestInstall::ReadFile(TestInstall::SignedProgram("updater-newer.exe"));
    ::CreateDirectoryA((updates + "\\temp").c_str(), nullptr);
    ASSERT_TRUE(TestInstall::WriteFile(updates + "\\temp\\VenUpdater.exe", offeredUpdater));
    RunToTheBrowser();
    EXPECT_TRUE(TestInstall::ReadFile(folder + "FoldVenBrowser.exe") == offeredBrowser);
    EXPECT_FALSE(TestInstall::FileExists(folder + "FoldVenBrowser.exe.fvpart"));
    EXPECT_TRUE(TestInstall::ReadFile(folder + "VenUpdater.exe") == offeredUpdater);
    EXPECT_FALSE(TestInstall::FileExists(folder + "temp\\VenUpdater.exe"));

    const std::string log = DevService::Log();
    EXPECT_NE(log.find("GET /update/ReturnFileUpdateList.aspx HTTP/1.0\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("User-Agent: FoldVEn\r\n"), std::string::npos);
    EXPECT_NE(log.find("Cookie: User=Update\r\n"), std::string::npos);
    EXPECT_NE(log.find("GET /Update/files/FoldVenBrowser.exe"), std::string::npos);
    EXPECT_NE(log.find("GET /Update/files/temp/VenUpdater.exe"), std::string::npos);
}

TEST_F(UpdaterTest, AProgramOfAnotherPublisherChangedOrUnsignedIsRefusedAndTheOldOneStarts) {
    for (const std::string variant :
         {"browser-newer-other.exe", "browser-newer-flipped.exe", "browser-newer-unsigned.exe"}) {
        ASSERT_NO_FATAL_FAILURE(OfferNewerBrowser(variant));
        SCOPED_TRACE(variant);
        RunToTheBrowser(kRefusedBrowser);
        KillAll();
        EXPECT_TRUE(TestInstall::ReadFile(folder + "FoldVenBrowser.exe") == installedBrowser) << variant;
        EXPECT_FALSE(TestInstall::FileExists(folder + "FoldVenBrowser.exe.fvpart"));
    }
}

TEST_F(UpdaterTest, AnUpdaterOfAnotherPublisherIsNeitherKeptNorMovedIn) {
    const std::string installedUpdater = TestInstall::ReadFile(folder + "VenUpdater.exe");
    const std::string other = TestInstall::ReadFile(TestInstall::SignedProgram("updater-newer-other.exe"));
    // Offered by the service: refused by the updater's pass.
    ::CreateDirectoryA((updates + "\\temp").c_str(), nullptr);
    ASSERT_TRUE(TestInstall::WriteFile(updates + "\\temp\\VenUpdater.exe", other));
    RunToTheBrowser("temp\\VenUpdater.exe" + std::string(kRefusal));
    KillAll();
    EXPECT_FALSE(TestInstall::FileExists(folder + "temp\\VenUpdater.exe"));
    EXPECT_FALSE(TestInstall::FileExists(folder + "temp\\VenUpdater.exe.fvpart"));

    // Found in temp\ by the browser (put there by other means): deleted, not moved in.
    ASSERT_TRUE(TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", other));
    ::CreateDirectoryA((updates + "\\none").c_str(), nullptr);
    ASSERT_TRUE(DevService::Reset() && DevService::SetUpdateDir(updates + "\\none"));
    CTestProcess again;
    ASSERT_TRUE(StartUpdater(again, folder));
    EXPECT_NE(WaitForBrowserLogin(), nullptr);
    EXPECT_TRUE(
        WaitUntil([this] { return !TestInstall::FileExists(folder + "temp\\VenUpdater.exe"); }, kWait));
    EXPECT_TRUE(TestInstall::ReadFile(folder + "VenUpdater.exe") == installedUpdater);
}

TEST_F(UpdaterTest, AnUnsignedInstallationStillUpdatesFromUnsignedFiles) {
    ASSERT_TRUE(::CopyFileA(TestInstall::SignedProgram("updater-unsigned.exe").c_str(),
                            (folder + "VenUpdater.exe").c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(TestInstall::SignedProgram("browser-unsigned.exe").c_str(),
                            (folder + "FoldVenBrowser.exe").c_str(), FALSE));
    ASSERT_NO_FATAL_FAILURE(OfferNewerBrowser("browser-newer-unsigned.exe"));
    RunToTheBrowser();  // no message held it
    EXPECT_TRUE(TestInstall::ReadFile(folder + "FoldVenBrowser.exe") == offeredBrowser);
}

TEST_F(UpdaterTest, NotExistStartsTheBrowserAtOnceAndWritesTheShortcut) {
    ::DeleteFileA(DesktopShortcut().c_str());
    RunToTheBrowser();
    EXPECT_FALSE(FetchedAnyFile(DevService::Log()));
    EXPECT_TRUE(TestInstall::ReadFile(folder + "FoldVenBrowser.exe") == installedBrowser);
    EXPECT_TRUE(TestInstall::FileExists(DesktopShortcut()));
    EXPECT_EQ(ShortcutTarget(DesktopShortcut()), "C:\\Program Files\\FoldVen\\VenUpdater.exe");
}

TEST_F(UpdaterTest, AMissingBrowserIsReportedAndTheUpdaterEnds) {
    ASSERT_TRUE(::DeleteFileA((folder + "FoldVenBrowser.exe").c_str()));
    CTestProcess updater;
    ASSERT_TRUE(StartUpdater(updater, folder));
    AnswerMessageBox(updater.Pid(), "프로그램을 실행시키지 못했습니다.", "에러");
    EXPECT_TRUE(updater.WaitForExit(kWait));
}

TEST_F(UpdaterTest, WithoutALengthOnlyWholeFilesReplaceOldOnesAndDatedFilesAreFetchedOnce) {
    // "Data.dat" comes before the browser in the list. It has no version resource, so the service
    // lists the time of its last change.
    const std::string oldData = "old data";
    const std::string newData(200000, 'd');
    ASSERT_TRUE(TestInstall::WriteFile(folder + "Data.dat", oldData));
    ASSERT_TRUE(TestInstall::WriteFile(updates + "\\Data.dat", newData));
    ASSERT_TRUE(SetLastWrite(updates + "\\Data.dat", {2020, 1, 0, 2, 3, 4, 0, 0}));
    OfferNewerBrowser();
    const std::string data = "/Update/files/Data.dat";
    const std::string browser = "/Update/files/FoldVenBrowser.exe";
    ASSERT_TRUE(DevService::Fault(data, "no-length", 2) && DevService::Fault(data, "close-during", 1));
    ASSERT_TRUE(CutOffWithoutLength(browser));

    // First start: the data file is cut off. Second: it arrives whole without a length, then the
    // browser is cut off. Third: the data file is current and only the browser is tried again.
    for (int start = 1; start <= 3; ++start) {
        StartWithABrokenPass();
        EXPECT_TRUE(TestInstall::ReadFile(folder + "Data.dat") == (start == 1 ? oldData : newData)) << start;
        EXPECT_TRUE(TestInstall::ReadFile(folder + "FoldVenBrowser.exe") == installedBrowser) << start;
        EXPECT_FALSE(TestInstall::FileExists(folder + "Data.dat.fvpart"));
        EXPECT_FALSE(TestInstall::FileExists(folder + "FoldVenBrowser.exe.fvpart"));
    }
    EXPECT_EQ(DevService::CountRequests(data), 2);
    EXPECT_EQ(DevService::CountRequests(browser), 2);
}

TEST_F(UpdaterTest, ACutOffUpdaterNeverReplacesTheInstalledOneWhichStillStarts) {
    const std::string installedUpdater = TestInstall::ReadFile(folder + "VenUpdater.exe");
    ::CreateDirectoryA((updates + "\\temp").c_str(), nullptr);
    ASSERT_TRUE(TestInstall::WriteFile(updates + "\\temp\\VenUpdater.exe",
                                       WithVersion(installedUpdater, "1, 0, 0, 1", "1, 0, 0, 2")));
    ASSERT_TRUE(CutOffWithoutLength("/Update/files/temp/VenUpdater.exe"));
    // A cut-off copy that an earlier updater accepted, waiting for the browser's refresh.
    ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
    ASSERT_TRUE(TestInstall::WriteFile(folder + "temp\\VenUpdater.exe",
                                       installedUpdater.substr(0, installedUpdater.size() / 2)));

    StartWithABrokenPass();
    EXPECT_TRUE(TestInstall::ReadFile(folder + "VenUpdater.exe") == installedUpdater);
    EXPECT_FALSE(TestInstall::FileExists(folder + "temp\\VenUpdater.exe"));
    EXPECT_FALSE(TestInstall::FileExists(folder + "temp\\VenUpdater.exe.fvpart"));

    // Nothing to update now: the installed updater runs and starts the browser.
    ::CreateDirectoryA((updates + "\\none").c_str(), nullptr);
    ASSERT_TRUE(DevService::Reset() && DevService::SetUpdateDir(updates + "\\none"));
    RunToTheBrowser();
}

TEST_F(UpdaterTest, TheWindowIsCentredTopmostAndASecondStartBringsItForward) {
    ASSERT_TRUE(DevService::Fault("/update/ReturnFileUpdateList.aspx", "delay", 1, "6000"));
    const VisualStyles themed;
    CTestProcess first;
    ASSERT_TRUE(StartUpdater(first, folder));
    HWND window = WaitForWindowOfClass(first.Pid(), kUpdaterClass, kWait);
    ASSERT_NE(window, nullptr);

    RECT rc{};
    ::GetWindowRect(window, &rc);
    EXPECT_EQ(rc.right - rc.left, 280);
    EXPECT_EQ(rc.bottom - rc.top, 60);
    EXPECT_NEAR(rc.left, (::GetSystemMetrics(SM_CXSCREEN) - 280) / 2, 1);
    EXPECT_NEAR(rc.top, (::GetSystemMetrics(SM_CYSCREEN) - 60) / 2, 1);
    EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    HWND bar = ::GetDlgItem(window, 1000);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(ClassOf(bar), PROGRESS_CLASSA);
    RECT barRc{};
    ::GetWindowRect(bar, &barRc);
    EXPECT_EQ(barRc.left - rc.left, 15);
    EXPECT_EQ(barRc.top - rc.top, 37);
    EXPECT_EQ(barRc.right - barRc.left, 248);
    EXPECT_EQ(barRc.bottom - barRc.top, 7);
    // The bar is empty until the list has come: its whole length shows the skin's well colour, which a
    // themed bar would ignore.
    EXPECT_EQ(ColourInTheMiddleOf(bar), RGB(0xE4, 0xEE, 0xFB));

    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(window));
    CTestProcess second;
    ASSERT_TRUE(StartUpdater(second, folder));
    EXPECT_TRUE(second.WaitForExit(kWait));
    EXPECT_TRUE(TopLevelWindowsOf(second.Pid()).empty());
    EXPECT_FALSE(::IsIconic(window));
    EXPECT_EQ(::GetForegroundWindow(), window);
    EXPECT_TRUE(first.IsRunning());

    EXPECT_NE(WaitForBrowserLogin(), nullptr);
    EXPECT_EQ(ProcessIdsNamed("FoldVenBrowser.exe").size(), 1u);
}

TEST_F(UpdaterTest, InAFolderWithBlanksTheTokenStaysTheFirstArgument) {
    const std::string spaced = "C:\\Program Files\\Fold Test";
    const std::string decoys[] = {"C:\\Program.exe", "C:\\Program Files\\Fold.exe"};
    TestInstall::DeleteTree(spaced);
    ASSERT_TRUE(TestInstall::CopyTree(TestInstall::DistFolder(), spaced));
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string decoy = self;
    decoy = decoy.substr(0, decoy.find_last_of('\\') + 1) + "fv_decoy.exe";
    for (const std::string& path : decoys)
        ASSERT_TRUE(::CopyFileA(decoy.c_str(), path.c_str(), FALSE)) << decoy;
    ::DeleteFileA(kDecoyMarker.c_str());

    CTestProcess updater;
    ASSERT_TRUE(StartUpdater(updater, spaced + "\\"));
    EXPECT_NE(WaitForBrowserLogin(), nullptr);
    EXPECT_TRUE(updater.WaitForExit(kWait));
    EXPECT_FALSE(TestInstall::FileExists(kDecoyMarker)) << TestInstall::ReadFile(kDecoyMarker);

    KillAll();
    for (const std::string& path : decoys)
        ::DeleteFileA(path.c_str());
    TestInstall::DeleteTree(spaced);
}

// On Windows the user's programs may not write into "C:\Program Files". Here the service closes the
// folder to every program, so the copy started with "runas" (not elevated under Wine) finds it closed too:
// the user is told, nothing changes, the browser starts (and keeps the waiting updater for a later
// elevated pass) and no further copy is started.
TEST_F(UpdaterTest, AClosedProgramFolderGoesToOneElevatedCopyAndStaysAsItWasWhenThatCannotWrite) {
    OfferNewerBrowser();
    const std::string installedUpdater = TestInstall::ReadFile(folder + "VenUpdater.exe");
    // A new updater delivered earlier waits in temp (which stays writable): the browser may not move it.
    const std::string waiting = TestInstall::ReadFile(TestInstall::SignedProgram("updater-newer.exe"));
    ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
    ASSERT_TRUE(TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", waiting));
    ASSERT_TRUE(DevService::LockFolder(folder));
    // The copy's list comes late, so that the user's updater is seen waiting for it.
    ASSERT_TRUE(DevService::Fault("/update/ReturnFileUpdateList.aspx", "delay", 2, "3000"));
    CTestProcess updater;
    ASSERT_TRUE(StartUpdater(updater, folder));
    HWND window = WaitForWindowOfClass(updater.Pid(), kUpdaterClass, kWait);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([] { return ProcessIdsNamed("VenUpdater.exe").size() == 2; }, kWait));
    DWORD_PTR answer = 0;
    EXPECT_NE(::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0)
        << "the waiting updater does not answer";
    AnswerMessageBox(updater.Pid(),
                     "프로그램 폴더에 쓸 수 없어 업데이트하지 못했습니다.\n지금 설치된 버전으로 실행합니다.",
                     "알림");
    EXPECT_NE(WaitForBrowserLogin(), nullptr);
    EXPECT_TRUE(updater.WaitForExit(kWait));
    Pause(2000);  // room for a loop to show itself
    EXPECT_TRUE(ProcessIdsNamed("VenUpdater.exe").empty());
    // The user's updater and the one elevated copy each asked for the list; no file was fetched.
    EXPECT_EQ(DevService::CountRequests("/update/ReturnFileUpdateList.aspx"), 2);
    EXPECT_FALSE(FetchedAnyFile(DevService::Log()));
    ASSERT_TRUE(DevService::LockFolder(folder, false));
    EXPECT_TRUE(TestInstall::ReadFile(folder + "FoldVenBrowser.exe") == installedBrowser);
    EXPECT_TRUE(TestInstall::ReadFile(folder + "VenUpdater.exe") == installedUpdater);
    EXPECT_TRUE(TestInstall::ReadFile(folder + "temp\\VenUpdater.exe") == waiting);
    EXPECT_FALSE(TestInstall::FileExists(folder + "FoldVenBrowser.exe.fvpart"));
}

// The copy that "runas" starts: the pass only, its result as exit code, never a browser.
TEST_F(UpdaterTest, TheElevatedCopyDoesOnlyThePassAndTellsItsResultByItsExitCode) {
    OfferNewerBrowser();
    ASSERT_TRUE(DevService::Fault("/Update/files/FoldVenBrowser.exe", "close-during", 1));
    const std::map<std::string, std::string> host = {{"FOLDVEN_API_HOST", DevService::Address()}};
    CTestProcess broken;
    ASSERT_TRUE(broken.Start(folder + "VenUpdater.exe", {"/elevatedpass"}, folder, host));
    AnswerMessageBox(broken.Pid(), "Update중에 네트워크 불안으로 인해 서버와 접속이 끊어졌습니다. ", "알림");
    ASSERT_TRUE(broken.WaitForExit(kWait));
    EXPECT_EQ(broken.ExitCode(), 1u);
    EXPECT_TRUE(TestInstall::ReadFile(folder + "FoldVenBrowser.exe") == installedBrowser);

    // A waiting updater of another publisher stays where it is, however it came there.
    const std::string installedUpdater = TestInstall::ReadFile(folder + "VenUpdater.exe");
    ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
    ASSERT_TRUE(::CopyFileA(TestInstall::SignedProgram("updater-newer-other.exe").c_str(),
                            (folder + "temp\\VenUpdater.exe").c_str(), FALSE));
    CTestProcess refusing;
    ASSERT_TRUE(refusing.Start(folder + "VenUpdater.exe", {"/elevatedpass"}, folder, host));
    ASSERT_TRUE(refusing.WaitForExit(kWait));
    EXPECT_EQ(refusing.ExitCode(), 0u);
    EXPECT_TRUE(TestInstall::ReadFile(folder + "FoldVenBrowser.exe") == offeredBrowser);
    EXPECT_TRUE(TestInstall::ReadFile(folder + "VenUpdater.exe") == installedUpdater);

    // A new updater whose move the browser could not make waits in temp: the copy, running from the
    // installed updater, puts it in place too.
    const std::string waiting = TestInstall::ReadFile(TestInstall::SignedProgram("updater-newer.exe"));
    ASSERT_TRUE(TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", waiting));
    CTestProcess copy;
    ASSERT_TRUE(copy.Start(folder + "VenUpdater.exe", {"/elevatedpass"}, folder, host));
    ASSERT_TRUE(copy.WaitForExit(kWait));
    EXPECT_EQ(copy.ExitCode(), 0u);
    EXPECT_TRUE(TestInstall::ReadFile(folder + "VenUpdater.exe") == waiting);
    EXPECT_FALSE(TestInstall::FileExists(folder + "temp\\VenUpdater.exe"));
    EXPECT_TRUE(ProcessIdsNamed("FoldVenBrowser.exe").empty());
}

}  // namespace
