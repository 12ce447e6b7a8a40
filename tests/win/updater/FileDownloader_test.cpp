#include "VenUpdater/app/FileDownloader.h"

#include <winsock2.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

namespace {

// A loopback HTTP server on its own thread: each path answers with scripted raw bytes, then closes.
class CScriptedServer {
public:
    CScriptedServer() {
        WSADATA wsa;
        ::WSAStartup(MAKEWORD(2, 2), &wsa);
        m_listen = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        int length = sizeof(address);
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        ::listen(m_listen, 8);
        m_thread = std::thread([this] { Serve(); });
    }
    ~CScriptedServer() {
        m_stop = true;
        ::closesocket(m_listen);
        m_thread.join();
        ::WSACleanup();
    }

    void Answer(const std::string& path, const std::string& raw) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answers[path] = raw;
    }
    std::vector<std::string> Requests() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }
    std::string BaseUrl() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/Update/files/"; }

private:
    void Serve() {
        while (!m_stop) {
            SOCKET client = ::accept(m_listen, nullptr, nullptr);
            if (client == INVALID_SOCKET)
                return;
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const int n = ::recv(client, buffer, sizeof(buffer), 0);
                if (n <= 0)
                    break;
                request.append(buffer, n);
            }
            const std::size_t start = request.find(' ') + 1;
            const std::string path = request.substr(start, request.find(' ', start) - start);
            std::string raw = "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n";
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_requests.push_back(path);
                if (m_answers.count(path))
                    raw = m_answers[path];
            }
            ::send(client, raw.data(), static_cast<int>(raw.size()), 0);
            ::shutdown(client, SD_SEND);
            ::closesocket(client);
        }
    }

    SOCKET m_listen;
    unsigned short m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::map<std::string, std::string> m_answers;
    std::vector<std::string> m_requests;
};

class RecordingUi : public IUiHooks {
public:
    std::vector<std::string> texts;
    int MessageBox(OwnerWindow, const std::string& text, const std::string&, unsigned) override {
        texts.push_back(text);
        return 1;
    }
    void ShowMessage(OwnerWindow, const std::string&) override {}
    std::string LoadString(unsigned id) override { return "string" + std::to_string(id); }
    void PumpMessages() override {}
};

std::string Ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
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
        progress = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_POPUP, 0, 0, 100, 10, nullptr, nullptr,
                                     nullptr, nullptr);
    }
    void TearDown() override {
        ::DestroyWindow(progress);
        for (const char* name : {"app.dat", "next.dat", "sub\\dir\\x.bin"})
            ::DeleteFileA((folder + name).c_str());
        ::RemoveDirectoryA((folder + "sub\\dir").c_str());
        ::RemoveDirectoryA((folder + "sub").c_str());
        ::RemoveDirectoryA(folder.c_str());
    }

    void Local(const std::string& name, const std::string& content, const std::string& version) {
        std::ofstream(folder + name, std::ios::binary | std::ios::trunc) << content;
        CUpdateFileEntry entry;
        entry.path = folder + name;
        entry.version = version;
        files.local.push_back(entry);
    }
    std::string Read(const std::string& name) {
        std::ifstream in(folder + name, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    bool Exists(const std::string& name) {
        return ::GetFileAttributesA((folder + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    bool Run() {
        CFileDownloader downloader(files, folder, server.BaseUrl(), progress, nullptr, ui);
        return downloader.DownloadFiles();
    }

    CScriptedServer server;
    CUpdateFileList files;
    RecordingUi ui;
    HWND progress = nullptr;
    std::string folder;
};

TEST_F(FileDownloaderTest, OutdatedFilesAreReplacedAndCurrentOnesLeftAlone) {
    Local("app.dat", "old", "1");
    Local("next.dat", "same", "7");
    const std::string body(5000, 'n');
    server.Answer("/Update/files/app.dat", Ok(body));
    files.ParseUpdateList("sub@next.dat\t7\t4\tapp.dat\t2\t5000\tsub/dir/x.bin\t0\t3");
    server.Answer("/Update/files/sub/dir/x.bin", Ok("new"));

    EXPECT_TRUE(Run());
    EXPECT_EQ(Read("app.dat"), body);
    EXPECT_EQ(Read("next.dat"), "same");
    EXPECT_EQ(Read("sub\\dir\\x.bin"), "new");
    EXPECT_FALSE(Exists("app.dat.fvpart"));
    EXPECT_EQ(server.Requests(),
              (std::vector<std::string>{"/Update/files/app.dat", "/Update/files/sub/dir/x.bin"}));
    EXPECT_TRUE(ui.texts.empty());
    // The bar shows the last file: 3 bytes round to a range and position of 0.
    EXPECT_EQ(::SendMessageA(progress, PBM_GETRANGE, FALSE, 0), 0);
}

TEST_F(FileDownloaderTest, ABrokenOffTransferKeepsTheOldFileAndStopsThePass) {
    Local("app.dat", "old program", "1");
    server.Answer("/Update/files/app.dat",
                  "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n" + std::string(5000, 'p'));
    files.ParseUpdateList("app.dat\t2\t100000\tnext.dat\t2\t3");

    EXPECT_FALSE(Run());
    EXPECT_EQ(Read("app.dat"), "old program");
    EXPECT_FALSE(Exists("app.dat.fvpart"));
    EXPECT_EQ(ui.texts, (std::vector<std::string>{"string108"}));
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(::SendMessageA(progress, PBM_GETRANGE, FALSE, 0), 98);  // (100000 + 512) / 1024
    EXPECT_EQ(::SendMessageA(progress, PBM_GETPOS, 0, 0), 4);         // 5000 / 1024
}

TEST_F(FileDownloaderTest, AnErrorStatusStopsWithoutAMessage) {
    Local("app.dat", "old", "1");
    files.ParseUpdateList("app.dat\t2\t3");
    EXPECT_FALSE(Run());
    EXPECT_EQ(Read("app.dat"), "old");
    EXPECT_TRUE(ui.texts.empty());
}

TEST_F(FileDownloaderTest, ACredentialRequestWithoutRetryWritesNothing) {
    Local("app.dat", "old", "1");
    server.Answer(
        "/Update/files/app.dat",
        "HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"x\"\r\nContent-Length: 4\r\n\r\ndeny");
    files.ParseUpdateList("app.dat\t2\t3");
    EXPECT_FALSE(Run());  // no owner window: the credential dialog cannot ask, so no retry
    EXPECT_EQ(Read("app.dat"), "old");
    EXPECT_FALSE(Exists("app.dat.fvpart"));
}

TEST_F(FileDownloaderTest, AFileInUseStaysAndIsReported) {
    Local("app.dat", "old", "1");
    server.Answer("/Update/files/app.dat", Ok("new"));
    files.ParseUpdateList("app.dat\t2\t3");
    HANDLE lock =
        ::CreateFileA((folder + "app.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(Run());
    ::CloseHandle(lock);
    EXPECT_EQ(Read("app.dat"), "old");
    EXPECT_FALSE(Exists("app.dat.fvpart"));
    EXPECT_EQ(ui.texts, (std::vector<std::string>{"string107"}));
}

}  // namespace
