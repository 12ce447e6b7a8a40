#pragma once

#include <string>

// Compares two CP949 names ignoring the case of ASCII letters; the two bytes of a double-byte character
// are compared as they are (a trail byte may look like an ASCII letter). Bytes compare unsigned.
// Returns <0, 0 or >0.
int CompareNoCase(const std::string& a, const std::string& b);

// Appends name's sort key: bytes whose plain unsigned order is the order of CompareNoCase, so that long
// lists sort with byte comparisons.
void AppendSortKey(std::string& out, const std::string& name);
