#include "FoldVenBrowser/app/Notices.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseNoticeReply, FirstLineGoesToTheFirstLabelAndTheLastLongLineToTheSecond) {
    const NoticeLines lines = ParseNoticeReply(
        "S0\t3\t1027\t서비스 점검 안내입니다\r\n1030\t새 기능이 추가되었습니다\r\n1041\t설 연휴 고객센터 "
        "안내\r\n");
    EXPECT_EQ(lines.firstIndex, "1027");
    EXPECT_EQ(lines.firstTitle, "서비스 점검 안내입니다");
    EXPECT_EQ(lines.secondIndex, "1041");
    EXPECT_EQ(lines.secondTitle, "설 연휴 고객센터 안내");
}

TEST(ParseNoticeReply, AShortFirstLineCountsButShowsNothing) {
    // "12\tshort" is 8 bytes: the first label stays empty and the next line is the second notice.
    const NoticeLines lines = ParseNoticeReply("S0\t2\t12\tshort\r\n1030\tSecond notice title\r\n");
    EXPECT_EQ(lines.firstIndex, "");
    EXPECT_EQ(lines.firstTitle, "");
    EXPECT_EQ(lines.secondIndex, "1030");
    EXPECT_EQ(lines.secondTitle, "Second notice title");

    // Exactly 10 bytes is still too short.
    EXPECT_EQ(ParseNoticeReply("S0\t1\t1234\tabcde\r\n1030\tSecond notice title").firstTitle, "");
}

TEST(ParseNoticeReply, ALastLineWithoutLineEndIsReadOnce) {
    const NoticeLines lines =
        ParseNoticeReply("S0\t2\t1027\tFirst notice title\r\n  1028\tLast notice title  ");
    EXPECT_EQ(lines.firstTitle, "First notice title");
    EXPECT_EQ(lines.secondIndex, "1028");
    EXPECT_EQ(lines.secondTitle, "Last notice title");

    const NoticeLines single = ParseNoticeReply("S0\t1\t1027\tOnly notice title");
    EXPECT_EQ(single.firstIndex, "1027");
    EXPECT_EQ(single.firstTitle, "Only notice title");
    EXPECT_EQ(single.secondTitle, "");
}

TEST(ParseNoticeReply, RepliesWithoutTheMarkerOrWithoutLinesShowNothing) {
    for (const char* reply : {"", "1027\tNotice title long enough\r\n",
                              "S1\t1\t1027\tNotice title long enough", "S0\t", "S0\t0\t", "S0\t3"}) {
        const NoticeLines lines = ParseNoticeReply(reply);
        EXPECT_EQ(lines.firstIndex + lines.firstTitle + lines.secondIndex + lines.secondTitle, "") << reply;
    }
}

TEST(ParseNoticeReply, StopsWhenTheRestIsShortOrHasNoTab) {
    // The rest after the first line has no tab: parsing ends there.
    const NoticeLines noTab =
        ParseNoticeReply("S0\t2\t1027\tFirst notice title\r\nplain text without tabs here");
    EXPECT_EQ(noTab.firstTitle, "First notice title");
    EXPECT_EQ(noTab.secondTitle, "");
    // A rest of 9 bytes ends it too.
    const NoticeLines shortRest = ParseNoticeReply("S0\t2\t1027\tFirst notice title\r\n1\tabcdefg");
    EXPECT_EQ(shortRest.secondTitle, "");
}

TEST(LoginPages, ANoticeIndexCannotBreakOutOfTheAddress) {
    EXPECT_EQ(LoginPages::Notice("web", "1\" -nohome &x=y"),
              "http://web/cust/notice.php?pg_mode=view&idx=1%22%20-nohome%20%26x%3Dy");
}

}  // namespace
