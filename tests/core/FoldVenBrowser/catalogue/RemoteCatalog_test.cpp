#include "FoldVenBrowser/catalogue/RemoteCatalog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "FoldVenBrowser/catalogue/SpecialFolders.h"
#include "tests/core/FoldVenBrowser/catalogue/CatalogueFakes.h"

namespace {

using ::testing::ElementsAre;

class RemoteCatalogTest : public ::testing::Test {
protected:
    void SetUp() override { catalog.SetListingSource(&service); }
    void Load(CRemoteLocation& loc, bool keepView = false) {
        ASSERT_TRUE(catalog.LoadChildren(loc, keepView));
    }

    FakeListingSource service;
    CRemoteCatalog catalog;
    CRemoteLocation root;
};

TEST_F(RemoteCatalogTest, RootFromTheCachePutsTheWasteBasketFirst) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(4, 0, 1, ".share"),
                     MakeItem(5, 0, 1, ".photo_service"), MakeItem(3, 0, 1, ".waste_basket"),
                     MakeItem(2, 0, 1, "Game")};
    Load(root);
    catalog.ShowChildren(root.ToItem());
    // ".photo_service" takes the place where ".waste_basket" had sorted; the root record is not there.
    EXPECT_THAT(Names(catalog.m_view),
                ElementsAre(".waste_basket", ".share", ".photo_service", "Game", "영화"));
    EXPECT_EQ("휴지통", DisplayName(catalog.m_view[0].name));
    EXPECT_EQ("공유시킨 폴더", DisplayName(".share"));
    EXPECT_EQ("포토 앨범", DisplayName(".photo_service"));
    EXPECT_EQ(".share", InternalName("공유시킨 폴더"));
    EXPECT_EQ("포토 앨범", InternalName("포토 앨범"));
}

TEST_F(RemoteCatalogTest, TheRootRecordIsNeverAmongTheRootsChildren) {
    catalog.ShowChildren(root.ToItem());  // before any listing the cache holds only the root record
    EXPECT_TRUE(catalog.m_view.empty());
    CRemoteLocation cur;
    cur.id = 9;
    CRemoteLocation listedRoot;
    listedRoot.listed = 1;
    ASSERT_TRUE(catalog.ShowFolder(cur, listedRoot));
    EXPECT_TRUE(catalog.m_view.empty());
}

// Below the root ".waste_basket" is a folder like any other. Names compare without the case of ASCII
// letters; the bytes of a double-byte character compare as they are, also a trail byte that looks like a
// letter (0x41 'A', 0x5A 'Z') or like a lead byte (0xA1 in "가").
TEST_F(RemoteCatalogTest, BelowTheRootNamesSortWithoutCaseByTheKoreanCodePage) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(20, 1, 2, "b"), MakeItem(21, 1, 2, ".waste_basket"),
                     MakeItem(22, 1, 2, "A"), MakeItem(23, 1, 2, "\x81\x61"), MakeItem(24, 1, 2, "\x81\x41"),
                     MakeItem(25, 1, 2, "\xB0\x7A"), MakeItem(26, 1, 2, "\xB0\x5A"),
                     MakeItem(27, 1, 2, "가B"), MakeItem(28, 1, 2, "가a"), MakeItem(29, 1, 2, "a.txt", false),
                     MakeItem(30, 1, 2, ".z", false), MakeItem(31, 1, 2, ".archive"),
                     // Long names that differ only far in.
                     MakeItem(32, 1, 2, "Series of files, part 1 - 02.avi", false),
                     MakeItem(33, 1, 2, "series of files, part 1 - 01.avi", false),
                     MakeItem(34, 1, 2, "series of files, part 1 - 01.avi.smi", false)};
    Load(root);
    CRemoteLocation movies;
    movies.SetFromItem(catalog.m_view[0]);
    Load(movies, true);
    catalog.ShowChildren(catalog.m_view[0]);  // a view item may name the folder that replaces the view
    EXPECT_THAT(Names(catalog.m_view),
                ElementsAre(".archive", ".waste_basket", "A", "b", "\x81\x41", "\x81\x61", "\xB0\x5A",
                            "\xB0\x7A", "가a", "가B", ".z", "a.txt", "series of files, part 1 - 01.avi",
                            "series of files, part 1 - 01.avi.smi", "Series of files, part 1 - 02.avi"));
}

