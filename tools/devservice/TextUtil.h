#pragma once

#include <string>
#include <vector>

// Small text helpers shared by the data loaders and the request parsing. ASCII-only case rules: the
// texts are CP949, whose second bytes must never be folded.
class CTextUtil {
public:
    static std::string Trim(const std::string& text, const char* blanks = " \t\r\n");
    static std::string Lower(std::string text);
    static bool StartsWithNoCase(const std::string& text, const std::string& prefix);
    static bool EqualsNoCase(const std::string& a, const std::string& b);
    static bool ContainsNoCase(const std::string& text, const std::string& part);
    static std::vector<std::string> Split(const std::string& text, char separator);
    // Reads the lines of a UTF-8 file; false when it cannot be opened.
    static bool ReadLines(const std::string& path, std::vector<std::string>& lines);
    static bool ReadFile(const std::string& path, std::string& bytes);
};
