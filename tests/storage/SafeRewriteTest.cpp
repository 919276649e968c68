// Rewriting data files: through links, with their modes, in read-only folders, on a full disk,
// beside planted names, and by two processes sharing one folder.
#include "CFretboard.h"
#include "DataFile.h"
#include "FileReplacer.h"
#include "LockedFile.h"
#include "PatternLibrary.h"
#include "RecordFile.h"
#include "ScaleLibrary.h"
#include "SettingsFile.h"
#include "StorageTestSupport.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::array<int, 6> guitar = {7, 0, 5, 10, 2, 7};

std::string ScaleRecordText(const std::string& name, int flag)
{
    std::vector<std::string> lines = {name};
    for (int d = 0; d < 12; ++d) {
        lines.push_back(d == 0 ? "1" : std::to_string(flag));
    }
    return StorageTest::CrLf(lines);
}

std::string PatternRecordText(const std::string& name)
{
    std::vector<std::string> lines = {name};
    for (int n = 0; n < 91; ++n) {
        lines.push_back(n == 1 ? "1" : "0");
    }
    return StorageTest::CrLf(lines);
}

// One way of rewriting a data file: the file, what it holds before, the rewrite, what the file
// holds after a successful one, and whether a folder that refuses new files has it written in
// place. The rewrite returns "" when it stores, else the reason it gives, after "folder F: " when
// it names a folder that refused a safe rewrite.
struct Rewrite
{
    const char* name;
    const char* file;
    std::string before;
    std::function<std::string()> run;
    std::string after;
    bool inPlace;
};

std::string Why(StoreResult result, const StoreFault& fault)
{
    if (result == StoreResult::Stored) {
        return "";
    }
    const std::string folder =
        fault.refusingFolder.empty() ? "" : "folder " + fault.refusingFolder + ": ";
    return folder + DataFile::Reason(fault.error);
}

std::vector<Rewrite> Rewrites()
{
    const std::string settings =
        StorageTest::CrLf({"1", "0", "1", "0", "1", "1", "6", "6", "7", "0", "5", "10", "2", "7"});
    Settings viewNotes;
    viewNotes.viewNotes = 1;
    return {
        {"Settings", "pinto_c.dat", settings,
         [viewNotes] {
             const CFretboard board(6, guitar.data());
             const int error = SaveSettings(viewNotes, board);
             return error == 0 ? "" : DataFile::Reason(error);
         },
         StorageTest::CrLf({"1", "0", "1", "1", "1", "1", "6", "6", "7", "0", "5", "10", "2", "7"}),
         true},
        {"ForgetScale", "pinto_s.dat", ScaleRecordText("One", 0) + ScaleRecordText("Two", 1),
         [] {
             ScaleLibrary library;
             LoadScaleLibrary(library);
             return Why(ForgetScale(library, 20), library.fault);
         },
         ScaleRecordText("Two", 1), false},
        {"ForgetPattern", "pinto_p.dat", PatternRecordText("One") + PatternRecordText("Two"),
         [] {
             PatternLibrary library;
             LoadPatterns(library);
             return Why(ForgetPattern(library, 3), library.fault);
         },
         PatternRecordText("Two"), false},
    };
}

std::set<std::string> Entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

fs::perms Mode(const std::string& file)
{
    return fs::status(file).permissions() & fs::perms::mask;
}

