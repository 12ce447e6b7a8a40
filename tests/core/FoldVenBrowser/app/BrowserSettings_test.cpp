#include "FoldVenBrowser/app/BrowserSettings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "FoldVenBrowser/app/LaunchOptions.h"
#include "tests/support/FakeRegistry.h"

namespace {

const std::string kKey = CBrowserSettings::kKey;
const std::string kPassword = FakeRegistry::Path(kKey, "UserPW");

// Stands in for the system's protection: a reversible scramble behind a marker; anything without the
// marker cannot be unprotected.
class FakeProtection : public IDataProtection {
public:
    bool failProtect = false;
    bool Protect(const std::string& plain, std::string& blob) override {
        if (failProtect)
            return false;
        blob = "blob:" + std::string(plain.rbegin(), plain.rend());
        return true;
    }
    bool Unprotect(const std::string& blob, std::string& plain) override {
        if (blob.rfind("blob:", 0) != 0)
            return false;
        plain.assign(blob.rbegin(), blob.rend() - 5);
        return true;
    }
};

class BrowserSettingsTest : public ::testing::Test {
protected:
    // The stored password's bytes when it is binary, else "(not binary)".
    std::string StoredBlob() {
        auto it = registry.values.find(kPassword);
        if (it == registry.values.end() || !std::holds_alternative<FakeRegistry::Binary>(it->second))
            return "(not binary)";
        return std::get<FakeRegistry::Binary>(it->second).bytes;
    }
    CBrowserSettings Loaded() {
        CBrowserSettings settings;
        settings.LoadSettings(registry, protection);
        return settings;
    }

    FakeRegistry registry;
    FakeProtection protection;
};

TEST_F(BrowserSettingsTest, MissingValuesTakeDefaults) {
    CBrowserSettings settings;
    settings.bSaveID = 7;
    settings.strSaveID = "stale";
    settings.LoadSettings(registry, protection);
    EXPECT_EQ(settings.bSaveID, 0u);
    EXPECT_EQ(settings.strSaveID, "");
    EXPECT_EQ(settings.bKeepPassword, 0u);
    EXPECT_EQ(settings.UserPW, "");
    EXPECT_EQ(settings.rPathBasic, "");
    EXPECT_TRUE(registry.values.empty());
}

TEST_F(BrowserSettingsTest, StringsLongerThanTheBufferReadAsEmpty) {
    registry.values[FakeRegistry::Path(kKey, "strSaveID")] = std::string(300, 'a');
    registry.values[kPassword] = std::string(255, 'p');  // fits with its terminator
    registry.values[FakeRegistry::Path(kKey, "rPathBasic")] = std::string(256, 'r');
    const CBrowserSettings settings = Loaded();
    EXPECT_EQ(settings.strSaveID, "");
    EXPECT_EQ(settings.UserPW, std::string(255, 'p'));
    EXPECT_EQ(settings.rPathBasic, "");
}

TEST_F(BrowserSettingsTest, SaveWritesAllFiveWithTheirTypesAndThePasswordProtected) {
    CBrowserSettings saved;
    saved.bSaveID = 1;
    saved.strSaveID = "사용자";
    saved.bKeepPassword = 0;
    saved.UserPW = "pw&@";
    saved.rPathBasic = "C:\\다운로드\\";
    ASSERT_TRUE(saved.SaveSettings(registry, protection));
    ASSERT_EQ(registry.values.size(), 5u);
    EXPECT_TRUE(std::holds_alternative<std::uint32_t>(registry.values[FakeRegistry::Path(kKey, "bSaveID")]));
    EXPECT_TRUE(
        std::holds_alternative<std::uint32_t>(registry.values[FakeRegistry::Path(kKey, "bKeepPassword")]));
    EXPECT_EQ(StoredBlob(), "blob:@&wp");

    const CBrowserSettings loaded = Loaded();
    EXPECT_EQ(loaded.bSaveID, 1u);
    EXPECT_EQ(loaded.strSaveID, saved.strSaveID);
    EXPECT_EQ(loaded.bKeepPassword, 0u);
    EXPECT_EQ(loaded.UserPW, saved.UserPW);
    EXPECT_EQ(loaded.rPathBasic, saved.rPathBasic);

    // No password is no secret: the empty text, as before.
    saved.UserPW.clear();
    ASSERT_TRUE(saved.SaveSettings(registry, protection));
    EXPECT_EQ(std::get<std::string>(registry.values[kPassword]), "");
}

TEST_F(BrowserSettingsTest, APlainPasswordOfAnEarlierVersionIsReadAndRewrittenProtected) {
    registry.values[FakeRegistry::Path(kKey, "bSaveID")] = 1u;
    registry.values[FakeRegistry::Path(kKey, "strSaveID")] = std::string("tester");
    registry.values[FakeRegistry::Path(kKey, "bKeepPassword")] = 1u;
    registry.values[kPassword] = std::string("test1234");
    const CBrowserSettings settings = Loaded();
    EXPECT_EQ(settings.UserPW, "test1234");
    EXPECT_TRUE(ShouldAutoLogin(settings, LaunchOptions{true, false}));
    EXPECT_EQ(StoredBlob(), "blob:4321tset");
    EXPECT_EQ(Loaded().UserPW, "test1234");
}

TEST_F(BrowserSettingsTest, APasswordThatCannotBeUnprotectedCountsAsNone) {
    registry.values[FakeRegistry::Path(kKey, "bSaveID")] = 1u;
    registry.values[FakeRegistry::Path(kKey, "strSaveID")] = std::string("tester");
    registry.values[FakeRegistry::Path(kKey, "bKeepPassword")] = 1u;
    for (const std::string& damaged : {std::string("another user's"), std::string(), std::string(5000, 'x'),
                                       "blob:" + std::string(300, 'p')}) {
        registry.values[kPassword] = FakeRegistry::Binary{damaged};
        const CBrowserSettings settings = Loaded();
        EXPECT_EQ(settings.UserPW, "") << damaged.size();
        EXPECT_EQ(settings.strSaveID, "tester");
        // The login dialog then asks for it.
        EXPECT_FALSE(ShouldAutoLogin(settings, LaunchOptions{true, false}));
    }
}

TEST_F(BrowserSettingsTest, AFailedWriteOrProtectionIsReportedAndNoPlainPasswordStored) {
    CBrowserSettings settings;
    settings.UserPW = "secret";
    protection.failProtect = true;
    EXPECT_FALSE(settings.SaveSettings(registry, protection));
    EXPECT_EQ(std::get<std::string>(registry.values[kPassword]), "");

    registry.failWrites = true;
    protection.failProtect = false;
    EXPECT_FALSE(CBrowserSettings().SaveSettings(registry, protection));
}

}  // namespace
