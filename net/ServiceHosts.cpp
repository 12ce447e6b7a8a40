#include "net/ServiceHosts.h"

#include <cstdlib>

namespace {

std::string FromEnvironment(const char* variable, const std::string& fallback) {
    const char* value = std::getenv(variable);
    return value && *value ? std::string(value) : fallback;
}

}  // namespace

namespace ServiceHosts {

std::string ApiHost() {
    return FromEnvironment("FOLDVEN_API_HOST", kDefaultApiHost);
}
std::string WebHost() {
    return FromEnvironment("FOLDVEN_WEB_HOST", kDefaultWebHost);
}
std::string SearchHost() {
    return FromEnvironment("FOLDVEN_SEARCH_HOST", ApiHost());
}

}  // namespace ServiceHosts

HostPort SplitHostPort(const std::string& hostSpec, unsigned defaultPort) {
    HostPort result;
    result.port = defaultPort;
    const std::size_t colon = hostSpec.rfind(':');
    if (colon == std::string::npos) {
        result.host = hostSpec;
        return result;
    }
    result.host = hostSpec.substr(0, colon);
    const std::string digits = hostSpec.substr(colon + 1);
    unsigned long port = 0;
    bool valid = !digits.empty() && digits.size() <= 5;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            valid = false;
        if (valid)
            port = port * 10 + static_cast<unsigned>(c - '0');
    }
    if (valid && port > 0 && port < 65536)
        result.port = static_cast<unsigned>(port);
    return result;
}
