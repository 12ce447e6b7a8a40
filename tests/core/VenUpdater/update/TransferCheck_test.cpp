#include "VenUpdater/update/TransferCheck.h"

#include <gtest/gtest.h>

namespace {

TEST(TransferCheck, TheReplysLengthWinsAndTheListsSizeStandsInWhenThereIsNone) {
    EXPECT_EQ(ExpectedTransferSize("5034944", 5034944), 5034944);
    EXPECT_EQ(ExpectedTransferSize("4000", 5000), 4000);
    EXPECT_EQ(ExpectedTransferSize("", 5034944), 5034944);
    EXPECT_EQ(ExpectedTransferSize("", 0), 0);
    EXPECT_EQ(ExpectedTransferSize("12ab", 12), -1);
    EXPECT_EQ(ExpectedTransferSize("-5", 12), -1);
    EXPECT_EQ(ExpectedTransferSize("99999999999999999999", 12), -1);
}

TEST(TransferCheck, DateStampsAreTwelveDigitsOfARealLocalTime) {
    CDateStamp stamp;
    ASSERT_TRUE(ParseDateStamp("202412312359", stamp));
    EXPECT_EQ(stamp.year, 2024);
    EXPECT_EQ(stamp.month, 12);
    EXPECT_EQ(stamp.day, 31);
    EXPECT_EQ(stamp.hour, 23);
    EXPECT_EQ(stamp.minute, 59);
    EXPECT_TRUE(ParseDateStamp("202402290000", stamp));
    for (const char* text : {"202302290000", "202413010000", "202400010000", "202401012400", "202401010060",
                             "2024010100", "2, 3, 1, 2", "20240101000a", "", "159912312359"})
        EXPECT_FALSE(ParseDateStamp(text, stamp)) << text;
}

}  // namespace
