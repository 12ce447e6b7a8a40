#include "VenUpdater/update/DownloadPacer.h"

#include <gtest/gtest.h>

namespace {

TEST(DownloadPacer, ReadsGrowWhileTheyFillAtOnceAndShrinkWhenTheyWait) {
    CDownloadPacer pace;
    EXPECT_EQ(pace.ReadSize(), CDownloadPacer::kFirstRead);
    pace.ReadTook(CDownloadPacer::kFirstRead / 2, 1);  // the end of a file: not a sign of a fast line
    EXPECT_EQ(pace.ReadSize(), CDownloadPacer::kFirstRead);
    for (int i = 0; i < 10; ++i)
        pace.ReadTook(pace.ReadSize(), 2);
    EXPECT_EQ(pace.ReadSize(), CDownloadPacer::kMaxRead);
    pace.ReadTook(pace.ReadSize(), CDownloadPacer::kFastReadMs);  // neither fast nor slow
    EXPECT_EQ(pace.ReadSize(), CDownloadPacer::kMaxRead);
    for (int i = 0; i < 10; ++i)
        pace.ReadTook(pace.ReadSize(), 500);
    EXPECT_EQ(pace.ReadSize(), CDownloadPacer::kMinRead);
}

TEST(DownloadPacer, ProgressIsPostedWhenItMovesAtMostOncePerIntervalButAlwaysAtTheEnd) {
    CDownloadPacer pace;
    EXPECT_TRUE(pace.ShouldPostProgress(0, 1000, false));
    EXPECT_FALSE(pace.ShouldPostProgress(0, 2000, false));  // unchanged
    EXPECT_FALSE(pace.ShouldPostProgress(5, 1000 + CDownloadPacer::kProgressIntervalMs - 1, false));
    EXPECT_TRUE(pace.ShouldPostProgress(5, 1000 + CDownloadPacer::kProgressIntervalMs, false));
    EXPECT_TRUE(pace.ShouldPostProgress(9, 1000 + CDownloadPacer::kProgressIntervalMs + 1, true));
    EXPECT_FALSE(pace.ShouldPostProgress(9, 5000, true));
}

}  // namespace
