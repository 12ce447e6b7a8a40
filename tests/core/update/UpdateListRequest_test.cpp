#include "VenUpdater/update/UpdateListRequest.h"

#include <gtest/gtest.h>

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

TEST(UpdateListRequest, BodyArrivingInPiecesIsFramedByContentLengthAndTrimmed) {
    FakeConnection socket;
    const std::string response = HttpReply("  skin@a.dll\t1\t10\r\n");
    const std::size_t split = response.find("\r\n\r\n") + 3;  // the header's end spans two pieces
    socket.script.push_back(
        {true, false, {response.substr(0, 10), response.substr(10, split - 10), response.substr(split)}});
    OwnerRecordingUi ui;
    CUpdateListRequest request(socket, ui, kOwner);
    ASSERT_TRUE(request.Fetch("127.0.0.1:8123", false, 0));
    EXPECT_EQ(request.Reply(), "skin@a.dll\t1\t10");
    ASSERT_EQ(socket.connects.size(), 1u);
    EXPECT_EQ(socket.connects[0], (std::pair<std::string, unsigned>("127.0.0.1", 8123)));
    EXPECT_TRUE(ui.events.empty());
}

TEST(UpdateListRequest, StatusOtherThan200ShowsCodeOnEachOfTwoAttempts) {
    FakeConnection socket;
    socket.script.push_back({true, false, {"HTTP/1.0 500 Error\r\nContent-Length: 0\r\n\r\n"}});
    socket.script.push_back({true, false, {"HTTP/1.0 503 Busy\r\n\r\n"}});
    OwnerRecordingUi ui;
    CUpdateListRequest request(socket, ui, kOwner);
    EXPECT_FALSE(request.Fetch("api", false, 0));
    EXPECT_EQ(request.Reply(), "");
    EXPECT_EQ(ui.events, (std::vector<std::string>{"box 알림|code 500|0", "box 알림|code 503|0"}));
    EXPECT_EQ(ui.owners, (std::vector<OwnerWindow>{kOwner, kOwner}));  // never behind the topmost window
    EXPECT_EQ(socket.connects[0].second, 80u);
}

TEST(UpdateListRequest, SecondAttemptOnAFreshConnectionCanSucceed) {
    FakeConnection socket;
    socket.script.push_back({true, true, {}});  // send fails
    socket.script.push_back({true, false, {HttpReply("Not Exist")}});
    OwnerRecordingUi ui;
    CUpdateListRequest request(socket, ui, kOwner);
    EXPECT_TRUE(request.Fetch("api", false, 0));
    EXPECT_EQ(request.Reply(), "Not Exist");
    EXPECT_EQ(socket.creates, 2);
}

TEST(UpdateListRequest, BrokenOffOrEmptyRepliesFailSilently) {
    FakeConnection socket;
    socket.script.push_back({true, false, {"HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nskin@a.d"}});
    socket.script.push_back({true, false, {}, true});  // receive error
    OwnerRecordingUi ui;
    CUpdateListRequest request(socket, ui, kOwner);
    EXPECT_FALSE(request.Fetch("api", false, 0));
    EXPECT_EQ(request.Reply(), "");
    EXPECT_TRUE(ui.events.empty());
}

TEST(UpdateListRequest, WithoutContentLengthTheBodyRunsToTheClose) {
    FakeConnection socket;
    socket.script.push_back({true, false, {"HTTP/1.0 200 OK\r\n\r\nNot ", "Exist"}});
    OwnerRecordingUi ui;
    CUpdateListRequest request(socket, ui, kOwner);
    EXPECT_TRUE(request.Fetch("api", false, 0));
    EXPECT_EQ(request.Reply(), "Not Exist");
}

TEST(UpdateListRequest, ConnectAndSocketFailuresShowTheirMessagesOnce) {
    FakeConnection socket;
    socket.script.push_back({false, false, {}});
    OwnerRecordingUi ui;
    CUpdateListRequest request(socket, ui, kOwner);
    EXPECT_FALSE(request.Fetch("api", false, 0));
    EXPECT_EQ(ui.events, (std::vector<std::string>{"box 알림|no connection|16"}));
    EXPECT_EQ(ui.owners, (std::vector<OwnerWindow>{kOwner}));

    FakeConnection noSocket;
    noSocket.createFails = true;
    OwnerRecordingUi ui2;
    CUpdateListRequest request2(noSocket, ui2, kOwner);
    EXPECT_FALSE(request2.Fetch("api", false, 0));
    EXPECT_EQ(ui2.events, (std::vector<std::string>{"box 에러|no socket|48"}));
    EXPECT_EQ(ui2.owners, (std::vector<OwnerWindow>{kOwner}));
}

}  // namespace
