#include "FoldVenBrowser/catalogue/RemoteCatalog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/core/catalogue/CatalogueFakes.h"

namespace {

using ::testing::ElementsAre;

class RemoteCatalogTest : public ::testing::Test {
protected:
    void SetUp() override { catalog.SetListingSource(&service); }

    // Fetches the root's children as the list does at start-up.
    void LoadRoot() { ASSERT_TRUE(catalog.LoadChildren(root, false)); }

    FakeListingSource service;
    CRemoteCatalog catalog;
    CRemoteLocation root;
};

TEST_F(RemoteCatalogTest, RootFromTheCachePutsTheWasteBasketFirst) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(4, 0, 1, ".share"),
                     MakeItem(5, 0, 1, ".photo_service"), MakeItem(3, 0, 1, ".waste_basket"),
                     MakeItem(2, 0, 1, "Game")};
    LoadRoot();
    catalog.ShowChildren(root.ToItem());
    // ".photo_service" takes the place where ".waste_basket" had sorted.
    EXPECT_THAT(Names(catalog.m_view),
                ElementsAre(".waste_basket", ".share", ".photo_service", "Game", "영화"));
}

TEST_F(RemoteCatalogTest, TheRootRecordIsNeverAmongTheRootsChildren) {
    catalog.ShowChildren(root.ToItem());  // before any listing the cache holds only the root record
    EXPECT_TRUE(catalog.m_view.empty());
    CRemoteLocation cur;
    cur.id = 9;
    CRemoteLocation target;
    target.listed = 1;
    ASSERT_TRUE(catalog.ShowFolder(cur, target));
    EXPECT_TRUE(catalog.m_view.empty());
}

TEST_F(RemoteCatalogTest, BelowTheRootTheWasteBasketSortsByName) {
    service.items = {MakeItem(1, 0, 1, "영화"),           MakeItem(20, 1, 2, "b"),
                     MakeItem(21, 1, 2, ".waste_basket"), MakeItem(22, 1, 2, "A"),
                     MakeItem(23, 1, 2, "a.txt", false),  MakeItem(24, 1, 2, ".z", false),
                     MakeItem(25, 1, 2, ".archive")};
    LoadRoot();
    CRemoteLocation movies;
    movies.SetFromItem(catalog.FindById(1));
    ASSERT_TRUE(catalog.LoadChildren(movies, false));
    catalog.ShowChildren(movies.ToItem());
    EXPECT_THAT(Names(catalog.m_view), ElementsAre(".archive", ".waste_basket", "A", "b", ".z", "a.txt"));
}

TEST_F(RemoteCatalogTest, AViewItemCanNameTheFolderToShowNext) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(20, 1, 2, "b"), MakeItem(21, 1, 2, "a")};
    LoadRoot();
    CRemoteLocation movies;
    movies.SetFromItem(catalog.m_view[0]);
    ASSERT_TRUE(catalog.LoadChildren(movies, true));
    catalog.ShowChildren(catalog.m_view[0]);
    EXPECT_THAT(Names(catalog.m_view), ElementsAre("a", "b"));
}

TEST_F(RemoteCatalogTest, AFreshFetchKeepsTheServiceOrderWithFoldersFirst) {
    service.items = {MakeItem(10, 0, 1, "z.txt", false), MakeItem(11, 0, 1, "B"),
                     MakeItem(12, 0, 1, "a.txt", false), MakeItem(13, 0, 1, "A"),
                     MakeItem(14, 1, 2, "elsewhere")};
    LoadRoot();
    EXPECT_THAT(Names(catalog.m_view), ElementsAre("B", "A", "z.txt", "a.txt"));
    EXPECT_EQ(1, root.listed);
    EXPECT_EQ(4u, catalog.m_all.size());  // the root record went with the root's cached children
}

TEST_F(RemoteCatalogTest, ARefetchReplacesTheCachedChildrenAndKeepView) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(2, 0, 1, "게임")};
    LoadRoot();
    LoadRoot();
    EXPECT_EQ(2u, catalog.m_all.size());
    catalog.m_view.clear();
    ASSERT_TRUE(catalog.LoadChildren(root, true));
    EXPECT_TRUE(catalog.m_view.empty());
    EXPECT_EQ(2u, catalog.m_all.size());
}

