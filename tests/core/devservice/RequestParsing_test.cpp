#include "tools/devservice/HttpRequest.h"

#include <gtest/gtest.h>

namespace {

CHttpRequest Parse(const std::string& head) {
    CHttpRequest request;
    EXPECT_TRUE(request.ParseHead(head)) << head;
    return request;
}

TEST(DevServiceRequest, DoubleSlashTargetOfTheBrowser) {
    CHttpRequest r = Parse(
        "GET //login.aspx?UID=mail%40foldven.test&PWD=p%26ss%20w0rd&VER=2.3.1.2 HTTP/1.0\r\n"
        "Accept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\nHost: 127.0.0.1:8080\r\nCookie: "
        "\r\n\r\n");
    EXPECT_EQ("GET", r.m_method);
    EXPECT_EQ("/login.aspx", r.m_path);
    EXPECT_EQ("HTTP/1.0", r.m_version);
    EXPECT_EQ("mail@foldven.test", r.m_params.Get("UID"));
    EXPECT_EQ("p&ss w0rd", r.m_params.Get("pwd"));
    EXPECT_EQ("127.0.0.1:8080", r.Header("host"));
    EXPECT_EQ("", r.Header("Cookie"));
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

TEST(DevServiceRequest, SearchLineWithFiveTabsAndTwoBlanks) {
    CHttpRequest r = Parse(
        "GET /getfilelist.aspx?step=2&UID=tester&LID=IK 7&STYPE=0&MD=SE&Keyword=%BC%AD%BF%EF&SEARCHTYPE=1"
        "&start=0&\t\t\t\t\tcate1=movie&cate2=mo000  HTTP/1.0\r\n\r\n");
    EXPECT_EQ("/getfilelist.aspx", r.m_path);
    EXPECT_EQ("HTTP/1.0", r.m_version);
    EXPECT_EQ("SE", r.m_params.Get("md"));
    EXPECT_EQ("IK 7", r.m_params.Get("LID"));  // the inform key goes out unescaped
    EXPECT_EQ("\xBC\xAD\xBF\xEF", r.m_params.Get("Keyword"));
    EXPECT_EQ("movie", r.m_params.Get("cate1"));
    EXPECT_EQ("mo000", r.m_params.Get("cate2"));
    EXPECT_EQ(1, r.m_params.GetInt("SEARCHTYPE", -1));
}

TEST(DevServiceRequest, FormBodyAddsParametersAfterTheQuery) {
    CHttpRequest r = Parse(
        "POST //login.aspx?VER=2.3.1.2 HTTP/1.0\r\nContent-Type: application/x-www-form-urlencoded\r\n"
        "Content-Length: 23\r\n\r\n");
    EXPECT_EQ(23, r.ContentLength());
    r.SetBody("UID=tester&PWD=test1234\r\n");
    EXPECT_EQ("tester", r.m_params.Get("UID"));
    EXPECT_EQ("test1234", r.m_params.Get("PWD"));
    EXPECT_EQ("2.3.1.2", r.m_params.Get("VER"));
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
