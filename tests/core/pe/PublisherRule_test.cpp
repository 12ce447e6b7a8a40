#include "pe/PublisherRule.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using Trust = CProgramSignature::Trust;

const std::string kOurs = "DER: our certificate";
const std::string kTheirs = "DER: another certificate";

CProgramSignature Signed(Trust trust, const std::string& signer) {
    CProgramSignature signature;
    signature.trust = trust;
    signature.signer = signer;
    return signature;
}

// Answers from a table and records which files were read.
class FakeReader : public ISignatureReader {
public:
    std::map<std::string, CProgramSignature> files;
    std::vector<std::string> read;
    CProgramSignature Read(const std::string& path) override {
        read.push_back(path);
        return files.at(path);
    }
};

TEST(PublisherRule, AnUnsignedProgramAcceptsWhatEverItsOtherChecksAccept) {
    const CProgramSignature running = Signed(Trust::Unsigned, "");
    for (Trust trust : {Trust::Unsigned, Trust::Verified, Trust::UntrustedRoot, Trust::Invalid})
        EXPECT_TRUE(PublisherAccepts(running, Signed(trust, kTheirs)));

    // The file is not even looked at.
    FakeReader reader;
    reader.files["VenUpdater.exe"] = running;
    EXPECT_TRUE(PublisherAcceptsFile(reader, "VenUpdater.exe", "new.exe"));
    EXPECT_EQ(reader.read, std::vector<std::string>{"VenUpdater.exe"});
}

TEST(PublisherRule, ASignedProgramAcceptsOnlyAPassedCheckBySameCertificate) {
    for (Trust own : {Trust::Verified, Trust::UntrustedRoot}) {
        const CProgramSignature running = Signed(own, kOurs);
        // A root trusted nowhere (a self-signed publisher, or Windows without the publisher's root) is
        // acceptable with the same signer.
        EXPECT_TRUE(PublisherAccepts(running, Signed(Trust::Verified, kOurs)));
        EXPECT_TRUE(PublisherAccepts(running, Signed(Trust::UntrustedRoot, kOurs)));
        // Another publisher, even one whose own chain is trusted.
        EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::Verified, kTheirs)));
        EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::UntrustedRoot, kTheirs)));
        // A certificate that differs in one byte is another certificate.
        std::string near = kOurs;
        near.back() ^= 1;
        EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::Verified, near)));
        EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::Verified, kOurs + '\0')));
        // Unsigned, or a signature that fails its check (a changed file still names our certificate).
        EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::Unsigned, "")));
        EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::Invalid, kOurs)));
        EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::Verified, "")));
    }
}

TEST(PublisherRule, AProgramWhoseOwnSignatureFailsAcceptsNothing) {
    const CProgramSignature running = Signed(Trust::Invalid, kOurs);
    EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::Verified, kOurs)));
    EXPECT_FALSE(PublisherAccepts(running, Signed(Trust::Unsigned, "")));
    // Nor does an empty signer from a passed check match an empty file signer.
    EXPECT_FALSE(PublisherAccepts(Signed(Trust::Verified, ""), Signed(Trust::Verified, "")));
}

}  // namespace
