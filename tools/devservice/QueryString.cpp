#include "tools/devservice/QueryString.h"

#include <cstdlib>

#include "tools/devservice/TextUtil.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string CQueryString::Decode(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%' && i + 2 < text.size()) {
            int hi = HexValue(text[i + 1]);
            int lo = HexValue(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += c == '+' ? ' ' : c;
    }
    return out;
}

void CQueryString::Parse(const std::string& text) {
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t amp = text.find('&', pos);
        if (amp == std::string::npos) {
            amp = text.size();
        }
        std::string pair = text.substr(pos, amp - pos);
        size_t eq = pair.find('=');
        std::string name = CTextUtil::Lower(CTextUtil::Trim(Decode(pair.substr(0, eq))));
        if (!name.empty() && m_values.find(name) == m_values.end()) {
            m_values[name] = eq == std::string::npos ? std::string() : Decode(pair.substr(eq + 1));
        }
        pos = amp + 1;
    }
}

bool CQueryString::Has(const std::string& name) const {
    return m_values.find(CTextUtil::Lower(name)) != m_values.end();
}

std::string CQueryString::Get(const std::string& name, const std::string& fallback) const {
    auto it = m_values.find(CTextUtil::Lower(name));
    return it == m_values.end() ? fallback : it->second;
}

long long CQueryString::GetInt(const std::string& name, long long fallback) const {
    auto it = m_values.find(CTextUtil::Lower(name));
    if (it == m_values.end()) {
        return fallback;
    }
    const std::string value = CTextUtil::Trim(it->second);
    char* end = nullptr;
    long long number = std::strtoll(value.c_str(), &end, 10);
    return (value.empty() || *end != '\0') ? fallback : number;
}
