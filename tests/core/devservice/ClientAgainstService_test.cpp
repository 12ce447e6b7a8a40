#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <thread>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "net/ServiceClient.h"
#include "tests/support/RecordingUi.h"
#include "tools/devservice/Server.h"

namespace {

// The browser's own service client against the stand-in service: what the service writes is what the
// client reads.
class ClientAgainstService : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(m_data.Load(FV_DEVSERVICE_DATA, error)) << error;
        m_service = std::make_unique<CDevService>(m_data, CServiceSettings());
        m_server = std::make_unique<CServer>(*m_service);
        ASSERT_TRUE(m_server->Listen(0, error)) << error;
        m_thread = std::thread([this] { m_server->Run(); });
        ::setenv("FOLDVEN_API_HOST", ("127.0.0.1:" + std::to_string(m_server->Port())).c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("FOLDVEN_API_HOST");
        if (m_server) {
            m_server->RequestStop();
            m_thread.join();
        }
    }

    CServiceData m_data;
    std::unique_ptr<CDevService> m_service;
    std::unique_ptr<CServer> m_server;
    std::thread m_thread;
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
