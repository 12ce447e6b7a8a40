#include "VenUpdater/update/UpdateReplyFramer.h"

#include "VenUpdater/update/UpdateFileList.h"

namespace {

constexpr const char* kHeaderEnd = "\r\n\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsWhite(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string Trim(const std::string& text, bool (*white)(char)) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && white(text[begin]))
        ++begin;
    while (end > begin && white(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

}  // namespace

bool CUpdateReplyFramer::Append(const char* data, std::size_t length) {
    // The end of the header may straddle two pieces; earlier bytes have been searched already.
    const std::size_t from = m_response.size() < 3 ? 0 : m_response.size() - 3;
    m_response.append(data, length);
    if (!HeaderComplete()) {
        m_headerEnd = m_response.find(kHeaderEnd, from);
        if (!HeaderComplete())
            return false;
        ParseHeader();
    }
    return m_contentLength >= 0 && BodyBytes() >= static_cast<std::uint64_t>(m_contentLength);
}

bool CUpdateReplyFramer::Truncated() const {
    return HeaderComplete() && m_contentLength >= 0 &&
           BodyBytes() < static_cast<std::uint64_t>(m_contentLength);
}

std::string CUpdateReplyFramer::Body() const {
    if (!HeaderComplete())
        return std::string();
    return Trim(m_response.substr(m_headerEnd + 4), &IsWhite);
}

void CUpdateReplyFramer::ParseHeader() {
    const std::string block = m_response.substr(0, m_headerEnd);
    bool statusSeen = false;
    bool lengthSeen = false;
    std::size_t start = 0;
    while (start <= block.size()) {
        std::size_t end = block.find("\r\n", start);
        if (end == std::string::npos)
            end = block.size();
        const std::vector<std::string> words = Words(Trim(block.substr(start, end - start), &IsBlank));
        const std::string name = words.empty() ? std::string() : words[0];
        const std::string value = words.size() > 1 ? words[1] : std::string();
        m_headers.emplace_back(name, value);
        if (!statusSeen && name.compare(0, 4, "HTTP") == 0) {
            m_status = value;
            statusSeen = true;
        }
        if (!lengthSeen && name == "Content-Length:") {
            const std::int64_t length = ParseDecimal64(value);
            m_contentLength = length < 0 ? 0 : length;
            lengthSeen = true;
        }
        start = end + 2;
    }
}

std::size_t CUpdateReplyFramer::BodyBytes() const {
    return m_response.size() - (m_headerEnd + 4);
}
