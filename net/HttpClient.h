#pragma once

#include <functional>
#include <string>

#include "net/HttpReplyFramer.h"
#include "net/HttpRequest.h"
#include "net/HttpSocket.h"

class IUiHooks;

// One HTTP/1.0 exchange per request over a connection of its own: compose, send, receive until the
// announced length, strip the header, check the status. Failures keep an error code and a Korean text.
class CHttpClient {
public:
    static constexpr unsigned kRequestBufferSize = 4096;
    static constexpr unsigned kListBufferSize = 16384;
    static constexpr unsigned kHeaderCopySize = CHttpReplyFramer::kHeaderCopySize;

    // Error codes of the last failure; 1 to 6 are network errors.
    enum Error {
        kNone = 0,
        kConnect = 1,
        kSend = 2,
        kReceive = 3,
        kSendTimeout = 4,
        kReceiveTimeout = 5,
        kStatus = 6
    };

    // `ui` keeps the windows alive while a step blocks (may be null); each connect, send and receive
    // step, and the whole request with its name lookup, may take `watchdogMs` at most.
    explicit CHttpClient(IUiHooks* ui = nullptr, unsigned watchdogMs = CWatchdog::kDefaultPeriodMs);

    void SetCookie(const std::string& value) { m_strCookie = value; }
    bool IsNetworkError() const { return m_nError >= kConnect && m_nError <= kStatus; }
    int GetError() const { return m_nError; }
    std::string GetErrorText() const { return m_strError; }

    // `host` may carry ":port", which then replaces `port`.
    bool Connect(const std::string& host, unsigned port);
    bool Send(const std::string& host, const std::string& requestLine, const std::string& body, bool form);
    // Reads the reply in pieces of up to `size` bytes; its header must end within the first `size`.
    bool Receive(std::string& reply, unsigned size);
    // The request text exactly as Send writes it.
    std::string ComposeRequest(const std::string& host, const std::string& requestLine,
                               const std::string& body, bool form) const;

    static int ParseHeader(const char* header, std::string& status) {
        return CHttpReplyFramer::ParseHeader(header, status);
    }
    static bool CheckReply(const std::string& reply);

    bool Request(std::string& reply, const std::string& host, unsigned port, const std::string& requestLine,
                 const std::string& body, bool form);
    // The listing exchange (16384-byte buffer); a checked reply is handed to `parse`. The transport
    // knows nothing of what a listing holds: the caller's parser does.
    using ReplyParser = std::function<void(const std::string& reply)>;
    bool RequestList(const ReplyParser& parse, const std::string& host, unsigned port,
                     const std::string& requestLine, std::string& reply);

private:
    bool Exchange(std::string& reply, const std::string& host, unsigned port, const std::string& requestLine,
                  const std::string& body, bool form, unsigned bufferSize);
    // Judges how the reading of a reply ended; `reply` is what the caller gets.
    bool CheckFraming(ReplyEnd end, const CHttpReplyFramer& framer, const std::string& reply);
    // Keeps the failure's code and text; always false.
    bool Fail(Error code, const std::string& text);

    IUiHooks* m_pUi;
    CHttpSocket m_socket;
    int m_nError = kNone;
    std::string m_strError;
    std::string m_strCookie;
};
