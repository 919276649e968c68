#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Opening the program's data files without ever waiting on them, and the words for why one could
// not be used. A FIFO, a device or a socket where a data file belongs is refused at once: it is
// never read from and never written to.
class DataFile
{
public:
    // Error value, besides the errno values, for a path that names no regular file and no folder.
    static constexpr int NOT_REGULAR = -1;

    // Opens path (bare name = working folder) with flags (O_RDONLY, O_RDWR | O_CREAT, ...; mode
    // 0666 less the umask for a new file) without blocking, and keeps it open only when it is a
    // regular file. Returns the descriptor (close-on-exec, blocking again), or -1 with the errno
    // value, EISDIR or NOT_REGULAR in error.
    static int Open(const std::string& path, int flags, int& error);

    // The bytes of the regular file path, which must hold at most maxBytes; nothing, with the
    // reason in error (ENOENT when it is missing, EFBIG when it is larger), when it cannot be read.
    static std::optional<std::string> Load(const std::string& path, std::size_t maxBytes,
                                           int& error);

    // The system's words for error ("No space left on device"); "Not a regular file" for
    // NOT_REGULAR.
    static std::string Reason(int error);
};
