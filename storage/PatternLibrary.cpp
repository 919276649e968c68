#include "PatternLibrary.h"

#include "RecordStore.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

const char* const USER_FILE = "pinto_p.dat";
const char* const PRESET_FILE = "_pinto_p.dat";
constexpr int FRETS = 13;
constexpr int ROWS = 7;
constexpr int CELL_COUNT = FRETS * ROWS;

using Cells = std::array<std::array<int, ROWS>, FRETS>;

struct Cell
{
    int fret;
    int row;
};

PatternRecord BuiltIn(const char* name, std::initializer_list<Cell> marked)
{
    PatternRecord record;
    record.name = name;
    for (const Cell& cell : marked) {
        record.cells[static_cast<std::size_t>(cell.fret)][static_cast<std::size_t>(cell.row)] = 1;
    }
    return record;
}

struct PatternCodec
{
    using Library = PatternLibrary;
    using Record = PatternRecord;
    static constexpr int VALUE_COUNT = CELL_COUNT;
    static constexpr int PatternLibrary::*count = &PatternLibrary::patternCount;

    // File order is fret-major: value n is the cell at fret n / 7, row n % 7.
    static PatternRecord FromFile(RecordFile::Record&& read)
    {
        PatternRecord record;
        record.name = std::move(read.name);
        for (int n = 0; n < CELL_COUNT; ++n) {
            record.cells[static_cast<std::size_t>(n / ROWS)][static_cast<std::size_t>(n % ROWS)] =
                read.values[static_cast<std::size_t>(n)];
        }
        return record;
    }

    static std::vector<int> Values(const PatternRecord& record)
    {
        std::vector<int> values;
        values.reserve(CELL_COUNT);
        for (const auto& fret : record.cells) {
            values.insert(values.end(), fret.begin(), fret.end());
        }
        return values;
    }
};

using Store = RecordStore<PatternCodec>;

} // namespace

const PatternRecord* PatternLibrary::Record(int index) const
{
    return Store::At(*this, index);
}

void LoadPatterns(PatternLibrary& library)
{
    std::vector<PatternRecord> builtIns;
    builtIns.push_back(BuiltIn("Minor Pentatonic", {{0, 0},
                                                    {3, 0},
                                                    {0, 1},
                                                    {3, 1},
                                                    {0, 2},
                                                    {2, 2},
                                                    {0, 3},
                                                    {2, 3},
                                                    {0, 4},
                                                    {2, 4},
                                                    {0, 5},
                                                    {3, 5}}));
    builtIns.push_back(BuiltIn("Castles Made of Sand", {{2, 0}, {0, 1}, {2, 3}}));
    Store::Load(library, std::move(builtIns), PRESET_FILE, USER_FILE);
}

StoreResult AppendPattern(PatternLibrary& library, const std::string& name, const Cells& cells)
{
    PatternRecord record;
    record.name = RecordFile::CleanName(name);
    if (RecordFile::IsBlank(record.name)) {
        return StoreResult::Ignored;
    }
    record.cells = cells;
    // Row 6 is never shown or set by the dialog, so a saved pattern never carries it.
    for (auto& fret : record.cells) {
        fret[ROWS - 1] = 0;
    }
    return Store::Append(library, std::move(record), USER_FILE);
}

StoreResult ForgetPattern(PatternLibrary& library, int listIndex)
{
    return Store::Forget(library, listIndex, USER_FILE);
}
