#include "VenUpdater/app/FileDownloader.h"

#include "VenUpdater/app/FolderScan.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

#include "tests/e2e/support/TestInstall.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/WinLoopbackServer.h"

namespace {

std::string PathOf(const std::string& request) {
    const std::size_t from = request.find(' ') + 1;
    return request.substr(from, request.find(' ', from) - from);
}

// The path of each request the server saw.
std::vector<std::string> Paths(WinLoopbackServer& server) {
    std::vector<std::string> paths;
    for (const std::string& request : server.Requests())
        paths.push_back(PathOf(request));
    return paths;
}

std::string OwnImage() {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    return TestInstall::ReadFile(self);
}

class FileDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "fv-down-" + std::to_string(::GetCurrentProcessId()) + "\\";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&icc);
        ui.strings = {{107, "in use"}, {108, "broken"}};
        progress = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_POPUP, 0, 0, 100, 10, nullptr, nullptr,
                                     nullptr, nullptr);
    }
    void TearDown() override {
        ::DestroyWindow(progress);
        TestInstall::DeleteTree(folder.substr(0, folder.size() - 1));
    }

    void Local(const std::string& name, const std::string& content, const std::string& version) {
        TestInstall::WriteFile(folder + name, content);
        CUpdateFileEntry entry;
        entry.path = folder + name;
        entry.version = version;
        files.local.push_back(entry);
    }
    std::string Read(const std::string& name) { return TestInstall::ReadFile(folder + name); }
    // The version the next inventory gives the file.
    std::string ScannedVersion(const std::string& name) {
        std::vector<CUpdateFileEntry> scanned;
        ScanFolder(folder.substr(0, folder.size() - 1), scanned);
        for (const CUpdateFileEntry& entry : scanned) {
            if (entry.path == folder + name)
                return entry.version;
        }
        return "(missing)";
    }
    bool Exists(const std::string& name) { return TestInstall::FileExists(folder + name); }
    void Answer(const std::string& path, const std::string& raw) { answers[path] = raw; }
    bool Run() {
        CFileDownloader downloader(files, folder, "http://" + server.Host() + "/Update/files/", progress,
                                   nullptr, ui);
        const bool ok = downloader.DownloadFiles();
        // The bar's range and positions are posted to the bar's thread, as to the updater's window.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        return ok;
    }

    // Each path answers with its scripted bytes; others get 404.
    std::map<std::string, std::string> answers;
    WinLoopbackServer server{[this](const std::string& request) {
        const auto found = answers.find(PathOf(request));
        return found != answers.end() ? found->second
                                      : std::string("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n");
    }};
    CUpdateFileList files;
    RecordingUi ui;
    HWND progress = nullptr;
    std::string folder;
};

TEST_F(FileDownloaderTest, OutdatedFilesAreReplacedAndCurrentOnesLeftAlone) {
    Local("app.dat", "old", "1");
    Local("next.dat", "same", "7");
    const std::string body(5000, 'n');
    Answer("/Update/files/app.dat", HttpReply(body));
    files.ParseUpdateList("sub@next.dat\t7\t4\tapp.dat\t2\t5000\tsub/dir/x.bin\t0\t3");
    Answer("/Update/files/sub/dir/x.bin", HttpReply("new"));

    EXPECT_TRUE(Run());
    EXPECT_EQ(Read("app.dat"), body);
    EXPECT_EQ(Read("next.dat"), "same");
    EXPECT_EQ(Read("sub\\dir\\x.bin"), "new");
    EXPECT_FALSE(Exists("app.dat.fvpart"));
    EXPECT_EQ(Paths(server),
              (std::vector<std::string>{"/Update/files/app.dat", "/Update/files/sub/dir/x.bin"}));
    EXPECT_TRUE(ui.events.empty());
    // The bar shows the last file: 3 bytes round to a range and position of 0.
    EXPECT_EQ(::SendMessageA(progress, PBM_GETRANGE, FALSE, 0), 0);
}

