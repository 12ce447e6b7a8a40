#include "net/ServiceHosts.h"

#include <cstdlib>

namespace {

std::string FromEnvironment(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    return value && *value ? std::string(value) : std::string(fallback);
}

}  // namespace

namespace ServiceHosts {

std::string ApiHost() { return FromEnvironment("FOLDVEN_API_HOST", kDefaultApiHost); }
std::string WebHost() { return FromEnvironment("FOLDVEN_WEB_HOST", kDefaultWebHost); }
std::string SearchHost() { return FromEnvironment("FOLDVEN_SEARCH_HOST", kDefaultSearchHost); }

}  // namespace ServiceHosts
