#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Registry.h"

namespace {

const char* kTestKey = "Software\\FoldVenTest";

class SystemRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }

    static DWORD TypeOf(const char* name) {
        DWORD type = 0;
        ::RegGetValueA(HKEY_CURRENT_USER, kTestKey, name, RRF_RT_ANY, &type, nullptr, nullptr);
        return type;
    }
};

TEST_F(SystemRegistryTest, ReadingCreatesTheKeyAndFallsBack) {
    IRegistry& registry = SystemRegistry();
    EXPECT_EQ(registry.ReadDword(IRegistry::Root::CurrentUser, kTestKey, "missing", 7u), 7u);
    EXPECT_EQ(registry.ReadString(IRegistry::Root::CurrentUser, kTestKey, "missing", 256, "dflt"), "dflt");
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD values = 99;
    ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                       nullptr, nullptr);
    ::RegCloseKey(key);
    EXPECT_EQ(values, 0u);
}

TEST_F(SystemRegistryTest, ValuesKeepTheirTypesAndOversizedStringsFallBack) {
    IRegistry& registry = SystemRegistry();
    ASSERT_TRUE(registry.WriteDword(IRegistry::Root::CurrentUser, kTestKey, "flag", 1));
    ASSERT_TRUE(registry.WriteString(IRegistry::Root::CurrentUser, kTestKey, "text", "아이디"));
    ASSERT_TRUE(registry.WriteString(IRegistry::Root::CurrentUser, kTestKey, "long", std::string(300, 'x')));
    EXPECT_EQ(TypeOf("flag"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(TypeOf("text"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(registry.ReadDword(IRegistry::Root::CurrentUser, kTestKey, "flag", 0), 1u);
    EXPECT_EQ(registry.ReadString(IRegistry::Root::CurrentUser, kTestKey, "text", 256, ""), "아이디");
    EXPECT_EQ(registry.ReadString(IRegistry::Root::CurrentUser, kTestKey, "long", 256, ""), "");
    // A DWORD read of a string value is not a number: the default comes back.
    EXPECT_EQ(registry.ReadDword(IRegistry::Root::CurrentUser, kTestKey, "long", 5), 5u);

    // Binary values: bytes as written (zeros included), never read as strings, nor strings as binary.
    const std::string bytes("\x01\0\xFFsecret", 9);
    ASSERT_TRUE(registry.WriteBinary(IRegistry::Root::CurrentUser, kTestKey, "blob", bytes));
    EXPECT_EQ(TypeOf("blob"), static_cast<DWORD>(REG_BINARY));
    std::string read;
    ASSERT_TRUE(registry.ReadBinary(IRegistry::Root::CurrentUser, kTestKey, "blob", 64, read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(registry.ReadBinary(IRegistry::Root::CurrentUser, kTestKey, "blob", 8, read));
    EXPECT_EQ(registry.ReadString(IRegistry::Root::CurrentUser, kTestKey, "blob", 256, "none"), "none");
    EXPECT_FALSE(registry.ReadBinary(IRegistry::Root::CurrentUser, kTestKey, "text", 256, read));
    EXPECT_FALSE(registry.ReadBinary(IRegistry::Root::CurrentUser, kTestKey, "missing", 256, read));
}

}  // namespace
