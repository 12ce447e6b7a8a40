#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FoldVenBrowser/catalogue/NameCompare.h"

namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

TEST(CompareNoCase, FoldsAsciiLettersOnly) {
    EXPECT_EQ(0, CompareNoCase("Movie.AVI", "movie.avi"));
    EXPECT_EQ(-1, Sign(CompareNoCase("abc", "ABD")));
    EXPECT_EQ(-1, Sign(CompareNoCase("ab", "AB ")));
    // Letters fold to lower case, so '_' (0x5F) sorts before 'a' and after 'Z'.
    EXPECT_EQ(-1, Sign(CompareNoCase("_x", "a")));
    EXPECT_EQ(-1, Sign(CompareNoCase("_x", "A")));
}

TEST(CompareNoCase, ComparesDoubleByteCharactersAsTheyAre) {
    // Trail bytes 0x41 and 0x61 look like 'A' and 'a' but belong to two different characters.
    EXPECT_EQ(-1, Sign(CompareNoCase("\x81\x41", "\x81\x61")));
    EXPECT_EQ(1, Sign(CompareNoCase("\x81\x61", "\x81\x41")));
    EXPECT_EQ(0, CompareNoCase("\x81\x41x", "\x81\x41X"));
    // A character whose trail byte is 'Z' against one whose lead is followed by the letter 'z'.
    EXPECT_EQ(-1, Sign(CompareNoCase("\xB0\x5A", "\xB0\x7A")));
    EXPECT_EQ(-1, Sign(CompareNoCase("가", "나")));
    EXPECT_EQ(1, Sign(CompareNoCase("가", "zzz")));  // Hangul after every ASCII name
    EXPECT_EQ(0, CompareNoCase("영화A", "영화a"));
}

TEST(CompareNoCase, ALeadByteCutOffAtTheEndSortsBeforeTheWholeCharacter) {
    EXPECT_EQ(-1, Sign(CompareNoCase("\xB0", "\xB0\xA1")));
    EXPECT_EQ(1, Sign(CompareNoCase("\xB0\xA1", "\xB0")));
    EXPECT_EQ(0, CompareNoCase("a\xB0", "A\xB0"));
}

TEST(CompareNoCase, SortKeysOrderAsTheComparisonDoes) {
    const std::vector<std::string> names = {"",         "a",        "A",        "_",          "Z",
                                            "[",        "\x81\x41", "\x81\x61", "\x81",       "\x81Z",
                                            "가",       "가A",      "가a",      "\xB0",       "\xB0\x5A",
                                            "\xB0\x7A", "zz",       "영화",     "Movie 영화", "movie 영화2"};
    const auto key = [](const std::string& name) {
        std::string out;
        AppendSortKey(out, name);
        return out;
    };
    for (const std::string& a : names) {
        for (const std::string& b : names) {
            EXPECT_EQ(Sign(CompareNoCase(a, b)), Sign(key(a).compare(key(b)))) << a << " / " << b;
        }
    }
}

}  // namespace
