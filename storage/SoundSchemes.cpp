#include "SoundSchemes.h"

#include "DataFile.h"
#include "TextReader.h"

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const LIST_FILE = "pinto_ss.dat";

// A line as the table keeps it: any length, cut only at a NUL, which no name or path can hold.
std::string CleanLine(std::string line)
{
    const std::size_t nul = line.find('\0');
    if (nul != std::string::npos) {
        line.resize(nul);
    }
    return line;
}

} // namespace

std::vector<std::string> LoadSoundSchemes(SoundSchemeTable& table)
{
    std::vector<std::string> names;
    std::optional<std::string> list = TextReader::Load(LIST_FILE);
    if (!list) {
        return names;
    }
    TextReader listReader(std::move(*list));
    // Schemes beyond slot 9 are ignored; a scheme file with no line at all counts as unreadable.
    while (!listReader.AtEnd() && static_cast<int>(names.size()) < MAX_SOUND_SCHEMES) {
        const std::string path = CleanLine(listReader.ReadLine());
        if (path.empty()) {
            continue;
        }
        std::array<std::string, 24> entries;
        if (std::optional<std::string> name = LoadSoundScheme(path, entries)) {
            names.push_back(std::move(*name));
            table.schemeSlots[names.size()] = std::move(entries);
        }
    }
    return names;
}

std::optional<std::string> LoadSoundScheme(const std::string& path,
                                           std::array<std::string, 24>& entries)
{
    std::optional<std::string> scheme = TextReader::Load(path);
    if (!scheme || scheme->empty()) {
        return std::nullopt;
    }
    TextReader reader(std::move(*scheme));
    std::string name = CleanLine(reader.ReadLine());
    // Sample lines missing at the end of a short scheme file leave their entries empty.
    for (std::string& entry : entries) {
        entry = CleanLine(reader.ReadLine());
    }
    return name;
}

std::optional<std::string> FirstMissingSample(const SoundSchemeTable& table, int slot, int* error)
{
    if (slot < 1 || slot > MAX_SOUND_SCHEMES) {
        return std::nullopt;
    }
    for (const std::string& path : table.schemeSlots[static_cast<std::size_t>(slot)]) {
        int reason = ENOENT;
        const int fd = path.empty() ? -1 : DataFile::Open(path, O_RDONLY, reason);
        if (fd >= 0) {
            ::close(fd);
            continue;
        }
        if (error != nullptr) {
            *error = reason;
        }
        return path;
    }
    return std::nullopt;
}
