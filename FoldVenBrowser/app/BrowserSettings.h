#pragma once

#include <cstdint>
#include <string>

#include "platform/Registry.h"

// The five per-user settings under HKCU "Software\FoldVen". Loaded once at start-up, saved whole whenever
// one of them changes.
class CBrowserSettings {
public:
    static constexpr const char* kKey = "Software\\FoldVen";
    static constexpr std::size_t kStringCapacity = 256;  // bytes, terminator included

    void LoadSettings(IRegistry& registry);
    bool SaveSettings(IRegistry& registry) const;

    std::uint32_t bSaveID = 0;
    std::string strSaveID;
    std::uint32_t bKeepPassword = 0;
    std::string UserPW;
    std::string rPathBasic;
};
