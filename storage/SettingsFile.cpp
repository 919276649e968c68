#include "SettingsFile.h"

#include "CFretString.h"
#include "CFretboard.h"
#include "FileReplacer.h"
#include "LockedFile.h"
#include "TextReader.h"
#include "TextWriter.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

namespace {

const char* const SETTINGS_FILE = "pinto_c.dat";

// A longer tuning list than any instrument has strings is never used, so it is not read.
constexpr int MAX_TUNING_VALUES = 9;

// The display flags in file order, as members of Settings.
constexpr std::array<int Settings::*, 5> flagFields = {
    &Settings::viewDots, &Settings::suppressColor, &Settings::viewDegrees, &Settings::viewNotes,
    &Settings::dotMarkers};

// Replaces every value the program cannot use by its default.
void Validate(Settings& settings)
{
    const Settings defaults;
    for (int Settings::*field : flagFields) {
        if (settings.*field != 0 && settings.*field != 1) {
            settings.*field = defaults.*field;
        }
    }
    if (!IsAllowedStringCount(settings.instrument, settings.stringCount)) {
        settings.stringCount = DefaultStringCount(settings.instrument);
    }
}

} // namespace

std::vector<int> ChooseTuning(const Settings& settings, const std::vector<int>& list)
{
    const bool fits =
        static_cast<int>(list.size()) == settings.stringCount &&
        std::all_of(list.begin(), list.end(), [](int note) { return note >= 0 && note <= 11; });
    if (fits) {
        return list;
    }
    return StartupTuning(settings.instrument, settings.stringCount);
}

int LoadSettings(Settings& settings, std::vector<int>& tunings)
{
    settings = Settings();
    tunings.clear();
    std::optional<std::string> text;
    int error = 0;
    {
        // A window closing just now may be writing the file in place; wait for it to finish.
        const LockedFile lock(SETTINGS_FILE, LockedFile::Access::Read);
        switch (lock.GetStatus()) {
        case LockedFile::Status::Missing:
            return 0;
        case LockedFile::Status::Failed:
            return lock.Error();
        case LockedFile::Status::Locked:
        case LockedFile::Status::Busy:
            break;
        }
        text = TextReader::Load(SETTINGS_FILE, &error);
    }
    if (!text) {
        return error == ENOENT ? 0 : error;
    }
    TextReader reader(std::move(*text));
    // Reading stops at the first value that is not a decimal integer; the rest keep defaults.
    bool readable = true;
    const auto read = [&reader, &readable](int& field) {
        int value = 0;
        readable = readable && reader.ReadInt(value);
        if (readable) {
            field = value;
        }
    };
    for (int Settings::*field : flagFields) {
        read(settings.*field);
    }
    int instrument = InstrumentNumber(settings.instrument);
    read(instrument);
    // A number that names no instrument gives the default one.
    settings.instrument = InstrumentFromNumber(instrument).value_or(Settings{}.instrument);
    read(settings.stringCount);
    Validate(settings);
    int count = 0;
    if (!readable || !reader.ReadInt(count) || count < 0 || count > MAX_TUNING_VALUES) {
        return 0;
    }
    // A list cut short, or holding a value that is no note number 0..11, is dropped whole.
    std::vector<int> list;
    for (int i = 0; i < count; ++i) {
        int note = 0;
        if (!reader.ReadInt(note) || note < 0 || note > 11) {
            return 0;
        }
        list.push_back(note);
    }
    tunings = std::move(list);
    return 0;
}

int SaveSettings(const Settings& settings, const CFretboard& board)
{
    TextWriter writer;
    writer.Number(settings.viewDots);
    writer.Number(settings.suppressColor);
    writer.Number(settings.viewDegrees);
    writer.Number(settings.viewNotes);
    writer.Number(settings.dotMarkers);
    writer.Number(InstrumentNumber(settings.instrument));
    writer.Number(settings.stringCount);
    // The count written is that of the strings the board really has (normally stringCount), so
    // the list always matches its count; a list of another length is not used on reading.
    const int strings = board.GetStringCount();
    writer.Number(strings);
    for (int i = 0; i < strings; ++i) {
        const CFretString* string = board.GetString(i);
        writer.Number(string ? string->GetTuning() : 0);
    }
    // Two windows closing at once take turns; the file is always one window's whole settings.
    const LockedFile lock(SETTINGS_FILE, LockedFile::Access::Change);
    if (lock.GetStatus() == LockedFile::Status::Busy) {
        return EBUSY;
    }
    return FileReplacer::Replace(SETTINGS_FILE, writer.Text(), FileReplacer::InPlace::Allowed)
        .error;
}
