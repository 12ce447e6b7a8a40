#include "tools/devservice/ApiPages.h"

#include <gtest/gtest.h>

#include "tools/devservice/TextUtil.h"

namespace {

class DevServiceApi : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_data = new CServiceData;
        std::string error;
        ASSERT_TRUE(s_data->Load(FV_DEVSERVICE_DATA, error)) << error;
    }
    static void TearDownTestSuite() {
        delete s_data;
        s_data = nullptr;
    }

    static CQueryString Query(const std::string& text) {
        CQueryString q;
        q.Parse(text);
        return q;
    }

    // The lines of a list reply, each split at tabs; `count` gets the leading field.
    static std::vector<std::vector<std::string>> Lines(const std::string& reply,
                                                       std::string* count = nullptr) {
        const std::string start = "S\t0\tS0\t";
        EXPECT_EQ(0u, reply.compare(0, start.size(), start)) << reply;
        std::string rest = reply.substr(start.size());
        size_t tab = rest.find('\t');
        if (count != nullptr) {
            *count = rest.substr(0, tab);
        }
        rest = rest.substr(tab + 1);
        std::vector<std::vector<std::string>> lines;
        for (const std::string& line : CTextUtil::Split(rest, '\n')) {
            if (!line.empty()) {
                EXPECT_EQ('\r', line.back());
                lines.push_back(CTextUtil::Split(line.substr(0, line.size() - 1), '\t'));
            }
        }
        return lines;
    }

    std::string Login(const std::string& query) { return CApiPages(*s_data).Login(Query(query)); }
    std::string List(const std::string& query, const std::string& cookie = "LK-tester-0001") {
        return CApiPages(*s_data).FileList(Query(query), cookie);
    }

    static CServiceData* s_data;
};

CServiceData* DevServiceApi::s_data = nullptr;

// The browser's client reads a whole login reply in ClientAgainstService; here the flat-rate account and
// the refusals, which the programs' tests rely on.
TEST_F(DevServiceApi, LoginRepliesAndRefusals) {
    std::vector<std::string> f = CTextUtil::Split(Login("UID=flatfan&PWD=flat5678&VER=2.3.1.2"), '\t');
    ASSERT_EQ(13u, f.size());  // envelope, ten fields, the empty text after the last tab
    EXPECT_EQ("1", f[7]);
    EXPECT_EQ("Y", f[8]);
    EXPECT_EQ("2027-03-31", f[10]);
    EXPECT_EQ("F\t105\t", Login("UID=tester&PWD=wrong&VER=2.3.1.2"));
    EXPECT_EQ("F\t105\t", Login("UID=TESTER&PWD=test1234&VER=2.3.1.2"));
    EXPECT_EQ("F\t105\t", Login("UID=nobody&PWD=test1234&VER=2.3.1.2"));
    EXPECT_EQ("F\t101\t", Login("UID=blocked&PWD=blocked1&VER=2.3.1.2"));
}

TEST_F(DevServiceApi, DeepLinesCarryTheirFolderPath) {
    bool sawFolder = false;
    for (const auto& f : Lines(List("MD=FL&step=4&PID=1156"))) {
        ASSERT_EQ(11u, f.size());
        EXPECT_EQ("5", f[2]);
        EXPECT_EQ("/TV/드라마/사랑의 온도 (전16화)/9~16화", f[8]);
        if (f[7] == "D") {
            sawFolder = true;
            EXPECT_EQ("-1", f[3]);
            EXPECT_GT(std::stoll(f[10]), 0);
        } else {
            EXPECT_EQ(f[3], f[10]);
        }
    }
    EXPECT_TRUE(sawFolder);
}

