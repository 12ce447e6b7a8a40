#include "VenUpdater/update/BrowserCommandLine.h"

std::string BrowserCommandLine(const std::string& browserPath, const std::array<std::string, 4>& arguments) {
    std::string line =
        browserPath.find_first_of(" \t") == std::string::npos ? browserPath : "\"" + browserPath + "\"";
    line += " ";
    line += kLaunchToken;
    for (const std::string& argument : arguments)
        line += " " + argument;
    return line;
}
