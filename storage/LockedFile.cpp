#include "LockedFile.h"

#include "DataFile.h"
#include "FileReplacer.h"

#include <atomic>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds RETRY{5};

std::atomic<std::chrono::milliseconds::rep> defaultWaitMs{LockedFile::DEFAULT_WAIT.count()};

} // namespace

std::chrono::milliseconds LockedFile::DefaultWait()
{
    return std::chrono::milliseconds(defaultWaitMs.load());
}

void LockedFile::SetDefaultWaitForTests(std::chrono::milliseconds wait)
{
    defaultWaitMs.store(wait.count());
}

LockedFile::LockedFile(const std::string& path, Access access, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const int flags = access == Access::Create ? O_RDWR | O_CREAT : O_RDONLY;
    const int operation = (access == Access::Read ? LOCK_SH : LOCK_EX) | LOCK_NB;
    for (;;) {
        real = FileReplacer::RealPath(path);
        const int opened = DataFile::Open(real, flags, error);
        if (opened < 0) {
            status = error == ENOENT && access != Access::Create ? Status::Missing : Status::Failed;
            return;
        }
        struct stat held = {};
        if (::fstat(opened, &held) != 0) {
            error = errno;
            ::close(opened);
            return;
        }
        while (::flock(opened, operation) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                // A file system without locks: the file is still used, as it was before locks.
                fd = opened;
                status = Status::Locked;
                return;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(opened);
                status = Status::Busy;
                return;
            }
            std::this_thread::sleep_for(RETRY);
        }
        // The holder before us may have renamed a new file over the one we waited for: then the
        // lock is on a file nobody will read again, and the new one has to be locked instead.
        struct stat now = {};
        if (::stat(real.c_str(), &now) == 0 && now.st_dev == held.st_dev &&
            now.st_ino == held.st_ino) {
            fd = opened;
            status = Status::Locked;
            return;
        }
        ::close(opened);
        if (std::chrono::steady_clock::now() >= deadline) {
            status = Status::Busy;
            return;
        }
    }
}

LockedFile::~LockedFile()
{
    if (fd >= 0) {
        ::flock(fd, LOCK_UN);
        ::close(fd);
    }
}
