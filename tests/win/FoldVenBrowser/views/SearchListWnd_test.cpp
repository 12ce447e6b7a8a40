#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "FoldVenBrowser/views/FileIcons.h"
#include "FoldVenBrowser/views/SearchListWnd.h"
#include "FoldVenBrowser/views/SearchRunner.h"
#include "tests/support/LoopbackServer.h"
#include "tests/win/FoldVenBrowser/toolkit/TestParent.h"
#include "win/UiCall.h"

namespace {

// Lets `ms` pass while the user-interface thread keeps running calls.
void WindowPause(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        CTestParent::Pump();
        ::Sleep(1);
    }
}

bool PumpUntil(const std::function<bool()>& done) {
    const DWORD start = ::GetTickCount();
    while (!done() && ::GetTickCount() - start < 10000) {
        CTestParent::Pump();
        ::Sleep(1);
    }
    return done();
}

// "<prefix> <n>.avi" lines of n MB each.
std::string Results(const std::string& prefix, int count) {
    std::string body = "S\t0\tS0\t" + std::to_string(count) + "\t";
    for (int i = 1; i <= count; ++i)
        body += std::to_string(500 + i) + "\t101\t3\t" + std::to_string(i * 1048576) + "\t" + prefix + " " +
                std::to_string(i) + ".avi\tmo001\tmovie\tF\r\n";
    return body;
}

class SearchPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateCallbackWindow());
        results->m_nSearchType = 2;
        panel.SetResults(results);
        ASSERT_TRUE(panel.Create(parent.Hwnd()));
        ::MoveWindow(panel.GetSafeHwnd(), 0, 0, 280, 180, TRUE);
    }
    void TearDown() override {
        ::DestroyWindow(panel.GetSafeHwnd());
        DestroyCallbackWindow();
        ::_putenv_s("FOLDVEN_SEARCH_HOST", "");
    }

    std::string NameAt(int row) {
        const CRemoteItem* record = panel.GetList().GetRecord(row);
        return record ? record->name : std::string("(none)");
    }

    CTestParent parent;
    std::shared_ptr<CSearchResults> results = std::make_shared<CSearchResults>();
    CSearchListWnd panel;
    CSessionInfo session;
};

// Answers a search only once released.
LoopbackServer::ReplyFor HeldAnswer(std::atomic<bool>& release, const std::string& body) {
    return [&release, body](const std::string&) {
        while (!release)
            ::Sleep(5);
        return HttpReply(body);
    };
}

TEST_F(SearchPanelTest, AnOlderSearchThatEndsFirstNeitherAddsRowsNorEndsTheNewOne) {
    std::atomic<bool> releaseOld{false};
    std::atomic<bool> releaseNew{false};
    LoopbackServer oldHost(HeldAnswer(releaseOld, Results("old", 5)));
    LoopbackServer newHost(HeldAnswer(releaseNew, Results("new", 3)));

    ::_putenv_s("FOLDVEN_SEARCH_HOST", oldHost.HostSpec().c_str());
    results->m_strKeyword = "old";
    panel.StartSearch(session);
    ASSERT_TRUE(PumpUntil([&] { return oldHost.Requests().size() == 1; }));

    ::_putenv_s("FOLDVEN_SEARCH_HOST", newHost.HostSpec().c_str());
    results->m_strKeyword = "new";
    panel.StartSearch(session);
    CSearchRunner* current = results->m_pJob;
    ASSERT_TRUE(PumpUntil([&] { return newHost.Requests().size() == 1; }));

    releaseOld = true;
    WindowPause(300);  // the old search reads its reply and ends meanwhile
    EXPECT_EQ(results->m_pJob, current);
    EXPECT_EQ(panel.GetList().GetItemCount(), 0);

    releaseNew = true;
    ASSERT_TRUE(PumpUntil([&] { return results->m_pJob == nullptr; }));
    ASSERT_EQ(panel.GetList().GetItemCount(), 3);
    EXPECT_EQ(NameAt(0), "new 1.avi");
    EXPECT_EQ(NameAt(2), "new 3.avi");
    EXPECT_EQ(panel.GetList().GetRecord(2)->size, 3 * 1048576);
    EXPECT_NE(newHost.Requests()[0].find("Keyword=new&SEARCHTYPE=2&"), std::string::npos);
}

TEST_F(SearchPanelTest, HeaderArrowsFlipOnTheSameColumnAndMoveWithoutReorderingRows) {
    CSearchListCtl& list = panel.GetList();
    CRemoteItem item;
    item.name = "b.txt";
    list.AddResult(item);
    item.name = "a.txt";
    list.AddResult(item);

    NMLISTVIEW click{};
    click.hdr.hwndFrom = list.GetSafeHwnd();
    click.hdr.idFrom = CSearchListCtl::kControlId;
    click.hdr.code = LVN_COLUMNCLICK;
    const auto clickColumn = [&](int column) {
        click.iSubItem = column;
        ::SendMessageA(panel.GetSafeHwnd(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    };
    clickColumn(0);
    EXPECT_EQ(list.GetSortColumn(), 0);
    EXPECT_EQ(list.GetArrowBitmap(), CArrowListCtrl::kArrowDown);
    clickColumn(0);
    EXPECT_EQ(list.GetArrowBitmap(), CArrowListCtrl::kArrowUp);
    clickColumn(2);
    EXPECT_EQ(list.GetSortColumn(), 2);
    EXPECT_EQ(list.GetArrowBitmap(), CArrowListCtrl::kArrowDown);
    EXPECT_EQ(NameAt(0), "b.txt");
    EXPECT_EQ(NameAt(1), "a.txt");

    HDITEMA header{};
    header.mask = HDI_FORMAT;
    HWND headerHwnd = ListView_GetHeader(list.GetSafeHwnd());
    ::SendMessageA(headerHwnd, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(header.fmt & HDF_IMAGE, 0);
    ::SendMessageA(headerHwnd, HDM_GETITEMA, 2, reinterpret_cast<LPARAM>(&header));
    EXPECT_NE(header.fmt & HDF_IMAGE, 0);
}

TEST(FileIcons, OneLookupPerExtensionAndFoldersByTheirSlash) {
    EXPECT_EQ(GetFileIconIndex("dir.v2\\other.txt"), GetFileIconIndex("notes.txt"));
    // No extension: a dot before the last slash does not count, nor what lies past `len`.
    EXPECT_EQ(GetFileIconIndex("dir.v2\\other"), GetFileIconIndex("abc.txt", 3));
    GetFileIconIndex("folder/");
    EXPECT_NE(GetFileIconList(), nullptr);
}

}  // namespace
