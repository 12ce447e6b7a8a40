#include "FoldVenBrowser/app/Notices.h"

#include <gtest/gtest.h>

namespace {

// The first line goes to the first label, the last long line to the second; a line of 10 bytes or less
// counts but shows nothing; a reply without the marker, or a rest without a tab, ends the reading.
TEST(ParseNoticeReply, FirstLineToTheFirstLabelAndTheLastLongLineToTheSecond) {
    const struct {
        const char* reply;
        const char* shown;  // first index, first title, second index, second title, joined by '|'
    } cases[] = {
        {"S0\t3\t1027\t서비스 점검 안내입니다\r\n1030\t새 기능이 추가되었습니다\r\n1041\t설 연휴 고객센터 "
         "안내\r\n",
         "1027|서비스 점검 안내입니다|1041|설 연휴 고객센터 안내"},
        {"S0\t2\t12\tshort\r\n1030\tSecond notice title\r\n", "||1030|Second notice title"},
        {"S0\t1\t1234\tabcde\r\n1030\tSecond notice title", "||1030|Second notice title"},
        // A last line without its line end is read once.
        {"S0\t2\t1027\tFirst notice title\r\n  1028\tLast notice title  ",
         "1027|First notice title|1028|Last notice title"},
        {"S0\t1\t1027\tOnly notice title", "1027|Only notice title||"},
        {"S0\t2\t1027\tFirst notice title\r\nplain text without tabs here", "1027|First notice title||"},
        {"S0\t2\t1027\tFirst notice title\r\n1\tabcdefg", "1027|First notice title||"},
        {"", "|||"},
        {"1027\tNotice title long enough\r\n", "|||"},
        {"S1\t1\t1027\tNotice title long enough", "|||"},
        {"S0\t", "|||"},
        {"S0\t0\t", "|||"},
        {"S0\t3", "|||"},
    };
    for (const auto& c : cases) {
        const NoticeLines lines = ParseNoticeReply(c.reply);
        EXPECT_EQ(
            lines.firstIndex + "|" + lines.firstTitle + "|" + lines.secondIndex + "|" + lines.secondTitle,
            c.shown)
            << c.reply;
    }
}

TEST(LoginPages, ANoticeIndexCannotBreakOutOfTheAddress) {
    EXPECT_EQ(LoginPages::Notice("web", "1\" -nohome &x=y"),
              "http://web/cust/notice.php?pg_mode=view&idx=1%22%20-nohome%20%26x%3Dy");
}

}  // namespace
