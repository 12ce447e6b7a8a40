#include "net/HttpRequest.h"

std::string RequestPrefix(const std::string& host, const ProxySettingsRecord& proxy) {
    if (proxy.enabled && proxy.kind == ProxySettingsRecord::kHttp)
        return "GET http://" + host;
    return "GET ";
}

std::string ComposeHttpRequest(const HttpRequestParts& parts, const ProxySettingsRecord& proxy) {
    std::string text = parts.requestLine;
    if (parts.form)
        text += "Content-Type: application/x-www-form-urlencoded\r\n";
    if (proxy.enabled)
        text += "Proxy-Connection: Keep-Alive\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n";
    text += "Accept: */*\r\n";
    text += "User-Agent: " + parts.userAgent + "\r\n";
    text += "Connection: Keep-Alive\r\n";
    text += "Host: " + parts.host + "\r\n";
    text += "Cookie: " + parts.cookie + "\r\n";
    // The body is followed by CR LF, and the length counts those two bytes.
    if (parts.form)
        text += "Content-Length: " + std::to_string(parts.body.size() + 2) + "\r\n";
    text += "\r\n";
    if (parts.form)
        text += parts.body + "\r\n";
    return text;
}