TEST_F(DevServiceApi, SearchPastTheLastCategoryFindsNothingAndGeneratesManyRows) {
    const std::string se =
        "step=2&UID=tester&LID=IK7F3A21C0&STYPE=0&MD=SE&SEARCHTYPE=0&start=0&cate1=movie&Keyword=";
    // What the browser's search finds, forbids and misses is BrowserSearchTest's (end to end). Past 문서
    // (10) nothing; the generated names serve the benchmarks.
    std::string count;
    EXPECT_EQ("S\t0\tS0\t0\t",
              List(std::string(se).replace(se.find("SEARCHTYPE=0"), 12, "SEARCHTYPE=11") + "%BC%AD%BF%EF"));

    const auto generated = Lines(CApiPages(*s_data).FileList(Query(se + "ab"), "", 10000), &count);
    EXPECT_EQ("10000", count);
    ASSERT_EQ(10000u, generated.size());
    EXPECT_EQ("ab 10000.avi", generated.back()[4]);
}

// What the real service relies on: a client that drops one of these gets the failure reply.
TEST_F(DevServiceApi, RequestsWithoutWhatTheServiceReliesOnAreRefused) {
    EXPECT_EQ("F\t102\t", Login("UID=tester&PWD=test1234"));
    EXPECT_EQ("F\t102\t", Login("UID=tester&PWD=test1234&VER="));

    const std::string paged = "MD=ML&step=2&PID=101&cate1=mo001&cate2=movie&start=0";
    EXPECT_FALSE(Lines(List(paged)).empty());
    EXPECT_EQ("F\t101\t", List(paged, ""));
    EXPECT_EQ("F\t101\t", List(paged, "LK-blocked-0006"));
    EXPECT_EQ("F\t101\t", List("MD=BC&FID=0", "User=Update"));
    EXPECT_EQ("F\t102\t", List("MD=ML&PID=101&cate1=mo001&cate2=movie&start=0"));
    EXPECT_EQ("F\t102\t", List("MD=ML&step=2&PID=101&cate2=movie&start=0"));
    EXPECT_EQ("F\t102\t", List("MD=ML&step=2&PID=101&cate1=mo001&start=0"));
    EXPECT_EQ("F\t102\t", List("MD=FL&PID=1156"));

    const std::string search = "step=2&UID=tester&STYPE=0&MD=SE&SEARCHTYPE=0&start=0&Keyword=%BC%AD%BF%EF";
    EXPECT_FALSE(Lines(List(search + "&LID=IK7F3A21C0", "")).empty());  // the search sends no cookie
    EXPECT_EQ("F\t101\t", List(search, ""));
    EXPECT_EQ("F\t101\t", List(search + "&LID=IK19D4B7E2", ""));  // another account's key
}

TEST(DevServiceCatalogue, BadDataFilesAreRefusedWithTheLine) {
    CCatalogue c;
    std::string error;
    EXPECT_FALSE(c.LoadText({"D 1 movie 영화", "F 1 10 dup"}, error));
    EXPECT_NE(std::string::npos, error.find("line 2"));
    EXPECT_FALSE(c.LoadText({"D 1 movie 영화", "    F 2 10 too deep"}, error));
    EXPECT_FALSE(c.LoadText({"F 2 12Q bad size"}, error));
    EXPECT_FALSE(c.LoadText({"F 2 1 file", "  F 3 1 inside a file"}, error));
    // Sizes and capacities that 64 bits cannot hold are bad sizes, not wrapped numbers.
    EXPECT_FALSE(c.LoadText({"F 2 9000000000T huge"}, error));
    EXPECT_NE(std::string::npos, error.find("bad size"));
    EXPECT_FALSE(c.LoadText({"F 2 99999999999999999999 huge"}, error));
    EXPECT_FALSE(c.LoadText({"D 1 movie 영화", "  F 2 8000000T a", "  F 3 8000000T b"}, error));
    EXPECT_NE(std::string::npos, error.find("line 3: bad size"));
    EXPECT_TRUE(c.LoadText({"# comment", "D 1 movie 영화", "  D 2 mo1 sub", "    F 3 2K f"}, error)) << error;
    EXPECT_EQ(2048, c.Find(3)->size);
    EXPECT_EQ(2048, c.Find(1)->capacity);
    EXPECT_EQ("/영화/sub", c.Find(3)->path);
}

}  // namespace