TEST_F(RemoteCatalogTest, AFailedFetchLeavesTheFolderUnlisted) {
    service.fail = true;
    EXPECT_FALSE(catalog.LoadChildren(root, false));
    EXPECT_EQ(0, root.listed);
    CRemoteCatalog unconnected;
    EXPECT_FALSE(unconnected.LoadChildren(root, false));
}

TEST_F(RemoteCatalogTest, RefreshReportsAFailedFetchEvenWithAnEmptyCache) {
    catalog.RemoveChildren(0);
    ASSERT_TRUE(catalog.m_all.empty());
    service.fail = true;
    EXPECT_FALSE(catalog.Refresh(root));
    service.fail = false;
    EXPECT_TRUE(catalog.Refresh(root));
}

TEST_F(RemoteCatalogTest, ShowFolderWithTheCurrentFolderChangesNothing) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(2, 0, 1, "게임")};
    LoadRoot();
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
    CRemoteLocation target;             // the root, not listed either
    ASSERT_TRUE(catalog.ShowFolder(cur, target));
    ASSERT_EQ(1u, service.requests.size());
    EXPECT_EQ(0, service.requests[0].id);
    EXPECT_THAT(Names(catalog.m_view), ElementsAre("영화"));
    EXPECT_EQ(1, cur.id);  // the caller moves its location
}

TEST_F(RemoteCatalogTest, LookupsByIdTreeNodeAndName) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(2, 0, 1, "게임"), MakeItem(3, 0, 1, "영화")};
    LoadRoot();
    CRemoteItem game = catalog.m_all[1];
    game.treeItem = 0x55;
    catalog.m_all.SetAt(1, game);

    EXPECT_EQ("게임", catalog.FindById(2).name);
    EXPECT_TRUE(catalog.FindById(404).name == "/" && catalog.FindById(404).size == -1);
    CRemoteItem found;
    EXPECT_EQ(1, catalog.FindByTreeItem(0x55, found));
    EXPECT_EQ(2, found.id);
    EXPECT_EQ(-1, catalog.FindByTreeItem(0x66, found));
    EXPECT_EQ(-1, catalog.FindByTreeItem(0, found));  // no node is not a node

    CRemoteLocation loc;
    EXPECT_TRUE(catalog.SelectByName(loc, "영화"));
    EXPECT_EQ(1, loc.id);
    CRemoteLocation untouched;
    untouched.start = 30;
    EXPECT_FALSE(catalog.SelectByName(untouched, "영 화"));
    EXPECT_TRUE(untouched.IsRoot());
    EXPECT_EQ(30, untouched.start);

    catalog.SetListed(2, 1, true);
    EXPECT_EQ(1, catalog.FindById(2).listed);
    EXPECT_EQ(1, catalog.m_view[1].listed);
}

TEST_F(RemoteCatalogTest, IndexesOutsideTheArraysAreCaught) {
    service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(2, 0, 1, "a.txt", false)};
    LoadRoot();
    EXPECT_TRUE(catalog.IsFolderAt(0));
    EXPECT_FALSE(catalog.IsFolderAt(1));
    EXPECT_FALSE(catalog.IsFolderAt(2));
    EXPECT_FALSE(catalog.IsFolderAt(static_cast<std::size_t>(-1)));
    EXPECT_THROW(catalog.m_view.SetAt(2, CRemoteItem()), std::out_of_range);
    EXPECT_THROW(catalog.m_all.SetAt(static_cast<std::size_t>(-1), CRemoteItem()), std::out_of_range);
    EXPECT_THROW(catalog.m_view[5], std::out_of_range);
    EXPECT_EQ(2u, catalog.m_view.size());
}

TEST_F(RemoteCatalogTest, RemoveChildrenKeepsTheOrderOfTheRest) {
    for (int i = 1; i <= 6; ++i)
        catalog.m_all.push_back(MakeItem(i, i % 2, 1, std::to_string(i)));
    catalog.RemoveChildren(1);
    EXPECT_THAT(Names(catalog.m_all), ElementsAre("/", "2", "4", "6"));
}

}  // namespace
