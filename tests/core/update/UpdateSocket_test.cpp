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

}  // namespace
