#include "WorkFolder.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

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
    std::FILE* file = std::fopen(list.c_str(), "wbx");
    if (!file) {
        if (errno == EEXIST) {
            return true;
        }
        error = "cannot write " + Quoted(list) + ": " + std::strerror(errno);
        return false;
    }
    const std::string line = scheme.string() + "\r\n";
    bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    written = std::fclose(file) == 0 && written;
    if (!written) {
        error = "cannot write " + Quoted(list);
        std::error_code ignored;
        fs::remove(list, ignored);
    }
    return written;
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
        error = "cannot make " + Quoted(folder) + " the working folder: " +
                (code ? code.message() : std::string(std::strerror(ENOTDIR)));
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
