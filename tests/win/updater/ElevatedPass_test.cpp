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

TEST_F(ElevatedPassTest, NothingToWriteNeverProbesNorAsks) {
    EXPECT_EQ(Choose("data@app.dat\t1\t3\tdata/more.dat\t1\t8", false), Route::kHere);
    EXPECT_TRUE(system.probed.empty());
}

TEST_F(ElevatedPassTest, OnlyTheFoldersWrittenIntoAreProbed) {
    // A new file in a new folder below "data" is written into "data"; an outdated file at the top into the
    // program folder.
    const std::vector<std::string> expected = {folder + "data\\", folder};
    EXPECT_EQ(Choose("data/new/x.dat\t2\t3\tapp.dat\t2\t3\tdata/more.dat\t1\t8", false), Route::kHere);
    EXPECT_EQ(system.probed, expected);
    EXPECT_EQ(FoldersWritten(files, folder), expected);
}

TEST_F(ElevatedPassTest, ADeniedWriteGoesToTheElevatedCopyWhichNeverAsksAgain) {
    system.closed = {folder};
    EXPECT_EQ(Choose("data/more.dat\t1\t8\tapp.dat\t2\t3", false), Route::kElevatedCopy);
    EXPECT_EQ(Choose("data/more.dat\t1\t8\tapp.dat\t2\t3", true), Route::kDeniedHere);
    // A folder that is missing is created in its nearest existing parent.
    EXPECT_EQ(Choose("plugins@app.dat\t1\t3", false), Route::kElevatedCopy);
    // Closed folders that the pass does not write into do not matter.
    system.closed = {folder + "data\\"};
    EXPECT_EQ(Choose("data/more.dat\t1\t8\tapp.dat\t2\t3", false), Route::kHere);
    EXPECT_EQ(system.copies, 0);  // the decision itself starts nothing
}

TEST_F(ElevatedPassTest, ANewUpdaterWaitingInTempNeedsTheProgramFolder) {
    ::CreateDirectoryA((folder + "temp").c_str(), nullptr);
    TestInstall::WriteFile(folder + "temp\\VenUpdater.exe", TestInstall::OwnProgramImage());
    system.closed = {folder};
    EXPECT_EQ(Choose("app.dat\t1\t3", false), Route::kElevatedCopy);
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

TEST_F(ElevatedPassTest, TheSystemProbeLeavesNothingBehindAndTheSwitchIsAWord) {
    EXPECT_TRUE(SystemElevation().CanWriteInto(folder));
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((folder + "~fv*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE)
        ::FindClose(search);

    EXPECT_TRUE(IsElevatedCopy("/elevatedpass"));
    EXPECT_TRUE(IsElevatedCopy("-x \"/elevatedpass\""));
    EXPECT_FALSE(IsElevatedCopy("/elevatedpassx"));
    EXPECT_FALSE(IsElevatedCopy(""));
    EXPECT_FALSE(IsElevatedCopy(nullptr));
}

}  // namespace
