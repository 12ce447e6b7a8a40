#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/support/BrowserTest.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;
using namespace RemoteControls;
using ::testing::Contains;
using ::testing::Not;

// The user "tester" (adult flag 'N') browses the sample catalogue in one run of the browser: tree, root,
// a category, an adult folder, a sorted list, a level-3 folder; and the pages of a level-2 folder.
class BrowsingTest : public BrowserAgainstDevServiceTest {
protected:
    bool RowsBecome(const std::function<bool(const std::vector<std::string>&)>& ready) {
        return WaitUntil([&] { return ready(ListColumn(list)); }, kWait);
    }
    bool FirstRowBecomes(const std::string& text) {
        return RowsBecome(
            [&](const std::vector<std::string>& rows) { return !rows.empty() && rows[0] == text; });
    }
    void OpenRow(const std::string& name) {
        const int row = ListRowOf(list, name);
        ASSERT_GE(row, 0) << name;
        DoubleClickAt(list, CentreOf(ListRowRect(list, row)));
    }
    void ClickHeader(int column) {
        HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
        ClickAt(header, CentreOf(HeaderItemRect(list, column)));
        Pause(300);
    }
    void PressPageButton(UINT command) { ::PostMessageA(::GetParent(list), kButtonClick, command, 0); }

    bool PopupMenuShown(DWORD milliseconds) {
        return WaitUntil(
            [this] {
                for (HWND hwnd : TopLevelWindowsOf(browser.Pid()))
                    if (ClassOf(hwnd) == "#32768")
                        return true;
                return false;
            },
            milliseconds);
    }
    void ContextMenuAt(POINT screen) {
        ::SetCursorPos(screen.x, screen.y);
        ::PostMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(screen.x, screen.y));
    }
    static int Requests(const std::string& text) { return DevService::CountRequests(text); }
};

TEST_F(BrowsingTest, BrowsesTheCatalogue) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());

    // The tree: "FoldVen", then the level-1 categories by their display names, never the waste basket.
    ASSERT_TRUE(WaitUntil([this] { return TreeChildren(tree).size() > 1; }, kWait));
    const std::vector<std::string> topLevel = TreeChildren(tree);
    EXPECT_EQ(std::vector<std::string>({"FoldVen", "영화", "게임", "TV", "애니", "만화", "휴대기기", "강좌",
                                        "교육", "기타", "유틸", "문서", "공유시킨 폴더", "포토 앨범"}),
              topLevel);
    EXPECT_THAT(topLevel, Not(Contains("휴지통")));
    // The root in the list: no parent row.
    EXPECT_THAT(ListColumn(list), Not(Contains("..")));

    // A category opens below its parent row.
    OpenRow("영화");
    ASSERT_TRUE(FirstRowBecomes(".."));
    EXPECT_THAT(ListColumn(list), Contains("한국영화"));

    // The context menu: none over empty space (it would hold nothing), "다운로드" over a row.
    RECT last = ListRowRect(list, static_cast<int>(ListColumn(list).size()) - 1);
    ContextMenuAt(POINT{last.left + 10, last.bottom + 60});
    EXPECT_FALSE(PopupMenuShown(1500));
    ContextMenuAt(CentreOf(ListRowRect(list, 1)));
    EXPECT_TRUE(PopupMenuShown(5000));
    ::PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil([this] { return !PopupMenuShown(0); }, kWait));

    // An adult folder for an account flagged 'N': refused, nothing asked of the service.
    OpenRow("성인영화");
    EXPECT_EQ("성인 전용 폴더 입니다.미성년은 이용 불가능 합니다.!!", TakeMessage());
    EXPECT_EQ(0, Requests("PID=110&"));

    // Sorted by name, descending: the row that shows "외국영화" opens "외국영화".
    ClickHeader(0);
    ClickHeader(0);
    ASSERT_TRUE(RowsBecome([](const std::vector<std::string>& rows) {
        return !rows.empty() && rows.back() == "..";
    })) << "the parent row sorts last";
    OpenRow("외국영화");
    ASSERT_TRUE(FirstRowBecomes(".."));
    EXPECT_EQ(1, Requests("PID=102&"));
    EXPECT_THAT(ListColumn(list), Contains("우주 전쟁 3부작"));
    EXPECT_EQ(0, Requests("PID=101&")) << "not the folder the row's position held before the sort";

    // A level-2 folder at its first page (its pages are the next test's), and a level-3 folder in it:
    // ".." alone is nothing to download.
    OpenRow("..");
    ASSERT_TRUE(RowsBecome([](const std::vector<std::string>& rows) { return rows.size() == 5; }));
    OpenRow("한국영화");
    ASSERT_TRUE(RowsBecome([](const std::vector<std::string>& rows) { return rows.size() == 31; }));
    OpenRow("서울의 밤 (2000)");
    ASSERT_TRUE(RowsBecome([](const std::vector<std::string>& rows) {
        return !rows.empty() && rows[0] == ".." && rows.size() == 4;
    }));
    SelectListRows(list, {0});
    ::PostMessageA(main, kButtonClick, 11, 0);
    EXPECT_EQ("하나 이상의 파일을 선택해 주세요!!", TakeMessage());
}

