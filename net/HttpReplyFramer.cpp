#include "net/HttpReplyFramer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "net/ReplyReaders.h"

namespace {

constexpr const char* kHeaderEnd = "\r\n\r\n";
constexpr std::size_t kLengthMissing = std::string::npos;

// The second blank- or tab-separated token of `line` when its first token starts with `prefix`.
std::string HeaderToken(const std::string& line, const char* prefix) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (tokens.size() < 2) {
        i = line.find_first_not_of(" \t", i);
        if (i == std::string::npos)
            break;
        const std::size_t end = line.find_first_of(" \t", i);
        tokens.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
        i = end;
    }
    if (tokens.empty() || tokens[0].compare(0, std::strlen(prefix), prefix) != 0)
        return std::string();
    return tokens.size() > 1 ? tokens[1] : std::string();
}

// ParseHeader's reading, also telling where the Content-Length line is (kLengthMissing without one).
int ReadHeaderCopy(const char* header, std::string& status, std::size_t& lengthAt) {
    std::string s = header;
    status = "404";
    const std::size_t http = s.find("HTTP");
    if (http != std::string::npos) {
        s.erase(0, http);
        status = HeaderToken(NextLine(s), "HTTP");
    }
    lengthAt = s.find("Content-Length:");
    if (lengthAt == std::string::npos)
        return 0;
    s.erase(0, lengthAt);
    return ParseLeadingInt(HeaderToken(NextLine(s), "Content-Length:"));
}

}  // namespace

int CHttpReplyFramer::ParseHeader(const char* header, std::string& status) {
    std::size_t lengthAt = 0;
    return ReadHeaderCopy(header, status, lengthAt);
}

bool CHttpReplyFramer::Append(const char* data, std::size_t length) {
    // The end of the header may straddle two pieces; earlier bytes have been searched already.
    const std::size_t from = m_response.size() < 3 ? 0 : m_response.size() - 3;
    m_response.append(data, length);
    if (!HeaderComplete()) {
        m_headerEnd = m_response.find(kHeaderEnd, from);
        if (HeaderComplete())
            ReadHeader();
    }
    return Complete();
}

void CHttpReplyFramer::ReadHeader() {
    // The header through the CR LF of its last line, as far as the copy reaches.
    const std::string copy = m_response.substr(0, std::min(m_headerEnd + 2, kHeaderCopySize));
    std::size_t lengthAt = 0;
    const int length = ReadHeaderCopy(copy.c_str(), m_status, lengthAt);
    if (lengthAt != kLengthMissing)
        m_contentLength = length < 0 ? 0 : length;
}

bool CHttpReplyFramer::Complete() const {
    if (!HeaderComplete())
        return false;
    if (m_contentLength < 0)
        return !m_limits.lengthlessRunsToClose;
    return BodyBytes() >= static_cast<std::uint64_t>(m_contentLength);
}

bool CHttpReplyFramer::GaveUp() const {
    return (!HeaderComplete() && m_response.size() >= m_limits.headerWithin) ||
           m_response.size() > m_limits.maxResponse;
}

bool CHttpReplyFramer::Truncated() const {
    return HeaderComplete() && m_contentLength >= 0 &&
           BodyBytes() < static_cast<std::uint64_t>(m_contentLength);
}

std::string CHttpReplyFramer::Body() const {
    return HeaderComplete() ? m_response.substr(m_headerEnd + 4) : std::string();
}

ReplyEnd ReadReply(const ReceiveCall& receive, CHttpReplyFramer& framer, unsigned pieceSize) {
    std::vector<char> buffer(pieceSize);
    for (;;) {
        const int received = receive(buffer.data(), static_cast<int>(pieceSize));
        if (received < 0)
            return ReplyEnd::kFailed;
        if (received == 0)
            return ReplyEnd::kClosed;
        if (framer.Append(buffer.data(), static_cast<std::size_t>(received)))
            return ReplyEnd::kComplete;
        if (framer.GaveUp())
            return ReplyEnd::kGaveUp;
    }
}
