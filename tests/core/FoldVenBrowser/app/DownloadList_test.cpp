#include <gtest/gtest.h>

#include "FoldVenBrowser/app/DownloadList.h"
#include "FoldVenBrowser/app/VersionText.h"
#include "tools/downloader/ListFileReader.h"

TEST(DownloadList, ItemsJoinedAndRecordCountsTheZero) {
    CDownloadList list;
    list.Add("12", "사랑의 온도 1화.avi");
    list.Add("345", "b");
    EXPECT_EQ(list.Text(), "12#<사랑의 온도 1화.avi#>345#<b");

    const std::string text = "12345678901234567890";  // 20 bytes
    const std::string record = MakeListFileRecord(text, 0x11223344);
    ASSERT_EQ(record.size(), 33u);
    EXPECT_EQ(record.substr(0, 12), std::string("\x07\0\0\0\x15\0\0\0\x44\x33\x22\x11", 12));
    EXPECT_EQ(record.substr(12), text + std::string(1, '\0'));
}

TEST(DownloadList, CommandLineEscapesOnlyThePathBlanks) {
    EXPECT_EQ(DownloaderCommandLine("tester", "test1234",
                                    "C:\\Users\\me\\Local Settings\\Temp\\FoldVen_Download_List"),
              "bbs tester test1234 C:\\Users\\me\\Local[[SPACE]]Settings\\Temp\\FoldVen_Download_List");
    // ID and password go as they are, blanks included.
    EXPECT_EQ(DownloaderCommandLine("mail@foldven.test", "p&ss w0rd", "C:\\t\\L"),
              "bbs mail@foldven.test p&ss w0rd C:\\t\\L");
}

TEST(ListFileReader, FollowsAppendedRecordsAndWaitsForTornOnes) {
    CListFileReader reader;
    std::string file = MakeListFileRecord("1#<a", 0);
    const std::string second = MakeListFileRecord("2#<b#>3#<c", 0);
    file += second.substr(0, 15);
    EXPECT_EQ(reader.Take(file), std::vector<std::string>{"1#<a"});
    file += second.substr(15);
    EXPECT_EQ(reader.Take(file), std::vector<std::string>{"2#<b#>3#<c"});
    EXPECT_TRUE(reader.Take(file).empty());
    // A new, shorter file was written in its place: read from its start.
    EXPECT_EQ(reader.Take(MakeListFileRecord("9#<z", 0)), std::vector<std::string>{"9#<z"});

    const auto items = SplitDownloadItems("2#<b#>3#<c#<d#>7");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].id, "3");
    EXPECT_EQ(items[1].name, "c#<d");
    EXPECT_EQ(items[2].id, "7");
}

TEST(ListFileReader, StopsAtSomethingThatIsNoRecord) {
    CListFileReader reader;
    std::string bad = MakeListFileRecord("1#<a", 0);
    bad[0] = 8;
    EXPECT_TRUE(reader.Take(bad).empty());
    EXPECT_TRUE(reader.Broken());

    CListFileReader unterminated;
    std::string record = MakeListFileRecord("1#<a", 0);
    record.back() = 'x';
    EXPECT_TRUE(unterminated.Take(record).empty());
    EXPECT_TRUE(unterminated.Broken());

    CListFileReader huge;
    EXPECT_TRUE(huge.Take(std::string("\x07\0\0\0\xff\xff\xff\xff\0\0\0\0", 12) + "abc").empty());
    EXPECT_TRUE(huge.Broken());
}

TEST(VersionText, ComparedWholeUpToTheFirstZero) {
    EXPECT_TRUE(VersionsMatch("2.3.1.2", "2.3.1.2"));
    EXPECT_FALSE(VersionsMatch("2.3.1.2", "2.3.1.2\r\n"));
    EXPECT_TRUE(VersionsMatch(std::string("2.3\0junk", 8), "2.3"));
    // Texts alike in their first 99 bytes but not after still differ.
    const std::string head(99, 'v');
    EXPECT_FALSE(VersionsMatch(head + "1", head + "2"));
    EXPECT_FALSE(VersionsMatch(std::string(kMaxVersionFile + 1, 'v'), std::string(kMaxVersionFile + 1, 'v')));
}
