#include "FuzzWorkingFolder.h"
#include "Instrument.h"
#include "SettingsFile.h"

#include <cstdlib>
#include <vector>

// Reads the input as the settings file and checks that every setting and tuning is usable.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzWorkingFolder::Write("pinto_c.dat", data, size);
    Settings settings;
    std::vector<int> tunings;
    LoadSettings(settings, tunings);
    for (int flag : {settings.viewDots, settings.suppressColor, settings.viewDegrees,
                     settings.viewNotes, settings.dotMarkers}) {
        if (flag != 0 && flag != 1) {
            std::abort();
        }
    }
    if (!IsAllowedStringCount(settings.instrument, settings.stringCount) || tunings.size() > 9) {
        std::abort();
    }
    for (int note : ChooseTuning(settings, tunings)) {
        if (note < 0 || note > 11) {
            std::abort();
        }
    }
    if (static_cast<int>(ChooseTuning(settings, tunings).size()) != settings.stringCount) {
        std::abort();
    }
    return 0;
}
