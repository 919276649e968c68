#include "ScaleLibrary.h"

#include "CFretboard.h"
#include "RecordStore.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

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

struct ScaleCodec
{
    using Library = ScaleLibrary;
    using Record = ScaleRecord;
    static constexpr int VALUE_COUNT = 12;
    static constexpr int ScaleLibrary::*count = &ScaleLibrary::scaleCount;

    static ScaleRecord FromFile(RecordFile::Record&& read)
    {
        ScaleRecord record;
        record.name = std::move(read.name);
        std::copy(read.values.begin(), read.values.end(), record.degrees.begin());
        return record;
    }

    static std::vector<int> Values(const ScaleRecord& record)
    {
        return {record.degrees.begin(), record.degrees.end()};
    }
};

using Store = RecordStore<ScaleCodec>;

} // namespace

const ScaleRecord* ScaleLibrary::Record(int index) const
{
    return Store::At(*this, index);
}

void LoadScaleLibrary(ScaleLibrary& library)
{
    LoadScaleLibrary(library, ScaleVocabulary{});
}

void LoadScaleLibrary(ScaleLibrary& library, const ScaleVocabulary& vocabulary)
{
    std::vector<ScaleRecord> builtIns;
    for (const BuiltInScale& scale : builtInScales) {
        builtIns.push_back(ScaleRecord{scale.degrees, scale.name});
    }
    // -1 for a scale of its own, else the built-in scale it stands for.
    std::vector<int> builtInOf;
    std::vector<ScaleRecord> presets;
    for (const VocabularyScale& scale : vocabulary.scales) {
        const auto same = std::find_if(builtIns.begin(), builtIns.end(),
                                       [&](const ScaleRecord& r) { return r.name == scale.name; });
        builtInOf.push_back(same == builtIns.end() ? -1
                                                   : static_cast<int>(same - builtIns.begin()));
        if (same == builtIns.end()) {
            presets.push_back(ScaleRecord{scale.degrees, scale.name});
        }
    }
    const int presetTotal = static_cast<int>(presets.size());
    Store::Load(library, std::move(builtIns), PRESET_FILE, USER_FILE, std::move(presets));
    library.vocabulary = vocabulary;
    library.vocabularyRecords.clear();
    int next = library.presetCount - presetTotal;
    for (int builtIn : builtInOf) {
        library.vocabularyRecords.push_back(builtIn >= 0 ? builtIn : next++);
    }
}

StoreResult AppendScale(ScaleLibrary& library, const std::string& name, const CFretboard& board)
{
    ScaleRecord record;
    record.name = RecordFile::CleanName(name);
    if (RecordFile::IsBlank(record.name)) {
        return StoreResult::Ignored;
    }
    if (const CFretString* string = board.GetString(0)) {
        for (int d = 0; d < 12; ++d) {
            record.degrees[static_cast<std::size_t>(d)] = string->ClassifyDegree(d) != 0 ? 1 : 0;
        }
    }
    return Store::Append(library, std::move(record), USER_FILE);
}

StoreResult ForgetScale(ScaleLibrary& library, int listIndex)
{
    return Store::Forget(library, listIndex, USER_FILE);
}

ScaleRef IdentifyScale(const ScaleLibrary& library, int index)
{
    return Store::Identify(library, index);
}

int LocateScale(const ScaleLibrary& library, const ScaleRef& ref)
{
    return Store::Locate(library, ref);
}
