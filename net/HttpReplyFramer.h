#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

// Frames an HTTP/1.0 reply as it arrives: the header up to the first CR LF CR LF, its status and
// Content-Length, and the body. Both programs read their replies with it; they differ only in the
// limits they set.
class CHttpReplyFramer {
public:
    static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
    // Only this much of the header is read for its status and Content-Length.
    static constexpr std::size_t kHeaderCopySize = 1024;

    struct Limits {
        // The header must have ended before this many bytes have arrived, else the reply is given up.
        std::size_t headerWithin = kNoLimit;
        // A reply beyond this size is given up rather than held in memory.
        std::size_t maxResponse = kNoLimit;
        // Without a Content-Length the body runs to the peer's close; otherwise it ends with the piece
        // that completed the header.
        bool lengthlessRunsToClose = false;
    };

    explicit CHttpReplyFramer(const Limits& limits) : m_limits(limits) {}

    // Adds received bytes; true once the reply is whole.
    bool Append(const char* data, std::size_t length);
    bool Complete() const;
    bool HeaderComplete() const { return m_headerEnd != std::string::npos; }
    // The header did not end in time, or the reply grew too large.
    bool GaveUp() const;
    // A body shorter than its Content-Length: the connection broke off.
    bool Truncated() const;

    const std::string& Response() const { return m_response; }
    // The token after the header's first "HTTP"; "404" when there is none (or no header yet).
    const std::string& Status() const { return m_status; }
    // -1 when the header has none (or has not come yet).
    std::int64_t ContentLength() const { return m_contentLength; }
    // Everything after the first CR LF CR LF, as it came.
    std::string Body() const;

    // Reads a header copy: `status` becomes the second token of the line at the first "HTTP" ("404"
    // without one), and the result is the number after the first "Content-Length:" that follows
    // (0 without one).
    static int ParseHeader(const char* header, std::string& status);

private:
    void ReadHeader();
    std::size_t BodyBytes() const { return m_response.size() - (m_headerEnd + 4); }

    Limits m_limits;
    std::string m_response;
    std::size_t m_headerEnd = std::string::npos;
    std::string m_status = "404";
    std::int64_t m_contentLength = -1;
};

// How reading a reply ended.
enum class ReplyEnd { kComplete, kClosed, kFailed, kGaveUp };

// Reads pieces of at most `pieceSize` bytes with `receive` (which returns the bytes read, 0 when the
// peer has closed, or -1) into `framer` until the reply is whole, the peer closes, a receive fails or
// the framer gives up.
using ReceiveCall = std::function<int(char* buffer, int size)>;
ReplyEnd ReadReply(const ReceiveCall& receive, CHttpReplyFramer& framer, unsigned pieceSize);
