#pragma once

#include <cstdint>
#include <string>

// Readers of the service's reply texts: fields end at one tab, lines at CR LF. Each takes the text by
// reference and removes what it read from the front.
std::string NextField(std::string& text);
char NextChar(std::string& text);
int NextInt(std::string& text);
std::int64_t NextInt64(std::string& text);
std::string NextLine(std::string& text);

// `text` without the white space (blanks, tabs, line ends, form feeds) at either end.
std::string TrimWhite(const std::string& text);

// Leading decimal digits as atoi/_atoi64 read them (blanks, then an optional sign), but clamped to the
// type's range instead of overflowing.
int ParseLeadingInt(const std::string& text);
std::int64_t ParseLeadingInt64(const std::string& text);
