#include "tools/devservice/FolderLock.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

bool SetImmutable(const std::string& path, bool on, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (!ok)
        error = path + ": " + std::strerror(errno);
    ::close(fd);
    return ok;
}

}  // namespace

bool CFolderLock::Set(const std::string& path, bool closed, std::string& error) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!SetImmutable(path, closed, error))
        return false;
    if (closed)
        m_closed.insert(path);
    else
        m_closed.erase(path);
    return true;
}

void CFolderLock::OpenAll() {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string ignored;
    for (const std::string& path : m_closed)
        SetImmutable(path, false, ignored);
    m_closed.clear();
}
