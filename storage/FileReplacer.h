#pragma once

#include <string>
#include <string_view>

// Replaces whole files without ever leaving a torn one: the new text goes into a fresh temporary
// beside the real file (symbolic links followed), which then takes the file's place by a rename.
class FileReplacer
{
public:
    enum class InPlace
    {
        Allowed, // a folder that refuses new files may have the file itself overwritten
        Never    // the old file stays byte for byte unless the whole replacement succeeds
    };

    struct Outcome
    {
        // 0 when the file holds the new bytes, else the errno value (or DataFile::NOT_REGULAR) of
        // the step that failed.
        int error = 0;
        // The real file's folder, as an absolute path, when it refused the temporary that a safe
        // rewrite needs (error tells why); empty otherwise.
        std::string refusingFolder;
    };

    // The file that path names after following symbolic links (at most 40), as a path; path
    // itself when it is no link. A link to a missing file gives the missing target.
    static std::string RealPath(const std::string& path);

    // Writes bytes as the new content of the real file behind path (bare name = working folder).
    // Stale temporaries of the file are removed first (RemoveStaleTemporaries). The temporary is
    // created exclusively under a fresh name ".NAME.XXXXXX" in the real file's folder, held
    // locked while it lives, gets the old file's mode and owner (a new file gets 0666 less the
    // umask), is synced and renamed over the file, and the folder is synced; it is removed on
    // every failure. A file the user may not write (for root: one without any write bit) is
    // refused with EACCES, anything but a regular file with DataFile::NOT_REGULAR. When the folder
    // refuses new files and inPlace allows, the file itself is overwritten from its start and
    // only then cut to size.
    static Outcome Replace(const std::string& path, std::string_view bytes, InPlace inPlace);

    // Removes what rewrites of the real file behind path left when they were killed: entries
    // ".NAME.XXXXXX" (X a letter or digit) of its folder that are regular files of this user,
    // unchanged for over a minute and held by no process. Nothing else is touched.
    static void RemoveStaleTemporaries(const std::string& path);

    // Writes all of bytes to fd at its current offset, retrying short writes; 0 or errno.
    static int WriteAll(int fd, std::string_view bytes);

    // Test hook: when set, called by an in-place rewrite after the new bytes are written and
    // before the file is cut to their length.
    static inline void (*inPlaceWritten)() = nullptr;
};
