#include "TunerText.h"

#include <array>

std::string TunerSettingsText(int instrument, int stringCount, const std::vector<int>& openNotes,
                              const NoteSpeller& names)
{
    static constexpr std::array<const char*, 4> instrumentNames = {"Guitar", "Bass", "Mandolin",
                                                                   "Banjo"};
    std::string text = "Current settings:\r\nInstrument: ";
    text += std::to_string(stringCount);
    text += " string ";
    if (instrument >= 1 && instrument <= 4) {
        text += instrumentNames[static_cast<std::size_t>(instrument - 1)];
    }
    text += "\r\nTuning (low to high): ";
    for (int note : openNotes) {
        text += names.Label(note);
        text += ' ';
    }
    return text;
}