TEST_F(FileDownloaderTest, ABrokenOffTransferKeepsTheOldFileAndStopsThePass) {
    Local("app.dat", "old program", "1");
    Answer("/Update/files/app.dat",
           "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n" + std::string(5000, 'p'));
    files.ParseUpdateList("app.dat\t2\t100000\tnext.dat\t2\t3");

    EXPECT_FALSE(Run());
    EXPECT_EQ(Read("app.dat"), "old program");
    EXPECT_FALSE(Exists("app.dat.fvpart"));
    EXPECT_EQ(ui.events, (std::vector<std::string>{"box 알림|broken|0"}));
    EXPECT_EQ(Paths(server).size(), 1u);
    EXPECT_EQ(::SendMessageA(progress, PBM_GETRANGE, FALSE, 0), 98);  // (100000 + 512) / 1024
    EXPECT_EQ(::SendMessageA(progress, PBM_GETPOS, 0, 0), 4);         // 5000 / 1024
}

TEST_F(FileDownloaderTest, WithoutALengthTheListsSizeTellsAWholeTransferFromACutOne) {
    Local("cut.dat", "old data", "1");
    files.ParseUpdateList("whole.dat\t201001020304\t4\tshort.dat\t2\t10\tcut.dat\t2\t100000");
    Answer("/Update/files/whole.dat", "HTTP/1.0 200 OK\r\n\r\nnew!");
    // The reply's own length wins over a list made before the file changed.
    Answer("/Update/files/short.dat", HttpReply("abc"));
    Answer("/Update/files/cut.dat", "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'p'));

    EXPECT_FALSE(Run());
    EXPECT_EQ(Read("whole.dat"), "new!");
    // Dated by the server's stamp, not by the download, so the next start finds it current.
    EXPECT_EQ(ScannedVersion("whole.dat"), "201001020304");
    EXPECT_EQ(Read("short.dat"), "abc");
    EXPECT_EQ(Read("cut.dat"), "old data");
    EXPECT_FALSE(Exists("cut.dat.fvpart"));
    EXPECT_EQ(ui.events, (std::vector<std::string>{"box 알림|broken|0"}));
}

TEST_F(FileDownloaderTest, AProgramReplacesTheOldOneOnlyAsAWholeImage) {
    const std::string image = OwnImage();
    ASSERT_FALSE(image.empty());
    Local("app.exe", "old program", "1");
    const std::string size = std::to_string(image.size());
    // An error page with status 200 and the right length for itself, then a cut image with a length
    // that matches it: only the image check can tell.
    for (const std::string& wrong :
         {std::string("<html><body>점검중입니다</body></html>"), image.substr(0, 40000)}) {
        files.server.clear();
        files.ParseUpdateList("app.exe\t2\t" + size);
        Answer("/Update/files/app.exe", HttpReply(wrong));
        ui.events.clear();
        EXPECT_FALSE(Run());
        EXPECT_EQ(Read("app.exe"), "old program");
        EXPECT_FALSE(Exists("app.exe.fvpart"));
        EXPECT_EQ(ui.events, (std::vector<std::string>{"box 알림|broken|0"}));
    }
    Answer("/Update/files/app.exe", HttpReply(image));
    ui.events.clear();
    EXPECT_TRUE(Run());
    EXPECT_TRUE(Read("app.exe") == image);
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(FileDownloaderTest, AnErrorStatusStopsWithoutAMessage) {
    Local("app.dat", "old", "1");
    files.ParseUpdateList("app.dat\t2\t3");
    EXPECT_FALSE(Run());
    EXPECT_EQ(Read("app.dat"), "old");
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(FileDownloaderTest, ACredentialRequestWithoutRetryWritesNothing) {
    Local("app.dat", "old", "1");
    Answer(
        "/Update/files/app.dat",
        "HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"x\"\r\nContent-Length: 4\r\n\r\ndeny");
    files.ParseUpdateList("app.dat\t2\t3");
    EXPECT_FALSE(Run());  // no owner window: the credential dialog cannot ask, so no retry
    EXPECT_EQ(Read("app.dat"), "old");
    EXPECT_FALSE(Exists("app.dat.fvpart"));
}

TEST_F(FileDownloaderTest, AFileInUseStaysAndIsReported) {
    Local("app.dat", "old", "1");
    Answer("/Update/files/app.dat", HttpReply("new"));
    files.ParseUpdateList("app.dat\t2\t3");
    HANDLE lock =
        ::CreateFileA((folder + "app.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(Run());
    ::CloseHandle(lock);
    EXPECT_EQ(Read("app.dat"), "old");
    EXPECT_FALSE(Exists("app.dat.fvpart"));
    EXPECT_EQ(ui.events, (std::vector<std::string>{"box 알림|in use|0"}));
}

}  // namespace
