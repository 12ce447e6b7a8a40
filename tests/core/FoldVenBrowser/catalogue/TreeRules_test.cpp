#include "FoldVenBrowser/catalogue/TreeRules.h"

#include <gtest/gtest.h>

#include "tests/core/FoldVenBrowser/catalogue/CatalogueFakes.h"

namespace {

using namespace TreeRules;

TEST(TreeRules, OnlyFolderCategoriesOfTheUpperTwoLevelsAreShown) {
    CRemoteLocation root;
    EXPECT_TRUE(ShowsChild(MakeItem(1, 0, 1, "영화"), root));
    EXPECT_FALSE(ShowsChild(MakeItem(2, 0, 1, "file", false), root)) << "files never";
    CRemoteItem lower = MakeItem(3, 0, 1, "d");
    lower.type = "d";
    EXPECT_FALSE(ShowsChild(lower, root)) << "only types beginning with 'D'";
    EXPECT_FALSE(ShowsChild(MakeItem(4, 0, 2, "skips a level"), root));

    CRemoteLocation category;
    category.id = 1;
    category.level = 1;
    EXPECT_TRUE(ShowsChild(MakeItem(101, 1, 2, "한국영화"), category));
    EXPECT_FALSE(ShowsChild(MakeItem(102, 7, 2, "other parent"), category));
    category.id = 101;
    category.level = 2;
    EXPECT_FALSE(ShowsChild(MakeItem(1001, 101, 3, "level 3"), category));

    EXPECT_FALSE(MayInsert(MakeItem(901, 0, 1, ".waste_basket")));
    EXPECT_TRUE(MayInsert(MakeItem(902, 0, 1, ".share")));
}

TEST(TreeRules, ItemPathFromAncestors) {
    EXPECT_EQ("/", ItemPath({}));
    EXPECT_EQ("/영화", ItemPath({"영화"}));
    EXPECT_EQ("/.share/x", ItemPath({"x", "공유시킨 폴더"})) << "internal names, top down";
    EXPECT_EQ("/포토 앨범", ItemPath({"포토 앨범", "/"})) << "not mapped back; \"/\" is skipped";
    EXPECT_EQ("/", ItemPath({"선택한 폴더내용"}));
    EXPECT_EQ("/x", ItemPath({"x", "선택한 폴더내용"}));
    EXPECT_EQ("/a/b", ItemPath({"b", "/a/"}));
}

TEST(TreeRules, IconsAndIconKeys) {
    CRemoteItem adult = MakeItem(121, 0, 1, "성인게임");
    adult.adult = 'A';
    EXPECT_EQ(CatalogueIcon::kAdultFolder, IconFor(adult));
    EXPECT_EQ(CatalogueIcon::kCategory2, IconFor(MakeItem(101, 1, 2, "한국영화")));
    EXPECT_EQ(CatalogueIcon::kShellFolder, IconFor(MakeItem(1001, 101, 3, "f")));
    CRemoteItem adultFile = MakeItem(7, 110, 3, "x.avi", false);
    adultFile.adult = 'A';
    EXPECT_EQ(CatalogueIcon::kShellFile, IconFor(adultFile));

    EXPECT_EQ("gz", FileIconKeyOf("a.tar.gz").key);
    EXPECT_EQ("", FileIconKeyOf("dir.d\\file").key);
    EXPECT_EQ("", FileIconKeyOf("noext").key);
    EXPECT_TRUE(FileIconKeyOf("folder/").folder);
    EXPECT_EQ("\\", FileIconKeyOf("folder\\").key);
    EXPECT_EQ("AVI", FileIconKeyOf("영화.AVI").key);
}

}  // namespace
