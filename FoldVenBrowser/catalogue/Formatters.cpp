#include "FoldVenBrowser/catalogue/Formatters.h"

#include <cstdio>

namespace {

std::string Format(const char* format, double value, const char* unit) {
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), format, value, unit);
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
        return Format("%.0f %s", value, "Bytes");
    if (bytes < kMB)
        return Format("%.0f %s", value / kKB, "KB");
    if (bytes < kGB)
        return Format("%.2f %s", value / kMB, "MB");
    if (bytes < kTB)
        return Format("%.2f %s", value / kGB, "GB");
    return Format("%.3f %s", value / kTB, "TB");
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
