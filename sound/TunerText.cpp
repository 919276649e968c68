#include "TunerText.h"

std::string TunerSettingsText(Instrument instrument, int stringCount,
                              const std::vector<int>& openNotes, const NoteSpeller& names)
{
    std::string text = "Current settings:\r\nInstrument: ";
    text += std::to_string(stringCount);
    text += " string ";
    text += InstrumentName(instrument);
    text += "\r\nTuning (low to high): ";
    for (int note : openNotes) {
        text += names.Label(note);
        text += ' ';
    }
    return text;
}
