#include "WorkFolder.h"
#include "TableRows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// A scratch folder of its own under the test's working folder, removed afterwards.
class Scratch : public testing::Test
{
protected:
    Scratch() : root(fs::absolute(std::string("scratch-") + std::to_string(::getpid())))
    {
        fs::remove_all(root);
        fs::create_directories(root);
    }
    ~Scratch() override
    {
        std::error_code ignored;
        fs::permissions(root / "locked", fs::perms::owner_all, ignored);
        fs::remove_all(root, ignored);
    }
    const fs::path root;
};

struct ChooseCase
{
    const char* name;
    const char* pintoHome;
    const char* home;
    const char* expected;
};

class ChooseFolder : public testing::TestWithParam<ChooseCase>
{
};

TEST_P(ChooseFolder, TakesPintoHomeElsePintoInHome)
{
    const ChooseCase& c = GetParam();
    EXPECT_EQ(WorkFolder::Choose(c.pintoHome, c.home), fs::path(c.expected));
}

const ChooseCase chooseCases[] = {
    {"PintoHomeWins", "/music/pinto", "/home/ann", "/music/pinto"},
    {"PintoHomeAloneWithoutHome", "/music/pinto", nullptr, "/music/pinto"},
    {"RelativePintoHomeKept", "songs", "/home/ann", "songs"},
    {"EmptyPintoHomeMeansUnset", "", "/home/ann", "/home/ann/Pinto"},
    {"UnsetPintoHomeGivesHomePinto", nullptr, "/home/ann", "/home/ann/Pinto"},
    {"NeitherKnownGivesNothing", nullptr, nullptr, ""},
    {"EmptyHomeGivesNothing", nullptr, "", ""},
};

