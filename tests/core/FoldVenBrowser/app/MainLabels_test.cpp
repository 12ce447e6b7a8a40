#include <gtest/gtest.h>

#include "FoldVenBrowser/app/MainLabels.h"
#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/app/WebPages.h"

namespace {

TEST(MainLabels, BalanceIsGroupedAndFlatRateNamesItsEnd) {
    CSessionInfo session;
    session.packetBalance = -1234;
    EXPECT_EQ(MainLabels::Balance(session), "-1,234 P");
    session.packetBalance = 1234567890123LL;
    EXPECT_EQ(MainLabels::Balance(session), "1,234,567,890,123 P");
    EXPECT_EQ(MainLabels::BalanceTip(session),
              "1,234,567,890,123 P 사용가능합니다.클릭하시면 요금충전 페이지로 바로 갈수 있습니다.");

    session.flatRate = 1;
    session.flatRateUntil = "2027-03-31";
    EXPECT_EQ(MainLabels::FlatRate(session), "2027-03-31 까지");
    session.flatRate = 2;
    EXPECT_EQ(MainLabels::FlatRate(session), "미신청");
    // The tooltip names the date also without a plan.
    EXPECT_EQ(MainLabels::FlatRateTip(session),
              "2027-03-31까지 사용 가능합니다.클릭하시면 요금충전 페이지로 바로 갈수 있습니다.");
}

TEST(SearchPlaceholder, ShowsOnlyWhileEmptyAndUnfocusedAndIsNeverAKeyword) {
    const std::string placeholder = "검색어를 입력 하세요";
    CSearchPlaceholder field(placeholder);
    // Leaving the empty field shows it; the program's own setting of the text is no edit.
    EXPECT_EQ(field.OnBlur(""), placeholder);
    field.OnChange(placeholder);
    EXPECT_EQ(field.Keyword(placeholder), "");
    // Entering the field clears it, every time.
    EXPECT_EQ(field.OnFocus(placeholder), "");
    field.OnChange("");
    field.OnChange("abc");
    EXPECT_EQ(field.Keyword("abc"), "abc");
    EXPECT_EQ(field.OnBlur("abc"), "abc");
    EXPECT_EQ(field.OnFocus("abc"), "abc");
    EXPECT_EQ(field.OnBlur(""), placeholder);
    field.OnChange(placeholder);
    EXPECT_EQ(field.OnFocus(placeholder), "");
    // The same words typed by the user are searched for.
    field.OnChange(placeholder);
    EXPECT_EQ(field.Keyword(placeholder), placeholder);
    EXPECT_EQ(field.OnBlur(placeholder), placeholder);
    EXPECT_EQ(field.OnFocus(placeholder), placeholder);
}

TEST(MainPages, AccountValuesCannotBreakOutOfTheAddress) {
    EXPECT_EQ(MainPages::Charging("web:8080", "mail@foldven.test", "p&ss w0rd\""),
              "http://web:8080/login/index_app.php?pg_mode=login&userid=mail%40foldven.test"
              "&userpw=p%26ss%20w0rd%22&go_url=/mypage/account2/?pg_mode=packet_account");
    EXPECT_EQ(
        MainPages::Memo("web", "tester", "test1234"),
        "http://web/login/index_app.php?pg_mode=login&userid=tester&userpw=test1234&go_url=/mypage/memo");
}

}  // namespace
