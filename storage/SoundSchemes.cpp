#include "SoundSchemes.h"

#include "TextReader.h"

#include <filesystem>
#include <optional>
#include <system_error>

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
        std::optional<std::string> scheme = TextReader::Load(path);
        if (!scheme || scheme->empty()) {
            continue;
        }
        TextReader reader(std::move(*scheme));
        names.push_back(CleanLine(reader.ReadLine()));
        // Sample lines missing at the end of a short scheme file leave their entries empty.
        std::array<std::string, 24>& slot = table.schemeSlots[names.size()];
        for (std::string& entry : slot) {
            entry = CleanLine(reader.ReadLine());
        }
    }
    return names;
}

std::optional<std::string> FirstMissingSample(const SoundSchemeTable& table, int slot)
{
    if (slot < 1 || slot > MAX_SOUND_SCHEMES) {
        return std::nullopt;
    }
    for (const std::string& path : table.schemeSlots[static_cast<std::size_t>(slot)]) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            return path;
        }
    }
    return std::nullopt;
}
