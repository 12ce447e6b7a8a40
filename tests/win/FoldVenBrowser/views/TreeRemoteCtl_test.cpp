#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "FoldVenBrowser/views/TreeRemoteCtl.h"
#include "tests/win/FoldVenBrowser/views/ViewsFixture.h"

namespace {

using ::testing::ElementsAre;

// The tree filled as the main window fills it, from a root listing with the special folders.
class FolderTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.service.items = {MakeItem(1, 0, 1, "영화"),        MakeItem(901, 0, 1, ".waste_basket"),
                              MakeItem(902, 0, 1, ".share"),    MakeItem(2, 0, 1, "게임"),
                              MakeItem(3, 0, 1, "file", false), MakeItem(21, 2, 2, "PC게임"),
                              MakeItem(22, 2, 2, "성인게임"),   MakeItem(201, 21, 3, "deep")};
        host.service.items[6].adult = 'A';
        HWND tree =
            ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 0,
                              0, 200, 300, parent.Hwnd(), nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_tree.Subclass(tree));
        parent.onNotify = [this](NMHDR* header, LRESULT& result) {
            return header->hwndFrom == m_tree.GetSafeHwnd() && m_tree.OnParentNotify(header, result);
        };
        m_tree.SetHost(&host);
        m_tree.SetCatalog(&host.explorer.m_catalog);
        host.onOpenTreeSelection = [this] {
            opened.push_back(m_tree.GetLocation().name);
            return TRUE;
        };
        CRemoteLocation root;
        ASSERT_TRUE(host.explorer.m_catalog.LoadChildren(root, false));
        m_tree.InsertRootItem();
        m_tree.ExpandNode(nullptr, true, false);
    }

    std::vector<std::string> Children(HTREEITEM parent) const {
        std::vector<std::string> texts;
        HTREEITEM node = parent ? Next(parent, TVGN_CHILD) : m_tree.GetFirstTopLevelItem();
        for (; node; node = Next(node, TVGN_NEXT))
            texts.push_back(m_tree.GetItemText(node));
        return texts;
    }
    HTREEITEM Next(HTREEITEM h, UINT relation) const {
        return reinterpret_cast<HTREEITEM>(
            m_tree.Send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(h)));
    }
    HTREEITEM TopLevel(int index) const {
        HTREEITEM node = m_tree.GetFirstTopLevelItem();
        while (node && index-- > 0)
            node = Next(node, TVGN_NEXT);
        return node;
    }

    CTestParent parent;
    FakeBrowseHost host;
    CTreeRemoteCtl m_tree;
    std::vector<std::string> opened;
};

TEST_F(FolderTreeTest, ShowsTheUpperTwoLevelsWithoutTheWasteBasket) {
    ASSERT_THAT(Children(nullptr), ElementsAre("FoldVen", "영화", "공유시킨 폴더", "게임"));
    EXPECT_THAT(Children(TopLevel(3)), ElementsAre("")) << "a placeholder until the category is loaded";
    EXPECT_EQ("/", m_tree.GetItemPath(TopLevel(3)));

    m_tree.ExpandNode(TopLevel(3), true, false);
    ASSERT_THAT(Children(TopLevel(3)), ElementsAre("PC게임", "성인게임")) << "no level 3";
    HTREEITEM adult = Next(Next(TopLevel(3), TVGN_CHILD), TVGN_NEXT);
    EXPECT_EQ("/게임", m_tree.GetItemPath(adult));

    // An adult category is refused before anything is asked of the service.
    const std::size_t requests = host.service.requests.size();
    m_tree.ExpandNode(adult, true, false);
    EXPECT_EQ(requests, host.service.requests.size());
    EXPECT_THAT(host.ui.events, ElementsAre("dialog 0|adult only"));
}

TEST_F(FolderTreeTest, ArrowKeysOpenTheNodeTheyMoveTo) {
    m_tree.Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(TopLevel(1)));
    ASSERT_TRUE(opened.empty()) << "a selection by the program opens nothing";
    // The mouse rests on "FoldVen" while the keys move on: the node they reach is opened, not that one.
    RECT rc{};
    const HTREEITEM root = TopLevel(0);
    std::memcpy(&rc, &root, sizeof(root));  // TVM_GETITEMRECT takes the node in the rectangle
    m_tree.Send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc));
    POINT onRoot{rc.left + 2, rc.top + 2};
    ::ClientToScreen(m_tree.GetSafeHwnd(), &onRoot);
    ::SetCursorPos(onRoot.x, onRoot.y);
    m_tree.Send(WM_KEYDOWN, VK_DOWN, 0);
    m_tree.Send(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_THAT(opened, ::testing::Contains("게임"));
    EXPECT_THAT(opened, ::testing::Not(::testing::Contains("/")));
}

}  // namespace
