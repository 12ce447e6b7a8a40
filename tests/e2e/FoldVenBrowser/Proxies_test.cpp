#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/support/BrowserTest.h"

namespace {

using namespace WindowFinder;

const char* const kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// The browser's first requests, its notices and its login, through a real proxy set in the Internet
// settings as a user sets it (with-proxies.sh starts the proxies and names them in FV_HTTP_PROXY and
// FV_SOCKS_PROXY). The proxy settings are taken away again after each test.
class ProxiesTest : public BrowserAgainstDevServiceTest {
protected:
    void TearDown() override {
        SetProxy(0, "");
        BrowserAgainstDevServiceTest::TearDown();
    }
    static void SetProxy(DWORD enable, const std::string& server) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kInternetSettings, 0, nullptr, 0, KEY_SET_VALUE,
                                    nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enable),
                         sizeof(enable));
        ::RegSetValueExA(key, "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                         static_cast<DWORD>(server.size() + 1));
        ::RegCloseKey(key);
    }
    // Opens the login dialog, waits for its notices and logs in as tester.
    void NoticesAndLogin() {
        ASSERT_TRUE(Start());
        HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return !TextOf(::GetDlgItem(dialog, 1027)).empty(); }, kWait));
        Type(dialog, 1001, "tester");
        Type(dialog, 1002, "test1234");
        ClickControl(ChildWithText(dialog, "로그인"));
        EXPECT_NE(WaitForMainWindow(), nullptr);
    }
    // The head of the first logged request whose request line holds `path`.
    static std::string HeadOf(const std::string& path) {
        const std::string log = DevService::Log();
        const std::size_t line = log.find("GET /" + path);
        if (line == std::string::npos)
            return "(not received)";
        return log.substr(line, log.find("\r\n\r\n", line) + 4 - line);
    }
    // What the browser sends for `target` when a proxy is set, up to its cookie.
    static std::string ClientHead(const std::string& target, const std::string& cookie = "") {
        return "GET " + target +
               " HTTP/1.0\r\nProxy-Connection: Keep-Alive\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n"
               "Accept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\nHost: " +
               DevService::Address() + "\r\nCookie: " + cookie + "\r\n\r\n";
    }
};

const char* const kLogin = "/login.aspx?UID=tester&PWD=test1234&VER=2.3.1.2";

TEST_F(ProxiesTest, Socks4CarriesTheNoticesAndTheLoginByteForByte) {
    const char* socks = std::getenv("FV_SOCKS_PROXY");
    if (!socks)
        GTEST_SKIP() << "no SOCKS proxy (danted) was started";
    SetProxy(1, std::string("socks=") + socks);
    ASSERT_NO_FATAL_FAILURE(NoticesAndLogin());
    // The proxy passes the bytes on untouched: the service receives what the browser composed.
    EXPECT_EQ(HeadOf("/notice.aspx"), ClientHead("//notice.aspx"));
    EXPECT_EQ(HeadOf("/login.aspx"), ClientHead("/" + std::string(kLogin)));
}

TEST_F(ProxiesTest, HttpProxyCarriesTheNoticesAndTheLogin) {
    const char* http = std::getenv("FV_HTTP_PROXY");
    if (!http)
        GTEST_SKIP() << "no HTTP proxy (tinyproxy) was started";
    SetProxy(1, http);
    ASSERT_NO_FATAL_FAILURE(NoticesAndLogin());
    // The proxy took "GET http://host//…" and passed the request line and the end-to-end headers on
    // unchanged, adding its own Via.
    for (const std::string& target : {std::string("//notice.aspx"), "/" + std::string(kLogin)}) {
        const std::string head = HeadOf(target.substr(1));
        EXPECT_EQ(head.substr(0, head.find("\r\n") + 2), "GET " + target + " HTTP/1.0\r\n");
        for (const char* header : {"\r\nAccept: */*\r\n", "\r\nUser-Agent: Parvo\r\n", "\r\nCookie: \r\n"})
            EXPECT_NE(head.find(header), std::string::npos) << header << " in " << head;
        EXPECT_NE(head.find("\r\nHost: " + DevService::Address() + "\r\n"), std::string::npos) << head;
        EXPECT_NE(head.find("tinyproxy"), std::string::npos) << head;
    }
}

}  // namespace
