#pragma once

#include <string>

// Appends name's sort key: ASCII letters folded to lower case, the two bytes of a CP949 double-byte
// character kept as they are (a trail byte may look like a letter). Keys compare as unsigned bytes.
void AppendSortKey(std::string& out, const std::string& name);
