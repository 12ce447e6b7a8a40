#pragma once

#include <cstdint>
#include <string>

#include "platform/DataProtection.h"
#include "platform/Registry.h"

// The five per-user settings under HKCU "Software\FoldVen". Loaded once at start-up, saved whole whenever
// one of them changes. The password is stored protected for the current user (a binary "UserPW"); the
// plain text an earlier version wrote is still read, and rewritten protected at once. A stored password
// that cannot be unprotected (another user's or PC's, or damaged) counts as none.
class CBrowserSettings {
public:
    static constexpr const char* kKey = "Software\\FoldVen";
    static constexpr std::size_t kStringCapacity = 256;      // bytes, terminator included
    static constexpr std::size_t kProtectedCapacity = 4096;  // bytes of a protected password

    void LoadSettings(IRegistry& registry, IDataProtection& protection = SystemDataProtection());
    // False when a value could not be written, or the password could not be protected (it is then not
    // stored at all: never in plain text).
    bool SaveSettings(IRegistry& registry, IDataProtection& protection = SystemDataProtection()) const;

    std::uint32_t bSaveID = 0;
    std::string strSaveID;
    std::uint32_t bKeepPassword = 0;
    std::string UserPW;
    std::string rPathBasic;
};
