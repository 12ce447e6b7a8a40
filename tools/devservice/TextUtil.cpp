#include "tools/devservice/TextUtil.h"

#include <fstream>
#include <iterator>

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string CTextUtil::Trim(const std::string& text, const char* blanks) {
    size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos) {
        return std::string();
    }
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

std::string CTextUtil::Lower(std::string text) {
    for (char& c : text) {
        c = LowerAscii(c);
    }
    return text;
}

bool CTextUtil::StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool CTextUtil::EqualsNoCase(const std::string& a, const std::string& b) {
    return Lower(a) == Lower(b);
}

// Walks CP949 characters so that a match never starts on, and no letter is folded in, the second byte
// of a double-byte character.
bool CTextUtil::ContainsNoCase(const std::string& text, const std::string& part) {
    auto charLength = [](const std::string& s, size_t i) {
        return (static_cast<unsigned char>(s[i]) >= 0x81 && i + 1 < s.size()) ? 2 : 1;
    };
    for (size_t start = 0; start + part.size() <= text.size(); start += charLength(text, start)) {
        size_t i = 0;
        while (i < part.size()) {
            size_t n = charLength(part, i);
            if (n == 1 ? LowerAscii(text[start + i]) != LowerAscii(part[i])
                       : text.compare(start + i, 2, part, i, 2) != 0) {
                break;
            }
            i += n;
        }
        if (i >= part.size()) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> CTextUtil::Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t pos = 0;
    while (true) {
        size_t next = text.find(separator, pos);
        parts.push_back(text.substr(pos, next == std::string::npos ? std::string::npos : next - pos));
        if (next == std::string::npos) {
            return parts;
        }
        pos = next + 1;
    }
}

bool CTextUtil::ReadLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

bool CTextUtil::ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    // One read into a buffer of the file's size: program files are read for every update list.
    const std::streamoff size = in.tellg();
    if (size < 0 || !in.seekg(0)) {
        return false;
    }
    bytes.resize(static_cast<size_t>(size));
    return static_cast<bool>(in.read(&bytes[0], size));
}
