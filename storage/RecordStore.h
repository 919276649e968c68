#pragma once

#include "RecordFile.h"
#include "StoreResult.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Loading, appending and forgetting for a library whose files hold records of one name line and a
// fixed number of values: the built-ins, then a read-only preset file, then the user's file. Codec
// names the library and record types and provides VALUE_COUNT, the count member of the library,
// FromFile(RecordFile::Record&&) and Values(const Record&) (the record's values in file order).
template <class Codec> class RecordStore
{
public:
    using Library = typename Codec::Library;
    using Record = typename Codec::Record;

    // Record index 0..count-1 of library; null when out of range.
    static const Record* At(const Library& library, int index)
    {
        if (index < 0 || index >= library.*Codec::count ||
            index >= static_cast<int>(library.records.size())) {
            return nullptr;
        }
        return &library.records[static_cast<std::size_t>(index)];
    }

    // Rebuilds library from builtIns, the records of presetFile (the presets) and those of userFile
    // (bare names = working folder); missing files add nothing.
    static void Load(Library& library, std::vector<Record> builtIns, const char* presetFile,
                     const char* userFile)
    {
        library.records = std::move(builtIns);
        AddFile(library, presetFile);
        library.presetCount = static_cast<int>(library.records.size());
        library.unreadUserText = AddFile(library, userFile);
        Sync(library);
    }

    // Adds record at the end of library and of userFile; Failed (library unchanged) when the file
    // cannot be written.
    static StoreResult Append(Library& library, Record record, const char* userFile)
    {
        if (library.unreadUserText.empty()) {
            TextWriter writer;
            Write(writer, record);
            if (!writer.AppendToFile(userFile)) {
                return StoreResult::Failed;
            }
            library.records.push_back(std::move(record));
        } else {
            // Appended after an unreadable record the new one could never be read back: it goes
            // before that text instead.
            library.records.push_back(std::move(record));
            if (!UserFile(library, -1).ReplaceFile(userFile)) {
                library.records.pop_back();
                return StoreResult::Failed;
            }
        }
        Sync(library);
        return StoreResult::Stored;
    }

    // Forgets the user record at list index listIndex (record listIndex - 1) and rewrites userFile
    // whole. Refused for a preset, the empty entry or no selection (listIndex <= presetCount),
    // Failed when the file cannot be replaced (library unchanged), Ignored past the last record.
    static StoreResult Forget(Library& library, int listIndex, const char* userFile)
    {
        const int k = listIndex - 1;
        if (k < library.presetCount) {
            return StoreResult::Refused;
        }
        if (k >= library.*Codec::count) {
            return StoreResult::Ignored;
        }
        if (!UserFile(library, k).ReplaceFile(userFile)) {
            return StoreResult::Failed;
        }
        library.records.erase(library.records.begin() + k);
        Sync(library);
        return StoreResult::Stored;
    }

private:
    static void Sync(Library& library)
    {
        library.*Codec::count = static_cast<int>(library.records.size());
    }

    // Adds the readable records of fileName; returns the text that could not be read.
    static std::string AddFile(Library& library, const char* fileName)
    {
        RecordFile::Contents contents = RecordFile::Read(fileName, Codec::VALUE_COUNT);
        for (RecordFile::Record& read : contents.records) {
            library.records.push_back(Codec::FromFile(std::move(read)));
        }
        return std::move(contents.unread);
    }

    static void Write(TextWriter& writer, const Record& record)
    {
        const std::vector<int> values = Codec::Values(record);
        RecordFile::Write(writer, record.name, values.data(), static_cast<int>(values.size()));
    }

    // The whole user file: user records except index skip, then the unread text.
    static TextWriter UserFile(const Library& library, int skip)
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
};