TEST_F(RemoteCatalogTest, AFetchKeepsTheServiceOrderWithFoldersFirstAndReplacesTheCache) {
    service.items = {MakeItem(10, 0, 1, "z.txt", false), MakeItem(11, 0, 1, "B"),
                     MakeItem(12, 0, 1, "a.txt", false), MakeItem(13, 0, 1, "A")};
    Load(root);
    EXPECT_THAT(Names(catalog.m_view), ElementsAre("B", "A", "z.txt", "a.txt"));
    EXPECT_EQ(1, root.listed);
    Load(root, true);
    EXPECT_EQ(4u, catalog.m_all.size());  // refetched, not added twice; the root record went too
    EXPECT_EQ(4u, catalog.m_view.size());
}

TEST_F(RemoteCatalogTest, FailedFetchesAreReported) {
    service.fail = true;
    EXPECT_FALSE(catalog.Refresh(root));
    EXPECT_EQ(0, root.listed);
    ASSERT_TRUE(catalog.m_all.empty());  // the root record went with the root's children
    EXPECT_FALSE(catalog.Refresh(root));
    CRemoteCatalog unconnected;
    EXPECT_FALSE(unconnected.LoadChildren(root, false));
}

TEST_F(RemoteCatalogTest, ShowFolderWithTheCurrentFolderChangesNothing) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(2, 0, 1, "게임")};
    Load(root);
    CRemoteLocation same = root;
    same.listed = 0;
    EXPECT_TRUE(catalog.ShowFolder(root, same));
    EXPECT_THAT(Names(catalog.m_view), ElementsAre("영화", "게임"));
    EXPECT_EQ(1u, service.requests.size());
}

TEST_F(RemoteCatalogTest, ShowFolderToTheRootNeverFetchesTheFolderLeft) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(20, 1, 2, "액션")};
    CRemoteLocation cur;
    cur.SetFromItem(service.items[0]);  // the list's folder, not listed
    ASSERT_TRUE(catalog.ShowFolder(cur, root));
    ASSERT_EQ(1u, service.requests.size());
    EXPECT_EQ(0, service.requests[0].id);
    EXPECT_THAT(Names(catalog.m_view), ElementsAre("영화"));
    EXPECT_EQ(1, cur.id);  // the caller moves its location
}

TEST_F(RemoteCatalogTest, LookupsMissSafely) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(2, 0, 1, "a.txt", false)};
    Load(root);
    EXPECT_TRUE(catalog.FindById(404).name == "/" && catalog.FindById(404).size == -1);
    CRemoteItem found;
    EXPECT_EQ(-1, catalog.FindByTreeItem(0, found));  // items without a node do not answer for "no node"
    CRemoteLocation untouched;
    untouched.start = 30;
    EXPECT_FALSE(catalog.SelectByName(untouched, "영 화"));
    EXPECT_TRUE(untouched.IsRoot() && untouched.start == 30);

    EXPECT_TRUE(catalog.IsFolderAt(0));
    EXPECT_FALSE(catalog.IsFolderAt(1));
    EXPECT_FALSE(catalog.IsFolderAt(2));
    EXPECT_FALSE(catalog.IsFolderAt(static_cast<std::size_t>(-1)));
    EXPECT_THROW(catalog.m_view.SetAt(2, CRemoteItem()), std::out_of_range);
    EXPECT_THROW(catalog.m_all.SetAt(static_cast<std::size_t>(-1), CRemoteItem()), std::out_of_range);
    EXPECT_THROW(catalog.m_view[5], std::out_of_range);
    EXPECT_EQ(2u, catalog.m_view.size());
}

}  // namespace
