#include "net/ProxySettings.h"

#include <vector>

#include "net/ReplyReaders.h"

ProxySettingsRecord ProxySettings;

namespace {

constexpr const char* kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr std::size_t kProxyServerCapacity = 300;

std::vector<std::string> SplitAtSemicolons(const std::string& value) {
    std::vector<std::string> tokens;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = value.find(';', begin);
        tokens.push_back(value.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
        if (end == std::string::npos)
            return tokens;
        begin = end + 1;
    }
}

// The parsing rules of "ProxyServer" applied to an enabled record.
void ParseProxyServer(const std::string& server, ProxySettingsRecord& settings) {
    std::string value = server;
    settings.enabled = true;
    settings.kind = ProxySettingsRecord::kHttp;

    if (value.find("socks") != std::string::npos) {
        const std::vector<std::string> tokens = SplitAtSemicolons(value);
        std::string taken = tokens.back();
        for (const std::string& token : tokens) {
            if (token.compare(0, 6, "socks=") == 0) {
                taken = token;
                break;
            }
        }
        if (taken.size() < 7)
            return;
        value = taken.substr(6);
        settings.kind = ProxySettingsRecord::kSocks;
    }

    const std::size_t colon = value.find(':');
    const std::string beforeColon = colon == std::string::npos ? std::string() : value.substr(0, colon);
    if (value.find('=') != std::string::npos) {
        const std::size_t equals = beforeColon.rfind('=');
        settings.host = equals == std::string::npos ? beforeColon : beforeColon.substr(equals + 1);
    } else {
        settings.host = beforeColon;
    }
    settings.port = ParseLeadingInt(colon == std::string::npos ? value : value.substr(colon + 1));
}

}  // namespace

void DetectProxy(IRegistry& registry, ProxySettingsRecord& settings) {
    const IRegistry::Root root = IRegistry::Root::CurrentUser;
    if (registry.ReadDword(root, kInternetSettings, "ProxyEnable", 0) == 0)
        return;
    ParseProxyServer(registry.ReadString(root, kInternetSettings, "ProxyServer", kProxyServerCapacity, ""),
                     settings);
}
