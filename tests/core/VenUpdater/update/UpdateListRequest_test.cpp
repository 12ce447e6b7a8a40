#include "VenUpdater/update/UpdateListRequest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "tests/support/LoopbackServer.h"
#include "tests/support/RecordingUi.h"

namespace {

// One scripted connection per attempt: what it answers, and what it was sent.
struct ScriptedAttempt {
    bool connects = true;
    bool sendFails = false;
    std::vector<std::string> pieces;  // receive results in order; then 0 (closed)
    bool errorAfterPieces = false;
};

class FakeConnection : public IUpdateConnection {
public:
    std::deque<ScriptedAttempt> script;
    bool createFails = false;
    std::vector<std::string> sent;
    std::vector<std::pair<std::string, unsigned>> connects;
    int creates = 0;

    bool Create() override {
        ++creates;
        if (createFails)
            return false;
        m_current = script.empty() ? ScriptedAttempt{} : script.front();
        if (!script.empty())
            script.pop_front();
        return true;
    }
    bool Connect(const std::string& host, unsigned port) override {
        connects.emplace_back(host, port);
        return m_current.connects;
    }
    int Send(const char* data, int length) override {
        if (m_current.sendFails)
            return -1;
        sent.emplace_back(data, static_cast<std::size_t>(length));
        return length;
    }
    int Receive(char* buffer, int size) override {
        if (m_current.pieces.empty())
            return m_current.errorAfterPieces ? -1 : 0;
        std::string piece = m_current.pieces.front();
        m_current.pieces.erase(m_current.pieces.begin());
        EXPECT_LE(static_cast<int>(piece.size()), size);
        std::copy(piece.begin(), piece.end(), buffer);
        return static_cast<int>(piece.size());
    }
    void Close() override {}

private:
    ScriptedAttempt m_current;
};

// The shared recorder, plus the owner window of each message box.
class OwnerRecordingUi : public RecordingUi {
public:
    std::vector<OwnerWindow> owners;
    OwnerRecordingUi() { strings = {{104, "code %1"}, {105, "no socket"}, {106, "no connection"}}; }
    int MessageBox(OwnerWindow owner, const std::string& text, const std::string& caption,
                   unsigned flags) override {
        owners.push_back(owner);
        return RecordingUi::MessageBox(owner, text, caption, flags);
    }
};

constexpr OwnerWindow kOwner = 0x1234;

TEST(UpdateListRequest, RequestTextDirectSocksAndHttpProxy) {
    const std::string tail =
        "Accept: */*\r\nUser-Agent: FoldVEn\r\nConnection: Keep-Alive\r\nHost: api.x:81\r\n"
        "Cookie: User=Update\r\n\r\n";
    const std::string proxyLines =
        "Proxy-Connection: Keep-Alive\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n";
    EXPECT_EQ(CUpdateListRequest::RequestText("api.x:81", false, 3),
              "GET /update/ReturnFileUpdateList.aspx HTTP/1.0\r\n" + tail);
    EXPECT_EQ(CUpdateListRequest::RequestText("api.x:81", true, 1),
              "GET /update/ReturnFileUpdateList.aspx HTTP/1.0\r\n" + proxyLines + tail);
    EXPECT_EQ(CUpdateListRequest::RequestText("api.x:81", true, 3),
              "GET http://api.x:81/update/ReturnFileUpdateList.aspx HTTP/1.0\r\n" + proxyLines + tail);
}

// What one fetch of the list makes of its attempts (at most two, each on a fresh connection): the reply,
// and the messages shown, always owned by the updater's window (never behind the topmost window).
TEST(UpdateListRequest, AttemptsTheirRepliesAndMessages) {
    const std::string framed = HttpReply("  skin@a.dll\t1\t10\r\n");
    const std::size_t split = framed.find("\r\n\r\n") + 3;  // the header's end spans two pieces
    const struct {
        std::vector<ScriptedAttempt> attempts;
        bool createFails;
        bool ok;
        std::string reply;
        std::vector<std::string> events;
    } cases[] = {
        // Framed by its Content-Length, and trimmed.
        {{{true, false, {framed.substr(0, 10), framed.substr(10, split - 10), framed.substr(split)}}},
         false,
         true,
         "skin@a.dll\t1\t10",
         {}},
        // Without a length the body runs to the close.
        {{{true, false, {"HTTP/1.0 200 OK\r\n\r\nNot ", "Exist"}}}, false, true, "Not Exist", {}},
        // A failed send, then a fresh connection that answers.
        {{{true, true, {}}, {true, false, {HttpReply("Not Exist")}}}, false, true, "Not Exist", {}},
        // A status other than 200 is shown with its code on each attempt.
        {{{true, false, {"HTTP/1.0 500 Error\r\nContent-Length: 0\r\n\r\n"}},
          {true, false, {"HTTP/1.0 503 Busy\r\n\r\n"}}},
         false,
         false,
         "",
         {"box 알림|code 500|0", "box 알림|code 503|0"}},
        // Broken off short of its length, or a receive error: silent.
        {{{true, false, {"HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nskin@a.d"}}, {true, false, {}, true}},
         false,
         false,
         "",
         {}},
        // No connection, or no socket: said once.
        {{{false, false, {}}}, false, false, "", {"box 알림|no connection|16"}},
        {{}, true, false, "", {"box 에러|no socket|48"}},
    };
    for (const auto& c : cases) {
        FakeConnection socket;
        socket.script.assign(c.attempts.begin(), c.attempts.end());
        socket.createFails = c.createFails;
        OwnerRecordingUi ui;
        CUpdateListRequest request(socket, ui, kOwner);
        const std::string what = c.events.empty() ? c.reply : c.events[0];
        EXPECT_EQ(request.Fetch("api", false, 0), c.ok) << what;
        EXPECT_EQ(request.Reply(), c.reply) << what;
        EXPECT_EQ(ui.events, c.events) << what;
        EXPECT_EQ(ui.owners, std::vector<OwnerWindow>(c.events.size(), kOwner)) << what;
        EXPECT_EQ(socket.creates, c.createFails ? 1 : std::max<int>(1, static_cast<int>(c.attempts.size())))
            << what;
    }
}

TEST(UpdateListRequest, TheHostsPortOr80) {
    FakeConnection socket;
    OwnerRecordingUi ui;
    CUpdateListRequest(socket, ui, kOwner).Fetch("127.0.0.1:8123", false, 0);
    CUpdateListRequest(socket, ui, kOwner).Fetch("api", false, 0);
    ASSERT_GE(socket.connects.size(), 2u);
    EXPECT_EQ(socket.connects.front(), (std::pair<std::string, unsigned>("127.0.0.1", 8123)));
    EXPECT_EQ(socket.connects.back(), (std::pair<std::string, unsigned>("api", 80)));
}

}  // namespace
