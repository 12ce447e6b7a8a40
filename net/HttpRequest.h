#pragma once

#include <string>

#include "net/ProxySettings.h"

// What one HTTP/1.0 request to the service carries. The programs differ only in these parts; the text
// around them is the same for both.
struct HttpRequestParts {
    std::string requestLine;  // ends in CR LF
    std::string host;
    std::string userAgent;
    std::string cookie;
    std::string body;  // sent, with Content-Type and Content-Length, only for a form
    bool form = false;
};

// "GET http://<host>" through an HTTP proxy, else "GET "; callers append the target and " HTTP/1.0\r\n".
std::string RequestPrefix(const std::string& host, const ProxySettingsRecord& proxy = ProxySettings);

// The request text, byte for byte; the three proxy lines are there whenever a proxy (of either kind) is on.
std::string ComposeHttpRequest(const HttpRequestParts& parts,
                               const ProxySettingsRecord& proxy = ProxySettings);
