#pragma once

#include <string>

// Reads the FileVersion string of a Windows program's version resource the way the updater's
// inventory does: the string table named by the first "Translation" entry, converted to CP949.
class CPeVersion {
public:
    // False when the bytes are not a PE image with such a string.
    static bool ReadFileVersion(const std::string& image, std::string& version);

private:
    static bool FindVersionResource(const std::string& image, size_t& offset, size_t& size);
    static bool ReadVersionInfo(const std::string& block, std::string& version);
};
