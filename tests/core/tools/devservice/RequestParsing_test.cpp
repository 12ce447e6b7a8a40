#include "tools/devservice/HttpRequest.h"

#include <gtest/gtest.h>

namespace {

// The browser's own requests (double-slash targets, the search line's tabs, form bodies) reach the
// service in the programs' end-to-end tests; these are the other shapes.
CHttpRequest Parse(const std::string& head) {
    CHttpRequest request;
    EXPECT_TRUE(request.ParseHead(head)) << head;
    return request;
}

TEST(DevServiceRequest, AbsoluteUriThroughAnHttpProxy) {
    CHttpRequest r =
        Parse("GET http://api.foldven.test:81//GetFileList.aspx?MD=FL&step=4&PID=1156 HTTP/1.0\r\n\r\n");
    EXPECT_EQ("/GetFileList.aspx", r.m_path);
    EXPECT_EQ("FL", r.m_params.Get("MD"));
    EXPECT_EQ(1156, r.m_params.GetInt("PID", -1));

    CHttpRequest bare = Parse("GET HTTP://host HTTP/1.1\r\n\r\n");
    EXPECT_EQ("/", bare.m_path);
}

TEST(DevServiceRequest, RejectsLinesWithoutTargetOrVersion) {
    CHttpRequest r;
    EXPECT_FALSE(r.ParseHead("GET\r\n\r\n"));
    EXPECT_FALSE(r.ParseHead("GET /x\r\n\r\n"));
    EXPECT_FALSE(r.ParseHead("GET /x FTP/1.0\r\n\r\n"));
    EXPECT_FALSE(r.ParseHead("GET  HTTP/1.0\r\n\r\n"));
    EXPECT_FALSE(r.ParseHead("GET relative HTTP/1.0\r\n\r\n"));
}

TEST(DevServiceRequest, DecodingLeavesBrokenEscapesAlone) {
    EXPECT_EQ("%zz%4", CQueryString::Decode("%zz%4"));
    EXPECT_EQ("a b+", CQueryString::Decode("a+b%2B"));
    CQueryString q;
    q.Parse("a=1&a=2&&=x&b");
    EXPECT_EQ("1", q.Get("a"));
    EXPECT_TRUE(q.Has("b"));
    EXPECT_EQ(-5, q.GetInt("b", -5));
}

}  // namespace
