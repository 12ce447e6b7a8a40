#include "net/ReplyReaders.h"

#include <limits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::int64_t ParseClamped(const std::string& text, std::int64_t low, std::int64_t high) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (!negative && value > (high - digit) / 10)
            return high;
        if (negative && value < (low + digit) / 10)
            return low;
        value = negative ? value * 10 - digit : value * 10 + digit;
    }
    return value;
}

}  // namespace

int ParseLeadingInt(const std::string& text) {
    return static_cast<int>(
        ParseClamped(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::int64_t ParseLeadingInt64(const std::string& text) {
    return ParseClamped(text, std::numeric_limits<std::int64_t>::min(),
                        std::numeric_limits<std::int64_t>::max());
}

std::string NextField(std::string& text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) {
        std::string field;
        field.swap(text);
        return field;
    }
    std::string field = text.substr(0, tab);
    text.erase(0, tab + 1);
    return field;
}

char NextChar(std::string& text) {
    if (text.empty())
        return 0;
    const std::size_t tab = text.find('\t');
    if (tab != std::string::npos && tab > 0) {
        const char c = text[0];
        text.erase(0, tab + 1);
        return c;
    }
    text.erase(0, 1);
    return '0';
}

int NextInt(std::string& text) {
    return ParseLeadingInt(NextField(text));
}

std::int64_t NextInt64(std::string& text) {
    return ParseLeadingInt64(NextField(text));
}

std::string NextLine(std::string& text) {
    const std::size_t end = text.find("\r\n");
    std::string line;
    if (end == std::string::npos) {
        line.swap(text);
    } else {
        line = text.substr(0, end);
        text.erase(0, end + 2);
    }
    return TrimWhite(line);
}

std::string TrimWhite(const std::string& text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    std::size_t last = text.size();
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}
