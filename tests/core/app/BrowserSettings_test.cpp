#include "FoldVenBrowser/app/BrowserSettings.h"

#include <gtest/gtest.h>

#include "tests/support/FakeRegistry.h"

namespace {

const std::string kKey = CBrowserSettings::kKey;

TEST(BrowserSettings, MissingValuesTakeDefaults) {
    FakeRegistry registry;
    CBrowserSettings settings;
    settings.bSaveID = 7;
    settings.strSaveID = "stale";
    settings.LoadSettings(registry);
    EXPECT_EQ(settings.bSaveID, 0u);
    EXPECT_EQ(settings.strSaveID, "");
    EXPECT_EQ(settings.bKeepPassword, 0u);
    EXPECT_EQ(settings.UserPW, "");
    EXPECT_EQ(settings.rPathBasic, "");
}

TEST(BrowserSettings, StringsLongerThanTheBufferReadAsEmpty) {
    FakeRegistry registry;
    registry.values[FakeRegistry::Path(kKey, "strSaveID")] = std::string(300, 'a');
    registry.values[FakeRegistry::Path(kKey, "UserPW")] = std::string(255, 'p');  // fits with its terminator
    registry.values[FakeRegistry::Path(kKey, "rPathBasic")] = std::string(256, 'r');
    CBrowserSettings settings;
    settings.LoadSettings(registry);
    EXPECT_EQ(settings.strSaveID, "");
    EXPECT_EQ(settings.UserPW, std::string(255, 'p'));
    EXPECT_EQ(settings.rPathBasic, "");
}

TEST(BrowserSettings, SaveWritesAllFiveWithTheirTypesAndRoundTrips) {
    FakeRegistry registry;
    CBrowserSettings saved;
    saved.bSaveID = 1;
    saved.strSaveID = "사용자";
    saved.bKeepPassword = 0;
    saved.UserPW = "pw&@";
    saved.rPathBasic = "C:\\다운로드\\";
    ASSERT_TRUE(saved.SaveSettings(registry));
    ASSERT_EQ(registry.values.size(), 5u);
    EXPECT_TRUE(std::holds_alternative<std::uint32_t>(registry.values[FakeRegistry::Path(kKey, "bSaveID")]));
    EXPECT_TRUE(
        std::holds_alternative<std::uint32_t>(registry.values[FakeRegistry::Path(kKey, "bKeepPassword")]));
    EXPECT_TRUE(std::holds_alternative<std::string>(registry.values[FakeRegistry::Path(kKey, "UserPW")]));

    CBrowserSettings loaded;
    loaded.LoadSettings(registry);
    EXPECT_EQ(loaded.bSaveID, 1u);
    EXPECT_EQ(loaded.strSaveID, saved.strSaveID);
    EXPECT_EQ(loaded.bKeepPassword, 0u);
    EXPECT_EQ(loaded.UserPW, saved.UserPW);
    EXPECT_EQ(loaded.rPathBasic, saved.rPathBasic);
}

TEST(BrowserSettings, FailedWriteIsReported) {
    FakeRegistry registry;
    registry.failWrites = true;
    EXPECT_FALSE(CBrowserSettings().SaveSettings(registry));
}

}  // namespace