// Runs check in a child process as the user nobody when the test runs as root (else as the test's
// own user); 0 when check held, 1 when not, 77 when the user cannot be changed, 128 + the signal
// that killed it.
int RunUnprivileged(const std::function<bool()>& check)
{
    const struct passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && nobody == nullptr) {
        return 77;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)) {
            ::_exit(77);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

class SafeRewrite : public StorageTest
{
};

TEST_F(SafeRewrite, ThroughALinkTheRealFileIsWrittenAndTheLinkStays)
{
    for (const Rewrite& rewrite : Rewrites()) {
        SCOPED_TRACE(rewrite.name);
        fs::create_directories("real");
        WriteFile(std::string("real/") + rewrite.file, rewrite.before);
        fs::create_symlink(std::string("real/") + rewrite.file, rewrite.file);
        ASSERT_EQ(rewrite.run(), "");
        EXPECT_TRUE(fs::is_symlink(rewrite.file));
        EXPECT_EQ(ReadFile(std::string("real/") + rewrite.file), rewrite.after);
        EXPECT_EQ(Entries("real"), std::set<std::string>{rewrite.file}) << "no temporary left";
        fs::remove_all("real");
        fs::remove(rewrite.file);
    }
}

struct ModeCase
{
    const char* name;
    fs::perms mode;
    bool written;
};

class SafeRewriteModes : public StorageTest, public ::testing::WithParamInterface<ModeCase>
{
};

TEST_P(SafeRewriteModes, KeepTheModeAndNeverWriteAReadOnlyFile)
{
    for (const Rewrite& rewrite : Rewrites()) {
        SCOPED_TRACE(rewrite.name);
        WriteFile(rewrite.file, rewrite.before);
        fs::permissions(rewrite.file, GetParam().mode);
        EXPECT_EQ(rewrite.run(), GetParam().written ? "" : "Permission denied");
        EXPECT_EQ(ReadFile(rewrite.file), GetParam().written ? rewrite.after : rewrite.before);
        EXPECT_EQ(Mode(rewrite.file), GetParam().mode);
        EXPECT_EQ(Entries("."), std::set<std::string>{rewrite.file});
        fs::remove(rewrite.file);
    }
}

using P = fs::perms;
INSTANTIATE_TEST_SUITE_P(
    Modes, SafeRewriteModes,
    ::testing::Values(
        ModeCase{"Private0600", P::owner_read | P::owner_write, true},
        ModeCase{"Shared0664",
                 P::owner_read | P::owner_write | P::group_read | P::group_write | P::others_read,
                 true},
        ModeCase{"ReadOnly0444", P::owner_read | P::group_read | P::others_read, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SafeRewrite, APlantedTemporaryNameIsNeitherFollowedNorRemoved)
{
    for (const Rewrite& rewrite : Rewrites()) {
        SCOPED_TRACE(rewrite.name);
        const std::string planted = std::string(rewrite.file) + ".tmp";
        WriteFile(rewrite.file, rewrite.before);
        WriteFile("victim", "keep");
        fs::create_symlink("victim", planted);
        WriteFile("own.tmp", "mine");
        ASSERT_EQ(rewrite.run(), "");
        EXPECT_EQ(ReadFile(rewrite.file), rewrite.after);
        EXPECT_EQ(ReadFile("victim"), "keep");
        EXPECT_TRUE(fs::is_symlink(planted));
        EXPECT_EQ(Entries("."),
                  (std::set<std::string>{rewrite.file, planted, "own.tmp", "victim"}));
        for (const std::string& name : Entries(".")) {
            fs::remove(name);
        }
    }
}

// Makes folder "locked" with file in it, holding before, so that the user of RunUnprivileged may
// write the file but not add one beside it.
void LockedFolder(const std::string& file, const std::string& before)
{
    fs::create_directories("locked");
    const std::string path = "locked/" + file;
    StorageTest::WriteFile(path, before);
    if (::geteuid() == 0) {
        // The file is nobody's, the folder stays root's: nobody may write the file only.
        const struct passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    } else {
        fs::permissions("locked", P::owner_read | P::owner_exec);
    }
}

TEST_F(SafeRewrite, AFolderThatRefusesNewFilesHasOnlyTheSettingsWrittenInPlace)
{
    for (const Rewrite& rewrite : Rewrites()) {
        SCOPED_TRACE(rewrite.name);
        LockedFolder(rewrite.file, rewrite.before);
        const std::string refused =
            "folder " + fs::absolute("locked").string() + ": " + DataFile::Reason(EACCES);
        const int result = RunUnprivileged([&rewrite, &refused] {
            return ::chdir("locked") == 0 && ::access(".", W_OK) != 0 &&
                   rewrite.run() == (rewrite.inPlace ? "" : refused);
        });
        fs::permissions("locked", P::owner_all);
        if (result == 77) {
            GTEST_SKIP() << "cannot run as an unprivileged user";
        }
        EXPECT_EQ(result, 0) << "the rewrite's result";
        const std::string path = std::string("locked/") + rewrite.file;
        EXPECT_EQ(ReadFile(path), rewrite.inPlace ? rewrite.after : rewrite.before);
        EXPECT_EQ(Entries("locked"), std::set<std::string>{rewrite.file});
        fs::remove_all("locked");
    }
}

TEST_F(SafeRewrite, SettingsWrittenInPlaceSurviveAKillBeforeTheyAreCutToSize)
{
    const std::string sevenStrings = StorageTest::CrLf(
        {"1", "0", "1", "0", "1", "1", "7", "7", "2", "7", "0", "5", "10", "2", "7"});
    LockedFolder("pinto_c.dat", sevenStrings);
    Settings bass;
    bass.instrument = Instrument::Bass;
    bass.stringCount = 4;
    const int result = RunUnprivileged([&bass] {
        FileReplacer::inPlaceWritten = [] { ::raise(SIGKILL); };
        const CFretboard board(4, guitar.data());
        return ::chdir("locked") == 0 && SaveSettings(bass, board) == 0;
    });
    fs::permissions("locked", P::owner_all);
    if (result == 77) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    ASSERT_EQ(result, 128 + SIGKILL) << "killed between writing and cutting";
    ASSERT_EQ(::chdir("locked"), 0);
    Settings settings;
    std::vector<int> tuning;
    EXPECT_EQ(LoadSettings(settings, tuning), 0);
    EXPECT_EQ(settings, bass);
    EXPECT_EQ(tuning, (std::vector<int>{7, 0, 5, 10}));
    EXPECT_EQ(ReadFile("pinto_c.dat").size(), sevenStrings.size()) << "the old tail is there";
    ASSERT_EQ(::chdir(".."), 0);
}

// How a live process holds a leftover: not at all, locked as a rewrite holds its temporary, or
// merely open.
enum class Hold
{
    None,
    Locked,
    Open
};

struct LeftoverCase
{
    const char* name;
    const char* entry; // a name beside pinto_c.dat
    int age;           // seconds since it was last changed
    Hold held;
    bool stranger; // it belongs to another user (made only as root)
    bool removed;
};

class Leftovers : public StorageTest, public ::testing::WithParamInterface<LeftoverCase>
{
};

TEST_P(Leftovers, ARewriteRemovesOnlyItsOwnStaleTemporaries)
{
    const LeftoverCase& c = GetParam();
    if (c.stranger && ::geteuid() != 0) {
        GTEST_SKIP() << "only root makes a file of another user";
    }
    const Rewrite settings = Rewrites().front();
    WriteFile(settings.file, settings.before);
    WriteFile(c.entry, "left by a kill");
    const struct timespec changed = {std::time(nullptr) - c.age, 0};
    const struct timespec times[2] = {changed, changed};
    ASSERT_EQ(::utimensat(AT_FDCWD, c.entry, times, 0), 0);
    if (c.stranger) {
        const struct passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(::chown(c.entry, nobody->pw_uid, nobody->pw_gid), 0);
    }
    const int holder = c.held != Hold::None ? ::open(c.entry, O_RDONLY | O_CLOEXEC) : -1;
    if (c.held == Hold::Locked) {
        ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    }
    ASSERT_EQ(settings.run(), "");
    EXPECT_EQ(ReadFile(c.entry), c.removed ? "" : "left by a kill");
    if (holder >= 0) {
        ::close(holder);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, Leftovers,
    ::testing::Values(
        LeftoverCase{"StaleOneOfOursRemoved", ".pinto_c.dat.a1B2c3", 120, Hold::None, false, true},
        LeftoverCase{"FreshOneKept", ".pinto_c.dat.d4E5f6", 20, Hold::None, false, false},
        LeftoverCase{"OneHeldByALiveRewriteKept", ".pinto_c.dat.g7H8i9", 120, Hold::Locked, false,
                     false},
        LeftoverCase{"OneOpenInALiveProcessKept", ".pinto_c.dat.m4N5o6", 120, Hold::Open, false,
                     false},
        LeftoverCase{"AStrangersKept", ".pinto_c.dat.j1K2l3", 120, Hold::None, true, false},
        LeftoverCase{"AnotherFilesKept", ".pinto_s.dat.p7Q8r9", 120, Hold::None, false, false},
        LeftoverCase{"ALongerNameKept", ".pinto_c.dat.s1T2u3v", 120, Hold::None, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A tmpfs of 256 KiB mounted on folder for the life of the object (root only).
class SmallDisk
{
public:
    explicit SmallDisk(const std::string& folder) : folder(folder)
    {
        fs::create_directories(folder);
        mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted) {
            ::umount2(folder.c_str(), MNT_DETACH);
        }
    }
    bool Mounted() const { return mounted; }
    // Fills the disk with the file filler until no byte more fits.
    void Fill() const
    {
        const int fd = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
    }

private:
    std::string folder;
    bool mounted = false;
};

TEST_F(SafeRewrite, AFullDiskFailsTheRewriteAndKeepsTheFile)
{
    SmallDisk disk("disk");
    if (!disk.Mounted()) {
        GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    for (const Rewrite& rewrite : Rewrites()) {
        SCOPED_TRACE(rewrite.name);
        WriteFile(std::string("disk/") + rewrite.file, rewrite.before);
    }
    disk.Fill();
    ASSERT_EQ(::chdir("disk"), 0);
    for (const Rewrite& rewrite : Rewrites()) {
        SCOPED_TRACE(rewrite.name);
        EXPECT_EQ(rewrite.run(), "No space left on device");
        EXPECT_EQ(ReadFile(rewrite.file), rewrite.before);
    }
    EXPECT_EQ(Entries("."),
              (std::set<std::string>{"filler", "pinto_c.dat", "pinto_p.dat", "pinto_s.dat"}));
    ASSERT_EQ(::chdir(".."), 0);
}

class SharedFolder : public StorageTest
{
};

TEST_F(SharedFolder, TwoWindowsKeepEachOthersRecords)
{
    WriteFile("pinto_s.dat", ScaleRecordText("Keep", 0));
    const CFretboard board(6, guitar.data());
    ScaleLibrary a;
    ScaleLibrary b;
    LoadScaleLibrary(a);
    LoadScaleLibrary(b);
    ASSERT_EQ(AppendScale(a, "FromA", board), StoreResult::Stored);
    ASSERT_EQ(AppendScale(b, "FromB", board), StoreResult::Stored);
    EXPECT_EQ(Names(b, 19), (std::vector<std::string>{"Keep", "FromA", "FromB"}));
    ASSERT_EQ(AppendScale(a, "FromA2", board), StoreResult::Stored);
    ASSERT_EQ(ForgetScale(a, a.scaleCount), StoreResult::Stored);
    EXPECT_EQ(Names(a, 19), (std::vector<std::string>{"Keep", "FromA", "FromB"}));
    // B still lists FromA2, which is gone: forgetting it removes nothing else.
    ASSERT_EQ(Names(b, 19).back(), "FromB");
    ASSERT_EQ(ForgetScale(b, 20), StoreResult::Stored); // "Keep"
    EXPECT_EQ(Names(b, 19), (std::vector<std::string>{"FromA", "FromB"}));
    ScaleLibrary reloaded;
    LoadScaleLibrary(reloaded);
    EXPECT_EQ(Names(reloaded, 19), (std::vector<std::string>{"FromA", "FromB"}));
}

TEST_F(SharedFolder, ForgetRemovesTheChosenOneAmongEqualRecords)
{
    WriteFile("pinto_s.dat",
              ScaleRecordText("Twin", 0) + ScaleRecordText("Twin", 1) + ScaleRecordText("Twin", 0));
    ScaleLibrary library;
    LoadScaleLibrary(library);
    // Another window adds a record in front of the twins' file order: at the end.
    WriteFile("pinto_s.dat", ReadFile("pinto_s.dat") + ScaleRecordText("Twin", 0));
    ASSERT_EQ(ForgetScale(library, 22), StoreResult::Stored); // the second "Twin" 0
    EXPECT_EQ(ReadFile("pinto_s.dat"),
              ScaleRecordText("Twin", 0) + ScaleRecordText("Twin", 1) + ScaleRecordText("Twin", 0));
    const ScaleRef ref = IdentifyScale(library, 21);
    EXPECT_EQ(ref.among, 1);
    EXPECT_EQ(LocateScale(library, ref), 21);
}

TEST_F(SharedFolder, AFileLockedTooLongIsBusyAndNothingChanges)
{
    const std::string before = ScaleRecordText("One", 0);
    WriteFile("pinto_s.dat", before);
    const CFretboard board(6, guitar.data());
    ScaleLibrary library;
    LoadScaleLibrary(library);
    const LockedFile other("pinto_s.dat", LockedFile::Access::Change);
    ASSERT_EQ(other.GetStatus(), LockedFile::Status::Locked);
    // The same whether the other holds on for three seconds or a twentieth of one.
    LockedFile::SetDefaultWaitForTests(std::chrono::milliseconds(50));
    EXPECT_EQ(AppendScale(library, "Two", board), StoreResult::Busy);
    EXPECT_EQ(ForgetScale(library, 20), StoreResult::Busy);
    LockedFile::SetDefaultWaitForTests(LockedFile::DEFAULT_WAIT);
    EXPECT_EQ(ReadFile("pinto_s.dat"), before);
    EXPECT_EQ(Names(library, 19), std::vector<std::string>{"One"});
}

// What process `who` of TwoProcesses does: save `saves` scales, and after every second save
// forget the oldest of its own scales still kept. Returns the names it leaves in the file.
std::vector<std::string> Plan(int who, int saves,
                              const std::function<bool(bool, const std::string&)>& step)
{
    std::vector<std::string> kept;
    for (int n = 0; n < saves; ++n) {
        const std::string name = "P" + std::to_string(who) + "-" + std::to_string(n);
        if (!step(true, name)) {
            return {};
        }
        kept.push_back(name);
        if (n % 2 == 1) {
            if (!step(false, kept.front())) {
                return {};
            }
            kept.erase(kept.begin());
        }
    }
    return kept;
}

TEST_F(SharedFolder, TwoProcessesSavingAndForgettingAtOnceLoseNothing)
{
    constexpr int saves = 100; // and 50 forgets, in each of the two processes
    std::vector<pid_t> children;
    for (int who = 0; who < 2; ++who) {
        const pid_t child = ::fork();
        if (child == 0) {
            const CFretboard board(6, guitar.data());
            ScaleLibrary library;
            LoadScaleLibrary(library);
            bool ok = true;
            Plan(who, saves, [&](bool save, const std::string& name) {
                if (save) {
                    ok = AppendScale(library, name, board) == StoreResult::Stored &&
                         library.records.back().name == name;
                    return ok;
                }
                const auto found =
                    std::find_if(library.records.begin(), library.records.end(),
                                 [&](const ScaleRecord& record) { return record.name == name; });
                ok = found != library.records.end() &&
                     ForgetScale(library, static_cast<int>(found - library.records.begin()) + 1) ==
                         StoreResult::Stored;
                return ok;
            });
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a false result";
    }
    std::multiset<std::string> expected;
    for (int who = 0; who < 2; ++who) {
        for (const std::string& name :
             Plan(who, saves, [](bool, const std::string&) { return true; })) {
            expected.insert(name);
        }
    }
    ScaleLibrary library;
    LoadScaleLibrary(library);
    EXPECT_TRUE(library.userFileComplete);
    const std::vector<std::string> names = Names(library, 19);
    EXPECT_EQ(std::multiset<std::string>(names.begin(), names.end()), expected);
    EXPECT_EQ(Entries("."), std::set<std::string>{"pinto_s.dat"});
}

struct NameCase
{
    const char* name;
    std::string line;
    std::string kept;
};

class NameLength : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(NameLength, NamesAreCutAt99CharactersNeverInsideOne)
{
    EXPECT_EQ(RecordFile::CleanName(GetParam().line), GetParam().kept);
}

std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, NameLength,
    ::testing::Values(
        NameCase{"Ascii", std::string(120, 'a'), std::string(99, 'a')},
        NameCase{"SixtyUmlautsStayWhole", Repeat("\xc3\xbc", 60), Repeat("\xc3\xbc", 60)},
        NameCase{"UmlautsCutAt99", Repeat("\xc3\xbc", 120), Repeat("\xc3\xbc", 99)},
        NameCase{"EuroSignAtTheEdgeStaysWhole", std::string(98, 'a') + "\xe2\x82\xac" + "bc",
                 std::string(98, 'a') + "\xe2\x82\xac"},
        NameCase{"EmojiCountOnce", Repeat("\xf0\x9f\x8e\xb8", 100), Repeat("\xf0\x9f\x8e\xb8", 99)},
        NameCase{"EightBitBytesCountOnce", std::string(120, '\xe9'), std::string(99, '\xe9')}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
