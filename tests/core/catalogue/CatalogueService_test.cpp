#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/ListPaging.h"
#include "FoldVenBrowser/catalogue/RemoteExplorer.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "tests/core/devservice/ServiceOnThread.h"
#include "tests/support/RecordingUi.h"

namespace {

using OpenResult = CRemoteExplorer::OpenResult;

// The browser's catalogue against the stand-in service, whose sample data tells what each folder holds.
class CatalogueAgainstService : public ServiceOnThread {
protected:
    void SetUp() override {
        ServiceOnThread::SetUp();
        if (HasFatalFailure())
            return;
        const std::string host = "127.0.0.1:" + std::to_string(m_server->Port());
        ::setenv("FOLDVEN_API_HOST", host.c_str(), 1);
        session.apiHost = host;
        session.listKey = "LK-tester-0001";  // as a login gives it; the service refuses listings without it
        explorer.m_catalog.SetListingSource(&client);
    }
    void TearDown() override {
        ::unsetenv("FOLDVEN_API_HOST");
        ServiceOnThread::TearDown();
    }

    CRemoteCatalog& catalog() { return explorer.m_catalog; }
    std::vector<int> ViewIds() {
        std::vector<int> ids;
        for (const CRemoteItem& item : catalog().m_view)
            ids.push_back(item.id);
        return ids;
    }
    // What a fetch of folder id shows: the page's children, folders first, each in service order.
    std::vector<int> Expected(int id, std::size_t first = 0, std::size_t count = 1000000) {
        const auto all = m_data.m_catalogue.Children(id);
        std::vector<int> folders, files;
        for (std::size_t i = first; i < all.size() && i < first + count; ++i)
            (all[i]->isFile ? files : folders).push_back(all[i]->id);
        folders.insert(folders.end(), files.begin(), files.end());
        return folders;
    }
    OpenResult OpenId(int id) {
        const auto& view = catalog().m_view;
        std::size_t index = 0;
        while (index < view.size() && view[index].id != id)
            ++index;
        const OpenResult result = explorer.OpenFromList(index, loc, 'Y', "kim", ui, 0);
        paging.OnShown(loc, view.size());
        return result;
    }
    void Up() {
        ASSERT_TRUE(catalog().GoUp(loc));
        paging.Rewind(loc);
        paging.OnShown(loc, catalog().m_view.size());
    }

    RecordingUi ui;
    CSessionInfo session;
    CServiceClient client{0, session, ui, ui};
    CRemoteExplorer explorer;
    CRemoteLocation loc;
    CListPaging paging;
};

// 영화 (1) > 한국영화 (101: two full pages and a short one) > its first folder, and back up.
TEST_F(CatalogueAgainstService, RootToLevelThreeThroughThePagesAndBackUp) {
    const std::string lastPage = "dialog 0|마지막 페이지 입니다.!!!";
    const std::string firstPage = "dialog 0|처음 페이지 입니다.!!!";
    ASSERT_TRUE(catalog().LoadChildren(loc, false));
    EXPECT_EQ(Expected(0), ViewIds());

    ASSERT_EQ(OpenResult::kOpened, OpenId(1));
    EXPECT_EQ("영화", loc.name);
    EXPECT_EQ(Expected(1), ViewIds());

    ASSERT_EQ(OpenResult::kOpened, OpenId(101));
    EXPECT_EQ("한국영화", loc.name);
    ASSERT_GT(m_data.m_catalogue.Children(101).size(), 60u);
    ASSERT_LT(m_data.m_catalogue.Children(101).size(), 90u);
    for (const int start : {0, 30, 60}) {
        if (start > 0) {
            ASSERT_TRUE(paging.NextPage(loc, catalog(), ui, 0));
            paging.OnShown(loc, catalog().m_view.size());
        }
        EXPECT_EQ(start, loc.start);
        EXPECT_EQ(Expected(101, start, 30), ViewIds()) << start;
    }
    EXPECT_FALSE(paging.NextPage(loc, catalog(), ui, 0));  // the short page was the last
    EXPECT_EQ(60, loc.start);
    for (const int start : {30, 0}) {
        ASSERT_TRUE(paging.PreviousPage(loc, catalog(), ui, 0));
        paging.OnShown(loc, catalog().m_view.size());
        EXPECT_EQ(start, loc.start);
        EXPECT_EQ(Expected(101, start, 30), ViewIds()) << start;
    }
    EXPECT_FALSE(paging.PreviousPage(loc, catalog(), ui, 0));
    EXPECT_EQ(0, loc.start);
    EXPECT_THAT(ui.events, ::testing::ElementsAre(lastPage, firstPage));

    const int folder = Expected(101, 0, 30).front();
    ASSERT_EQ(OpenResult::kOpened, OpenId(folder));
    EXPECT_EQ(3, loc.level);
    EXPECT_FALSE(Expected(folder).empty());
    EXPECT_EQ(Expected(folder), ViewIds());
    EXPECT_FALSE(paging.NextPage(loc, catalog(), ui, 0));  // no pages outside level 2, and no message
    EXPECT_FALSE(paging.PreviousPage(loc, catalog(), ui, 0));

    Up();
    EXPECT_EQ(101, loc.id);
    EXPECT_EQ(Expected(101, 0, 30), ViewIds());
    Up();
    EXPECT_EQ(1, loc.id);
    EXPECT_EQ(Expected(1), ViewIds());
    Up();
    EXPECT_TRUE(loc.IsRoot());
    EXPECT_EQ(Expected(0), ViewIds());
    explorer.ShowChildrenOf(loc);  // sorted, as the tree's top node shows it
    ASSERT_EQ(Expected(0).size(), catalog().m_view.size());
    EXPECT_EQ(".waste_basket", catalog().m_view[0].name);
    EXPECT_EQ(2u, ui.events.size());
}

}  // namespace
