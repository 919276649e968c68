#include "CFretboard.h"
#include "Instrument.h"
#include "PatternLibrary.h"
#include "RecordFile.h"
#include "ScaleLibrary.h"
#include "SettingsFile.h"
#include "SoundSchemes.h"
#include "StorageTestSupport.h"

#include <array>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct MalformedCase
{
    const char* file;      // below tests/data/storage/malformed
    int userScales;        // records read as "pinto_s.dat"; -1 = any
    int userPatterns;      // records read as "pinto_p.dat"; -1 = any
    const char* firstName; // name of the first user scale, when one is expected
};

class MalformedFiles : public StorageTest, public ::testing::WithParamInterface<MalformedCase>
{
protected:
    std::string Bytes() const
    {
        std::filesystem::copy_file(DataPath(std::string("malformed/") + GetParam().file), "input",
                                   std::filesystem::copy_options::overwrite_existing);
        return ReadFile("input");
    }
};

TEST_P(MalformedFiles, EveryReaderCopesAndKeepsItsRules)
{
    const std::string bytes = Bytes();
    ASSERT_FALSE(bytes.empty());
    for (const char* name : {"pinto_s.dat", "_pinto_s.dat", "pinto_p.dat", "_pinto_p.dat",
                             "pinto_c.dat", "pinto_ss.dat", "scheme"}) {
        WriteFile(name, bytes);
    }
    ScaleLibrary scales;
    LoadScaleLibrary(scales);
    EXPECT_EQ(scales.scaleCount, static_cast<int>(scales.records.size()));
    EXPECT_EQ(scales.presetCount - 19, scales.scaleCount - scales.presetCount)
        << "both scale files hold the same bytes, so they give the same records";
    for (const ScaleRecord& record : scales.records) {
        EXPECT_EQ(RecordFile::CharacterBytes(record.name, 99), record.name.size());
        EXPECT_EQ(record.name.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
    }
    if (GetParam().userScales >= 0) {
        EXPECT_EQ(scales.scaleCount - scales.presetCount, GetParam().userScales);
    }
    if (GetParam().firstName != nullptr) {
        ASSERT_GT(scales.scaleCount, scales.presetCount);
        EXPECT_EQ(scales.Record(scales.presetCount)->name, GetParam().firstName);
    }

    PatternLibrary patterns;
    LoadPatterns(patterns);
    EXPECT_EQ(patterns.patternCount, static_cast<int>(patterns.records.size()));
    if (GetParam().userPatterns >= 0) {
        EXPECT_EQ(patterns.patternCount - patterns.presetCount, GetParam().userPatterns);
    }

    Settings settings;
    std::vector<int> tunings;
    LoadSettings(settings, tunings);
    for (int flag : {settings.viewDots, settings.suppressColor, settings.viewDegrees,
                     settings.viewNotes, settings.dotMarkers}) {
        EXPECT_TRUE(flag == 0 || flag == 1);
    }
    EXPECT_TRUE(IsAllowedStringCount(settings.instrument, settings.stringCount));
    EXPECT_LE(tunings.size(), 9u);
    for (int note : tunings) {
        EXPECT_TRUE(note >= 0 && note <= 11);
    }
    EXPECT_EQ(static_cast<int>(ChooseTuning(settings, tunings).size()), settings.stringCount);

    SoundSchemeTable table;
    EXPECT_LE(LoadSoundSchemes(table).size(), 9u);
    WriteFile("pinto_ss.dat", "scheme\nscheme\n");
    EXPECT_EQ(LoadSoundSchemes(table).size(), 2u);

    // Forgetting a record rewrites a file read to its end with what was read, which reads back
    // the same; a file read only in part is left byte for byte as it was.
    if (scales.scaleCount > scales.presetCount) {
        const bool complete = scales.userFileComplete;
        ASSERT_EQ(ForgetScale(scales, scales.scaleCount),
                  complete ? StoreResult::Stored : StoreResult::Unreadable);
        ScaleLibrary reloaded;
        LoadScaleLibrary(reloaded);
        EXPECT_EQ(reloaded.scaleCount, scales.scaleCount);
        if (!complete) {
            EXPECT_EQ(ReadFile("pinto_s.dat"), bytes);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, MalformedFiles,
                         ::testing::Values(MalformedCase{"binary_junk.bin", -1, -1, nullptr},
                                           MalformedCase{"long_name_line.txt", 2, 0, nullptr},
                                           MalformedCase{"not_a_number.txt", 1, 0, "Good"},
                                           MalformedCase{"cut_short.txt", 1, 0, "Good"},
                                           MalformedCase{"nul_in_name.bin", 1, 0, "ab"},
                                           MalformedCase{"only_blank_lines.txt", 0, 0, nullptr},
                                           MalformedCase{"cr_only_line_ends.txt", 0, 0, nullptr},
                                           MalformedCase{"huge_numbers.txt", 1, 0, "Huge"},
                                           MalformedCase{"many_tuning_values.txt", 3, 0, "1"},
                                           MalformedCase{"pattern_records.txt", -1, 2, "P one"},
                                           MalformedCase{"words_and_signs.txt", 0, 0, nullptr}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

class MalformedUserFile : public StorageTest
{
};

TEST_F(MalformedUserFile, ALongNameLineIsCutAndItsRestSkipped)
{
    std::filesystem::copy_file(DataPath("malformed/long_name_line.txt"), "pinto_s.dat");
    ScaleLibrary scales;
    LoadScaleLibrary(scales);
    ASSERT_EQ(scales.scaleCount, 21);
    EXPECT_EQ(scales.Record(19)->name, std::string(99, 'L'));
    EXPECT_EQ(scales.Record(19)->degrees[0], 1);
    EXPECT_EQ(scales.Record(20)->name, "Next");
}

TEST_F(MalformedUserFile, AFileNotReadToItsEndIsOnlyEverAppendedTo)
{
    std::filesystem::copy_file(DataPath("malformed/not_a_number.txt"), "pinto_s.dat");
    const std::string original = ReadFile("pinto_s.dat");
    ScaleLibrary scales;
    LoadScaleLibrary(scales);
    ASSERT_EQ(scales.scaleCount, 20);
    EXPECT_FALSE(scales.userFileComplete);
    EXPECT_EQ(scales.unreadFiles, (std::vector<UnreadFile>{{"pinto_s.dat", 0}}));

    const std::array<int, 6> tuning = {7, 0, 5, 10, 2, 7};
    CFretboard board(6, tuning.data());
    ASSERT_EQ(AppendScale(scales, "New", board), StoreResult::Stored);
    EXPECT_EQ(scales.Record(20)->name, "New") << "listed for this run";
    const std::string separator = original.back() == '\n' ? "" : "\r\n";
    const std::string appended =
        original + separator +
        CrLf({"New", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    EXPECT_EQ(ReadFile("pinto_s.dat"), appended);

    for (int listIndex : {20, 21}) {
        EXPECT_EQ(ForgetScale(scales, listIndex), StoreResult::Unreadable);
    }
    EXPECT_EQ(ReadFile("pinto_s.dat"), appended);
    EXPECT_EQ(scales.scaleCount, 21);
}

TEST_F(MalformedUserFile, AFileBeyondTheOldSizeLimitIsReadToItsEnd)
{
    // 17 MiB of records: more than the 16 MiB that used to be read at all.
    std::string record = CrLf({"Long library"});
    for (int d = 0; d < 12; ++d) {
        record += "0000000000000000000000" + std::to_string(d % 2) + "\r\n";
    }
    const std::size_t count = (17u << 20) / record.size() + 1;
    std::string text;
    text.reserve(count * record.size() + 64);
    for (std::size_t i = 0; i < count; ++i) {
        text += record;
    }
    text += CrLf({"Last", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    WriteFile("pinto_s.dat", text);
    ScaleLibrary scales;
    LoadScaleLibrary(scales);
    EXPECT_TRUE(scales.userFileComplete);
    ASSERT_EQ(scales.scaleCount, static_cast<int>(19 + count + 1));
    EXPECT_EQ(scales.records.back().name, "Last");
    EXPECT_EQ(scales.Record(20)->degrees[1], 1);
}

} // namespace
