#include "VenUpdater/app/ElevatedPass.h"

#include <gtest/gtest.h>

#include <set>

#include "VenUpdater/res/resource.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/support/RecordingUi.h"

namespace {

using namespace ElevatedPass;

// The system with folders closed to this process and a scripted elevated copy.
class FakeElevation : public IElevation {
public:
    bool CanWriteInto(const std::string& folder) override {
        probed.push_back(folder);
        return closed.count(folder) == 0;
    }
    Outcome RunElevatedCopy(HWND) override {
        ++copies;
        return outcome;
    }
    std::set<std::string> closed;
    std::vector<std::string> probed;
    int copies = 0;
    Outcome outcome = Outcome::kDone;
};

class ElevatedPassTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestInstall::TempFolder("fv-elevate");
        ::CreateDirectoryA((folder + "data").c_str(), nullptr);
        Local("app.dat", "old");
        Local("data\\more.dat", "old more");
        ui.strings = {{IDS_ELEVATION_DECLINED, "declined"}, {IDS_ELEVATION_FAILED, "failed"}};
    }
    void TearDown() override { TestInstall::DeleteTree(folder.substr(0, folder.size() - 1)); }

    void Local(const std::string& name, const std::string& content) {
        TestInstall::WriteFile(folder + name, content);
        files.local.push_back({CUpdateFileEntry::kFile, folder + name, "1", 0});
    }
    Route Choose(const std::string& list, bool elevatedCopy) {
        files.server.clear();
        files.ParseUpdateList(list);
        return ChooseRoute(files, folder, system, elevatedCopy);
    }

    std::string folder;
    CUpdateFileList files;
    FakeElevation system;
    RecordingUi ui;
};

// Nothing to write: no probe, no prompt. Else only the folders written into are probed (a new file in
// a new folder below "data" goes into "data", a missing folder into its nearest existing parent, a new
// updater waiting in temp into the program folder), and a denial sends the pass to the elevated copy,
// which never asks again.
TEST_F(ElevatedPassTest, OnlyADeniedWriteGoesToTheElevatedCopy) {
    EXPECT_EQ(Choose("data@app.dat\t1\t3\tdata/more.dat\t1\t8", false), Route::kHere);
    EXPECT_TRUE(system.probed.empty());
    const std::vector<std::string> expected = {folder + "data\\", folder};
    EXPECT_EQ(Choose("data/new/x.dat\t2\t3\tapp.dat\t2\t3\tdata/more.dat\t1\t8", false), Route::kHere);
    EXPECT_EQ(system.probed, expected);

    system.closed = {folder};
    EXPECT_EQ(Choose("data/more.dat\t1\t8\tapp.dat\t2\t3", false), Route::kElevatedCopy);
    EXPECT_EQ(Choose("data/more.dat\t1\t8\tapp.dat\t2\t3", true), Route::kDeniedHere);
    EXPECT_EQ(Choose("plugins@app.dat\t1\t3", false), Route::kElevatedCopy);
    system.closed = {folder + "data\\"};
    EXPECT_EQ(Choose("data/more.dat\t1\t8\tapp.dat\t2\t3", false), Route::kHere);

    ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
    TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", TestInstall::OwnProgramImage());
    system.closed = {folder};
    EXPECT_EQ(Choose("app.dat\t1\t3", false), Route::kElevatedCopy);
    EXPECT_EQ(system.copies, 0);  // the decision itself starts nothing
}

TEST_F(ElevatedPassTest, OneElevationPerHandOverAndAMessageUnlessTheCopyUpdatedOrSpoke) {
    const std::pair<Outcome, std::vector<std::string>> cases[] = {
        {Outcome::kDone, {}},
        {Outcome::kStopped, {}},  // the copy has shown why
        {Outcome::kDeclined, {"box 알림|declined|48"}},
        {Outcome::kDenied, {"box 알림|failed|48"}},
        {Outcome::kFailed, {"box 알림|failed|48"}},
    };
    for (const auto& [outcome, events] : cases) {
        system.outcome = outcome;
        system.copies = 0;
        ui.events.clear();
        EXPECT_EQ(HandOver(system, ui, nullptr), outcome);
        EXPECT_EQ(system.copies, 1);
        EXPECT_EQ(ui.events, events);
    }
    EXPECT_EQ(TestInstall::ReadFile(folder + "app.dat"), "old");
}

}  // namespace
