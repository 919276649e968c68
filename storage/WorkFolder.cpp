#include "WorkFolder.h"

#include "DataFile.h"
#include "FileReplacer.h"
#include "TextReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
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

// The line as the sound dialogs read it: cut at a NUL, which no path can hold.
std::string ListedPath(std::string line)
{
    line.resize(std::min(line.find('\0'), line.size()));
    return line;
}

// True when list names at least one scheme file and none of them can be read as the sound dialogs
// read them, from folder; a list with a scheme the dialogs can offer, or with none at all, is the
// user's own choice.
bool AllSchemesMissing(const fs::path& folder, const std::string& list)
{
    TextReader reader(list);
    bool named = false;
    while (!reader.AtEnd()) {
        const std::string path = ListedPath(reader.ReadLine());
        if (path.empty()) {
            continue;
        }
        named = true;
        const std::optional<std::string> scheme = TextReader::Load((folder / path).string());
        if (scheme && !scheme->empty()) {
            return false;
        }
    }
    return named;
}

// Adds a line naming scheme at the end of the list file whose contents are text, after a line end
// when its last line has none. Every byte already there stays; a list that cannot be written (made
// read-only, say) is left alone, and a write that fails half-way is taken back.
void AppendToList(const fs::path& list, const std::string& text, const fs::path& scheme)
{
    std::string line = scheme.string() + "\r\n";
    if (!text.empty() && text.back() != '\n') {
        line.insert(0, "\r\n");
    }
    int error = 0;
    const int fd = DataFile::Open(list.string(), O_WRONLY | O_APPEND, error);
    if (fd < 0) {
        return;
    }
    if (::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        [[maybe_unused]] const int ignored = ::ftruncate(fd, static_cast<off_t>(text.size()));
    }
    ::close(fd);
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

fs::path WorkFolder::DataFile(const fs::path& program, const fs::path& relative)
{
    // PINTO_DATA_FROM_PROGRAM is the data folder seen from the installed program's folder, as the
    // build's install layout puts it ("../share/pinto").
    const fs::path programFolder = program.parent_path();
    const std::array<fs::path, 2> dataFolders = {programFolder / PINTO_DATA_FROM_PROGRAM,
                                                 programFolder / "share" / "pinto"};
    for (const fs::path& data : dataFolders) {
        const fs::path file = (data / relative).lexically_normal();
        std::error_code error;
        if (fs::is_regular_file(file, error)) {
            return file;
        }
    }
    return {};
}

fs::path WorkFolder::DefaultScheme(const fs::path& program)
{
    return DataFile(program, fs::path("sounds") / kDefaultScheme);
}

fs::path WorkFolder::RunningProgram()
{
    std::error_code code;
    const fs::path program = fs::read_symlink("/proc/self/exe", code);
    return code ? fs::path() : program;
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
    if (scheme.empty()) {
        return true;
    }
    const fs::path list = folder / LIST_FILE;
    if (!fs::exists(fs::symlink_status(list, code))) {
        return WriteList(folder, scheme, error);
    }
    // A list left naming only schemes that are gone (those of a build folder since deleted, say)
    // gets the default scheme added, so the sound dialogs offer one again.
    if (const std::optional<std::string> text = TextReader::Load(list.string());
        text && AllSchemesMissing(folder, *text)) {
        AppendToList(list, *text, scheme);
    }
    return true;
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
    const fs::path program = RunningProgram();
    const fs::path scheme = program.empty() ? fs::path() : DefaultScheme(program);
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
