#include "net/HttpReplyFramer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>

namespace {

CHttpReplyFramer::Limits RunsToClose() {
    CHttpReplyFramer::Limits limits;
    limits.lengthlessRunsToClose = true;
    return limits;
}

TEST(HttpReplyFramer, StatusAndLengthComeFromTheirFirstLines) {
    const std::string response =
        "  HTTP/1.1   200 OK\r\ncontent-length: 1\r\nContent-Length: 2\r\nContent-Length: 9\r\n"
        "HTTPX 404\r\n\r\nab";
    CHttpReplyFramer framer(RunsToClose());
    EXPECT_TRUE(framer.Append(response.data(), response.size()));
    EXPECT_EQ(framer.Status(), "200");
    EXPECT_EQ(framer.ContentLength(), 2);
    EXPECT_EQ(framer.Body(), "ab");

    CHttpReplyFramer noStatus(RunsToClose());
    noStatus.Append("X: y\r\n\r\n", 8);
    EXPECT_EQ(noStatus.Status(), "404");
}

TEST(HttpReplyFramer, HeaderEndSplitOverPiecesAndBodyFramedByLength) {
    const std::string response = "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nS\t0\tx";
    const std::size_t split = response.find("\r\n\r\n") + 2;
    CHttpReplyFramer framer({});
    EXPECT_FALSE(framer.Append(response.data(), split));
    EXPECT_FALSE(framer.HeaderComplete());
    EXPECT_FALSE(framer.Append(response.data() + split, response.size() - split - 1));
    EXPECT_TRUE(framer.Truncated());
    EXPECT_TRUE(framer.Append(response.data() + response.size() - 1, 1));
    EXPECT_FALSE(framer.Truncated());
    EXPECT_EQ(framer.Body(), "S\t0\tx");
}

TEST(HttpReplyFramer, LimitsDecideLengthlessBodiesAndGivingUp) {
    const std::string lengthless = "HTTP/1.0 200 OK\r\n\r\nNot ";
    CHttpReplyFramer endsAtHeader({});
    EXPECT_TRUE(endsAtHeader.Append(lengthless.data(), lengthless.size()));
    CHttpReplyFramer toClose(RunsToClose());
    EXPECT_FALSE(toClose.Append(lengthless.data(), lengthless.size()));
    EXPECT_FALSE(toClose.Truncated());  // the close ends it, whole

    CHttpReplyFramer::Limits small;
    small.headerWithin = 10;
    CHttpReplyFramer headerless(small);
    headerless.Append("HTTP/1.0 2", 9);
    EXPECT_FALSE(headerless.GaveUp());
    headerless.Append("0", 1);
    EXPECT_TRUE(headerless.GaveUp());

    CHttpReplyFramer::Limits capped = RunsToClose();
    capped.maxResponse = 30;
    CHttpReplyFramer big(capped);
    const std::string huge = "HTTP/1.0 200 OK\r\nContent-Length: 999\r\n\r\n";
    big.Append(huge.data(), huge.size());
    EXPECT_TRUE(big.GaveUp());
}

TEST(HttpReplyFramer, ReadReplyTellsHowTheReadingEnded) {
    auto run = [](std::deque<std::string> pieces, int last, const CHttpReplyFramer::Limits& limits) {
        CHttpReplyFramer framer(limits);
        return ReadReply(
            [&](char* buffer, int size) {
                if (pieces.empty())
                    return last;
                const std::string piece = pieces.front();
                pieces.pop_front();
                EXPECT_LE(static_cast<int>(piece.size()), size);
                std::memcpy(buffer, piece.data(), piece.size());
                return static_cast<int>(piece.size());
            },
            framer, 64);
    };
    EXPECT_EQ(run({"HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\n", "ab", "never read"}, -1, {}),
              ReplyEnd::kComplete);
    EXPECT_EQ(run({"HTTP/1.0 200 OK\r\n\r\n", "more"}, 0, RunsToClose()), ReplyEnd::kClosed);
    EXPECT_EQ(run({"HTTP/1.0 200 OK\r\n"}, -1, {}), ReplyEnd::kFailed);
    CHttpReplyFramer::Limits small;
    small.headerWithin = 8;
    EXPECT_EQ(run({"HTTP/1.0 200 OK", "never read"}, -1, small), ReplyEnd::kGaveUp);
}

}  // namespace
