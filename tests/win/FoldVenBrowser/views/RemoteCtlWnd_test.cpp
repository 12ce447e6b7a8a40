#include <gtest/gtest.h>

#include "FoldVenBrowser/views/RemoteCtlWnd.h"
#include "FoldVenBrowser/views/ShellIcons.h"
#include "tests/win/FoldVenBrowser/views/ViewsFixture.h"

namespace {

// The list panel at a level-3 folder holding one folder of 200 clips. How rows map to items across sorts
// is checked natively (ListRows) and through the real program (Browsing).
class RemoteListTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(11, 1, 2, "한국영화"),
                              MakeItem(100, 11, 3, "폴더"), MakeItem(6, 100, 4, "a")};
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

    CTestParent parent;
    FakeBrowseHost host;
    CRemoteCtlWnd panel;
};

TEST_F(RemoteListTest, FileTypesAreLookedUpOncePerExtensionAndArrowsScrollFromWhereTheListIs) {
    const int before = ImageList_GetImageCount(CShellIcons::Get().ImageList());
    ASSERT_EQ("a", list().GetItemText(1, 0));
    list().OpenRow(1);
    ASSERT_EQ(201, list().GetItemCount());
    EXPECT_LE(ImageList_GetImageCount(CShellIcons::Get().ImageList()), before + 1);

    ::MoveWindow(panel.GetSafeHwnd(), 0, 0, 600, 300, FALSE);
    list().Send(WM_VSCROLL, SB_LINEDOWN);
    list().Send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(20, list().Send(LVM_GETTOPINDEX));
    list().Send(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(10, list().Send(LVM_GETTOPINDEX));
}

// The list control refusing more than 120 rows stands in for one that runs out of memory.
LRESULT CALLBACK RefuseManyRows(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == LVM_SETITEMCOUNT && wParam > 120)
        return 0;
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

// The text of the "알림" box the list shows, read and closed from a timer of the box's own loop.
std::string g_noticeText;
void CALLBACK CloseNotice(HWND, UINT, UINT_PTR timer, DWORD) {
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM) -> BOOL {
            char title[32] = "";
            ::GetWindowTextA(hwnd, title, sizeof(title));
            if (std::string(title) != "알림")
                return TRUE;
            char text[256] = "";
            ::GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof(text));
            g_noticeText = text;
            ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
            return FALSE;
        },
        0);
    if (!g_noticeText.empty())
        ::KillTimer(nullptr, timer);
}

TEST_F(RemoteListTest, RowsTheControlTakesStayAndTheMessageNamesTheFirstItemLeftOut) {
    host.ui.strings[119] = "파일 리스트에 %1를 삽입하지 못했습니다.";
    ASSERT_TRUE(::SetWindowSubclass(list().GetSafeHwnd(), RefuseManyRows, 1, 0));
    g_noticeText.clear();
    ::SetTimer(nullptr, 0, 50, CloseNotice);
    list().OpenRow(1);  // ".." and 200 clips
    ::RemoveWindowSubclass(list().GetSafeHwnd(), RefuseManyRows, 1);
    EXPECT_EQ(120, list().GetItemCount());
    EXPECT_EQ("clip118.avi", list().GetItemText(119, 0));
    EXPECT_EQ("파일 리스트에 clip119.avi를 삽입하지 못했습니다.", g_noticeText);
}

}  // namespace
