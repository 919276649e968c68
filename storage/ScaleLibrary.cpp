#include "ScaleLibrary.h"

#include "CFretboard.h"
#include "RecordFile.h"

#include <algorithm>
#include <array>

namespace {

const char* const USER_FILE = "pinto_s.dat";
const char* const PRESET_FILE = "_pinto_s.dat";

struct BuiltInScale
{
    const char* name;
    std::array<int, 12> degrees;
};

const std::array<BuiltInScale, BUILT_IN_SCALE_COUNT> builtInScales = {{
    {"Diminished", {1, 0, 1, 1, 0, 1, 1, 0, 1, 1, 0, 1}},
    {"Super Lochrian (Gypsy)", {1, 1, 0, 0, 1, 1, 0, 1, 1, 0, 1, 0}},
    {"Harmonic Minor", {1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 0, 1}},
    {"Magic Major", {1, 0, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0}},
    {"Magic Minor", {1, 0, 0, 1, 0, 1, 1, 1, 0, 0, 1, 1}},
    {"Major", {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1}},
    {"Major Pentatonic", {1, 0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 0}},
    {"Major Triad", {1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0}},
    {"Minor", {1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0}},
    {"Minor Pentatonic", {1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 0}},
    {"Minor Triad", {1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0}},
    {"Whole Tone", {1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0}},
    {"Ionian Mode", {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 1}},
    {"Dorian Mode", {1, 0, 1, 1, 0, 1, 0, 1, 0, 1, 1, 0}},
    {"Phrygian Mode", {1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0}},
    {"Lydian Mode", {1, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1}},
    {"Mixolydian Mode", {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 1, 0}},
    {"Aeolian Mode", {1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0}},
    {"Locrian Mode", {1, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0}},
}};

// Adds the readable records of fileName; returns the text that could not be read.
std::string AddFile(ScaleLibrary& library, const char* fileName)
{
    RecordFile::Contents contents = RecordFile::Read(fileName, 12);
    for (RecordFile::Record& read : contents.records) {
        ScaleRecord record;
        record.name = std::move(read.name);
        std::copy(read.values.begin(), read.values.end(), record.degrees.begin());
        library.records.push_back(std::move(record));
    }
    return std::move(contents.unread);
}

// The whole user file: user records except index skip, then the unread text.
TextWriter UserFile(const ScaleLibrary& library, int skip)
{
    TextWriter writer;
    for (int a = library.presetCount; a < static_cast<int>(library.records.size()); ++a) {
        if (a != skip) {
            const ScaleRecord& record = library.records[static_cast<std::size_t>(a)];
            RecordFile::Write(writer, record.name, record.degrees.data(), 12);
        }
    }
    writer.Raw(library.unreadUserText);
    return writer;
}

} // namespace

const ScaleRecord* ScaleLibrary::Record(int index) const
{
    if (index < 0 || index >= scaleCount || index >= static_cast<int>(records.size())) {
        return nullptr;
    }
    return &records[static_cast<std::size_t>(index)];
}

void LoadScaleLibrary(ScaleLibrary& library)
{
    library.records.clear();
    for (const BuiltInScale& scale : builtInScales) {
        library.records.push_back(ScaleRecord{scale.degrees, scale.name});
    }
    AddFile(library, PRESET_FILE);
    library.presetCount = static_cast<int>(library.records.size());
    library.unreadUserText = AddFile(library, USER_FILE);
    library.scaleCount = static_cast<int>(library.records.size());
}

StoreResult AppendScale(ScaleLibrary& library, const std::string& name, const CFretboard& board)
{
    ScaleRecord record;
    record.name = RecordFile::CleanName(name);
    if (record.name.empty()) {
        return StoreResult::Ignored;
    }
    if (const CFretString* string = board.GetString(0)) {
        for (int d = 0; d < 12; ++d) {
            record.degrees[static_cast<std::size_t>(d)] = string->ClassifyDegree(d) != 0 ? 1 : 0;
        }
    }
    if (library.unreadUserText.empty()) {
        TextWriter writer;
        RecordFile::Write(writer, record.name, record.degrees.data(), 12);
        if (!writer.AppendToFile(USER_FILE)) {
            return StoreResult::Failed;
        }
        library.records.push_back(std::move(record));
    } else {
        // Appended after an unreadable record the new one could never be read back: it goes
        // before that text instead.
        library.records.push_back(std::move(record));
        if (!UserFile(library, -1).ReplaceFile(USER_FILE)) {
            library.records.pop_back();
            return StoreResult::Failed;
        }
    }
    library.scaleCount = static_cast<int>(library.records.size());
    return StoreResult::Stored;
}

StoreResult ForgetScale(ScaleLibrary& library, int listIndex)
{
    const int k = listIndex - 1;
    if (k < library.presetCount) {
        return StoreResult::Refused;
    }
    if (k >= library.scaleCount) {
        return StoreResult::Ignored;
    }
    if (!UserFile(library, k).ReplaceFile(USER_FILE)) {
        return StoreResult::Failed;
    }
    library.records.erase(library.records.begin() + k);
    library.scaleCount = static_cast<int>(library.records.size());
    return StoreResult::Stored;
}
