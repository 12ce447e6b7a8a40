#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "FoldVenBrowser/catalogue/AdultRule.h"
#include "FoldVenBrowser/catalogue/ListPaging.h"
#include "FoldVenBrowser/catalogue/RemoteExplorer.h"
#include "tests/core/catalogue/CatalogueFakes.h"
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

// 영화 (1) > 한국영화 (11, 75 entries: every fourth a folder) > 폴더00 (1000) > a file and a folder.
std::vector<CRemoteItem> SampleCatalogue() {
    std::vector<CRemoteItem> items = {MakeItem(1, 0, 1, "영화"),          MakeItem(2, 0, 1, "게임"),
                                      MakeItem(3, 0, 1, ".waste_basket"), MakeItem(121, 0, 1, "성인"),
                                      MakeItem(11, 1, 2, "한국영화"),     MakeItem(12, 1, 2, "외국영화"),
                                      MakeItem(110, 1, 2, "성인영화")};
    items[3].adult = AdultMarkFor(121, 1);
    items[6].adult = AdultMarkFor(110, 2);
    for (int i = 0; i < 75; ++i) {
        const bool folder = i % 4 == 0;
        items.push_back(
            MakeItem(1000 + i, 11, 3, folder ? Numbered("폴더", i) : Numbered("file", i, ".avi"), folder));
    }
    items.push_back(MakeItem(5000, 1000, 4, "scene.avi", false));
    items.push_back(MakeItem(5001, 1000, 4, "extra"));
    return items;
}

// What the list panel does around the catalogue: open rows, go up, change pages, repopulate.
class ListNavigation : public ::testing::Test {
protected:
    void SetUp() override {
        ui.strings[118] = "adult only";
        service.items = SampleCatalogue();
        explorer.m_catalog.SetListingSource(&service);
        ASSERT_TRUE(catalog().LoadChildren(loc, false));
        Populate();
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
        paging.Rewind(loc);
        Populate();
    }
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
    // The names a page of 한국영화 shows: its folders, then its files, in the service's order.
    static std::vector<std::string> Page(int first, int count) {
        std::vector<std::string> folders, files;
        for (int i = first; i < first + count; ++i) {
            if (i % 4 == 0) {
                folders.push_back(Numbered("폴더", i));
            } else {
                files.push_back(Numbered("file", i, ".avi"));
            }
        }
        folders.insert(folders.end(), files.begin(), files.end());
        return folders;
    }

    FakeListingSource service;
    CRemoteExplorer explorer;
    CRemoteLocation loc;
    CListPaging paging;
    RecordingUi ui;
    char adultFlag = 'Y';
    std::string userId = "kim";
};

TEST_F(ListNavigation, AnOpenedFolderKeepsTheListsPageOffset) {
    ASSERT_EQ(OpenResult::kOpened, Open("영화"));
    ASSERT_EQ(OpenResult::kOpened, Open("한국영화"));
    ASSERT_TRUE(Next());
    ASSERT_EQ(OpenResult::kOpened, Open("폴더32"));
    EXPECT_EQ(30, loc.start);                     // each view keeps its own offset
    EXPECT_EQ(0, service.requests.back().start);  // the folder itself was asked for from its start
    Up();
    EXPECT_EQ(0, loc.start);
}

class LevelTwoPaging : public ListNavigation {
protected:
    // A level-2 folder with count entries, opened from its level-1 category.
    void OpenFolderOf(int count) {
        service.items = {MakeItem(1, 0, 1, "영화"), MakeItem(11, 1, 2, "한국영화")};
        for (int i = 0; i < count; ++i)
            service.items.push_back(MakeItem(100 + i, 11, 3, Numbered("f", i)));
        ASSERT_TRUE(catalog().LoadChildren(loc, false));
        ASSERT_EQ(OpenResult::kOpened, Open("영화"));
        ASSERT_EQ(OpenResult::kOpened, Open("한국영화"));
    }
};

TEST_F(LevelTwoPaging, TwentyNineItemsAreTheLastPage) {
    OpenFolderOf(29);
    const std::size_t requests = service.requests.size();
    EXPECT_FALSE(Next());
    EXPECT_THAT(ui.events, ElementsAre(kLastPage));
    EXPECT_EQ(0, loc.start);
    EXPECT_EQ(requests, service.requests.size());
}

TEST_F(LevelTwoPaging, ThirtyItemsMayHaveAnEmptyNextPage) {
    OpenFolderOf(30);
    EXPECT_TRUE(Next());
    EXPECT_EQ(30, loc.start);
    EXPECT_TRUE(catalog().m_view.empty());
    EXPECT_FALSE(Next());
    EXPECT_THAT(ui.events, ElementsAre(kLastPage));
    EXPECT_TRUE(Previous());  // back to the first page, which has more again
    EXPECT_EQ(30u, catalog().m_view.size());
    EXPECT_TRUE(paging.MorePages());
}

TEST_F(LevelTwoPaging, AFailedPageFetchKeepsThePageOffset) {
    OpenFolderOf(75);
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

TEST(AdultRule, TheTreesRuleHasNoOwnerExceptionAndIdsCountByLevel) {
    CRemoteLocation folder;
    folder.adult = 'A';
    folder.owner = "kim";
    EXPECT_TRUE(IsAdultBarred(folder.adult, 'N'));
    EXPECT_FALSE(IsAdultBarredForList(folder, 'N', "kim"));
    EXPECT_FALSE(IsAdultBarred('A', 'Y'));
    EXPECT_EQ('N', AdultMarkFor(110, 1));
    EXPECT_EQ('A', AdultMarkFor(110, 2));
    for (int id : {121, 131, 140, 150, 160, 177})
        EXPECT_EQ('A', AdultMarkFor(id, 1)) << id;
    EXPECT_EQ('N', AdultMarkFor(111, 2));
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
    ASSERT_EQ(OpenResult::kOpened, Open("영화"));
    CRemoteLocation deep;
    deep.SetFromItem(service.items[7]);  // 폴더00, whose siblings were never listed
    ASSERT_TRUE(catalog().GoUp(deep));
    EXPECT_EQ("한국영화", deep.name);
    EXPECT_EQ(Page(0, 30), Names(catalog().m_view));
    EXPECT_TRUE(service.requests.back().keepView);
}

}  // namespace
