#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

// A real proxy daemon (danted, tinyproxy) started in the foreground for one test with a configuration of
// its own on a free loopback port, and stopped by the test. Its folder is world-writable because the
// daemons drop to an unprivileged user when started as root.
class ProxyDaemon {
public:
    static bool Installed(const std::string& path) { return ::access(path.c_str(), X_OK) == 0; }

    static unsigned FreePort() {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        socklen_t length = sizeof(address);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        ::close(fd);
        return ntohs(address.sin_port);
    }

    ProxyDaemon() {
        char pattern[] = "/tmp/fv-proxy-XXXXXX";
        m_dir = ::mkdtemp(pattern);
        ::chmod(m_dir.c_str(), 0777);
        m_port = FreePort();
    }

    ~ProxyDaemon() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        std::system(("rm -rf '" + m_dir + "'").c_str());
    }

    unsigned Port() const { return m_port; }
    const std::string& Dir() const { return m_dir; }

    // Writes `config` to a file, starts `program` with `args` ("{config}" stands for that file's path)
    // and waits until it accepts connections on Port().
    bool Start(const std::string& program, std::vector<std::string> args, const std::string& config) {
        const std::string configPath = m_dir + "/proxy.conf";
        std::ofstream(configPath) << config;
        for (std::string& arg : args) {
            if (arg == "{config}")
                arg = configPath;
        }
        // Everything the child needs is prepared before the fork: other threads may hold the heap's lock.
        const std::string logPath = m_dir + "/output.log";
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        m_pid = ::fork();
        if (m_pid == 0) {
            const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(log, 1);
            ::dup2(log, 2);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        for (int i = 0; i < 100; ++i) {
            if (Accepts())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    std::string Output() const {
        std::ifstream in(m_dir + "/output.log");
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    bool Accepts() const {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(m_port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
        ::close(fd);
        return ok;
    }

    std::string m_dir;
    unsigned m_port = 0;
    pid_t m_pid = -1;
};
