#include "FoldVenBrowser/catalogue/ListRows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "tests/core/FoldVenBrowser/catalogue/CatalogueFakes.h"

namespace {

using ::testing::ElementsAre;
using namespace ListRows;

// A level-3 folder as the list shows it: the parent row, then the view's items in view order.
class ListRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        location.level = 3;
        for (const CRemoteItem& item :
             {MakeItem(5, 9, 4, "자막"), MakeItem(6, 9, 4, "Bonus"), MakeItem(7, 9, 4, "same.avi", false),
              MakeItem(8, 9, 4, "same.avi", false), MakeItem(3, 9, 4, "a.srt", false)})
            view.push_back(item);
        rows.push_back(kParentRow);
        texts.push_back("..");
        for (std::size_t i = 0; i < view.size(); ++i) {
            rows.push_back(DataOfViewIndex(i));
            texts.push_back(view[i].name);
        }
    }

    // Sorts the rows as a header click does and returns the names the rows' items carry.
    std::vector<std::string> SortRows(bool ascending) {
        const std::vector<std::size_t> order = SortedOrder(texts, ascending, kText);
        std::vector<std::intptr_t> sortedRows;
        std::vector<std::string> sortedTexts;
        for (std::size_t i : order) {
            sortedRows.push_back(rows[i]);
            sortedTexts.push_back(texts[i]);
        }
        rows = sortedRows;
        texts = sortedTexts;
        std::vector<std::string> names;
        for (std::intptr_t data : rows) {
            const CRemoteItem* item = ItemOfRow(view, data);
            names.push_back(item ? item->name : "(parent)");
        }
        return names;
    }

    CRemoteLocation location;
    CRemoteItemArray view;
    std::vector<std::intptr_t> rows;
    std::vector<std::string> texts;
};

TEST_F(ListRowsTest, EveryRowKeepsItsOwnItemAcrossSorts) {
    EXPECT_THAT(SortRows(false), ElementsAre("자막", "same.avi", "same.avi", "a.srt", "Bonus", "(parent)"));
    for (std::size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ(texts[r - 1], ItemOfRow(view, rows[r - 1])->name) << "row " << r - 1;
    // The two files of one name are two items: each row hands over its own id.
    std::vector<DownloadItem> items;
    ASSERT_EQ(DownloadCheck::kOk, CollectDownloads(location, view, {rows[2], rows[1]}, items));
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ("8", items[0].id);
    EXPECT_EQ("7", items[1].id);
    EXPECT_EQ(".same.avi", items[0].name) << "path and name joined by a dot";

    EXPECT_THAT(SortRows(true), ElementsAre("(parent)", "Bonus", "a.srt", "same.avi", "same.avi", "자막"));
    EXPECT_EQ(nullptr, ItemOfRow(view, DataOfViewIndex(view.size())));
    EXPECT_EQ(nullptr, ItemOfRow(view, -3));
}

TEST_F(ListRowsTest, DownloadNeedsFileLevelAndARealRow) {
    std::vector<DownloadItem> items;
    EXPECT_EQ(DownloadCheck::kNothingSelected, CollectDownloads(location, view, {kParentRow}, items));
    EXPECT_EQ(DownloadCheck::kNothingSelected, CollectDownloads(location, view, {}, items));
    location.level = 2;
    EXPECT_EQ(DownloadCheck::kNotFileLevel, CollectDownloads(location, view, {rows[1]}, items));
    EXPECT_TRUE(items.empty());
}

TEST(ListRowsSort, ColumnTypes) {
    EXPECT_THAT(SortedOrder({"10", "9", "x", "-1"}, true, kInteger), ElementsAre(3, 2, 1, 0));
    EXPECT_THAT(SortedOrder({"10", "9", "2.5"}, true, kReal), ElementsAre(2, 1, 0));
    EXPECT_THAT(SortedOrder({"9", "10", "가", "b", "B"}, true, kText), ElementsAre(1, 0, 4, 3, 2))
        << "bytes compare unsigned, upper case first";
    EXPECT_THAT(SortedOrder({"b", "B", "a"}, true, kTextNoCase), ElementsAre(2, 0, 1));
    // "갂" ends in the trail byte 0x61 ('a'): upper-casing must leave it alone, or it would equal "갃".
    EXPECT_THAT(SortedOrder({"\xB0\x61", "\xB0\x41"}, true, kTextNoCase), ElementsAre(1, 0));
}

// The order must be strcmp's, stable, in both directions, for texts that share a long prefix and differ
// anywhere: within the first 8 bytes after it, after them, or only in length; with high bytes and with
// bytes after a zero byte (which do not count).
TEST(ListRowsSort, AgreesWithAStableSortOfTheTexts) {
    std::mt19937 random(7);
    const std::string pieces[] = {"", "a", "b", "\xB0\xA1", "\xFF", "0", "00000000", "1", "\x01"};
    for (const std::string& prefix : {std::string(), std::string("\xBF\xB5\xC8\xAD \xC6\xC4\xC0\xCF ")}) {
        std::vector<std::string> texts;
        for (int i = 0; i < 3000; ++i) {
            std::string text = prefix;
            const int parts = static_cast<int>(random() % 5);
            for (int p = 0; p < parts; ++p)
                text += pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))];
            if (random() % 50 == 0)
                text += std::string(1, '\0') + "ignored";
            texts.push_back(text);
        }
        for (bool ascending : {true, false}) {
            std::vector<std::size_t> expected(texts.size());
            for (std::size_t i = 0; i < expected.size(); ++i)
                expected[i] = i;
            std::stable_sort(expected.begin(), expected.end(), [&](std::size_t a, std::size_t b) {
                const int c = std::strcmp(texts[a].c_str(), texts[b].c_str());
                return ascending ? c < 0 : c > 0;
            });
            EXPECT_EQ(expected, SortedOrder(texts, ascending, kText)) << "ascending " << ascending;
        }
    }
}

}  // namespace
