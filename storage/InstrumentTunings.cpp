#include "InstrumentTunings.h"

#include <algorithm>

namespace {

struct TuningRow
{
    int instrument;
    int stringCount;
    std::vector<int> notes;
};

const std::vector<TuningRow>& StartupTable()
{
    static const std::vector<TuningRow> table = {
        {1, 6, {7, 0, 5, 10, 2, 7}}, {1, 7, {2, 7, 0, 5, 10, 2, 7}}, {2, 4, {7, 0, 5, 10}},
        {2, 5, {7, 0, 5, 10, 2}},    {2, 6, {7, 0, 5, 10, 2, 7}},    {3, 4, {10, 5, 0, 7}},
        {4, 4, {10, 5, 10, 2}},      {4, 5, {10, 5, 10, 2, 5}},
    };
    return table;
}

const std::vector<TuningRow>& StandardTable()
{
    static const std::vector<TuningRow> table = {
        {1, 6, {7, 0, 5, 10, 2, 7}}, {1, 7, {2, 7, 0, 5, 10, 2, 7}}, {2, 4, {7, 0, 5, 10}},
        {2, 5, {2, 7, 0, 5, 10}},    {2, 6, {2, 7, 0, 5, 10, 3}},    {3, 4, {10, 5, 0, 7}},
        {4, 4, {10, 5, 10, 2}},      {4, 5, {10, 5, 10, 2, 5}},
    };
    return table;
}

std::vector<int> Find(const std::vector<TuningRow>& table, int instrument, int stringCount)
{
    for (const TuningRow& row : table) {
        if (row.instrument == instrument && row.stringCount == stringCount) {
            return row.notes;
        }
    }
    return {};
}

} // namespace

std::vector<int> StartupTuning(int instrument, int stringCount)
{
    return Find(StartupTable(), instrument, stringCount);
}

std::vector<int> StandardTuning(int instrument, int stringCount)
{
    return Find(StandardTable(), instrument, stringCount);
}

bool IsAllowedStringCount(int instrument, int stringCount)
{
    return !StartupTuning(instrument, stringCount).empty();
}

int DefaultStringCount(int instrument)
{
    switch (instrument) {
    case 2:
    case 3:
        return 4;
    case 4:
        return 5;
    default:
        return 6;
    }
}

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
