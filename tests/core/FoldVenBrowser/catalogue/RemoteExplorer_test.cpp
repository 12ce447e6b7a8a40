#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "FoldVenBrowser/catalogue/AdultRule.h"
#include "FoldVenBrowser/catalogue/ListPaging.h"
#include "FoldVenBrowser/catalogue/RemoteExplorer.h"
#include "tests/core/FoldVenBrowser/catalogue/CatalogueFakes.h"
#include "tests/support/RecordingUi.h"

namespace {

using ::testing::ElementsAre;
using OpenResult = CRemoteExplorer::OpenResult;

const char* const kLastPage = "dialog 0|마지막 페이지 입니다.!!!";

std::string Numbered(const char* prefix, int i, const char* suffix = "") {
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%s%02d%s", prefix, i, suffix);
    return buffer;
}

// What the list panel does around the catalogue: open rows, go up, change pages, repopulate.
class ListNavigation : public ::testing::Test {
protected:
    void SetUp() override {
        ui.strings[118] = "adult only";
        explorer.m_catalog.SetListingSource(&service);
    }

    // The root shows 영화 (1) and the adult-only 성인 (121); 영화 > 한국영화 (11) holds count entries,
    // every fourth a folder.
    void ShowRoot(int count) {
        service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(121, 0, 1, "성인"),
                         MakeItem(11, 1, 2, "한국영화")};
        service.items[1].adult = AdultMarkFor(121, 1);
        for (int i = 0; i < count; ++i) {
            const bool folder = i % 4 == 0;
            service.items.push_back(MakeItem(
                1000 + i, 11, 3, folder ? Numbered("폴더", i) : Numbered("file", i, ".avi"), folder));
        }
        ASSERT_TRUE(catalog().LoadChildren(loc, false));
        Populate();
    }
    void OpenKoreanMovies(int count) {
        ShowRoot(count);
        ASSERT_EQ(OpenResult::kOpened, Open("영화"));
        ASSERT_EQ(OpenResult::kOpened, Open("한국영화"));
    }

    CRemoteCatalog& catalog() { return explorer.m_catalog; }
    void Populate() { paging.OnShown(loc, catalog().m_view.size()); }

    OpenResult Open(const std::string& name) {
        const auto& view = catalog().m_view;
        const auto it =
            std::find_if(view.begin(), view.end(), [&](const CRemoteItem& i) { return i.name == name; });
        const OpenResult result =
            explorer.OpenFromList(static_cast<std::size_t>(it - view.begin()), loc, adultFlag, userId, ui, 0);
        if (result != OpenResult::kRefused)
            Populate();
        return result;
    }
    void Up() {
        catalog().GoUp(loc);
        paging.Return();
        Populate();
    }
    std::string FirstName() { return catalog().m_view.empty() ? "" : catalog().m_view[0].name; }
    bool Next() {
        const bool ok = paging.NextPage(loc, catalog(), ui, 0);
        Populate();
        return ok;
    }
    bool Previous() {
        const bool ok = paging.PreviousPage(loc, catalog(), ui, 0);
        Populate();
        return ok;
    }

    FakeListingSource service;
    CRemoteExplorer explorer;
    CRemoteLocation loc;
    CListPaging paging;
    RecordingUi ui;
    char adultFlag = 'Y';
    std::string userId = "kim";
};

// The page shown and the page offset always agree: going back up returns to the page left, opening a
// folder (again) starts at its first page.
TEST_F(ListNavigation, ThePageShownAndThePageOffsetAgree) {
    OpenKoreanMovies(75);
    ASSERT_TRUE(Next());
    ASSERT_TRUE(Next());
    const std::string thirdPage = FirstName();
    ASSERT_EQ(OpenResult::kOpened, Open("폴더64"));
    EXPECT_EQ(0, loc.start);
    EXPECT_EQ(0, service.requests.back().start);
    EXPECT_FALSE(paging.NextPage(loc, catalog(), ui, 0));  // no pages outside level 2, and no message
    EXPECT_FALSE(paging.PreviousPage(loc, catalog(), ui, 0));
    EXPECT_TRUE(ui.events.empty());
    Up();
    EXPECT_EQ(60, loc.start);
    EXPECT_EQ(thirdPage, FirstName());
    EXPECT_FALSE(paging.MorePages()) << "the third page of 75 is the last";
    ASSERT_TRUE(Previous());
    EXPECT_EQ(30, service.requests.back().start);

    // Left at its second page and opened again: its first page is fetched, not the cached second one.
    Up();
    EXPECT_EQ(0, loc.start);
    const std::size_t requests = service.requests.size();
    ASSERT_EQ(OpenResult::kOpened, Open("한국영화"));
    EXPECT_EQ(0, loc.start);
    ASSERT_EQ(requests + 1, service.requests.size());
    EXPECT_EQ(0, service.requests.back().start);
    EXPECT_EQ("폴더00", FirstName());
    EXPECT_FALSE(Previous());

    // The tree choosing the folder shown at another page: the first page again.
    ASSERT_TRUE(Next());
    CRemoteLocation target = loc;
    paging.Rewind(loc);
    EXPECT_TRUE(catalog().ShowFolder(loc, target));
    EXPECT_EQ(0, loc.start);
    EXPECT_EQ(0, service.requests.back().start);
    EXPECT_EQ("폴더00", FirstName());
}

