#pragma once

#include <string>

// The two notice lines of the login dialog, read from the notice reply: an index (for the notice's
// page) and a title each. Empty when the reply has none.
struct NoticeLines {
    std::string firstIndex;
    std::string firstTitle;
    std::string secondIndex;
    std::string secondTitle;
};

// The first notice goes to the first line; every later one overwrites the second, so the last wins.
// Lines of 10 bytes or less count but show nothing.
NoticeLines ParseNoticeReply(const std::string& reply);

// Addresses of the service's web pages that the login dialog opens, on `webHost` ("host[:port]").
namespace LoginPages {
std::string IdSearch(const std::string& webHost);
std::string PasswordSearch(const std::string& webHost);
// The index comes from the service: anything but letters, digits and "-_.~" is percent-escaped so it
// cannot end the address or add arguments to the browser's command line.
std::string Notice(const std::string& webHost, const std::string& index);
}  // namespace LoginPages
