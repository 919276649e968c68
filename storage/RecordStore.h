#pragma once

#include "FileReplacer.h"
#include "LockedFile.h"
#include "RecordFile.h"
#include "RecordRef.h"
#include "StoreResult.h"

#include <cerrno>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

// Loading, appending and forgetting for a library whose files hold records of one name line and a
// fixed number of values: the built-ins, then a read-only preset file, then the user's file. Codec
// names the library and record types and provides VALUE_COUNT, the count member of the library,
// FromFile(RecordFile::Record&&) and Values(const Record&) (the record's values in file order).
//
// Several processes may share the user's file: every change locks it, reads what it holds now,
// changes that, and leaves the library holding the file's records as they then are.
template <class Codec> class RecordStore
{
public:
    using Library = typename Codec::Library;
    using Record = typename Codec::Record;
    using Ref = RecordRef<Record>;

    // Record index 0..count-1 of library; null when out of range.
    static const Record* At(const Library& library, int index)
    {
        if (index < 0 || index >= library.*Codec::count ||
            index >= static_cast<int>(library.records.size())) {
            return nullptr;
        }
        return &library.records[static_cast<std::size_t>(index)];
    }

    // Rebuilds library from builtIns, the records of presetFile and laterPresets (the presets) and
    // those of userFile (bare names = working folder); missing files add nothing. A file not read
    // to its end is named in library.unreadFiles.
    static void Load(Library& library, std::vector<Record> builtIns, const char* presetFile,
                     const char* userFile, std::vector<Record> laterPresets = {})
    {
        library.records = std::move(builtIns);
        library.unreadFiles.clear();
        RecordFile::Contents presets = RecordFile::Read(presetFile, Codec::VALUE_COUNT);
        if (!presets.complete) {
            library.unreadFiles.push_back({presetFile, presets.error});
        }
        for (RecordFile::Record& read : presets.records) {
            library.records.push_back(Codec::FromFile(std::move(read)));
        }
        for (Record& preset : laterPresets) {
            library.records.push_back(std::move(preset));
        }
        library.presetCount = static_cast<int>(library.records.size());
        RecordFile::Contents user = RecordFile::Read(userFile, Codec::VALUE_COUNT);
        const int error = user.error;
        TakeUserRecords(library, std::move(user));
        if (!library.userFileComplete) {
            library.unreadFiles.push_back({userFile, error});
        }
    }

    // Appends record to the end of userFile, under its lock, and reloads the user records from
    // what the file then holds; the new record is the library's last. Busy when another process
    // keeps the file locked, Failed when it cannot be written (the file as it was, library
    // unchanged; library.fault tells why).
    static StoreResult Append(Library& library, Record record, const char* userFile)
    {
        library.fault = StoreFault{};
        LockedFile file(userFile, LockedFile::Access::Create);
        if (file.GetStatus() == LockedFile::Status::Busy) {
            return StoreResult::Busy;
        }
        if (file.GetStatus() != LockedFile::Status::Locked) {
            return Fail(library, file.Error());
        }
        RecordFile::Contents contents = RecordFile::ReadFrom(file.Fd(), Codec::VALUE_COUNT);
        struct stat info = {};
        if (::fstat(file.Fd(), &info) != 0) {
            return Fail(library, errno);
        }
        // Root may open any file for writing; one without any write bit is still left alone.
        if ((info.st_mode & 0222) == 0) {
            return Fail(library, EACCES);
        }
        TextWriter writer;
        // A last line without its line end is ended first, so the new name starts a line.
        char last = '\n';
        const ssize_t got = info.st_size > 0 ? ::pread(file.Fd(), &last, 1, info.st_size - 1) : 1;
        if (got != 1) {
            return Fail(library, got < 0 ? errno : EIO);
        }
        if (last != '\n') {
            writer.Raw("\r\n");
        }
        Write(writer, record);
        // Appended bytes only: whatever the file holds, read or not, stays as it is.
        int error = ::lseek(file.Fd(), 0, SEEK_END) == info.st_size ? 0 : EIO;
        if (error == 0) {
            error = FileReplacer::WriteAll(file.Fd(), writer.Text());
        }
        if (error == 0 && ::fsync(file.Fd()) != 0) {
            error = errno;
        }
        if (error != 0) {
            [[maybe_unused]] const int cut = ::ftruncate(file.Fd(), info.st_size);
            return Fail(library, error);
        }
        // Behind a part that could not be read the record cannot be read back at the next start;
        // it stays listed for this run all the same, as it was saved.
        // After other records the reader skips the leading blanks of a name: list it as it reads.
        if (contents.complete && !contents.records.empty()) {
            record.name.erase(0, record.name.find_first_not_of(" \t\v\f"));
        }
        TakeUserRecords(library, std::move(contents));
        library.records.push_back(std::move(record));
        Sync(library);
        return StoreResult::Stored;
    }

    // Forgets the user record at list index listIndex (record listIndex - 1): under the lock of
    // userFile, the same record (same name and values, the same one among equals) is removed from
    // what the file holds now, the file is replaced whole, and the user records are reloaded from
    // it. Refused for a preset, the empty entry or no selection (listIndex <= presetCount),
    // Ignored past the last record, Unreadable for a file not read to its end (left as it is),
    // Busy when another process keeps the file locked, Failed when it cannot be replaced (file
    // and library unchanged), also when its folder refuses the new file a safe rewrite needs:
    // the file is never rewritten in place. library.fault tells why for Failed and Unreadable.
    static StoreResult Forget(Library& library, int listIndex, const char* userFile)
    {
        library.fault = StoreFault{};
        const int k = listIndex - 1;
        if (k < library.presetCount) {
            return StoreResult::Refused;
        }
        if (k >= library.*Codec::count) {
            return StoreResult::Ignored;
        }
        if (!library.userFileComplete) {
            return StoreResult::Unreadable;
        }
        const Ref chosen = Identify(library, k);
        LockedFile file(userFile, LockedFile::Access::Change);
        switch (file.GetStatus()) {
        case LockedFile::Status::Locked:
            break;
        case LockedFile::Status::Missing:
            // Gone with the whole file: nothing is left to forget.
            TakeUserRecords(library, RecordFile::Contents{});
            return StoreResult::Stored;
        case LockedFile::Status::Busy:
            return StoreResult::Busy;
        case LockedFile::Status::Failed:
            return Fail(library, file.Error());
        }
        RecordFile::Contents contents = RecordFile::ReadFrom(file.Fd(), Codec::VALUE_COUNT);
        if (!contents.complete) {
            library.userFileComplete = false;
            library.fault.error = contents.error;
            return StoreResult::Unreadable;
        }
        std::vector<Record> onDisk;
        for (RecordFile::Record& read : contents.records) {
            onDisk.push_back(Codec::FromFile(std::move(read)));
        }
        const int found = FindEqual(onDisk, chosen);
        if (found >= 0) {
            onDisk.erase(onDisk.begin() + found);
            TextWriter writer;
            for (const Record& kept : onDisk) {
                Write(writer, kept);
            }
            // In place, a kill would leave the new text with the old tail after it, and every
            // record from there on misread: a folder that refuses new files is refused in turn.
            FileReplacer::Outcome replaced =
                FileReplacer::Replace(file.RealPath(), writer.Text(), FileReplacer::InPlace::Never);
            if (replaced.error != 0) {
                library.fault.refusingFolder = std::move(replaced.refusingFolder);
                return Fail(library, replaced.error);
            }
        }
        library.records.resize(static_cast<std::size_t>(library.presetCount));
        for (Record& kept : onDisk) {
            library.records.push_back(std::move(kept));
        }
        library.userFileComplete = true;
        Sync(library);
        return StoreResult::Stored;
    }

    // The reference of record index (any index: -1 and out of range give no record).
    static Ref Identify(const Library& library, int index)
    {
        Ref ref;
        if (index < 0 || index >= library.*Codec::count) {
            return ref;
        }
        if (index < library.presetCount) {
            ref.presetIndex = index;
            return ref;
        }
        ref.record = library.records[static_cast<std::size_t>(index)];
        ref.among = 0;
        for (int i = library.presetCount; i < index; ++i) {
            if (Equal(library.records[static_cast<std::size_t>(i)], ref.record)) {
                ++ref.among;
            }
        }
        return ref;
    }

    // Index of the record ref names in library, or of the last equal one when fewer equals are
    // left; -1 when there is none.
    static int Locate(const Library& library, const Ref& ref)
    {
        if (ref.presetIndex >= 0) {
            return ref.presetIndex < library.presetCount ? ref.presetIndex : -1;
        }
        if (ref.among < 0) {
            return -1;
        }
        const std::vector<Record> user(library.records.begin() + library.presetCount,
                                       library.records.end());
        const int found = FindEqual(user, ref);
        return found < 0 ? -1 : library.presetCount + found;
    }

private:
    static StoreResult Fail(Library& library, int error)
    {
        library.fault.error = error;
        return StoreResult::Failed;
    }

    static void Sync(Library& library)
    {
        library.*Codec::count = static_cast<int>(library.records.size());
    }

    static bool Equal(const Record& a, const Record& b)
    {
        return a.name == b.name && Codec::Values(a) == Codec::Values(b);
    }

    // Index in records of the record equal to ref.record with ref.among equal ones before it, or
    // of the last equal one when there are fewer; -1 when none is equal.
    static int FindEqual(const std::vector<Record>& records, const Ref& ref)
    {
        int found = -1;
        int seen = 0;
        for (int i = 0; i < static_cast<int>(records.size()); ++i) {
            if (Equal(records[static_cast<std::size_t>(i)], ref.record)) {
                found = i;
                if (seen++ == ref.among) {
                    break;
                }
            }
        }
        return found;
    }

    // Makes the user records those of contents, after the presets.
    static void TakeUserRecords(Library& library, RecordFile::Contents contents)
    {
        library.records.resize(static_cast<std::size_t>(library.presetCount));
        for (RecordFile::Record& read : contents.records) {
            library.records.push_back(Codec::FromFile(std::move(read)));
        }
        library.userFileComplete = contents.complete;
        Sync(library);
    }

    static void Write(TextWriter& writer, const Record& record)
    {
        const std::vector<int> values = Codec::Values(record);
        RecordFile::Write(writer, record.name, values.data(), static_cast<int>(values.size()));
    }
};
