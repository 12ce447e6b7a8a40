#include "tools/devservice/FileBody.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// Linux sends at most about 2 GB per call; smaller steps keep a stop request from waiting long.
constexpr size_t kMaxStep = 64 * 1024 * 1024;

}  // namespace

std::shared_ptr<const CFileBody> CFileBody::Open(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return nullptr;
    }
    return std::shared_ptr<const CFileBody>(new CFileBody(fd, static_cast<size_t>(st.st_size)));
}

CFileBody::~CFileBody() {
    close(m_fd);
}

bool CFileBody::SendTo(int socket, size_t offset, size_t length) const {
    off_t position = static_cast<off_t>(offset);
    while (length > 0) {
        ssize_t n = sendfile(socket, m_fd, &position, std::min(length, kMaxStep));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        length -= static_cast<size_t>(n);
    }
    return true;
}
