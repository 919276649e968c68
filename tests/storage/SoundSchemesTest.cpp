#include "SoundSchemes.h"
#include "StorageTestSupport.h"

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

// A scheme file: the name, then 24 sample lines "<prefix><e>.wav".
std::string SchemeText(const std::string& name, const std::string& prefix)
{
    std::vector<std::string> lines = {name};
    for (int e = 0; e < 24; ++e) {
        lines.push_back(prefix + std::to_string(e) + ".wav");
    }
    return StorageTest::CrLf(lines);
}

class SoundSchemesTest : public StorageTest
{
};

TEST_F(SoundSchemesTest, SchemesAroundAMissingFileAndAFifoLandInSlotsOneAndTwo)
{
    WriteFile("a.scheme", SchemeText("Nylon", "nylon/"));
    WriteFile("c.scheme", SchemeText("Steel  ", "C:\\steel\\"));
    ASSERT_EQ(::mkfifo("fifo.scheme", 0666), 0);
    WriteFile("pinto_ss.dat", "a.scheme\r\nmissing.scheme\r\nfifo.scheme\r\n\r\nc.scheme\r\n");
    SoundSchemeTable table;
    EXPECT_EQ(LoadSoundSchemes(table), (std::vector<std::string>{"Nylon", "Steel  "}));
    EXPECT_EQ(table.Path(1, 0), "nylon/0.wav");
    EXPECT_EQ(table.Path(1, 23), "nylon/23.wav");
    EXPECT_EQ(table.Path(2, 13), "C:\\steel\\13.wav");
    EXPECT_EQ(table.Path(0, 0), "");
    EXPECT_EQ(table.Path(3, 0), "");
    EXPECT_EQ(table.Path(2, 24), "");
    EXPECT_EQ(table.Path(10, 0), "");
    EXPECT_EQ(table.Path(-1, -1), "");
}

TEST_F(SoundSchemesTest, LinesAreTakenWholeWithoutTheirLineEnd)
{
    const std::string longPath = std::string(150, 'x') + ".wav";
    std::string scheme = "Short \n" + longPath + "\nb.wav";
    WriteFile("short scheme", scheme); // three lines, the last without line end
    std::filesystem::create_directory("folder");
    WriteFile("pinto_ss.dat", "folder\nshort scheme");
    SoundSchemeTable table;
    table.schemeSlots[1][5] = "old";
    EXPECT_EQ(LoadSoundSchemes(table), (std::vector<std::string>{"Short "}));
    EXPECT_EQ(table.Path(1, 0), longPath);
    EXPECT_EQ(table.Path(1, 1), "b.wav");
    EXPECT_EQ(table.Path(1, 5), "") << "lines missing from a short scheme are empty";
}

TEST_F(SoundSchemesTest, AtMostNineSchemesAndAMissingListChangesNothing)
{
    SoundSchemeTable table;
    EXPECT_TRUE(LoadSoundSchemes(table).empty());
    std::string list;
    for (int i = 0; i < 12; ++i) {
        WriteFile("s" + std::to_string(i), SchemeText("S" + std::to_string(i), std::to_string(i)));
        list += "s" + std::to_string(i) + "\n";
    }
    WriteFile("pinto_ss.dat", list);
    const std::vector<std::string> names = LoadSoundSchemes(table);
    ASSERT_EQ(names.size(), 9u);
    EXPECT_EQ(names[8], "S8");
    EXPECT_EQ(table.Path(9, 2), "82.wav");
    EXPECT_EQ(LoadSoundSchemes(table), names) << "a second load gives the same slots";
    std::filesystem::remove("pinto_ss.dat");
    EXPECT_TRUE(LoadSoundSchemes(table).empty());
    EXPECT_EQ(table.Path(9, 2), "82.wav");
}

TEST_F(SoundSchemesTest, FirstMissingSampleNamesTheFirstFileNotThere)
{
    SoundSchemeTable table;
    for (std::string& path : table.schemeSlots[1]) {
        path = "s" + std::to_string(&path - table.schemeSlots[1].data()) + ".wav";
        WriteFile(path, "RIFF");
    }
    EXPECT_EQ(FirstMissingSample(table, 1), std::nullopt);
    std::filesystem::remove("s7.wav");
    std::filesystem::remove("s5.wav");
    EXPECT_EQ(FirstMissingSample(table, 1), "s5.wav");
    EXPECT_EQ(FirstMissingSample(table, 2), "") << "a slot never loaded has only empty paths";
    EXPECT_EQ(FirstMissingSample(table, 0), std::nullopt);
}

} // namespace
