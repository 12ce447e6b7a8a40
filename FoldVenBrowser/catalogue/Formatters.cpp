#include "FoldVenBrowser/catalogue/Formatters.h"

#include <cmath>
#include <cstdio>

namespace {

// Halves round away from zero (2.5 KB shows as 3 KB) whichever C library prints the digits.
std::string Format(double value, int decimals, const char* unit) {
    const double scale = std::pow(10.0, decimals);
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%.*f %s", decimals, std::round(value * scale) / scale, unit);
    return buffer;
}

}  // namespace

std::string FormatSize(std::int64_t bytes) {
    constexpr std::int64_t kKB = std::int64_t{1} << 10;
    constexpr std::int64_t kMB = std::int64_t{1} << 20;
    constexpr std::int64_t kGB = std::int64_t{1} << 30;
    constexpr std::int64_t kTB = std::int64_t{1} << 40;
    const double value = static_cast<double>(bytes);
    if (bytes < kKB)
        return Format(value, 0, "Bytes");
    if (bytes < kMB)
        return Format(value / kKB, 0, "KB");
    if (bytes < kGB)
        return Format(value / kMB, 2, "MB");
    if (bytes < kTB)
        return Format(value / kGB, 2, "GB");
    return Format(value / kTB, 3, "TB");
}

std::string FormatNumber(std::int64_t n) {
    // Work on the magnitude as unsigned so that the most negative value has one too.
    std::uint64_t magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    std::string reversed;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            reversed.push_back(',');
        reversed.push_back(static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
        ++digits;
    } while (magnitude != 0);
    if (n < 0)
        reversed.push_back('-');
    return std::string(reversed.rbegin(), reversed.rend());
}
