#include "Instrument.h"

#include <algorithm>
#include <cctype>

namespace {

struct Stringing
{
    Instrument instrument;
    std::vector<int> standard; ///< note numbers 0..11 from A, string 0 first
    std::vector<int> startup;  ///< the same, where the window starts otherwise
};

// Every string count each instrument may have, fewest first.
const std::vector<Stringing>& Stringings()
{
    static const std::vector<Stringing> table = {
        {Instrument::Guitar, {7, 0, 5, 10, 2, 7}, {}},
        {Instrument::Guitar, {2, 7, 0, 5, 10, 2, 7}, {}},
        {Instrument::Bass, {7, 0, 5, 10}, {}},
        {Instrument::Bass, {2, 7, 0, 5, 10}, {7, 0, 5, 10, 2}},
        {Instrument::Bass, {2, 7, 0, 5, 10, 3}, {7, 0, 5, 10, 2, 7}},
        {Instrument::Mandolin, {10, 5, 0, 7}, {}},
        {Instrument::Banjo, {10, 5, 10, 2}, {}},
        {Instrument::Banjo, {10, 5, 10, 2, 5}, {}},
    };
    return table;
}

const Stringing* Find(Instrument instrument, int stringCount)
{
    for (const Stringing& row : Stringings()) {
        if (row.instrument == instrument && static_cast<int>(row.standard.size()) == stringCount) {
            return &row;
        }
    }
    return nullptr;
}

constexpr const char* kNames[] = {"Guitar", "Bass", "Mandolin", "Banjo"};

// The banjo's fifth string is short: it starts at the fifth fret.
constexpr int kBanjoShortStringFret = 5;

} // namespace

std::optional<Instrument> InstrumentFromNumber(int number)
{
    if (number < 1 || number > 4) {
        return std::nullopt;
    }
    return static_cast<Instrument>(number);
}

int InstrumentNumber(Instrument instrument)
{
    return static_cast<int>(instrument);
}

std::string InstrumentName(Instrument instrument)
{
    if (!InstrumentFromNumber(InstrumentNumber(instrument))) {
        return {};
    }
    return kNames[InstrumentNumber(instrument) - 1];
}

std::optional<Instrument> InstrumentNamed(const std::string& name)
{
    for (int number = 1; number <= 4; ++number) {
        const std::string candidate = kNames[number - 1];
        const bool same = std::equal(name.begin(), name.end(), candidate.begin(), candidate.end(),
                                     [](char a, char b) {
                                         return std::tolower(static_cast<unsigned char>(a)) ==
                                                std::tolower(static_cast<unsigned char>(b));
                                     });
        if (same) {
            return static_cast<Instrument>(number);
        }
    }
    return std::nullopt;
}

std::vector<int> AllowedStringCounts(Instrument instrument)
{
    std::vector<int> counts;
    for (const Stringing& row : Stringings()) {
        if (row.instrument == instrument) {
            counts.push_back(static_cast<int>(row.standard.size()));
        }
    }
    return counts;
}

bool IsAllowedStringCount(Instrument instrument, int stringCount)
{
    return Find(instrument, stringCount) != nullptr;
}

int DefaultStringCount(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Bass:
    case Instrument::Mandolin:
        return 4;
    case Instrument::Banjo:
        return 5;
    case Instrument::Guitar:
        break;
    }
    return 6;
}

int StepStringCount(Instrument instrument, int stringCount, int delta)
{
    const std::vector<int> counts = AllowedStringCounts(instrument);
    if (counts.empty()) {
        return stringCount;
    }
    const bool up = delta < 0;
    for (int step = delta < 0 ? -delta : delta; step > 0; --step) {
        if (up && stringCount < counts.back()) {
            ++stringCount;
        } else if (!up && stringCount > counts.front()) {
            --stringCount;
        }
    }
    return stringCount;
}

std::vector<int> StandardTuning(Instrument instrument, int stringCount)
{
    const Stringing* row = Find(instrument, stringCount);
    return row != nullptr ? row->standard : std::vector<int>{};
}

std::vector<int> StartupTuning(Instrument instrument, int stringCount)
{
    const Stringing* row = Find(instrument, stringCount);
    if (row == nullptr) {
        return {};
    }
    return row->startup.empty() ? row->standard : row->startup;
}

int ShortStringFret(Instrument instrument, int stringCount)
{
    return instrument == Instrument::Banjo && stringCount == 5 ? kBanjoShortStringFret : 0;
}

bool MarksTenthFret(Instrument instrument)
{
    return instrument == Instrument::Mandolin || instrument == Instrument::Banjo;
}
