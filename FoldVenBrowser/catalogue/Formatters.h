#pragma once

#include <cstdint>
#include <string>

// A size in "Bytes", "KB", "MB", "GB" or "TB" with the unit's precision; negative values in Bytes.
std::string FormatSize(std::int64_t bytes);

// A number with "," between groups of three digits, independent of the user's locale.
std::string FormatNumber(std::int64_t n);
