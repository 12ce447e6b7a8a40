#include "VenUpdater/app/FileDownloader.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

#include "tests/e2e/support/TestInstall.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/RecordingUi.h"

namespace {

std::string PathOf(const std::string& request) {
    const std::size_t from = request.find(' ') + 1;
    return request.substr(from, request.find(' ', from) - from);
}

class FileDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestInstall::TempFolder("fv-down");
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
    bool Exists(const std::string& name) { return TestInstall::FileExists(folder + name); }
    void Answer(const std::string& path, const std::string& raw) { answers[path] = raw; }
    CFileDownloader Downloader() {
        return CFileDownloader(files, folder, "http://" + server.HostSpec() + "/Update/files/", progress,
                               nullptr, ui);
    }
    bool Run() {
        const bool ok = Downloader().DownloadFiles();
        // The bar's range and positions are posted to the bar's thread, as to the updater's window.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        return ok;
    }

    // Each path answers with its scripted bytes; others get 404.
    std::map<std::string, std::string> answers;
    LoopbackServer server{[this](const std::string& request) {
        const auto found = answers.find(PathOf(request));
        return found != answers.end() ? found->second
                                      : std::string("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n");
    }};
    CUpdateFileList files;
    RecordingUi ui;
    HWND progress = nullptr;
    std::string folder;
};

// Replacing outdated files, a broken-off transfer and one without a length are driven end to end in the
// updater's tests; here what only this level can set up.
TEST_F(FileDownloaderTest, AProgramReplacesTheOldOneOnlyAsAWholeImage) {
    const std::string image = TestInstall::OwnProgramImage();
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
