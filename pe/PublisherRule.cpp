#include "pe/PublisherRule.h"

namespace {

bool CheckPassed(const CProgramSignature& signature) {
    return signature.trust == CProgramSignature::Trust::Verified ||
           signature.trust == CProgramSignature::Trust::UntrustedRoot;
}

}  // namespace

bool PublisherAccepts(const CProgramSignature& running, const CProgramSignature& file) {
    if (running.trust == CProgramSignature::Trust::Unsigned)
        return true;
    // Signers count only from checks that passed: a tampered file can still name any certificate.
    if (!CheckPassed(running) || !CheckPassed(file))
        return false;
    return !running.signer.empty() && file.signer == running.signer;
}

bool PublisherAcceptsFile(ISignatureReader& reader, const std::string& runningPath, const std::string& path) {
    const CProgramSignature running = reader.Read(runningPath);
    if (running.trust == CProgramSignature::Trust::Unsigned)
        return true;
    return PublisherAccepts(running, reader.Read(path));
}
