#pragma once

#include "net/ProxySettings.h"

// Sets the process-wide proxy record for one test and restores "no proxy" afterwards.
class ProxyGuard {
public:
    ProxyGuard(int kind, const std::string& host, int port) {
        ProxySettings.enabled = true;
        ProxySettings.kind = kind;
        ProxySettings.host = host;
        ProxySettings.port = port;
    }
    ~ProxyGuard() { ProxySettings = ProxySettingsRecord(); }
};
