#include "VenUpdater/update/UpdateFileList.h"

#include <gtest/gtest.h>

namespace {

const std::string kFolder = "C:\\Program Files\\FoldVen\\";

CUpdateFileEntry LocalFile(const std::string& relative, const std::string& version) {
    CUpdateFileEntry entry;
    entry.path = kFolder + relative;
    entry.version = version;
    return entry;
}

CUpdateFileEntry LocalFolder(const std::string& name) {
    CUpdateFileEntry entry;
    entry.kind = CUpdateFileEntry::kFolder;
    entry.path = name;
    return entry;
}

TEST(ParseUpdateList, FolderThenFileGroupWithVersionZero) {
    CUpdateFileList list;
    list.ParseUpdateList("skin@FoldVenBrowser.exe\t0\t1000");
    ASSERT_EQ(list.server.size(), 2u);
    EXPECT_EQ(list.server[0].kind, CUpdateFileEntry::kFolder);
    EXPECT_EQ(list.server[0].path, "skin");
    EXPECT_EQ(list.server[0].version, "");
    EXPECT_EQ(list.server[1].kind, CUpdateFileEntry::kFile);
    EXPECT_EQ(list.server[1].path, "FoldVenBrowser.exe");
    EXPECT_EQ(list.server[1].version, "");  // "0" means no version
    EXPECT_EQ(list.server[1].size, 1000);
}

TEST(ParseUpdateList, RunsOfSeparatorsCountAsOneAndIncompleteGroupsAreDropped) {
    CUpdateFileList list;
    list.ParseUpdateList("@@a@@b@x.dll\t\t1, 0\t5\t\ty.dll\t2");
    ASSERT_EQ(list.server.size(), 3u);
    EXPECT_EQ(list.server[0].path, "a");
    EXPECT_EQ(list.server[1].path, "b");
    EXPECT_EQ(list.server[2].path, "x.dll");
    EXPECT_EQ(list.server[2].version, "1, 0");
    EXPECT_EQ(list.server[2].size, 5);

    CUpdateFileList empty;
    empty.ParseUpdateList("@@\t\t@");
    EXPECT_TRUE(empty.server.empty());
    // The last piece is always the file part, so a lone folder name is no folder.
    CUpdateFileList lone;
    lone.ParseUpdateList("skin@");
    EXPECT_TRUE(lone.server.empty());
}

TEST(ParseUpdateList, LongFilePartIsReadWhole) {
    std::string reply;
    for (int i = 0; i < 100; ++i)
        reply += "file" + std::to_string(i) + ".dat\t201012011200\t" + std::to_string(i * 1000) + "\t";
    ASSERT_GT(reply.size(), 2047u);
    CUpdateFileList list;
    list.ParseUpdateList(reply);
    ASSERT_EQ(list.server.size(), 100u);
    EXPECT_EQ(list.server[99].path, "file99.dat");
    EXPECT_EQ(list.server[99].size, 99000);
}

TEST(ParseUpdateList, NamesOutsideTheFolderOrOversizedAreDropped) {
    CUpdateFileList list;
    list.ParseUpdateList(
        "..\\up@C:\\x@ok@../evil.exe\t1\t1\tsub/../../e.exe\t1\t1\t\\root.exe\t1\t1\tD:e\t1\t1\t" +
        std::string(260, 'n') + "\t1\t1\tok/fine.exe\t" + std::string(256, 'v') + "\t1\tok/good.exe\t1\t1");
    ASSERT_EQ(list.server.size(), 2u);
    EXPECT_EQ(list.server[0].path, "ok");
    EXPECT_EQ(list.server[1].path, "ok/good.exe");
    EXPECT_TRUE(IsSafeRelativeName("a..b/c.txt"));
}

TEST(UpdateDecision, VersionTextsCompareByteForByte) {
    CUpdateFileList list;
    list.local = {LocalFolder("skin"), LocalFile("FoldVenBrowser.exe", "2, 3, 1, 2")};
    EXPECT_FALSE(list.NeedsDownload(kFolder, "FoldVenBrowser.exe", "2, 3, 1, 2"));
    EXPECT_TRUE(list.NeedsDownload(kFolder, "FoldVenBrowser.exe", "2.3.1.2"));
    EXPECT_TRUE(list.NeedsDownload(kFolder, "FoldVenBrowser.exe", ""));
    EXPECT_TRUE(list.NeedsDownload(kFolder, "New.dll", "1"));

    // Version "0" is empty text, which only a file the inventory could not read has.
    CUpdateFileList reply;
    reply.ParseUpdateList("FoldVenBrowser.exe\t0\t1000");
    EXPECT_TRUE(list.Decide(kFolder, reply.server[0]));
    list.local[1].version.clear();
    EXPECT_FALSE(list.Decide(kFolder, reply.server[0]));
}

TEST(UpdateDecision, NamesMatchIgnoringAsciiCaseAndSlashes) {
    CUpdateFileList list;
    list.local = {LocalFile("Skin\\Main.BMP", "v1"), LocalFile("temp\\VenUpdater.exe", "1, 0, 0, 1")};
    EXPECT_FALSE(list.NeedsDownload(kFolder, "skin/main.bmp", "v1"));
    EXPECT_FALSE(list.NeedsDownload(kFolder, "SKIN\\MAIN.bmp", "v1"));
    EXPECT_FALSE(list.NeedsDownload(kFolder, "temp/VenUpdater.exe", "1, 0, 0, 1"));
    // A name is the whole relative path: a file elsewhere or a longer name with the same ending is
    // another file.
    EXPECT_TRUE(list.NeedsDownload(kFolder, "VenUpdater.exe", "1, 0, 0, 1"));
    EXPECT_TRUE(list.NeedsDownload(kFolder, "in.bmp", "v1"));
}

TEST(UpdateDecision, TheUpdatersOwnCopyIsFetchedOnlyWhenTheInstalledUpdaterDiffers) {
    // The browser has moved the last copy into place: temp holds none.
    CUpdateFileList list;
    list.local = {LocalFile("VenUpdater.exe", "1, 0, 0, 1")};
    CUpdateFileEntry copy;
    copy.path = "temp/VenUpdater.exe";
    copy.version = "1, 0, 0, 1";
    EXPECT_FALSE(list.Decide(kFolder, copy));
    copy.path = "TEMP\\venupdater.EXE";
    EXPECT_FALSE(list.Decide(kFolder, copy));
    copy.version = "1, 0, 0, 2";
    EXPECT_TRUE(list.Decide(kFolder, copy));
    // Already delivered and not yet moved: not fetched again.
    list.local.push_back(LocalFile("temp\\VenUpdater.exe", "1, 0, 0, 2"));
    EXPECT_FALSE(list.Decide(kFolder, copy));
    // Other files of that name are files like any other.
    copy.path = "skin/VenUpdater.exe";
    copy.version = "1, 0, 0, 1";
    EXPECT_TRUE(list.Decide(kFolder, copy));
}

TEST(UpdateDecision, KoreanTrailBytesAreNotLowerCased) {
    // "\xB0\x41" and "\xB0\x61" are two different Hangul syllables.
    CUpdateFileList list;
    list.local = {LocalFile("\xB0\x41.txt", "1")};
    EXPECT_FALSE(list.NeedsDownload(kFolder, "\xB0\x41.TXT", "1"));
    EXPECT_TRUE(list.NeedsDownload(kFolder, "\xB0\x61.txt", "1"));
}

TEST(UpdateDecision, IcoNamesCompareAs64BitNumbers) {
    CUpdateFileList list;
    list.local = {LocalFile("FoldVen.ico", "201012011200"), LocalFile("Logo.ICO", "5")};
    const std::string name = "FoldVen.ico";
    EXPECT_TRUE(list.NeedsDownloadNumeric(kFolder, name, "201012011200"));   // equal: fetched again
    EXPECT_FALSE(list.NeedsDownloadNumeric(kFolder, name, "201012011159"));  // smaller: kept
    EXPECT_TRUE(list.NeedsDownloadNumeric(kFolder, name, "201012011201"));   // greater
    // Twelve digits exceed 32 bits: a reading that saturates would call a day older "equal".
    EXPECT_FALSE(list.NeedsDownloadNumeric(kFolder, name, "201011301200"));
    EXPECT_TRUE(list.NeedsDownloadNumeric(kFolder, "none.ico", "1"));

    CUpdateFileEntry entry;
    entry.path = name;
    entry.version = "201012011159";
    EXPECT_FALSE(list.Decide(kFolder, entry));
    entry.path = "Logo.ICO";  // "ico" is case-sensitive: text comparison
    entry.version = "6";
    EXPECT_TRUE(list.Decide(kFolder, entry));
    entry.version = "5";
    EXPECT_FALSE(list.Decide(kFolder, entry));
}

TEST(Progress, RangeRoundsToWholeKilobytes) {
    EXPECT_EQ(ProgressRange(0), 0);
    EXPECT_EQ(ProgressRange(1536), 2);
    EXPECT_EQ(ProgressRange(1535), 1);
    EXPECT_EQ(ProgressRange(-5), 0);
    EXPECT_EQ(ProgressRange(INT64_MAX - 100), INT32_MAX);
    EXPECT_EQ(ProgressPosition(2047), 1);
}

}  // namespace
