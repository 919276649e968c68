#include "FuzzWorkingFolder.h"
#include "RecordFile.h"
#include "ScaleLibrary.h"

#include <cstdlib>

// Reads the input as both scale library files and checks the library's invariants.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzWorkingFolder::Write("_pinto_s.dat", data, size);
    FuzzWorkingFolder::Write("pinto_s.dat", data, size);
    ScaleLibrary library;
    LoadScaleLibrary(library);
    if (library.scaleCount != static_cast<int>(library.records.size()) ||
        library.presetCount - BUILT_IN_SCALE_COUNT != library.scaleCount - library.presetCount) {
        std::abort();
    }
    for (const ScaleRecord& record : library.records) {
        if (RecordFile::CharacterBytes(record.name, 99) != record.name.size()) {
            std::abort();
        }
    }
    return 0;
}
