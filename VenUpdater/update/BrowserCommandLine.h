#pragma once

#include <array>
#include <string>

// The command line that starts the browser: its path (quoted when it holds a blank, so that the token
// stays the first argument), the launch token, and the four launch arguments, each after one blank.
std::string BrowserCommandLine(const std::string& browserPath, const std::array<std::string, 4>& arguments);

constexpr const char* kLaunchToken = "qmtzvbka";
