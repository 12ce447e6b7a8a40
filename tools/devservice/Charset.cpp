#include "tools/devservice/Charset.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

bool CCharset::Convert(const char* from, const char* to, const std::string& in, std::string& out) {
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    std::vector<char> src(in.begin(), in.end());
    char* inPtr = src.data();
    size_t inLeft = src.size();
    std::vector<char> buffer(in.size() * 4 + 16);
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok) {
        out.clear();
    }
    return ok;
}

std::string CCharset::Utf8ToCp949(const std::string& text) {
    std::string out;
    return Convert("UTF-8", "CP949", text, out) ? out : text;
}

std::string CCharset::Cp949ToUtf8(const std::string& text) {
    std::string out;
    return Convert("CP949", "UTF-8", text, out) ? out : text;
}

std::string CCharset::Utf16leToCp949(const std::string& bytes) {
    std::string out;
    return Convert("UTF-16LE", "CP949", bytes, out) ? out : std::string();
}
