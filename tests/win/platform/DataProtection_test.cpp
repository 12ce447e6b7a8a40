#include "platform/DataProtection.h"

#include <gtest/gtest.h>

namespace {

TEST(DataProtection, RoundTripsWithoutThePlainTextAndRefusesDamagedBlobs) {
    IDataProtection& protection = SystemDataProtection();
    const std::string password = "비밀번호 test1234";
    std::string blob;
    ASSERT_TRUE(protection.Protect(password, blob));
    EXPECT_EQ(blob.find("test1234"), std::string::npos);
    std::string plain;
    ASSERT_TRUE(protection.Unprotect(blob, plain));
    EXPECT_EQ(plain, password);

    std::string damaged = blob;
    damaged[damaged.size() / 2] ^= 0x40;
    EXPECT_FALSE(protection.Unprotect(damaged, plain));
    EXPECT_FALSE(protection.Unprotect(blob.substr(0, blob.size() - 8), plain));
    EXPECT_FALSE(protection.Unprotect("test1234", plain));
    EXPECT_FALSE(protection.Unprotect("", plain));
}

}  // namespace
