#pragma once

#include <cstddef>
#include <memory>
#include <string>

// A regular file opened for a reply body: the reply's length is its size when it was opened, and the
// bytes go from disk to the socket without passing through memory of ours.
class CFileBody {
public:
    // Null when `path` cannot be opened or names no regular file.
    static std::shared_ptr<const CFileBody> Open(const std::string& path);
    ~CFileBody();
    CFileBody(const CFileBody&) = delete;
    CFileBody& operator=(const CFileBody&) = delete;

    size_t Size() const { return m_size; }
    // Sends `length` bytes from `offset` to `socket`; false when the connection fails or the file has
    // become shorter meanwhile.
    bool SendTo(int socket, size_t offset, size_t length) const;

private:
    CFileBody(int fd, size_t size) : m_fd(fd), m_size(size) {}

    int m_fd;
    size_t m_size;
};
