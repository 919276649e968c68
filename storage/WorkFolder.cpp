#include "WorkFolder.h"

#include "FileReplacer.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const LIST_FILE = "pinto_ss.dat";

std::string Quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

// Creates folder/pinto_ss.dat holding one line that names scheme; fails rather than replace a
// list that appeared meanwhile, and leaves no half-written list behind.
bool WriteList(const fs::path& folder, const fs::path& scheme, std::string& error)
{
    const fs::path list = folder / LIST_FILE;
    const int fd = ::open(list.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) {
            return true;
        }
        error = "cannot write " + Quoted(list) + ": " + std::strerror(errno);
        return false;
    }
    int failure = FileReplacer::WriteAll(fd, scheme.string() + "\r\n");
    if (failure == 0 && ::fsync(fd) != 0) {
        failure = errno;
    }
    if (::close(fd) != 0 && failure == 0 && errno != EINTR) {
        failure = errno;
    }
    if (failure != 0) {
        error = "cannot write " + Quoted(list) + ": " + std::strerror(failure);
        ::unlink(list.c_str());
        return false;
    }
    return true;
}

// Why folder cannot be made: the system's reason, and for a link that leads nowhere, where it
// leads (making the folder would only say that the link's name exists).
std::string MakeFailure(const fs::path& folder, const std::error_code& code)
{
    std::error_code ignored;
    if (fs::is_symlink(fs::symlink_status(folder, ignored)) && !fs::exists(folder, ignored)) {
        const fs::path target = fs::read_symlink(folder, ignored);
        return "it links to " + Quoted(target) + ": " + std::strerror(ENOENT);
    }
    return code ? code.message() : std::string(std::strerror(ENOTDIR));
}

} // namespace

fs::path WorkFolder::Choose(const char* pintoHome, const char* home)
{
    if (pintoHome && *pintoHome) {
        return fs::path(pintoHome);
    }
    if (home && *home) {
        return fs::path(home) / "Pinto";
    }
    return {};
}

fs::path WorkFolder::DefaultScheme(const fs::path& program)
{
    // PINTO_DATA_FROM_PROGRAM is the data folder seen from the installed program's folder, as the
    // build's install layout puts it ("../share/pinto").
    const fs::path programFolder = program.parent_path();
    const std::array<fs::path, 2> dataFolders = {programFolder / PINTO_DATA_FROM_PROGRAM,
                                                 programFolder / "share" / "pinto"};
    for (const fs::path& data : dataFolders) {
        const fs::path scheme = (data / "sounds" / kDefaultScheme).lexically_normal();
        std::error_code error;
        if (fs::is_regular_file(scheme, error)) {
            return scheme;
        }
    }
    return {};
}

bool WorkFolder::Prepare(const fs::path& folder, const fs::path& scheme, std::string& error)
{
    std::error_code code;
    fs::create_directories(folder, code);
    if (code || !fs::is_directory(folder, code)) {
        error =
            "cannot make " + Quoted(folder) + " the working folder: " + MakeFailure(folder, code);
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        error =
            "cannot write in the working folder " + Quoted(folder) + ": " + std::strerror(errno);
        return false;
    }
    const fs::file_status list = fs::symlink_status(folder / LIST_FILE, code);
    if (fs::exists(list) || scheme.empty()) {
        return true;
    }
    return WriteList(folder, scheme, error);
}

void WorkFolder::RemoveStaleTemporaries()
{
    for (const char* file : {"pinto_c.dat", "pinto_s.dat", "pinto_p.dat"}) {
        FileReplacer::RemoveStaleTemporaries(file);
    }
}

bool WorkFolder::Enter(std::string& error)
{
    fs::path folder = Choose(std::getenv(kHomeVariable), std::getenv("HOME"));
    if (folder.empty()) {
        error = std::string("no working folder: neither ") + kHomeVariable + " nor HOME is set";
        return false;
    }
    std::error_code code;
    if (fs::path absolute = fs::absolute(folder, code); !code) {
        folder = absolute;
    }
    const fs::path program = fs::read_symlink("/proc/self/exe", code);
    const fs::path scheme = code ? fs::path() : DefaultScheme(program);
    if (!Prepare(folder, scheme, error)) {
        return false;
    }
    fs::current_path(folder, code);
    if (code) {
        error = "cannot enter the working folder " + Quoted(folder) + ": " + code.message();
        return false;
    }
    return true;
}
