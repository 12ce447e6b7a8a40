#include "tools/devservice/FolderLock.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

bool SetImmutable(const std::string& path, bool on, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
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

// The folder and the files directly in it; its subfolders stay open.
std::vector<std::string> FolderAndFiles(const std::string& folder) {
    std::vector<std::string> paths{folder};
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (entry->d_type == DT_REG)
                paths.push_back(folder + "/" + entry->d_name);
        }
        ::closedir(dir);
    }
    return paths;
}

}  // namespace

bool CFolderLock::Set(const std::string& path, bool closed, std::string& error) {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const std::string& item : FolderAndFiles(path)) {
        if (!SetImmutable(item, closed, error))
            return false;
        if (closed)
            m_closed.insert(item);
        else
            m_closed.erase(item);
    }
    return true;
}

void CFolderLock::OpenAll() {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string ignored;
    for (const std::string& path : m_closed)
        SetImmutable(path, false, ignored);
    m_closed.clear();
}
