#pragma once

#include <chrono>
#include <string>

// An open data file held under an advisory lock (flock) for one read-modify-write or one read,
// so that several Pinto processes working in one folder take turns. The lock is on the real file
// behind any symbolic link and is released when the object is destroyed.
class LockedFile
{
public:
    enum class Access
    {
        Read,   // shared lock, for reading
        Change, // exclusive lock, for reading and then changing the file
        Create  // exclusive lock, opened for writing; a missing file is created (0666 less umask)
    };

    enum class Status
    {
        Locked,  // open and locked (or open, on a file system that has no locks)
        Missing, // there is no such file (Read and Change only)
        Busy,    // another process held the lock for the whole wait
        Failed   // the file cannot be opened or is no regular file; Error() tells why
    };

    // How long a lock is waited for before the file counts as busy.
    static constexpr std::chrono::milliseconds DEFAULT_WAIT{3000};

    // The wait of a LockedFile made without one: DEFAULT_WAIT unless a test chose another.
    static std::chrono::milliseconds DefaultWait();
    // Test hook: sets the wait (0 ms or more) of every LockedFile made without one from now on,
    // so a test of a busy file need not wait seconds.
    static void SetDefaultWaitForTests(std::chrono::milliseconds wait);

    // Opens and locks the real file behind path (bare name = working folder), waiting at most
    // wait for another process to let go of it.
    LockedFile(const std::string& path, Access access,
               std::chrono::milliseconds wait = DefaultWait());
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    Status GetStatus() const { return status; }
    // errno value (or DataFile::NOT_REGULAR) of a Failed open, else 0.
    int Error() const { return error; }
    // The open file, -1 unless Locked.
    int Fd() const { return fd; }
    // The real file that is locked, symbolic links followed.
    const std::string& RealPath() const { return real; }

private:
    int fd = -1;
    Status status = Status::Failed;
    int error = 0;
    std::string real;
};
