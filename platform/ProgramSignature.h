#pragma once

#include <string>

// What the system's Authenticode check says about a program file.
struct CProgramSignature {
    enum class Trust {
        Unsigned,       // no signature at all (also a file cut short before its signature)
        Verified,       // the signature and its chain check out
        UntrustedRoot,  // the signature checks out but its chain ends in a root trusted nowhere
        Invalid,        // a signature that does not match the file, or any other failure
    };
    Trust trust = Trust::Invalid;
    // The signer's whole encoded certificate; read only from a file whose check passed (Verified or
    // UntrustedRoot), empty otherwise.
    std::string signer;
};

// Checks program files; the Windows implementation calls WinVerifyTrust without UI and without
// revocation checks, tests use fakes.
class ISignatureReader {
public:
    virtual ~ISignatureReader() = default;
    virtual CProgramSignature Read(const std::string& path) = 0;
};

// The system's reader (Windows only).
ISignatureReader& SystemSignatureReader();
