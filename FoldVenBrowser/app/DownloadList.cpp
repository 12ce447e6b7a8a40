#include "FoldVenBrowser/app/DownloadList.h"

namespace {

void AppendUint32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace

void CDownloadList::Add(const std::string& id, const std::string& name) {
    if (!m_text.empty())
        m_text += "#>";
    m_text += id;
    m_text += "#<";
    m_text += name;
}

std::string MakeListFileRecord(const std::string& text, std::uint32_t address) {
    std::string record;
    record.reserve(12 + text.size() + 1);
    AppendUint32(record, 7);
    AppendUint32(record, static_cast<std::uint32_t>(text.size() + 1));
    AppendUint32(record, address);
    record += text;
    record += '\0';
    return record;
}

std::string DownloaderCommandLine(const std::string& userId, const std::string& password,
                                  const std::string& listFilePath) {
    std::string path;
    for (char c : listFilePath) {
        if (c == ' ')
            path += "[[SPACE]]";
        else
            path += c;
    }
    return "bbs " + userId + " " + password + " " + path;
}
