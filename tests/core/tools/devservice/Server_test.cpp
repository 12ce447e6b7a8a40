#include "tests/core/tools/devservice/ServiceOnThread.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

class DevServiceServer : public ServiceOnThread {
protected:
    int Connect() {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(static_cast<uint16_t>(m_server->Port()));
        EXPECT_EQ(0, connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr));
        timeval timeout{5, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        return fd;
    }

    // Sends `request` and returns what arrives, one string per receive, until the service closes.
    std::vector<std::string> Exchange(const std::string& request) {
        int fd = Connect();
        send(fd, request.data(), request.size(), MSG_NOSIGNAL);
        std::vector<std::string> chunks;
        char buffer[65536];
        ssize_t n;
        while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0) {
            chunks.emplace_back(buffer, static_cast<size_t>(n));
        }
        close(fd);
        return chunks;
    }

    std::string Get(const std::string& target) {
        std::string all;
        for (const std::string& chunk :
             Exchange("GET " + target + " HTTP/1.0\r\nHost: h\r\nCookie: LK-tester-0001\r\n\r\n")) {
            all += chunk;
        }
        return all;
    }

    static std::string Body(const std::string& reply) { return reply.substr(reply.find("\r\n\r\n") + 4); }

    void Fault(const std::string& query) { ASSERT_EQ("OK\n", Body(Get("/_control/fault?" + query))); }
};

TEST_F(DevServiceServer, RepliesInOneWriteWithStatusAndLength) {
    std::vector<std::string> chunks =
        Exchange("GET //login.aspx?UID=tester&PWD=wrong&VER=2.3.1.2 HTTP/1.0\r\nCookie: \r\n\r\n");
    ASSERT_EQ(1u, chunks.size());
    EXPECT_EQ(0u, chunks[0].find("HTTP/1.0 200 OK\r\n"));
    EXPECT_NE(std::string::npos, chunks[0].find("\r\nContent-Length: 6\r\n"));
    EXPECT_EQ("F\t105\t", Body(chunks[0]));
    EXPECT_EQ(0u, Get("http://api.test//nothing.aspx").find("HTTP/1.0 404 "));
    EXPECT_EQ(0u, Get("/_control/fault?path=/x&kind=bogus").find("HTTP/1.0 400 "));
}

TEST_F(DevServiceServer, LogHoldsHeadsAndBodiesButNotControlRequests) {
    std::string post =
        "POST //login.aspx HTTP/1.0\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: "
        "37\r\n\r\n"
        "UID=tester&PWD=test1234&VER=2.3.1.2\r\n";
    EXPECT_EQ(0u, Body(Exchange(post)[0]).find("S\t0\ttester\t"));
    Get("/notice.aspx");
    std::string log = Body(Get("/_control/log"));
    EXPECT_NE(std::string::npos, log.find("----- request 1 -----\n" + post + "\n----- end 1 -----\n"));
    EXPECT_NE(std::string::npos, log.find("----- request 2 -----\nGET /notice.aspx HTTP/1.0\r\n"));
    EXPECT_EQ(std::string::npos, log.find("request 3"));
    Get("/_control/reset");
    EXPECT_EQ("", Body(Get("/_control/log")));
}

TEST_F(DevServiceServer, FaultsApplyToMatchingPathsForTheirCount) {
    Fault("path=/LOGIN.aspx&kind=freply&arg=102&count=2");
    Fault("path=/getfilelist.aspx?MD=ML&kind=status&arg=500");
    EXPECT_EQ("F\t102\t", Body(Get("//login.aspx?UID=tester&PWD=test1234&VER=2.3.1.2")));
    EXPECT_EQ("S\t0\tS0\t", Body(Get("//notice.aspx")).substr(0, 7));
    EXPECT_EQ("F\t102\t", Body(Get("//login.aspx?UID=tester&PWD=test1234&VER=2.3.1.2")));
    EXPECT_EQ("S\t0\ttester", Body(Get("//login.aspx?UID=tester&PWD=test1234&VER=2.3.1.2")).substr(0, 10));
    EXPECT_EQ(0u,
              Get("//GetFileList.aspx?MD=ML&step=2&PID=101&cate1=mo001&cate2=movie").find("HTTP/1.0 500 "));
    EXPECT_EQ(0u,
              Get("//GetFileList.aspx?MD=ML&step=2&PID=101&cate1=mo001&cate2=movie").find("HTTP/1.0 500 "));
    EXPECT_EQ(0u, Get("//GetFileList.aspx?MD=MC&FID=1").find("HTTP/1.0 200 "));
    Get("/_control/reset");
    EXPECT_EQ(0u,
              Get("//GetFileList.aspx?MD=ML&step=2&PID=101&cate1=mo001&cate2=movie").find("HTTP/1.0 200 "));
}

TEST_F(DevServiceServer, SplitHeaderAndChunkedWritesArriveInPieces) {
    std::string whole = Get("/notice.aspx");
    Fault("path=/notice.aspx&kind=split-header&count=1");
    std::vector<std::string> chunks = Exchange("GET /notice.aspx HTTP/1.0\r\n\r\n");
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ(std::string::npos, chunks[0].find("\r\n\r\n"));
    std::string joined;
    for (const std::string& c : chunks) {
        joined += c;
    }
    EXPECT_EQ(Body(whole), Body(joined));

    Fault("path=/notice.aspx&kind=chunked-writes&arg=20&count=1");
    chunks = Exchange("GET /notice.aspx HTTP/1.0\r\n\r\n");
    ASSERT_GE(chunks.size(), 2u);
    EXPECT_EQ(std::string::npos, chunks[0].find("\r\n\r\n"));
}

TEST_F(DevServiceServer, StalledConnectionDoesNotHoldUpOthers) {
    Fault("path=/login.aspx&kind=stall&count=1");
    int stalled = Connect();
    std::string request = "GET //login.aspx?UID=a HTTP/1.0\r\n\r\n";
    send(stalled, request.data(), request.size(), MSG_NOSIGNAL);
    timeval shortWait{0, 300000};
    setsockopt(stalled, SOL_SOCKET, SO_RCVTIMEO, &shortWait, sizeof shortWait);
    char byte;
    EXPECT_EQ(-1, recv(stalled, &byte, 1, 0));
    EXPECT_EQ("S\t0\t12345\t", Body(Get("//GetInform.aspx?MD=RP&UID=tester&LID=IK7F3A21C0")));
    close(stalled);
}

}  // namespace
