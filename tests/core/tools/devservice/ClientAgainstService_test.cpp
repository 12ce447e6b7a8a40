#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <thread>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "tests/core/tools/devservice/ServiceOnThread.h"
#include "tests/support/RecordingUi.h"

namespace {

// The browser's own service client against the stand-in service: what the service writes is what the
// client reads.
class ClientAgainstService : public ServiceOnThread {
protected:
    void SetUp() override {
        ServiceOnThread::SetUp();
        if (HasFatalFailure())
            return;
        ::setenv("FOLDVEN_API_HOST", ("127.0.0.1:" + std::to_string(m_server->Port())).c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("FOLDVEN_API_HOST");
        ServiceOnThread::TearDown();
    }
};

TEST_F(ClientAgainstService, LoginFillsTheSessionAndItsKeysFetchTheBalance) {
    RecordingUi ui;
    CSessionInfo session;
    CServiceClient login(0, session, ui, ui);
    ASSERT_TRUE(login.Login("mail@foldven.test", "p&ss w0rd"));
    session.ParseLoginReply(login.GetReply());
    EXPECT_EQ(session.userId, "mail@foldven.test");
    EXPECT_EQ(session.informKey, "IK2B7C5A90");
    EXPECT_EQ(session.packetBalance, 777);
    EXPECT_EQ(session.flatRate, 0);
    EXPECT_EQ(session.adultFlag, 'N');
    EXPECT_EQ(session.password, "p&ss w0rd");
    EXPECT_EQ(session.listKey, "LK-mail-0005");

    CServiceClient balance(0, session, ui, ui);
    std::int64_t packets = 0;
    ASSERT_TRUE(balance.RequestBalance(packets));
    EXPECT_EQ(packets, 777);
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
