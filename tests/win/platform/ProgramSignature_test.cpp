#include "platform/ProgramSignature.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/support/TestInstall.h"

namespace {

using Trust = CProgramSignature::Trust;

std::string Signed(const std::string& name) {
    return TestInstall::SignedProgram(name);
}

std::string TempCopy(const std::string& name, const std::string& content) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    TestInstall::WriteFile(path, content);
    return path;
}

bool Passed(const CProgramSignature& signature) {
    return signature.trust == Trust::Verified || signature.trust == Trust::UntrustedRoot;
}

// What WinVerifyTrust reports for each kind of file, and the signer taken from the verification.
TEST(ProgramSignature, TheSystemCheckTellsTheKindsOfFilesApartAndNamesTheSigner) {
    ISignatureReader& reader = SystemSignatureReader();
    const CProgramSignature ours = reader.Read(Signed("browser-newer.exe"));
    // Windows: CERT_E_UNTRUSTEDROOT for the self-signed development certificate; Wine: S_OK.
    ASSERT_TRUE(Passed(ours));
    ASSERT_FALSE(ours.signer.empty());
    EXPECT_EQ(reader.Read(Signed("updater-newer.exe")).signer, ours.signer);

    const CProgramSignature other = reader.Read(Signed("browser-newer-other.exe"));
    EXPECT_TRUE(Passed(other));
    EXPECT_NE(other.signer, ours.signer);
    // Same issuer and serial number as ours, another key: another certificate.
    const CProgramSignature impostor = reader.Read(Signed("browser-newer-impostor.exe"));
    EXPECT_TRUE(Passed(impostor));
    EXPECT_NE(impostor.signer, ours.signer);
    // A certificate signed with SHA-1 gets CERT_E_UNTRUSTEDROOT under Wine too; its signer is still read.
    const CProgramSignature sha1 = reader.Read(Signed("browser-newer-sha1.exe"));
    EXPECT_EQ(sha1.trust, Trust::UntrustedRoot);
    EXPECT_FALSE(sha1.signer.empty());
    EXPECT_NE(sha1.signer, ours.signer);

    // A changed byte: the check fails and no signer is taken from the file.
    const CProgramSignature flipped = reader.Read(Signed("browser-newer-flipped.exe"));
    EXPECT_EQ(flipped.trust, Trust::Invalid);
    EXPECT_TRUE(flipped.signer.empty());
    EXPECT_EQ(reader.Read(Signed("browser-newer-unsigned.exe")).trust, Trust::Unsigned);
    const std::string whole = TestInstall::ReadFile(Signed("browser-newer.exe"));
    EXPECT_FALSE(Passed(reader.Read(TempCopy("fv-cut.exe", whole.substr(0, whole.size() / 2)))));
    EXPECT_EQ(reader.Read(TempCopy("fv-missing-dir\\none.exe", whole)).trust, Trust::Invalid);
    // The updater checks its download under its temporary name.
    const CProgramSignature part = reader.Read(TempCopy("fv-sign.exe.fvpart", whole));
    EXPECT_TRUE(Passed(part));
    EXPECT_EQ(part.signer, ours.signer);
}

}  // namespace
