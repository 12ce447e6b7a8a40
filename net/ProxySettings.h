#pragma once

#include <string>

#include "platform/Registry.h"

// The process-wide proxy record. Written once by DetectProxy while the main window initialises, before
// any worker thread exists, and only read afterwards.
struct ProxySettingsRecord {
    static constexpr int kSocks = 1;
    static constexpr int kHttp = 3;

    bool enabled = false;
    int port = 0;
    int kind = 0;
    std::string host;
};

extern ProxySettingsRecord ProxySettings;

// Reads "ProxyEnable" and "ProxyServer" of the user's Internet settings into `settings`; leaves it as it
// is when no proxy is enabled.
void DetectProxy(IRegistry& registry, ProxySettingsRecord& settings = ProxySettings);
