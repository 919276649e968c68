#include "FileReplacer.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MAX_LINKS = 40;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The permission bits a new file gets from open(..., 0666).
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool MayWrite(const std::string& path, const struct stat& info)
{
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        return false;
    }
    // Root may write anything; a file without any write bit is still meant to stay as it is.
    return ::geteuid() != 0 || (info.st_mode & 0222) != 0;
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Some file systems cannot sync a folder; the rename has happened either way.
        ::fsync(fd);
        ::close(fd);
    }
}

int CloseChecked(int fd)
{
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

int WriteInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int error = FileReplacer::WriteAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    const int closed = CloseChecked(fd);
    return error != 0 ? error : closed;
}

} // namespace

std::string FileReplacer::RealPath(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < MAX_LINKS; ++hop) {
        struct stat info = {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::vector<char> target(static_cast<std::size_t>(PATH_MAX) + 1);
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size() - 1);
        if (length <= 0) {
            return current;
        }
        const std::string link(target.data(), static_cast<std::size_t>(length));
        current = link.front() == '/' ? link : FolderOf(current) + "/" + link;
    }
    return current;
}

int FileReplacer::WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int FileReplacer::Replace(const std::string& path, std::string_view bytes, InPlace inPlace)
{
    const std::string real = RealPath(path);
    struct stat info = {};
    bool exists = false;
    if (::lstat(real.c_str(), &info) == 0) {
        if (S_ISLNK(info.st_mode)) {
            return ELOOP;
        }
        if (S_ISDIR(info.st_mode)) {
            return EISDIR;
        }
        if (!S_ISREG(info.st_mode)) {
            return EINVAL;
        }
        if (!MayWrite(real, info)) {
            return EACCES;
        }
        exists = true;
    } else if (errno != ENOENT) {
        return errno;
    }

    const std::string folder = FolderOf(real);
    std::string temporary = folder + "/." + BaseOf(real) + ".XXXXXX";
    // mkostemp opens with O_CREAT | O_EXCL: an existing name, link or not, is never used.
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if ((error == EACCES || error == EPERM) && exists && inPlace == InPlace::Allowed) {
            return WriteInPlace(real, bytes);
        }
        return error;
    }

    int error = 0;
    if (exists) {
        if (::fchmod(fd, info.st_mode & 07777) != 0) {
            error = errno;
        } else if ((info.st_uid != ::geteuid() || info.st_gid != ::getegid()) &&
                   ::fchown(fd, info.st_uid, info.st_gid) != 0) {
            error = errno;
        }
    } else if (::fchmod(fd, NewFileMode()) != 0) {
        error = errno;
    }
    if (error != 0 && exists && inPlace == InPlace::Allowed) {
        // The replacement could not carry the file's owner: overwrite the file itself instead.
        ::close(fd);
        ::unlink(temporary.c_str());
        return WriteInPlace(real, bytes);
    }
    if (error == 0) {
        error = WriteAll(fd, bytes);
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    const int closed = CloseChecked(fd);
    if (error == 0) {
        error = closed;
    }
    if (error == 0 && ::rename(temporary.c_str(), real.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return 0;
}
