#include "PatternLibrary.h"

#include "RecordFile.h"

#include <initializer_list>
#include <utility>

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

// File order is fret-major: value n is the cell at fret n / 7, row n % 7.
std::array<int, CELL_COUNT> Flatten(const Cells& cells)
{
    std::array<int, CELL_COUNT> values{};
    for (int n = 0; n < CELL_COUNT; ++n) {
        values[static_cast<std::size_t>(n)] =
            cells[static_cast<std::size_t>(n / ROWS)][static_cast<std::size_t>(n % ROWS)];
    }
    return values;
}

// Adds the readable records of fileName; returns the text that could not be read.
std::string AddFile(PatternLibrary& library, const char* fileName)
{
    RecordFile::Contents contents = RecordFile::Read(fileName, CELL_COUNT);
    for (RecordFile::Record& read : contents.records) {
        PatternRecord record;
        record.name = std::move(read.name);
        for (int n = 0; n < CELL_COUNT; ++n) {
            record.cells[static_cast<std::size_t>(n / ROWS)][static_cast<std::size_t>(n % ROWS)] =
                read.values[static_cast<std::size_t>(n)];
        }
        library.records.push_back(std::move(record));
    }
    return std::move(contents.unread);
}

void Write(TextWriter& writer, const PatternRecord& record)
{
    const std::array<int, CELL_COUNT> values = Flatten(record.cells);
    RecordFile::Write(writer, record.name, values.data(), CELL_COUNT);
}

// The whole user file: user records except index skip, then the unread text.
TextWriter UserFile(const PatternLibrary& library, int skip)
{
    TextWriter writer;
    for (int i = library.presetCount; i < static_cast<int>(library.records.size()); ++i) {
        if (i != skip) {
            Write(writer, library.records[static_cast<std::size_t>(i)]);
        }
    }
    writer.Raw(library.unreadUserText);
    return writer;
}

} // namespace

const PatternRecord* PatternLibrary::Record(int index) const
{
    if (index < 0 || index >= patternCount || index >= static_cast<int>(records.size())) {
        return nullptr;
    }
    return &records[static_cast<std::size_t>(index)];
}

void LoadPatterns(PatternLibrary& library)
{
    library.records.clear();
    library.records.push_back(BuiltIn("Minor Pentatonic", {{0, 0},
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
    library.records.push_back(BuiltIn("Castles Made of Sand", {{2, 0}, {0, 1}, {2, 3}}));
    AddFile(library, PRESET_FILE);
    library.presetCount = static_cast<int>(library.records.size());
    library.unreadUserText = AddFile(library, USER_FILE);
    library.patternCount = static_cast<int>(library.records.size());
}

StoreResult AppendPattern(PatternLibrary& library, const std::string& name, const Cells& cells)
{
    PatternRecord record;
    record.name = RecordFile::CleanName(name);
    if (record.name.empty()) {
        return StoreResult::Ignored;
    }
    record.cells = cells;
    // Row 6 is never shown or set by the dialog, so a saved pattern never carries it.
    for (auto& fret : record.cells) {
        fret[ROWS - 1] = 0;
    }
    if (library.unreadUserText.empty()) {
        TextWriter writer;
        Write(writer, record);
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
    library.patternCount = static_cast<int>(library.records.size());
    return StoreResult::Stored;
}

StoreResult ForgetPattern(PatternLibrary& library, int listIndex)
{
    const int r = listIndex - 1;
    if (r < library.presetCount) {
        return StoreResult::Refused;
    }
    if (r >= library.patternCount) {
        return StoreResult::Ignored;
    }
    if (!UserFile(library, r).ReplaceFile(USER_FILE)) {
        return StoreResult::Failed;
    }
    library.records.erase(library.records.begin() + r);
    library.patternCount = static_cast<int>(library.records.size());
    return StoreResult::Stored;
}
