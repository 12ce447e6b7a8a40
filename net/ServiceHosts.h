#pragma once

#include <string>

// The service's host names as "host" or "host:port". The compiled-in values are the service's own;
// FOLDVEN_API_HOST, FOLDVEN_WEB_HOST and FOLDVEN_SEARCH_HOST replace them for development and tests.
// The search goes to the API host unless FOLDVEN_SEARCH_HOST names another.
namespace ServiceHosts {

constexpr const char* kDefaultApiHost = "api.foldven.co.kr";
constexpr const char* kDefaultWebHost = "www.foldven.co.kr";

std::string ApiHost();
std::string WebHost();
std::string SearchHost();

}  // namespace ServiceHosts

// Splits "host[:port]" for connecting; `defaultPort` when no port is given or it is not a number.
struct HostPort {
    std::string host;
    unsigned port = 80;
};
HostPort SplitHostPort(const std::string& hostSpec, unsigned defaultPort);
