#include "FuzzWorkingFolder.h"
#include "PatternLibrary.h"
#include "RecordFile.h"

#include <cstdlib>

// Reads the input as the user pattern file and checks the library's invariants.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzWorkingFolder::Write("pinto_p.dat", data, size);
    PatternLibrary library;
    LoadPatterns(library);
    if (library.patternCount != static_cast<int>(library.records.size()) ||
        library.presetCount != BUILT_IN_PATTERN_COUNT) {
        std::abort();
    }
    for (const PatternRecord& record : library.records) {
        if (RecordFile::CharacterBytes(record.name, 99) != record.name.size()) {
            std::abort();
        }
    }
    return 0;
}
