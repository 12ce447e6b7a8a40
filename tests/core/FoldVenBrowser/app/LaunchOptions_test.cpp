#include "FoldVenBrowser/app/LaunchOptions.h"

#include <gtest/gtest.h>

#include "FoldVenBrowser/app/BrowserSettings.h"

namespace {

TEST(LaunchOptions, TokenIsExactAndCaseSensitive) {
    EXPECT_FALSE(LaunchOptions::FromArgs({"FoldVenBrowser.exe"}).tokenValid);
    EXPECT_FALSE(LaunchOptions::FromArgs({"FoldVenBrowser.exe", "QMTZVBKA"}).tokenValid);
    EXPECT_FALSE(LaunchOptions::FromArgs({"FoldVenBrowser.exe", "qmtzvbka "}).tokenValid);
    EXPECT_TRUE(LaunchOptions::FromArgs({"FoldVenBrowser.exe", "qmtzvbka"}).tokenValid);
}

TEST(LaunchOptions, OnlyAnExactDashRSkipsAutomaticLogin) {
    EXPECT_TRUE(LaunchOptions::FromArgs({"p", "qmtzvbka", "-r"}).skipAutoLogin);
    EXPECT_TRUE(LaunchOptions::FromArgs({"p", "qmtzvbka", "-r", "x"}).skipAutoLogin);
    EXPECT_FALSE(LaunchOptions::FromArgs({"p", "qmtzvbka", "-R"}).skipAutoLogin);
    EXPECT_FALSE(LaunchOptions::FromArgs({"p", "qmtzvbka", "x", "-r"}).skipAutoLogin);
}

TEST(LaunchOptions, AutomaticLoginNeedsBothFlagsAndBothTexts) {
    CBrowserSettings s;
    s.bSaveID = 1;
    s.bKeepPassword = 1;
    s.strSaveID = "user";
    s.UserPW = "pw";
    LaunchOptions plain = LaunchOptions::FromArgs({"p", "qmtzvbka"});
    EXPECT_TRUE(ShouldAutoLogin(s, plain));
    EXPECT_FALSE(ShouldAutoLogin(s, LaunchOptions::FromArgs({"p", "qmtzvbka", "-r"})));

    CBrowserSettings noSaveId = s;
    noSaveId.bSaveID = 0;  // the password alone is not enough
    EXPECT_FALSE(ShouldAutoLogin(noSaveId, plain));
    CBrowserSettings emptyPw = s;
    emptyPw.UserPW.clear();
    EXPECT_FALSE(ShouldAutoLogin(emptyPw, plain));
    CBrowserSettings emptyId = s;
    emptyId.strSaveID.clear();
    EXPECT_FALSE(ShouldAutoLogin(emptyId, plain));
}

TEST(ColorDepth, ClassesAndTheOldCommonControlsRule) {
    const int expected[][2] = {{1, 0},   {3, 0},   {4, 4},   {7, 4},   {8, 8},   {15, 8},
                               {16, 16}, {23, 16}, {24, 24}, {31, 24}, {32, 32}, {64, 32}};
    for (const auto& pair : expected)
        EXPECT_EQ(ClassifyColorDepth(pair[0]), pair[1]) << pair[0];
    EXPECT_EQ(AdjustColorDepthForComCtl(32, 0x50050), 16);
    EXPECT_EQ(AdjustColorDepthForComCtl(32, 0x60000), 32);
    EXPECT_EQ(AdjustColorDepthForComCtl(24, 0x40000), 24);
}

}  // namespace
