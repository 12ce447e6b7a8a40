#include "tools/devservice/Connection.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {

constexpr int kSplitPauseMs = 200;
constexpr int kChunkPauseMs = 2;
constexpr int kDrainMs = 2000;

}  // namespace

CConnection::Wait CConnection::WaitReadable(int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!m_stopping.load()) {
        pollfd p{m_fd, POLLIN, 0};
        int rc = poll(&p, 1, 100);
        if (rc > 0) {
            return (p.revents & (POLLIN | POLLHUP | POLLERR)) ? Wait::Ready : Wait::Closed;
        }
        if (rc < 0 && errno != EINTR) {
            return Wait::Closed;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return Wait::TimedOut;
        }
    }
    return Wait::Closed;
}

bool CConnection::ReadRequest(std::string& head, std::string& body, int& errorStatus) {
    std::string data;
    char buffer[16384];
    size_t end = std::string::npos;
    while (true) {
        end = data.find("\r\n\r\n");
        if (end != std::string::npos) {
            end += 4;
            break;
        }
        if (data.size() > kMaxHead) {
            errorStatus = 413;
            return false;
        }
        if (WaitReadable(kIdleTimeoutMs) != Wait::Ready) {
            return false;
        }
        ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return false;
        }
        data.append(buffer, static_cast<size_t>(n));
    }
    head = data.substr(0, end);
    body = data.substr(end);
    return true;
}

bool CConnection::SendAll(const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = send(m_fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool CConnection::Pause(int ms) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < deadline) {
        if (m_stopping.load()) {
            return false;
        }
        auto left = deadline - std::chrono::steady_clock::now();
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(left, std::chrono::milliseconds(50)));
    }
    return !m_stopping.load();
}

void CConnection::StallUntilClosed() {
    char buffer[4096];
    while (WaitReadable(24 * 3600 * 1000) == Wait::Ready) {
        if (recv(m_fd, buffer, sizeof buffer, 0) <= 0) {
            return;
        }
    }
}

// Half-close and let the client read everything before the socket goes, so it sees the end of the
// reply rather than a reset. The owner closes the socket.
void CConnection::Finish() {
    shutdown(m_fd, SHUT_WR);
    char buffer[4096];
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kDrainMs);
    while (std::chrono::steady_clock::now() < deadline && WaitReadable(kDrainMs) == Wait::Ready) {
        if (recv(m_fd, buffer, sizeof buffer, 0) <= 0) {
            break;
        }
    }
}

// Sends bytes [from, to) of the reply: `text` (the head, with the body when it is held in memory)
// followed by the file body, if any.
bool CConnection::SendRange(const std::string& text, const CFileBody* file, size_t from, size_t to) {
    if (from < text.size()) {
        size_t end = std::min(to, text.size());
        if (!SendAll(text.data() + from, end - from)) {
            return false;
        }
        from = end;
    }
    return from >= to || (file != nullptr && file->SendTo(m_fd, from - text.size(), to - from));
}

void CConnection::Deliver(const CHttpResponse& response, const CDelivery& delivery, bool headOnly) {
    if (delivery.delayMs > 0 && !Pause(delivery.delayMs)) {
        return;
    }
    if (delivery.stall) {
        StallUntilClosed();
        return;
    }
    if (delivery.closeBefore) {
        return;
    }
    const std::string head = response.Head(!delivery.noLength);
    size_t bodySize = headOnly ? 0 : response.BodySize();
    if (delivery.truncateBody) {
        bodySize /= 2;
    }
    const CFileBody* file = headOnly ? nullptr : response.m_file.get();
    const std::string text = file != nullptr ? head : head + response.m_body.substr(0, bodySize);
    size_t total = head.size() + bodySize;
    if (delivery.closeDuring) {
        total /= 2;
    }
    if (delivery.splitHeader || delivery.chunkBytes > 0) {
        int one = 1;
        setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
    size_t pos = 0;
    if (delivery.splitHeader) {
        size_t headPart = std::min(head.size(), total);
        for (size_t cut : {headPart / 3, 2 * headPart / 3, headPart}) {
            if (cut > pos) {
                if (!SendRange(text, file, pos, cut) || !Pause(kSplitPauseMs)) {
                    return;
                }
                pos = cut;
            }
        }
    }
    const size_t step = delivery.chunkBytes > 0 ? static_cast<size_t>(delivery.chunkBytes) : total;
    while (pos < total) {
        size_t n = std::min(step, total - pos);
        if (!SendRange(text, file, pos, pos + n)) {
            return;
        }
        pos += n;
        const int pause = delivery.chunkPauseMs > 0 ? delivery.chunkPauseMs : kChunkPauseMs;
        if (delivery.chunkBytes > 0 && pos < total && !Pause(pause)) {
            return;
        }
    }
}

void CConnection::Run() {
    std::string head;
    std::string body;
    int errorStatus = 0;
    const bool read = ReadRequest(head, body, errorStatus);
    const auto received = std::chrono::system_clock::now();
    if (!read) {
        if (errorStatus != 0) {
            CHttpResponse error = CHttpResponse::Error(errorStatus);
            std::string reply = error.Head(true) + error.m_body;
            SendAll(reply.data(), reply.size());
        }
        Finish();
        return;
    }
    CHttpRequest request;
    CHttpResponse response;
    CDelivery delivery;
    if (!request.ParseHead(head)) {
        m_service.LogUnparsed(head);
        response = CHttpResponse::Error(400);
    } else {
        long long length = request.ContentLength();
        if (length > static_cast<long long>(kMaxBody)) {
            response = CHttpResponse::Error(413);
        } else {
            char buffer[16384];
            while (length > 0 && body.size() < static_cast<size_t>(length)) {
                if (WaitReadable(kIdleTimeoutMs) != Wait::Ready) {
                    break;
                }
                ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
                if (n <= 0) {
                    break;
                }
                body.append(buffer, static_cast<size_t>(n));
            }
            if (length >= 0 && body.size() > static_cast<size_t>(length)) {
                body.resize(static_cast<size_t>(length));
            }
            request.SetBody(length > 0 ? body : std::string());
            response = m_service.Handle(request, delivery);
        }
    }
    Deliver(response, delivery, request.m_method == "HEAD");
    m_service.Trace(received, head);
    Finish();
}
