#include "DataFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int DataFile::Open(const std::string& path, int flags, int& error)
{
    // O_NONBLOCK keeps open() from waiting for the other end of a FIFO or for a device.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        error = errno;
    } else if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : NOT_REGULAR;
    } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        error = errno;
    } else {
        error = 0;
        return fd;
    }
    ::close(fd);
    return -1;
}

std::optional<std::string> DataFile::Load(const std::string& path, std::size_t maxBytes, int& error)
{
    const int fd = path.empty() ? (error = ENOENT, -1) : Open(path, O_RDONLY, error);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = errno;
            break;
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            error = EFBIG;
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (error != 0) {
        return std::nullopt;
    }
    return bytes;
}

std::string DataFile::Reason(int error)
{
    return error == NOT_REGULAR ? "Not a regular file" : std::strerror(error);
}
