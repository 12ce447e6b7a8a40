#include <gtest/gtest.h>

#include "FoldVenBrowser/app/PageRefreshGate.h"

namespace {

TEST(PageRefreshGate, AReloadDoesNotCauseAnother) {
    CPageRefreshGate gate;
    gate.OnLoadStarted(0);
    EXPECT_FALSE(gate.OnPaint(100));  // painting while the first page loads
    gate.OnLoadFinished(1000);
    EXPECT_FALSE(gate.OnPaint(1200));  // the paint the load's end brings about
    EXPECT_TRUE(gate.OnPaint(1600));   // uncovered later: reload
    EXPECT_FALSE(gate.OnPaint(1601));  // and the paints of that reload do not reload again
    EXPECT_FALSE(gate.OnPaint(5000));
    gate.OnLoadFinished(5000);
    EXPECT_FALSE(gate.OnPaint(5499));
    EXPECT_TRUE(gate.OnPaint(5500));
}

TEST(PageRefreshGate, ALoadThatNeverEndsStopsHoldingPaintsBack) {
    CPageRefreshGate gate;
    gate.OnLoadStarted(0);
    EXPECT_FALSE(gate.OnPaint(9999));
    EXPECT_TRUE(gate.OnPaint(10000));
}

}  // namespace
