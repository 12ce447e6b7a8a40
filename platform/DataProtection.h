#pragma once

#include <string>

// Protects small secrets for the current user on this PC; Windows backs it with CryptProtectData (no
// UI), tests with fakes.
class IDataProtection {
public:
    virtual ~IDataProtection() = default;
    // False when the system cannot protect the text.
    virtual bool Protect(const std::string& plain, std::string& blob) = 0;
    // False when the blob cannot be unprotected: written by another user or on another PC, or damaged.
    virtual bool Unprotect(const std::string& blob, std::string& plain) = 0;
};

// The system's protection (Windows only).
IDataProtection& SystemDataProtection();
