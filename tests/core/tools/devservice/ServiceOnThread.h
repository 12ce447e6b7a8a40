#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "tools/devservice/Server.h"

// The stand-in service with its sample data on an ephemeral loopback port, run on a thread of the test.
class ServiceOnThread : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(m_data.Load(FV_DEVSERVICE_DATA, error)) << error;
        m_service = std::make_unique<CDevService>(m_data, CServiceSettings());
        m_server = std::make_unique<CServer>(*m_service);
        ASSERT_TRUE(m_server->Listen(0, error)) << error;
        m_thread = std::thread([this] { m_server->Run(); });
    }
    void TearDown() override {
        if (m_thread.joinable()) {
            m_server->RequestStop();
            m_thread.join();
        }
    }

    CServiceData m_data;
    std::unique_ptr<CDevService> m_service;
    std::unique_ptr<CServer> m_server;
    std::thread m_thread;
};