TEST_F(ListNavigation, TwentyNineItemsAreTheLastPage) {
    OpenKoreanMovies(29);
    const std::size_t requests = service.requests.size();
    EXPECT_FALSE(Next());
    EXPECT_THAT(ui.events, ElementsAre(kLastPage));
    EXPECT_EQ(0, loc.start);
    EXPECT_EQ(requests, service.requests.size());
}

TEST_F(ListNavigation, ThirtyItemsMayHaveAnEmptyNextPage) {
    OpenKoreanMovies(30);
    EXPECT_TRUE(Next());
    EXPECT_EQ(30, loc.start);
    EXPECT_TRUE(catalog().m_view.empty());
    EXPECT_FALSE(Next());
    EXPECT_THAT(ui.events, ElementsAre(kLastPage));
    EXPECT_TRUE(Previous());  // back to the first page, which has more again
    EXPECT_EQ(30u, catalog().m_view.size());
    EXPECT_TRUE(paging.MorePages());
}

TEST_F(ListNavigation, AFailedPageFetchKeepsThePageOffset) {
    OpenKoreanMovies(75);
    service.fail = true;
    EXPECT_FALSE(Next());
    EXPECT_EQ(0, loc.start);
    EXPECT_EQ(0, loc.listed);
    service.fail = false;
    EXPECT_TRUE(Next());
    EXPECT_EQ(30, loc.start);
    EXPECT_EQ(30, service.requests.back().start);
}

TEST_F(ListNavigation, TheListsAdultRuleSparesTheOwner) {
    ShowRoot(0);
    adultFlag = 'N';
    EXPECT_EQ(OpenResult::kRefused, Open("성인"));
    EXPECT_THAT(ui.events, ElementsAre("dialog 0|adult only"));
    EXPECT_TRUE(loc.IsRoot());
    userId = "FoldVen";  // the owner every listed item carries
    EXPECT_EQ(OpenResult::kOpened, Open("성인"));
    EXPECT_EQ(121, loc.id);

    Up();
    userId = "kim";
    adultFlag = 'Y';
    EXPECT_EQ(OpenResult::kOpened, Open("성인"));
    EXPECT_EQ(1u, ui.events.size());
}

TEST(AdultRule, TheTreesRuleHasNoOwnerExceptionAndSomeIdsAreAdultAtEveryLevel) {
    CRemoteLocation folder;
    folder.adult = 'A';
    folder.owner = "kim";
    EXPECT_TRUE(IsAdultBarred(folder.adult, 'N'));
    EXPECT_FALSE(IsAdultBarredForList(folder, 'N', "kim"));
    EXPECT_FALSE(IsAdultBarred('A', 'Y'));
    for (int id : {121, 131, 140, 150, 160, 177})
        EXPECT_EQ('A', AdultMarkFor(id, 1)) << id;
    EXPECT_EQ('N', AdultMarkFor(111, 2));
    EXPECT_EQ('N', AdultMarkFor(110, 1));  // 110 is adult below the first level only
    EXPECT_EQ('A', AdultMarkFor(110, 2));
}

TEST_F(ListNavigation, FoldersOfOneNameEachOpenThemselves) {
    service.items = {MakeItem(1, 0, 1, "같은이름"), MakeItem(2, 0, 1, "같은이름"),
                     MakeItem(20, 2, 2, "둘째의 것")};
    ASSERT_TRUE(catalog().LoadChildren(loc, false));
    ASSERT_EQ(OpenResult::kOpened, explorer.OpenFromList(1, loc, adultFlag, userId, ui, 0));
    EXPECT_EQ(2, loc.id);
    EXPECT_THAT(Names(catalog().m_view), ElementsAre("둘째의 것"));
}

TEST_F(ListNavigation, GoingUpToAnUncachedFolderShowsWhatWasFetched) {
    ShowRoot(75);
    ASSERT_EQ(OpenResult::kOpened, Open("영화"));
    CRemoteLocation deep;
    deep.SetFromItem(service.items[3]);  // 폴더00, whose siblings were never listed
    ASSERT_TRUE(catalog().GoUp(deep));
    EXPECT_EQ("한국영화", deep.name);
    EXPECT_EQ(30u, catalog().m_view.size());
    EXPECT_EQ("폴더00", catalog().m_view[0].name);
    EXPECT_TRUE(service.requests.back().keepView);
}

}  // namespace
