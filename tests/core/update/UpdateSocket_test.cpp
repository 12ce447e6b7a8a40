#include "VenUpdater/update/UpdateSocket.h"

#include <gtest/gtest.h>

#include "VenUpdater/update/UpdateListRequest.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/RecordingUi.h"

namespace {

TEST(UpdateSocket, ASilentServerIsGivenUpOnAfterTheStepLimit) {
    // Accepts and reads the request, then never answers while the client waits.
    LoopbackServer silent([](LoopbackConnection& c) {
        c.ReadRequest();
        c.ReadBytes(1);
    });
    RecordingUi ui;
    CUpdateSocket socket(&ui, 300);
    CUpdateListRequest request(socket, ui, 0);
    EXPECT_FALSE(request.Fetch(silent.HostSpec(), false, 0));
    EXPECT_EQ(request.Reply(), "");
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(silent.Connections(), 2);
}

TEST(UpdateSocket, FetchesTheListFromARealServer) {
    const std::string body = "skin@FoldVenBrowser.exe\t2, 3, 1, 3\t1000";
    LoopbackServer server(LoopbackServer::Answer(
        "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body));
    RecordingUi ui;
    CUpdateSocket socket(&ui);
    CUpdateListRequest request(socket, ui, 0);
    EXPECT_TRUE(request.Fetch(server.HostSpec(), false, 0));
    EXPECT_EQ(request.Reply(), body);
    server.Stop();
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0], CUpdateListRequest::RequestText(server.HostSpec(), false, 0));
}

}  // namespace
