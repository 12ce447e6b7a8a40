#include <gtest/gtest.h>

#include "FoldVenBrowser/toolkit/PaneNode.h"

namespace {

struct FakeWindow : IPaneWindow {
    FakeWindow(int w, int h) : width(w), height(h) {}
    int CurrentWidth() const override { return width; }
    int CurrentHeight() const override { return height; }
    void MoveTo(int nx, int ny, int w, int h) override {
        x = nx;
        y = ny;
        width = w;
        height = h;
        ++moves;
    }
    int x = 0, y = 0, width, height, moves = 0;
};

enum Edge { kLeft = 1, kRight, kTop, kTopLeft, kTopRight, kBottom, kBottomLeft, kBottomRight };

// The main window's tree: side-by-side root, a left node holding the folder tree as its first child and
// a right node holding the list as its second, both with minimum 150 x 150; margins 10 / 81 / 10 / 33.
struct MainWindowPanes {
    MainWindowPanes() {
        root = panes.CreateNode(CPaneNode::kSideBySide, nullptr, 0, true, kClientW, kClientH);
        left = panes.CreateNode(CPaneNode::kSideBySide, root, 1, true, kClientW, kClientH);
        right = panes.CreateNode(CPaneNode::kSideBySide, root, 2, true, kClientW, kClientH);
        CPaneTree::AttachWindow(left, &tree, 1, 150, 150);
        CPaneTree::AttachWindow(right, &list, 2, 150, 150);
        panes.SetTopEdge(81, kClientW, kClientH);
        panes.SetBottomMargin(33, kClientW, kClientH);
        panes.SetRightMargin(10, kClientW, kClientH);
        panes.SetLeftEdge(10, kClientW, kClientH);
    }
    static constexpr int kClientW = 891, kClientH = 517;
    FakeWindow tree{191, 403};
    FakeWindow list{671, 403};
    CPaneTree panes;
    CPaneNode *root, *left, *right;
};

TEST(PaneLayout, MainWindowPanesFollowTheClientAreaAndStopAtTheirMinimum) {
    MainWindowPanes m;
    EXPECT_EQ(m.panes.LeftMargin(), 10);
    EXPECT_EQ(m.panes.TopMargin(), 81);
    EXPECT_EQ(m.panes.RightMargin(), 10);
    EXPECT_EQ(m.panes.BottomMargin(), 33);
    // The tree keeps its width; the list takes the rest after the 5-pixel bar.
    EXPECT_EQ((std::vector<int>{m.tree.x, m.tree.y, m.tree.width, m.tree.height}),
              (std::vector<int>{10, 81, 191, 403}));
    EXPECT_EQ((std::vector<int>{m.list.x, m.list.y, m.list.width, m.list.height}),
              (std::vector<int>{206, 81, 675, 403}));
    EXPECT_EQ(m.root->barRect.left, 201);
    EXPECT_EQ(m.root->barRect.right, 206);

    m.panes.OnSize(1200, 700);
    EXPECT_EQ(m.tree.width, 191);
    EXPECT_EQ(m.list.width, 1200 - 10 - 10 - 191 - 5);
    EXPECT_EQ(m.list.height, 700 - 81 - 33);

    // Minimum: the left node needs 150 + 5, the right node 150 + 5, the root adds 5 more.
    EXPECT_EQ(m.root->MinWidth(), 315);
    EXPECT_EQ(m.root->MinHeight(), 160);
    m.panes.OnSize(100, 100);
    EXPECT_EQ(m.root->width, 315);
    EXPECT_EQ(m.root->height, 160);
    // The tree gives way to the list's minimum (its node then adds the bar's 5), and the panes reach
    // past the right margin of a 100-pixel client area.
    EXPECT_EQ(m.tree.width, 160);
    EXPECT_EQ(m.list.x, 175);
    EXPECT_EQ(m.list.width, 155);
    EXPECT_EQ(m.list.height, 160);
}

TEST(PaneLayout, ANodeWithBothChildrenHiddenIsSkipped) {
    MainWindowPanes m;
    const PaneRect bar = m.root->barRect;
    const int leftWidth = m.left->width;
    m.left->first.visible = 0;
    m.right->second.visible = 0;
    m.left->visible = 0;
    m.right->visible = 0;
    const int treeMoves = m.tree.moves, listMoves = m.list.moves;
    m.panes.OnSize(1200, 700);
    EXPECT_EQ(m.left->width, leftWidth);
    EXPECT_EQ(m.root->barRect.left, bar.left);
    EXPECT_EQ(m.root->width, 891 - 20);  // unchanged from the set-up
    EXPECT_EQ(m.tree.moves, treeMoves);
    EXPECT_EQ(m.list.moves, listMoves);
}

TEST(PaneLayout, AHiddenChildLeavesTheWholeRectangleAndNoBar) {
    MainWindowPanes m;
    m.left->visible = 0;
    m.panes.Relayout();
    EXPECT_TRUE(m.root->barRect.IsEmpty());
    EXPECT_EQ(m.list.x, 10);
    EXPECT_EQ(m.list.width, 871);
}

TEST(PaneLayout, ANodeWithoutBarStillSeparatesItsChildren) {
    FakeWindow top(200, 40), bottom(200, 100);
    CPaneTree panes;
    CPaneNode* root = panes.CreateNode(CPaneNode::kStacked, nullptr, 0, false, 300, 200);
    CPaneTree::AttachWindow(root, &top, 1, 10, 20);
    CPaneTree::AttachWindow(root, &bottom, 2, 10, 20);
    panes.SetPaneRect(PaneRect{0, 0, 300, 200}, 300, 200);
    EXPECT_TRUE(root->barRect.IsEmpty());
    EXPECT_EQ(top.height, 40);
    EXPECT_EQ(bottom.y, 45);
    EXPECT_EQ(bottom.height, 155);
    EXPECT_EQ(root->MinHeight(), 45);
    EXPECT_EQ(root->MinWidth(), 15);  // the 5 counts across the bar's direction too
}

TEST(PaneLayout, SizingBelowTheMinimumMovesTheDraggedEdge) {
    MainWindowPanes m;
    // Panes need 315 + 20 across and 160 + 114 down; the window itself never goes below 899 x 525.
    PaneRect r{100, 100, 300, 200};
    m.panes.AdjustSizing(kRight, r);
    EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}), (std::vector<int>{100, 100, 999, 625}));

    // With wide panes the tree's needs win, and the edge being dragged is the one that moves.
    m.left->first.minWidth = 1000;
    m.right->second.minHeight = 600;
    PaneRect fromLeft{100, 100, 1200, 900};
    m.panes.AdjustSizing(kLeft, fromLeft);
    EXPECT_EQ(fromLeft.right, 1200);
    EXPECT_EQ(fromLeft.left, 1200 - (1000 + 5 + 155 + 5 + 20));
    PaneRect fromTop{100, 100, 1300, 700};
    m.panes.AdjustSizing(kTopLeft, fromTop);
    EXPECT_EQ(fromTop.bottom, 700);
    EXPECT_EQ(fromTop.top, 700 - (610 + 81 + 33));
    PaneRect fromBottom{100, 100, 1300, 700};
    m.panes.AdjustSizing(kBottomRight, fromBottom);
    EXPECT_EQ(fromBottom.top, 100);
    EXPECT_EQ(fromBottom.bottom, 100 + 610 + 81 + 33);
}

}  // namespace
