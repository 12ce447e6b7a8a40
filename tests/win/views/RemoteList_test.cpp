#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FoldVenBrowser/views/RemoteCtlWnd.h"
#include "FoldVenBrowser/views/ShellIcons.h"
#include "tests/win/views/ViewsFixture.h"

namespace {

using ::testing::ElementsAre;

// The list panel at a level-3 folder whose items include two files of one name.
class RemoteListTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.service.items = {MakeItem(1, 0, 1, "영화"),
                              MakeItem(11, 1, 2, "한국영화"),
                              MakeItem(100, 11, 3, "폴더"),
                              MakeItem(5, 100, 4, "b"),
                              MakeItem(6, 100, 4, "a"),
                              MakeItem(7, 100, 4, "same.avi", false),
                              MakeItem(8, 100, 4, "same.avi", false),
                              MakeItem(9, 100, 4, "z.txt", false)};
        for (int i = 0; i < 200; ++i)
            host.service.items.push_back(
                MakeItem(1000 + i, 6, 5, "clip" + std::to_string(i) + ".avi", false));
        ASSERT_TRUE(panel.Create(parent.Hwnd()));
        list().SetHost(&host);
        list().SetupColumns(0);
        ASSERT_TRUE(list().SetupImageList());
        CRemoteLocation& loc = list().GetLocation();
        loc.SetFromItem(host.service.items[2]);
        ASSERT_TRUE(host.explorer.m_catalog.LoadChildren(loc, false));
        list().Populate();
    }

    CRemoteListCtrl& list() { return panel.GetList(); }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int row = 0; row < list().GetItemCount(); ++row)
            rows.push_back(list().GetItemText(row, 0));
        return rows;
    }
    int RowShowing(const std::string& name) {
        const std::vector<std::string> rows = Rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row] == name)
                return static_cast<int>(row);
        }
        return -1;
    }
    void ClickHeader(int column) {
        NMHEADERA click{};
        click.hdr.hwndFrom = reinterpret_cast<HWND>(list().Send(LVM_GETHEADER));
        click.hdr.code = HDN_ITEMCLICKA;
        click.iItem = column;
        click.iButton = 0;
        list().Send(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    }
    void Select(const std::vector<int>& rows) {
        LVITEMA none{};
        none.stateMask = LVIS_SELECTED;
        list().Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        for (int row : rows) {
            LVITEMA selected{};
            selected.state = selected.stateMask = LVIS_SELECTED;
            list().Send(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&selected));
        }
    }

    NotifyParent parent;
    FakeBrowseHost host;
    CRemoteCtlWnd panel;
};

TEST_F(RemoteListTest, RowsKeepTheirItemsWhenTheHeaderSorts) {
    EXPECT_THAT(Rows(), ElementsAre("..", "b", "a", "same.avi", "same.avi", "z.txt"))
        << "the service's order";
    Select({1});  // "b"
    ClickHeader(0);
    ClickHeader(0);  // the same column again: descending
    ASSERT_THAT(Rows(), ElementsAre("z.txt", "same.avi", "same.avi", "b", "a", ".."));
    EXPECT_THAT(list().GetSelectedRows(), ElementsAre(3)) << "the selection moves with its row";
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(list().GetItemText(row, 0), list().GetRowName(row)) << "row " << row;
    EXPECT_EQ("", list().GetRowName(5));
    EXPECT_EQ(list().GetItemText(0, 1), "1009 Bytes") << "the size column follows the row";

    // Two files of one name each hand over their own item.
    Select({1, 2});
    list().Download();
    EXPECT_THAT(host.calls, ElementsAre("begin", "add 7 .same.avi", "add 8 .same.avi", "send tester pw"));

    // The row that shows "a" opens "a", wherever the sort put it.
    list().OpenRow(RowShowing("a"));
    EXPECT_EQ(6, list().GetLocation().id);
    EXPECT_EQ(201, list().GetItemCount()) << "\"..\" and the 200 clips";
}

TEST_F(RemoteListTest, FileTypesAreLookedUpOncePerExtensionAndArrowsScrollFromWhereTheListIs) {
    const int before = ImageList_GetImageCount(CShellIcons::Get().ImageList());
    list().OpenRow(RowShowing("a"));
    ASSERT_EQ(201, list().GetItemCount());
    EXPECT_LE(ImageList_GetImageCount(CShellIcons::Get().ImageList()), before + 1);

    ::MoveWindow(panel.GetSafeHwnd(), 0, 0, 600, 300, FALSE);
    list().Send(WM_VSCROLL, SB_LINEDOWN);
    list().Send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(20, list().Send(LVM_GETTOPINDEX));
    list().Send(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(10, list().Send(LVM_GETTOPINDEX));
}

}  // namespace
