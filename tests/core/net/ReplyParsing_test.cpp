#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/HttpClient.h"
#include "net/ReplyReaders.h"
#include "net/ServiceHosts.h"
#include "net/UrlEscape.h"

namespace {

TEST(ReplyReaders, FieldsEndAtOneTab) {
    std::string text = "\tabc";
    EXPECT_EQ(NextField(text), "");
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(NextField(text), "abc");
    EXPECT_EQ(text, "");
    EXPECT_EQ(NextField(text), "");

    text = "a\t\tb";
    EXPECT_EQ(NextField(text), "a");
    EXPECT_EQ(NextField(text), "");
    EXPECT_EQ(NextField(text), "b");
}

TEST(ReplyReaders, CharTakesTheFirstLetterOrAZeroDigit) {
    std::string text = "S\t0\t";
    EXPECT_EQ(NextChar(text), 'S');
    EXPECT_EQ(text, "0\t");
    text = "\t0";
    EXPECT_EQ(NextChar(text), '0');
    EXPECT_EQ(text, "0");
    text = "xyz";  // no tab: one character is dropped
    EXPECT_EQ(NextChar(text), '0');
    EXPECT_EQ(text, "yz");
    text.clear();
    EXPECT_EQ(NextChar(text), 0);
}

TEST(ReplyReaders, NumbersReadLeadingDigitsAndNeverOverflow) {
    std::string text = "42abc\t-7\t\tx\t99999999999\t123456789012345\t99999999999999999999999\t-99999999999";
    EXPECT_EQ(NextInt(text), 42);
    EXPECT_EQ(NextInt(text), -7);
    EXPECT_EQ(NextInt(text), 0);
    EXPECT_EQ(NextInt(text), 0);
    EXPECT_EQ(NextInt(text), 2147483647);
    EXPECT_EQ(NextInt64(text), 123456789012345LL);
    EXPECT_EQ(NextInt64(text), INT64_MAX);
    EXPECT_EQ(NextInt(text), INT32_MIN);
}

TEST(ReplyReaders, LinesEndAtCrLfAndAreTrimmed) {
    std::string text = "  one\t \r\ntwo\nstill two\r\n";
    EXPECT_EQ(NextLine(text), "one");
    EXPECT_EQ(text, "two\nstill two\r\n");
    EXPECT_EQ(NextLine(text), "two\nstill two");
    EXPECT_EQ(text, "");
    text = " last ";
    EXPECT_EQ(NextLine(text), "last");
    EXPECT_EQ(text, "");
}

TEST(UrlEscape, EscapesReservedControlsAndHighBytes) {
    EXPECT_EQ(UrlEscape("a b"), "a%20b");
    EXPECT_EQ(UrlEscape("x:y"), "x%3Ay");
    EXPECT_EQ(UrlEscape("-_.*()'"), "-_.*()'");
    EXPECT_EQ(UrlEscape("\"<>%\\^[]`+$,@:;/!#?=&"),
              "%22%3C%3E%25%5C%5E%5B%5D%60%2B%24%2C%40%3A%3B%2F%21%23%3F%3D%26");
    EXPECT_EQ(UrlEscape(std::string("\x01\x7f{|}~", 6)), "%01%7F%7B%7C%7D%7E");
    EXPECT_EQ(UrlEscape("\xB0\xA1"), "%B0%A1");  // one Hangul syllable: two groups
    EXPECT_EQ(UrlEscape("azAZ09"), "azAZ09");
}

TEST(SplitHostPort, PortWhenGivenElseTheDefault) {
    EXPECT_EQ(SplitHostPort("api.example", 80).host, "api.example");
    EXPECT_EQ(SplitHostPort("api.example", 80).port, 80u);
    EXPECT_EQ(SplitHostPort("127.0.0.1:8123", 80).host, "127.0.0.1");
    EXPECT_EQ(SplitHostPort("127.0.0.1:8123", 80).port, 8123u);
    EXPECT_EQ(SplitHostPort("h:99999", 80).port, 80u);
    EXPECT_EQ(SplitHostPort("h:x1", 80).port, 80u);
}

TEST(ParseHeader, StatusAndContentLengthTokens) {
    std::string status;
    EXPECT_EQ(CHttpClient::ParseHeader("HTTP/1.1 200 OK\r\nContent-Length: 1234\r\n", status), 1234);
    EXPECT_EQ(status, "200");
    EXPECT_EQ(CHttpClient::ParseHeader("HTTP/1.0 200 OK\r\nContent-Length:1234\r\n", status), 0);
    EXPECT_EQ(CHttpClient::ParseHeader("HTTP/1.0 404 Not Found\r\ncontent-length: 5\r\n", status), 0);
    EXPECT_EQ(status, "404");
    EXPECT_EQ(CHttpClient::ParseHeader("garbage\r\nContent-Length: 7\r\n", status), 7);
    EXPECT_EQ(status, "404");  // no status line at all reads as not found
    EXPECT_EQ(CHttpClient::ParseHeader("xHTTP\r\n", status), 0);
    EXPECT_EQ(status, "");
}

}  // namespace
