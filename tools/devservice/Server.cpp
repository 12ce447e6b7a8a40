#include "tools/devservice/Server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "tools/devservice/Connection.h"

CServer::~CServer() {
    for (int fd : {m_listenFd, m_wakePipe[0], m_wakePipe[1]}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool CServer::Listen(int port, std::string& error) {
    if (pipe(m_wakePipe) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    fcntl(m_wakePipe[1], F_SETFL, O_NONBLOCK);
    m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    int one = 1;
    setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<uint16_t>(port));
    if (bind(m_listenFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        listen(m_listenFd, 64) != 0) {
        error = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno);
        return false;
    }
    socklen_t len = sizeof addr;
    getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    return true;
}

void CServer::RequestStop() {
    m_stopping.store(true);
    if (m_wakePipe[1] >= 0) {
        ssize_t ignored = write(m_wakePipe[1], "x", 1);
        (void)ignored;
    }
}

void CServer::Serve(int fd) {
    // File bodies go out through sendfile, which has no MSG_NOSIGNAL: a client that hangs up must not
    // end the process. A signal that stays pending on this thread goes with it.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    CConnection(fd, m_service, m_stopping).Run();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open.erase(fd);
    close(fd);  // under the lock, so Run never shuts down a number that was reused meanwhile
    m_idle.notify_all();
}

void CServer::Run() {
    while (!m_stopping.load()) {
        pollfd fds[2] = {{m_listenFd, POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (!(fds[0].revents & POLLIN)) {
            continue;
        }
        int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_open.insert(fd);
        }
        std::thread([this, fd] { Serve(fd); }).detach();
    }
    close(m_listenFd);
    m_listenFd = -1;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (int fd : m_open) {
        shutdown(fd, SHUT_RDWR);
    }
    m_idle.wait(lock, [this] { return m_open.empty(); });
}
