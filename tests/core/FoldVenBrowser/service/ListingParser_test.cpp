#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/ListingSink.h"
#include "FoldVenBrowser/service/ListingParser.h"
#include "net/ServiceHosts.h"

namespace {

class RecordingSink : public IListingSink {
public:
    std::vector<CRemoteItem> items;
    int partitions = 0;
    bool lastKeepView = false;
    void AddReplyItem(const CRemoteItem& item, const CRemoteLocation&, bool keepView) override {
        items.push_back(item);
        lastKeepView = keepView;
    }
    void PartitionView() override { ++partitions; }
};

TEST(ListingParse, ReadsEveryFieldOfALine) {
    RecordingSink sink;
    CRemoteLocation where;
    const std::string body =
        "S\t0\tS0\tlead\t"
        "7\t0\t1\t-1\tMovies\tc1\tF\t3\t0\r\n"
        "121\t7\t2\t-1\tAdult\tc1\tc2\td\t0\t0\r\n"
        "900\t33\t4\t5000000000\tfile.avi\tx\ty\tF\t/a/b/\t1\t6000000000\r\n";
    ParseListing(body, sink, where, true);
    ASSERT_EQ(sink.items.size(), 3u);
    EXPECT_EQ(sink.partitions, 1);
    EXPECT_TRUE(sink.lastKeepView);

    const CRemoteItem& root = sink.items[0];
    EXPECT_EQ(root.id, 7);
    EXPECT_EQ(root.parentId, 0);
    EXPECT_EQ(root.size, -1);
    EXPECT_EQ(root.name, "Movies");
    EXPECT_EQ(root.owner, "FoldVen");
    EXPECT_EQ(root.cate1, "c1");
    EXPECT_EQ(root.cate2, "root");  // parent 0: no field consumed
    EXPECT_EQ(root.type, "F");
    EXPECT_EQ(root.number, 3);
    EXPECT_EQ(root.adult, 'N');

    EXPECT_EQ(sink.items[1].cate2, "c2");
    EXPECT_EQ(sink.items[1].type, "d");
    EXPECT_EQ(sink.items[1].adult, 'A');

    const CRemoteItem& file = sink.items[2];
    EXPECT_EQ(file.path, "/a/b/");  // only below level 3
    EXPECT_EQ(file.size, 5000000000LL);
    EXPECT_EQ(file.capacity, 6000000000LL);
    EXPECT_EQ(file.number, 1);
}

TEST(ListingParse, ShortLinesAndBodiesWithoutTheListMarker) {
    RecordingSink sink;
    CRemoteLocation where;
    ParseListing("S\t0\tnothing here", sink, where, false);
    EXPECT_EQ(sink.partitions, 0);

    ParseListing("S\t0\tS0\tlead\t1\t0\t1\t-1\tx\r\n12\t0\t1\t-1\tab\tc\td\t0\t0\r\n", sink, where, false);
    ASSERT_EQ(sink.items.size(), 1u);  // the 10-byte line is skipped
    EXPECT_EQ(sink.items[0].id, 12);
    EXPECT_EQ(sink.partitions, 1);

    RecordingSink empty;
    ParseListing("S\t0\tS0\t", empty, where, false);
    EXPECT_TRUE(empty.items.empty());
    EXPECT_EQ(empty.partitions, 1);
}

TEST(ParseLoginReply, FillsTheSessionFromTenFields) {
    CSessionInfo session;
    session.userId = "typed";
    session.ParseLoginReply("short\t\t\t\t\t\t\t\t\t");  // 19 bytes: nothing changes
    EXPECT_EQ(session.userId, "typed");
    EXPECT_TRUE(session.apiHost.empty());

    session.ParseLoginReply("kim\tt2\tt3\tINF\t12345678901\t1\tN\tpw2\t2026-12-31\tLK9\t");
    EXPECT_EQ(session.userId, "kim");
    EXPECT_EQ(session.text2, "t2");
    EXPECT_EQ(session.text3, "t3");
    EXPECT_EQ(session.informKey, "INF");
    EXPECT_EQ(session.packetBalance, 12345678901LL);
    EXPECT_EQ(session.flatRate, 1);
    EXPECT_EQ(session.adultFlag, 'N');
    EXPECT_EQ(session.password, "pw2");
    EXPECT_EQ(session.flatRateUntil, "2026-12-31");
    EXPECT_EQ(session.listKey, "LK9");
    EXPECT_EQ(session.apiHost, ServiceHosts::ApiHost());
}

}  // namespace
