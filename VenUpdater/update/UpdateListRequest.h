#pragma once

#include <string>

#include "VenUpdater/update/UpdateConnection.h"
#include "net/HttpReplyFramer.h"
#include "platform/UiHooks.h"

// The updater's own request for the list of current program files ("ReturnFileUpdateList.aspx").
class CUpdateListRequest {
public:
    static constexpr unsigned kDefaultPort = 80;
    static constexpr int kAttempts = 2;
    static constexpr int kReceiveSize = 8000;
    // Replies beyond this size are refused rather than held in memory.
    static constexpr std::size_t kMaxResponse = 4 * 1024 * 1024;

    // String table entries of the program.
    static constexpr unsigned kStatusMessageId = 104;
    static constexpr unsigned kSocketMessageId = 105;
    static constexpr unsigned kConnectMessageId = 106;

    CUpdateListRequest(IUpdateConnection& socket, IUiHooks& ui, OwnerWindow owner)
        : m_socket(socket), m_ui(ui), m_owner(owner) {}

    // Asks `apiHost` ("host" or "host:port") for the list. True when the reply text holds the body of a
    // complete reply with status 200; it stays empty after any failure.
    bool Fetch(const std::string& apiHost, bool proxyEnabled, int proxyKind);
    const std::string& Reply() const { return m_strReply; }

    // The request text, byte for byte. An HTTP proxy (kind 3) gets the absolute address.
    static std::string RequestText(const std::string& apiHost, bool proxyEnabled, int proxyKind);

private:
    enum class Outcome { Done, Retry, GiveUp };
    Outcome Attempt(const std::string& apiHost, const std::string& request);
    // Opens the attempt's connection; false (after its message) when there is none.
    bool Open(const std::string& apiHost);
    // Judges a reply that has been read; keeps its body when it is the list.
    Outcome Judge(ReplyEnd end, const CHttpReplyFramer& framer);

    IUpdateConnection& m_socket;
    IUiHooks& m_ui;
    OwnerWindow m_owner;
    std::string m_strReply;
};