INSTANTIATE_TEST_SUITE_P(WorkFolder, ChooseFolder, testing::ValuesIn(chooseCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SchemeCase
{
    const char* name;
    const char* program;            // relative to the scratch folder
    std::vector<const char*> files; // scheme files present, relative to the scratch folder
    const char* expected;           // relative to the scratch folder; empty for none
};

class DefaultScheme : public Scratch, public testing::WithParamInterface<SchemeCase>
{
};

TEST_P(DefaultScheme, FoundInstalledThenInBuildFolder)
{
    const SchemeCase& c = GetParam();
    for (const char* file : c.files) {
        Write(root / file, "Plucked String\r\n");
    }
    const fs::path found = WorkFolder::DefaultScheme(root / c.program);
    EXPECT_EQ(found, *c.expected ? root / c.expected : fs::path());
}

const SchemeCase schemeCases[] = {
    {"Installed",
     "usr/bin/pinto",
     {"usr/share/pinto/sounds/plucked-string.scheme"},
     "usr/share/pinto/sounds/plucked-string.scheme"},
    {"BuildFolder",
     "build/pinto",
     {"build/share/pinto/sounds/plucked-string.scheme"},
     "build/share/pinto/sounds/plucked-string.scheme"},
    {"InstalledBeforeBuildLayout",
     "usr/bin/pinto",
     {"usr/share/pinto/sounds/plucked-string.scheme",
      "usr/bin/share/pinto/sounds/plucked-string.scheme"},
     "usr/share/pinto/sounds/plucked-string.scheme"},
    {"OtherSchemeNamesIgnored", "usr/bin/pinto", {"usr/share/pinto/sounds/piano.scheme"}, ""},
    {"NoneInstalled", "usr/bin/pinto", {}, ""},
};

INSTANTIATE_TEST_SUITE_P(WorkFolder, DefaultScheme, testing::ValuesIn(schemeCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PrepareCase
{
    const char* name;
    const char* folder;                                      // relative to the scratch folder
    bool exists;                                             // the folder is there beforehand
    std::vector<std::pair<const char*, std::string>> before; // files there beforehand
    bool withScheme;                                         // a default scheme is installed
    const char* expectedList;                                // nullptr: no list afterwards
};

class Prepare : public Scratch, public testing::WithParamInterface<PrepareCase>
{
};

const char* const SCHEME = "/usr/share/pinto/sounds/plucked-string.scheme";

TEST_P(Prepare, ListsTheDefaultSchemeWhereNoListOrNoSchemeIs)
{
    const PrepareCase& c = GetParam();
    const fs::path folder = root / c.folder;
    if (c.exists) {
        fs::create_directories(folder);
    }
    for (const auto& [file, text] : c.before) {
        Write(folder / file, text);
    }
    std::string error;
    ASSERT_TRUE(WorkFolder::Prepare(folder, c.withScheme ? SCHEME : "", error)) << error;
    EXPECT_TRUE(fs::is_directory(folder));
    if (c.expectedList) {
        EXPECT_EQ(Contents(folder / "pinto_ss.dat"), c.expectedList);
    } else {
        EXPECT_FALSE(fs::exists(folder / "pinto_ss.dat"));
    }
    // Every other file stays as it was; the list was checked whole above.
    for (const auto& [file, text] : c.before) {
        if (std::string(file) != "pinto_ss.dat") {
            EXPECT_EQ(Contents(folder / file), text) << file;
        }
    }
}

const PrepareCase prepareCases[] = {
    {"FolderWithFilesButNoListListed",
     "old",
     true,
     {{"pinto_c.dat", "1\r\n0\r\n1\r\n0\r\n1\r\n2\r\n4\r\n4\r\n7\r\n0\r\n5\r\n10\r\n"},
      {"pinto_s.dat", "Mine\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n"}},
     true,
     "/usr/share/pinto/sounds/plucked-string.scheme\r\n"},
    {"ExistingListNeverChanged",
     "mine",
     true,
     {{"pinto_ss.dat", "mine.scheme\r\n\r\nC:/Sounds/piano.scheme"}, {"mine.scheme", "Mine\r\n"}},
     true,
     "mine.scheme\r\n\r\nC:/Sounds/piano.scheme"},
    // Left naming only schemes that are gone (a deleted build folder's, say).
    {"StaleListGetsTheDefaultAdded",
     "stale",
     true,
     {{"pinto_ss.dat", "mine.scheme\r\n\r\nC:/Sounds/piano.scheme"}},
     true,
     "mine.scheme\r\n\r\nC:/Sounds/piano.scheme\r\n"
     "/usr/share/pinto/sounds/plucked-string.scheme\r\n"},
    {"EmptyExistingListKept", "blank", true, {{"pinto_ss.dat", ""}}, true, ""},
    {"NoSchemeInstalledWritesNoList", "bare", false, {}, false, nullptr},
};

INSTANTIATE_TEST_SUITE_P(WorkFolder, Prepare, testing::ValuesIn(prepareCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnusableCase
{
    const char* name;
    const char* folder; // the folder asked for, relative to the scratch folder or absolute
    bool readOnly;      // the folder exists without write permission (not binding for root)
};

class Unusable : public Scratch, public testing::WithParamInterface<UnusableCase>
{
};

TEST_P(Unusable, RefusedWithOneLine)
{
    const UnusableCase& c = GetParam();
    if (c.readOnly && ::geteuid() == 0) {
        GTEST_SKIP() << "root writes in read-only folders";
    }
    const fs::path folder = root / c.folder;
    if (c.readOnly) {
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    std::string error;
    EXPECT_FALSE(WorkFolder::Prepare(folder, SCHEME, error));
    EXPECT_NE(error.find(folder.string()), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(folder / "pinto_ss.dat"));
}

// A file in the way and a read-only folder are run through the real program in
// install_home_test; these are the cases it cannot make.
const UnusableCase unusableCases[] = {
    {"FolderInProcCannotBeMade", "/proc/pinto-home", false},
    {"ReadOnlyFolder", "locked", true},
};

INSTANTIATE_TEST_SUITE_P(WorkFolder, Unusable, testing::ValuesIn(unusableCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
