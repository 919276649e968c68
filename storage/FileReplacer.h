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

    // The file that path names after following symbolic links (at most 40), as a path; path
    // itself when it is no link. A link to a missing file gives the missing target.
    static std::string RealPath(const std::string& path);

    // Writes bytes as the new content of the real file behind path (bare name = working folder).
    // The temporary is created exclusively under a fresh name ".NAME.XXXXXX" in the real file's
    // folder, gets the old file's mode and owner (a new file gets 0666 less the umask), is synced
    // and renamed over the file, and the folder is synced; it is removed on every failure. A file
    // the user may not write (for root: one without any write bit) is refused with EACCES. When
    // the folder refuses new files and inPlace allows, the file itself is overwritten from its
    // start and cut to size. Returns 0, or the errno value of the step that failed.
    static int Replace(const std::string& path, std::string_view bytes, InPlace inPlace);

    // Writes all of bytes to fd at its current offset, retrying short writes; 0 or errno.
    static int WriteAll(int fd, std::string_view bytes);
};
