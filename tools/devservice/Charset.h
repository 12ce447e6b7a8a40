#pragma once

#include <string>

// Conversions between the UTF-8 of our data files and file names and the CP949 of the wire.
class CCharset {
public:
    // Returns false (and leaves `out` empty) when the text cannot be converted completely.
    static bool Convert(const char* from, const char* to, const std::string& in, std::string& out);

    // The text converted, or the text unchanged when it is not valid in the source code page.
    static std::string Utf8ToCp949(const std::string& text);
    static std::string Cp949ToUtf8(const std::string& text);
    static std::string Utf16leToCp949(const std::string& bytes);
};
