#include "tools/devservice/ServiceData.h"

#include "tools/devservice/Charset.h"
#include "tools/devservice/TextUtil.h"

namespace {

// Lines that are neither blank nor comments, converted to CP949.
bool ReadEntries(const std::string& file, std::vector<std::string>& entries, std::string& error) {
    std::vector<std::string> lines;
    if (!CTextUtil::ReadLines(file, lines)) {
        error = "cannot read " + file;
        return false;
    }
    for (const std::string& line : lines) {
        std::string text = CTextUtil::Trim(line);
        if (!text.empty() && text[0] != '#') {
            entries.push_back(CCharset::Utf8ToCp949(text));
        }
    }
    return true;
}

}  // namespace

bool CServiceData::Load(const std::string& folder, std::string& error) {
    if (!m_accounts.Load(folder + "/accounts.txt", error) ||
        !m_catalogue.Load(folder + "/catalogue.txt", error)) {
        return false;
    }
    std::vector<std::string> notices;
    if (!ReadEntries(folder + "/notices.txt", notices, error) ||
        !ReadEntries(folder + "/search.txt", m_forbidden, error)) {
        return false;
    }
    for (const std::string& notice : notices) {
        size_t blank = notice.find(' ');
        if (blank == std::string::npos) {
            error = "notices: \"" + notice + "\" has no title";
            return false;
        }
        m_notices.emplace_back(notice.substr(0, blank), CTextUtil::Trim(notice.substr(blank + 1)));
    }
    return true;
}
