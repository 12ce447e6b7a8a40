#include "FoldVenBrowser/catalogue/RemoteLocation.h"

#include <gtest/gtest.h>

namespace {

TEST(RemoteLocation, CopiesKeepEachViewsOwnPageOffset) {
    CRemoteLocation list;
    list.start = 60;
    CRemoteLocation tree;
    tree.name = "한국영화";
    tree.id = 11;
    tree.level = 2;
    tree.start = 30;
    list.CopyFrom(tree);
    EXPECT_EQ("한국영화", list.name);
    EXPECT_EQ(11, list.id);
    EXPECT_EQ(60, list.start);
    list.start = 90;
    tree.CopyTo(list);
    EXPECT_EQ(90, list.start);
}

TEST(RemoteLocation, ItemRoundTripLeavesStartAndMarksTheRecord) {
    CRemoteItem item;
    item.id = 7;
    item.parentId = 3;
    item.level = 4;
    item.name = "a";
    item.path = "/x/y";
    item.adult = 'A';
    item.size = -1;
    item.capacity = 5;
    item.listed = 1;
    item.number = 99;
    item.treeItem = 42;
    CRemoteLocation loc;
    loc.start = 30;
    loc.SetFromItem(item);
    EXPECT_EQ(30, loc.start);
    EXPECT_TRUE(loc.IsListed());
    EXPECT_FALSE(loc.IsRoot());

    const CRemoteItem back = loc.ToItem();
    EXPECT_EQ(2, back.kind);
    EXPECT_EQ(0, back.number);
    EXPECT_EQ(7, back.id);
    EXPECT_EQ("/x/y", back.path);
    EXPECT_EQ('A', back.adult);
    EXPECT_EQ(5, back.capacity);
    EXPECT_EQ(42u, back.treeItem);

    loc.Reset();
    EXPECT_TRUE(loc.IsRoot());
    EXPECT_EQ("d", loc.type);
    EXPECT_EQ(-1, loc.size);
    EXPECT_EQ(0, loc.start);
}

}  // namespace
