#include "SoundSchemes.h"

#include "TextReader.h"

#include <optional>

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
