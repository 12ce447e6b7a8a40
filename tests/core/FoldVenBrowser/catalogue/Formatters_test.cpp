#include "FoldVenBrowser/catalogue/Formatters.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::int64_t kTB = std::int64_t{1} << 40;

TEST(FormatSize, ChangesUnitAndPrecisionAtEachPowerOfTwo) {
    EXPECT_EQ("0 Bytes", FormatSize(0));
    EXPECT_EQ("1023 Bytes", FormatSize(1023));
    EXPECT_EQ("1 KB", FormatSize(1024));
    EXPECT_EQ("1024 KB", FormatSize(1048575));  // rounds up without moving to MB
    EXPECT_EQ("1.00 MB", FormatSize(1048576));
    EXPECT_EQ("1024.00 MB", FormatSize((std::int64_t{1} << 30) - 1));
    EXPECT_EQ("1.00 GB", FormatSize(1073741824));
    EXPECT_EQ("1024.00 GB", FormatSize(kTB - 1));
    EXPECT_EQ("1.000 TB", FormatSize(kTB));
    EXPECT_EQ("3 KB", FormatSize(2560));        // halves round up
    EXPECT_EQ("1.13 MB", FormatSize(1179648));  // 1.125
    EXPECT_EQ("1.001 TB", FormatSize(kTB + kTB / 2000 + 1));
    EXPECT_EQ("8388608.000 TB", FormatSize(std::numeric_limits<std::int64_t>::max()));
}

TEST(FormatSize, NegativeValuesStayInBytes) {
    EXPECT_EQ("-1 Bytes", FormatSize(-1));
    EXPECT_EQ("-1048576 Bytes", FormatSize(-1048576));
    EXPECT_EQ("-9223372036854775808 Bytes", FormatSize(std::numeric_limits<std::int64_t>::min()));
}

TEST(FormatNumber, GroupsThreeDigitsWithCommasAfterAnyMinus) {
    EXPECT_EQ("0", FormatNumber(0));
    EXPECT_EQ("999", FormatNumber(999));
    EXPECT_EQ("1,000", FormatNumber(1000));
    EXPECT_EQ("999,999", FormatNumber(999999));
    EXPECT_EQ("1,234,567", FormatNumber(1234567));
    EXPECT_EQ("9,223,372,036,854,775,807", FormatNumber(std::numeric_limits<std::int64_t>::max()));
    EXPECT_EQ("-1", FormatNumber(-1));
    EXPECT_EQ("-999", FormatNumber(-999));
    EXPECT_EQ("-1,234", FormatNumber(-1234));
    EXPECT_EQ("-100,000", FormatNumber(-100000));
    EXPECT_EQ("-9,223,372,036,854,775,808", FormatNumber(std::numeric_limits<std::int64_t>::min()));
}

}  // namespace
