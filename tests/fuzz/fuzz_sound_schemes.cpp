#include "FuzzWorkingFolder.h"
#include "SoundSchemes.h"

#include <cstdlib>

// Reads the input as the scheme list and, through a fixed list, as a scheme file named "a".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzWorkingFolder::Write("a", data, size);
    FuzzWorkingFolder::Write("pinto_ss.dat", data, size);
    SoundSchemeTable table;
    if (LoadSoundSchemes(table).size() > MAX_SOUND_SCHEMES) {
        std::abort();
    }
    const std::uint8_t list[] = {'a', '\r', '\n', 'a', '\n'};
    FuzzWorkingFolder::Write("pinto_ss.dat", list, sizeof list);
    if (LoadSoundSchemes(table).size() != (size > 0 ? 2u : 0u)) {
        std::abort();
    }
    return 0;
}
