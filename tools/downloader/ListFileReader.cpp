#include "tools/downloader/ListFileReader.h"

#include <cstdint>

namespace {

std::uint32_t Uint32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

std::vector<std::string> CListFileReader::Take(const std::string& fileBytes) {
    std::vector<std::string> texts;
    if (fileBytes.size() < m_offset) {
        m_offset = 0;
        m_broken = false;
    }
    while (!m_broken && fileBytes.size() - m_offset >= 12) {
        const std::uint32_t kind = Uint32At(fileBytes, m_offset);
        const std::uint32_t length = Uint32At(fileBytes, m_offset + 4);
        if (kind != 7 || length == 0 || length > kMaxText) {
            m_broken = true;
            break;
        }
        if (fileBytes.size() - m_offset - 12 < length)
            break;
        const std::size_t textAt = m_offset + 12;
        if (fileBytes[textAt + length - 1] != '\0') {
            m_broken = true;
            break;
        }
        texts.push_back(CopyDataText(fileBytes.data() + textAt, length));
        m_offset = textAt + length;
    }
    return texts;
}

std::string CopyDataText(const char* data, std::size_t size) {
    std::string text(data, size);
    return text.substr(0, text.find('\0'));
}

std::vector<CDownloadItem> SplitDownloadItems(const std::string& text) {
    std::vector<CDownloadItem> items;
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        std::size_t end = text.find("#>", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string item = text.substr(start, end - start);
        const std::size_t mark = item.find("#<");
        if (mark == std::string::npos)
            items.push_back({item, ""});
        else
            items.push_back({item.substr(0, mark), item.substr(mark + 2)});
        start = end + 2;
    }
    return items;
}
