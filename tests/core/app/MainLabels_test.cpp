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

TEST(SearchPlaceholder, PlaceholderComesBackOnlyUntilTheFirstEdit) {
    CSearchPlaceholder field("검색어를 입력 하세요");
    EXPECT_EQ(field.OnFocus(""), "");
    EXPECT_EQ(field.OnBlur(""), "검색어를 입력 하세요");
    EXPECT_EQ(field.OnFocus("검색어를 입력 하세요"), "");
    // Showing the placeholder is itself a change of the text: from then on the field is left alone.
    field.OnChange();
    EXPECT_EQ(field.OnFocus("검색어를 입력 하세요"), "검색어를 입력 하세요");
    EXPECT_EQ(field.OnBlur(""), "");
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
