#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Frames the HTTP/1.0 reply of the update-list request as it arrives: the header block up to the first
// CR LF CR LF, its status and Content-Length, and the body.
class CUpdateReplyFramer {
public:
    // Replies beyond this size are refused rather than held in memory.
    static constexpr std::size_t kMaxResponse = 4 * 1024 * 1024;

    // Adds received bytes; returns true once the whole body announced by Content-Length is there.
    bool Append(const char* data, std::size_t length);
    // The CR LF CR LF that ends the header block has arrived.
    bool HeaderComplete() const { return m_headerEnd != std::string::npos; }
    bool TooLarge() const { return m_response.size() > kMaxResponse; }
    // A body shorter than its Content-Length: the connection broke off.
    bool Truncated() const;

    const std::string& Response() const { return m_response; }
    // The value of the first header line whose name begins with "HTTP"; "404" when there is none.
    const std::string& Status() const { return m_status; }
    std::int64_t ContentLength() const { return m_contentLength; }
    const std::vector<std::pair<std::string, std::string>>& Headers() const { return m_headers; }
    // Everything after the first CR LF CR LF, trimmed of white space at both ends.
    std::string Body() const;

private:
    void ParseHeader();
    std::size_t BodyBytes() const;

    std::string m_response;
    std::size_t m_headerEnd = std::string::npos;
    std::string m_status = "404";
    std::int64_t m_contentLength = -1;
    std::vector<std::pair<std::string, std::string>> m_headers;
};
