#include "FuzzWorkingFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

std::filesystem::path& Folder()
{
    static std::filesystem::path folder;
    return folder;
}

void RemoveFolder()
{
    std::error_code error;
    std::filesystem::remove_all(Folder(), error);
}

void EnterOnce()
{
    static const bool entered = [] {
        // A memory file system keeps the many small writes from waiting on the disk.
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "pinto-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::filesystem::current_path(pattern);
        Folder() = pattern;
        std::atexit(RemoveFolder);
        return true;
    }();
    (void)entered;
}

} // namespace

void FuzzWorkingFolder::Write(const std::string& fileName, const std::uint8_t* data,
                              std::size_t size)
{
    EnterOnce();
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    if (size > 0) {
        std::fwrite(data, 1, size, file);
    }
    std::fclose(file);
}
