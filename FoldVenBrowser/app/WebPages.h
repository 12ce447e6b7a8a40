#pragma once

#include <string>

// A value for a query of a page address: anything but letters, digits and "-_.~" is percent-escaped, so
// the value can neither end the address, add arguments to it, nor split the browser's command line.
std::string EscapeQueryValue(const std::string& value);

// Pages of the web host ("host[:port]") that the main window opens, logged in as the account.
namespace MainPages {
std::string Charging(const std::string& webHost, const std::string& userId, const std::string& password);
std::string Memo(const std::string& webHost, const std::string& userId, const std::string& password);
}  // namespace MainPages
