#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/ListPaging.h"
#include "FoldVenBrowser/catalogue/RemoteExplorer.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "tests/support/RecordingUi.h"

namespace {

using OpenResult = CRemoteExplorer::OpenResult;

// The sample catalogue as the service's data file describes it: each folder's children in service order.
struct SampleChild {
    int id;
    bool folder;
};
std::map<int, std::vector<SampleChild>> ReadSampleCatalogue() {
    std::map<int, std::vector<SampleChild>> children;
    std::ifstream in(FV_DEVSERVICE_DATA "/catalogue.txt");
    std::vector<int> parents = {0};  // parents[depth] is the folder that lines of that depth belong to
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t indent = line.find_first_not_of(' ');
        if (indent == std::string::npos || line[indent] == '#')
            continue;
        std::istringstream fields(line.substr(indent));
        char kind = 0;
        int id = 0;
        fields >> kind >> id;
        const std::size_t depth = indent / 2;
        parents.resize(depth + 1);
        children[parents[depth]].push_back({id, kind == 'D'});
        parents.push_back(id);
    }
    return children;
}

// The devservice program on a port of its own, for the length of one test.
class DevService {
public:
    DevService() {
        char folder[] = "/tmp/fv_catalogue_XXXXXX";
        m_folder = ::mkdtemp(folder);
        const std::string portFile = m_folder + "/port";
        m_pid = ::fork();
        if (m_pid == 0) {
            ::execl(FV_DEVSERVICE_EXE, FV_DEVSERVICE_EXE, "--port", "0", "--port-file", portFile.c_str(),
                    "--data", FV_DEVSERVICE_DATA, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int i = 0; i < 200 && m_port == 0; ++i) {
            std::ifstream in(portFile);
            if (!(in >> m_port))
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~DevService() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        std::remove((m_folder + "/port").c_str());
        ::rmdir(m_folder.c_str());
    }
    std::string HostSpec() const { return "127.0.0.1:" + std::to_string(m_port); }
    int Port() const { return m_port; }

private:
    std::string m_folder;
    pid_t m_pid = -1;
    int m_port = 0;
};

class CatalogueAgainstService : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(0, service.Port()) << "devservice did not start";
        ::setenv("FOLDVEN_API_HOST", service.HostSpec().c_str(), 1);
        session.apiHost = service.HostSpec();
        explorer.m_catalog.SetListingSource(&client);
    }
    void TearDown() override { ::unsetenv("FOLDVEN_API_HOST"); }

    CRemoteCatalog& catalog() { return explorer.m_catalog; }
    std::vector<int> ViewIds() {
        std::vector<int> ids;
        for (const CRemoteItem& item : catalog().m_view)
            ids.push_back(item.id);
        return ids;
    }
    // What a fetch of folder id shows: the page's children, folders first, each in service order.
    std::vector<int> Expected(int id, std::size_t first = 0, std::size_t count = 1000000) {
        const std::vector<SampleChild>& all = sample[id];
        std::vector<int> folders, files;
        for (std::size_t i = first; i < all.size() && i < first + count; ++i)
            (all[i].folder ? folders : files).push_back(all[i].id);
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

    DevService service;
    std::map<int, std::vector<SampleChild>> sample = ReadSampleCatalogue();
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
    ASSERT_GT(sample[101].size(), 60u);
    ASSERT_LT(sample[101].size(), 90u);
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
