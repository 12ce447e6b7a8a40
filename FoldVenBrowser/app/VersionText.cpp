#include "FoldVenBrowser/app/VersionText.h"

std::string VersionTextOf(const std::string& fileBytes) {
    return fileBytes.substr(0, fileBytes.find('\0'));
}

bool VersionsMatch(const std::string& serverBytes, const std::string& localBytes) {
    if (serverBytes.size() > kMaxVersionFile || localBytes.size() > kMaxVersionFile)
        return false;
    return VersionTextOf(serverBytes) == VersionTextOf(localBytes);
}
