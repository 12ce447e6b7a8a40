#include <gtest/gtest.h>

#include <memory>

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/views/ViewHelpers.h"
#include "FoldVenBrowser/views/ViewListRemote.h"
#include "tests/win/FoldVenBrowser/toolkit/TestParent.h"

namespace {

// A stand-in panel: any child dialog of the program's templates.
class CSearchStandIn : public CDialog, public ISearchPanel {
public:
    CSearchStandIn() : CDialog(IDD_LIST_VIEW) {}
    void StartSearch() override { ++searches; }
    int searches = 0;
};

bool Visible(const CDialog* panel) {
    return panel && ::IsWindowVisible(*panel);
}

TEST(ViewListRemote, ShowsOnePanelAtATime) {
    CTestParent parent(true);
    CViewListRemote view;
    auto search = std::make_unique<CSearchStandIn>();
    CSearchStandIn* searchPanel = search.get();
    view.SetPanel(CViewListRemote::kSearch, std::move(search));
    ASSERT_TRUE(view.Create(parent.Hwnd()));
    view.Show(SW_SHOW);
    ::SetWindowPos(view, nullptr, 0, 0, 400, 300, SWP_NOZORDER);
    // A panel given after the view exists joins at once, hidden.
    view.SetPanel(CViewListRemote::kRemoteList, std::make_unique<CDialog>(IDD_LIST_VIEW));
    CDialog* web = view.GetPanelOf(CViewListRemote::kWebPage);
    CDialog* list = view.GetPanelOf(CViewListRemote::kRemoteList);

    EXPECT_EQ(view.GetMode(), CViewListRemote::kWebPage);
    EXPECT_TRUE(Visible(web));
    EXPECT_FALSE(Visible(list));
    RECT rc{};
    ::GetWindowRect(*list, &rc);
    ::MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ((std::vector<LONG>{rc.left, rc.top, rc.right, rc.bottom}), (std::vector<LONG>{3, 3, 397, 297}));

    view.ShowPanel(CViewListRemote::kRemoteList);
    EXPECT_FALSE(Visible(web));
    EXPECT_TRUE(Visible(list));
    view.ShowPanel(2);  // no such panel: none shows
    EXPECT_FALSE(Visible(list));
    EXPECT_EQ(view.GetMode(), 2);

    // Button 10 of a skinned button in the view shows the search panel and starts its search.
    view.Send(CDialog::kButtonClickMessage, 10);
    EXPECT_EQ(view.GetMode(), CViewListRemote::kSearch);
    EXPECT_TRUE(Visible(searchPanel));
    EXPECT_EQ(searchPanel->searches, 1);
}

TEST(ViewHelpers, FrameHitTestCaptionStartsFiveIn) {
    const RECT w{100, 100, 1000, 625};
    EXPECT_EQ(FrameHitTestRect(w, 100, 100, 80, true), static_cast<UINT>(HTTOPLEFT));
    EXPECT_EQ(FrameHitTestRect(w, 105, 105, 80, true), static_cast<UINT>(HTCAPTION));
    EXPECT_EQ(FrameHitTestRect(w, 500, 184, 80, true), static_cast<UINT>(HTCAPTION));
    EXPECT_EQ(FrameHitTestRect(w, 500, 185, 80, true), static_cast<UINT>(HTCLIENT));
    EXPECT_EQ(FrameHitTestRect(w, 999, 300, 80, true), static_cast<UINT>(HTRIGHT));
    EXPECT_EQ(FrameHitTestRect(w, 991, 620, 80, true), static_cast<UINT>(HTBOTTOMRIGHT));
    EXPECT_EQ(FrameHitTestRect(w, 100, 300, 80, false), static_cast<UINT>(HTCLIENT));

    MSG enter{nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    MSG escapeUp{nullptr, WM_KEYUP, VK_ESCAPE, 0, 0, {}};
    MSG letter{nullptr, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_TRUE(IsDialogKey(&enter));
    EXPECT_FALSE(IsDialogKey(&escapeUp));
    EXPECT_FALSE(IsDialogKey(&letter));
}

}  // namespace
