#include "FileReplacer.h"

#include "DataFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MAX_LINKS = 40;
// The end of a temporary's name that mkostemp replaces by six letters and digits.
constexpr std::string_view TEMPORARY_TAIL = "XXXXXX";
// A temporary left alone for longer than this belongs to no rewrite that is still going on.
constexpr std::time_t STALE_SECONDS = 60;

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

std::string AbsoluteFolder(const std::string& folder)
{
    if (!folder.empty() && folder.front() == '/') {
        return folder;
    }
    std::vector<char> cwd(static_cast<std::size_t>(PATH_MAX) + 1);
    if (::getcwd(cwd.data(), cwd.size()) == nullptr) {
        return folder;
    }
    const std::string here = cwd.data();
    return folder == "." ? here : here + "/" + folder;
}

// The new bytes go over the old ones from the start, and only then is the file cut to their
// length: a kill in between leaves the whole new text followed by some old bytes, which a reader
// of the settings never reaches.
int WriteInPlace(const std::string& path, std::string_view bytes)
{
    int error = 0;
    const int fd = DataFile::Open(path, O_WRONLY | O_NOFOLLOW, error);
    if (fd < 0) {
        return error;
    }
    error = FileReplacer::WriteAll(fd, bytes);
    if (error == 0 && FileReplacer::inPlaceWritten != nullptr) {
        FileReplacer::inPlaceWritten();
    }
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    const int closed = CloseChecked(fd);
    return error != 0 ? error : closed;
}

bool IsTemporaryOf(std::string_view name, std::string_view prefix)
{
    if (name.size() != prefix.size() + TEMPORARY_TAIL.size() ||
        name.substr(0, prefix.size()) != prefix) {
        return false;
    }
    for (const char c : name.substr(prefix.size())) {
        const bool alphanumeric =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alphanumeric) {
            return false;
        }
    }
    return true;
}

// A stale temporary, opened and locked while it is decided whether it may go.
struct Leftover
{
    std::string name;
    int fd = -1;
    std::string openAs; // the path /proc shows for fd, empty when it cannot be told
    bool held = false;
};

// The path that /proc shows for the open file fd of process pid ("self" for this one); empty
// when it cannot be told. Only the link is read: a hung file system is never asked.
std::string ProcessFilePath(const std::string& pid, const char* fd)
{
    std::vector<char> target(static_cast<std::size_t>(PATH_MAX) + 1);
    const std::string link = "/proc/" + pid + "/fd/" + fd;
    const ssize_t length = ::readlink(link.c_str(), target.data(), target.size() - 1);
    return length > 0 ? std::string(target.data(), static_cast<std::size_t>(length)) : "";
}

// The entry name of folder, open and locked, when it is a regular file of this user, untouched
// for longer than STALE_SECONDS and locked by no rewrite (which holds its temporary locked while
// it writes); nothing otherwise.
std::optional<Leftover> OpenIfStale(int folder, const char* name, std::time_t now)
{
    struct stat seen = {};
    if (::fstatat(folder, name, &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode) ||
        seen.st_uid != ::geteuid() || now - seen.st_mtime <= STALE_SECONDS) {
        return std::nullopt;
    }
    const int fd =
        ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat held = {};
    // A file system without locks tells nothing about holders; the age alone decides there.
    const bool unheld =
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR);
    if (unheld && ::fstat(fd, &held) == 0 && held.st_dev == seen.st_dev &&
        held.st_ino == seen.st_ino) {
        return Leftover{name, fd, ProcessFilePath("self", std::to_string(fd).c_str())};
    }
    ::close(fd);
    return std::nullopt;
}

// Marks as held every leftover that a process has open, other than through the leftovers' own
// descriptors in this one, as far as /proc shows the processes this user may look into.
void MarkOpenElsewhere(std::vector<Leftover>& leftovers)
{
    DIR* const processes = ::opendir("/proc");
    if (processes == nullptr) {
        return;
    }
    const std::string self = std::to_string(::getpid());
    while (const dirent* process = ::readdir(processes)) {
        const std::string pid = process->d_name;
        if (pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        DIR* const files = ::opendir(("/proc/" + pid + "/fd").c_str());
        if (files == nullptr) {
            continue;
        }
        while (const dirent* file = ::readdir(files)) {
            if (file->d_name[0] == '.') {
                continue;
            }
            const std::string path = ProcessFilePath(pid, file->d_name);
            for (Leftover& leftover : leftovers) {
                const bool own = pid == self && std::to_string(leftover.fd) == file->d_name;
                if (!own && !leftover.openAs.empty() && path == leftover.openAs) {
                    leftover.held = true;
                }
            }
        }
        ::closedir(files);
    }
    ::closedir(processes);
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

void FileReplacer::RemoveStaleTemporaries(const std::string& path)
{
    const std::string real = RealPath(path);
    const std::string prefix = "." + BaseOf(real) + ".";
    DIR* const folder = ::opendir(FolderOf(real).c_str());
    if (folder == nullptr) {
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(folder)) {
        if (IsTemporaryOf(entry->d_name, prefix)) {
            names.emplace_back(entry->d_name);
        }
    }
    const std::time_t now = std::time(nullptr);
    std::vector<Leftover> leftovers;
    for (const std::string& name : names) {
        if (std::optional<Leftover> leftover = OpenIfStale(::dirfd(folder), name.c_str(), now)) {
            leftovers.push_back(std::move(*leftover));
        }
    }
    if (!leftovers.empty()) {
        MarkOpenElsewhere(leftovers);
    }
    for (const Leftover& leftover : leftovers) {
        if (!leftover.held) {
            ::unlinkat(::dirfd(folder), leftover.name.c_str(), 0);
        }
        ::close(leftover.fd);
    }
    ::closedir(folder);
}

FileReplacer::Outcome FileReplacer::Replace(const std::string& path, std::string_view bytes,
                                            InPlace inPlace)
{
    const std::string real = RealPath(path);
    struct stat info = {};
    bool exists = false;
    if (::lstat(real.c_str(), &info) == 0) {
        if (S_ISLNK(info.st_mode)) {
            return Outcome{ELOOP, {}};
        }
        if (S_ISDIR(info.st_mode)) {
            return Outcome{EISDIR, {}};
        }
        if (!S_ISREG(info.st_mode)) {
            return Outcome{DataFile::NOT_REGULAR, {}};
        }
        if (!MayWrite(real, info)) {
            return Outcome{EACCES, {}};
        }
        exists = true;
    } else if (errno != ENOENT) {
        return Outcome{errno, {}};
    }

    RemoveStaleTemporaries(real);
    const std::string folder = FolderOf(real);
    std::string temporary = folder + "/." + BaseOf(real) + "." + std::string(TEMPORARY_TAIL);
    // mkostemp opens with O_CREAT | O_EXCL: an existing name, link or not, is never used.
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        const bool refused = error == EACCES || error == EPERM;
        if (refused && exists && inPlace == InPlace::Allowed) {
            return Outcome{WriteInPlace(real, bytes), {}};
        }
        return Outcome{error, refused ? AbsoluteFolder(folder) : std::string()};
    }
    // Held while the temporary lives, so that no other process takes it for one left by a kill.
    ::flock(fd, LOCK_EX | LOCK_NB);

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
        return Outcome{WriteInPlace(real, bytes), {}};
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
        return Outcome{error, {}};
    }
    SyncFolder(folder);
    return {};
}