// The page shown and the page offset never disagree: any way of opening a folder, the arrow keys in the
// tree included, starts it at its first page; going back up with ".." returns to the page left.
TEST_F(BrowsingTest, ThePageShownAndThePageOffsetNeverDisagree) {
    static constexpr const char* kFirstPage = "PID=101&cate1=movie&cate2=mo001&start=0 ";
    const auto shows = [](const std::string& name) {
        return [name](const std::vector<std::string>& rows) {
            return std::find(rows.begin(), rows.end(), name) != rows.end();
        };
    };
    // 영화 > 한국영화 (65 entries) at its third page, start=60.
    ASSERT_NO_FATAL_FAILURE(StartBrowser());
    OpenRow("영화");
    ASSERT_TRUE(FirstRowBecomes(".."));
    OpenRow("한국영화");
    ASSERT_TRUE(WaitUntil([] { return Requests(kFirstPage) == 1; }, kWait));
    PressPageButton(11);
    ASSERT_TRUE(WaitUntil([] { return Requests("&start=30 ") == 1; }, kWait));
    PressPageButton(11);
    ASSERT_TRUE(WaitUntil([] { return Requests("&start=60 ") == 1; }, kWait));
    ASSERT_TRUE(RowsBecome([](const std::vector<std::string>& rows) { return rows.size() == 6; }))
        << "\"..\" and the last 5 entries";
    PressPageButton(11);
    EXPECT_EQ("마지막 페이지 입니다.!!!", TakeMessage());

    // Into a level-3 folder of the third page and back: the third page, and "이전" goes to the second.
    OpenRow("한국 단편선 30 (감독판)");
    ASSERT_TRUE(RowsBecome([&](const std::vector<std::string>& rows) {
        return !rows.empty() && rows[0] == ".." && !shows("한국 단편선 26.avi")(rows);
    }));
    OpenRow("..");
    ASSERT_TRUE(RowsBecome(shows("한국 단편선 26.avi")));
    PressPageButton(10);
    ASSERT_TRUE(WaitUntil([] { return Requests("&start=30 ") == 2; }, kWait));
    ASSERT_TRUE(RowsBecome([](const std::vector<std::string>& rows) { return rows.size() == 31; }));

    // The tree's selection is put on 외국영화 (the program does nothing about such a change); the up arrow
    // moves it to 한국영화, left at its second page, which opens at its first page.
    const auto next = [this](HTREEITEM item, UINT how) {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    };
    HTREEITEM movies = next(next(nullptr, TVGN_ROOT), TVGN_NEXT);
    HTREEITEM foreign = next(next(movies, TVGN_CHILD), TVGN_NEXT);
    ASSERT_NE(foreign, nullptr);
    ::SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(foreign));
    PressKey(tree, VK_UP);
    ASSERT_TRUE(WaitUntil([] { return Requests(kFirstPage) == 2; }, kWait));
    ASSERT_TRUE(RowsBecome(shows("서울의 밤 (2000)")));
    PressPageButton(10);
    EXPECT_EQ("처음 페이지 입니다.!!!", TakeMessage());
    PressPageButton(11);
    ASSERT_TRUE(WaitUntil([] { return Requests("&start=30 ") == 3; }, kWait));
    EXPECT_EQ(0, Requests("&start=90 "));
}

}  // namespace
