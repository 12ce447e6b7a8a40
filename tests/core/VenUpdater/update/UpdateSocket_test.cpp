#include "VenUpdater/update/UpdateSocket.h"

#include <gtest/gtest.h>

#include "VenUpdater/update/UpdateListRequest.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/RecordingUi.h"

namespace {

TEST(UpdateSocket, SilentOrTricklingServersAreGivenUpOn) {
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

    // Each byte well within the step limit, but the whole reply far beyond it: each attempt ends at it.
    LoopbackServer trickling([](LoopbackConnection& c) {
        c.ReadRequest();
        c.Write("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n");
        for (int i = 0; i < 40; ++i) {
            c.Pause(100);
            c.Write("x");
        }
    });
    CUpdateSocket limited(&ui, 1000);
    CUpdateListRequest slow(limited, ui, 0);
    EXPECT_FALSE(slow.Fetch(trickling.HostSpec(), false, 0));
    EXPECT_EQ(slow.Reply(), "");
}

}  // namespace
