// Runs the real pinto binary with --render in a fresh folder and checks what it leaves there.
#include "ProcessResult.h"
#include "TableRows.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Result = ProcessResult;

// Runs program args in folder, with no display and the platform set to xcb, so a render that
// tried to use a display would fail; 60 s at most.
Result RunProgram(const QString& folder, const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, args);
    return ProcessResult::Of(process);
}

class Folder : public testing::Test
{
protected:
    Result Pinto(const QStringList& args) const
    {
        return RunProgram(dir.path(), QStringLiteral(PINTO_BINARY), args);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Entries() const
    {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    QByteArray Contents(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString Tool(const QString& tool, const QStringList& args) const
    {
        return QString::fromUtf8(RunProgram(dir.path(), tool, args).out);
    }

    QTemporaryDir dir{QDir::currentPath() + QStringLiteral("/render-XXXXXX")};
};

struct FormatCase
{
    const char* file;
    QStringList args;
};

void PrintTo(const FormatCase& row, std::ostream* os)
{
    *os << row.file;
}

class RenderFormats : public Folder, public testing::WithParamInterface<FormatCase>
{
};

TEST_P(RenderFormats, WritesOnlyTheFileInItsFormat)
{
    const QString file = QString::fromLatin1(GetParam().file);
    const Result run = Pinto(QStringList{"--render", file, "--scale", "Major"} + GetParam().args);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(Entries(), QStringList{file});

    const QByteArray data = Contents(file);
    if (file.endsWith(".png")) {
        EXPECT_EQ(QImage(Path(file)).size(), QSize(800, 300));
    } else if (file.endsWith(".wav")) {
        EXPECT_TRUE(data.startsWith("RIFF") && data.mid(8, 8) == "WAVEfmt ");
        EXPECT_GT(data.size(), 44100 * 2); // the note rings for its whole sample
    } else if (file.endsWith(".mid")) {
        EXPECT_TRUE(data.startsWith("MThd"));
        EXPECT_EQ(data.count("MTrk"), 3);
    } else if (file.endsWith(".svg")) {
        EXPECT_TRUE(data.startsWith("<?xml"));
        EXPECT_TRUE(data.contains("<svg"));
        EXPECT_TRUE(data.contains("viewBox=\"0 0 800 300\""));
        EXPECT_TRUE(data.contains("width=\"211.667mm\"")); // 800 pixels at 96 per inch
    } else {
        EXPECT_TRUE(data.startsWith("%PDF"));
        const QString text = Tool("pdftotext", {Path(file), "-"});
        EXPECT_TRUE(text.contains(QRegularExpression("Scale Name: A +Major")))
            << text.toStdString();
        EXPECT_TRUE(Tool("pdfinfo", {Path(file)}).contains("(A4)"));
    }
}

const FormatCase formatCases[] = {
    {"out.png", {"--size", "800x300"}},
    {"out.svg", {"--size", "800x300"}},
    {"out.pdf", {}},
    {"out.wav", {"--bpm", "300", "--count-in", "1"}},
    {"out.mid", {"--click", "--direction", "updown", "--trainer", "60,10,1,80", "--passes", "3"}},
};

INSTANTIATE_TEST_SUITE_P(
    Table, RenderFormats, testing::ValuesIn(formatCases), [](const auto& info) {
        return QString::fromLatin1(info.param.file).section('.', 1).toStdString();
    });

using RenderCommandTest = Folder;

TEST_F(RenderCommandTest, PdfCaptionsNameOverlayOnOneLetterPage)
{
    const Result run = Pinto({"--render", "sheet.pdf", "--page", "letter", "--instrument", "bass",
                              "--root", "C", "--scale", "Minor Pentatonic", "--overlay",
                              "Major Triad", "--overlay-root", "F#", "--common"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString text = Tool("pdftotext", {"-raw", Path("sheet.pdf"), "-"});
    EXPECT_TRUE(text.contains(QRegularExpression("Scale Name: C +Minor Pentatonic")));
    EXPECT_TRUE(text.contains(QRegularExpression("Overlay: F# +Major Triad showing common notes")))
        << text.toStdString();
    const QString info = Tool("pdfinfo", {Path("sheet.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("612 x 792 pts")) << info.toStdString();
}

TEST_F(RenderCommandTest, SpellingByKeyNamesRootsAndStringsOnThePage)
{
    const Result run = Pinto({"--render", "sheet.pdf", "--instrument", "mandolin", "--tuning",
                              "G,D,A,D#", "--root", "A#", "--scale", "Major", "--spelling", "key"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString text = Tool("pdftotext", {"-raw", Path("sheet.pdf"), "-"});
    EXPECT_TRUE(text.contains(QRegularExpression("Scale Name: Bb +Major"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("\\bEb\\b"))) << text.toStdString();
    EXPECT_FALSE(text.contains("#")) << text.toStdString();
}

// The scale names of the captions of a PDF, in page order.
QStringList Captions(const QString& text)
{
    QStringList captions;
    const QRegularExpression caption(QStringLiteral("Scale Name: (\\S+) +(.+)"));
    for (auto match = caption.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        captions << found.captured(1) + ' ' + found.captured(2);
    }
    return captions;
}

TEST_F(RenderCommandTest, BookOfKeysPrintsTheInstalledScaleOnTwelveRootsFourAPage)
{
    const Result run = Pinto({"--render", "book.pdf", "--book", "keys", "--scale", "Minor Blues",
                              "--root", "C", "--spelling", "key"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString info = Tool("pdfinfo", {Path("book.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +3\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
    QStringList expected;
    for (const char* root : {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "Bb", "B"}) {
        expected << QString::fromLatin1(root) + " Minor Blues";
    }
    EXPECT_EQ(Captions(Tool("pdftotext", {"-raw", Path("book.pdf"), "-"})), expected);
    EXPECT_EQ(Captions(Tool("pdftotext", {"-raw", "-l", "1", Path("book.pdf"), "-"})),
              expected.mid(0, 4));
}

// A book keeps the capo (its strings named as they sound: G# is the capoed G string, no root
// of the first page) and lays its rows out for the fret range's larger diagrams.
TEST_F(RenderCommandTest, BookKeepsTheCapoAndFitsTheFretRange)
{
    const Result run = Pinto({"--render", "book.pdf", "--book", "keys", "--scale", "Minor Blues",
                              "--root", "C", "--capo", "1", "--fret-range", "5-9"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString info = Tool("pdfinfo", {Path("book.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +6\\n"))) << info.toStdString();
    const QString first = Tool("pdftotext", {"-raw", "-l", "1", Path("book.pdf"), "-"});
    EXPECT_EQ(Captions(first), (QStringList{"C Minor Blues", "C# Minor Blues"}));
    EXPECT_TRUE(first.contains(QRegularExpression("(^|\\s)G#\\s"))) << first.toStdString();
}

TEST_F(RenderCommandTest, LandscapePagesForTheDiagramAndAFamilyBook)
{
    ASSERT_EQ(Pinto({"--render", "one.pdf", "--landscape"}).exitCode, 0);
    EXPECT_TRUE(Tool("pdfinfo", {Path("one.pdf")}).contains("842 x 595 pts"));
    const Result run = Pinto({"--render", "family.pdf", "--book", "family", "--scale",
                              "Lydian Dominant", "--root", "C", "--page", "letter", "--landscape"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString info = Tool("pdfinfo", {Path("family.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +4\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("792 x 612 pts")) << info.toStdString();
    EXPECT_EQ(Captions(Tool("pdftotext", {"-raw", Path("family.pdf"), "-"})),
              (QStringList{"C Melodic Minor", "C Dorian b2", "C Lydian Augmented",
                           "C Lydian Dominant", "C Mixolydian b6", "C Locrian #2", "C Altered"}));
}

struct ErrorCase
{
    const char* name;
    QStringList args;
    const char* message; // part of the one line on standard error
};

class RenderErrors : public Folder, public testing::WithParamInterface<ErrorCase>
{
};

TEST_P(RenderErrors, ExitTwoWithOneLineAndNoFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.png"));
    const Result run = Pinto(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("pinto: ")) << run.err.constData();
    EXPECT_TRUE(run.err.contains(GetParam().message)) << run.err.constData();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    EXPECT_EQ(Entries(), QStringList{"taken.png"});
}

const ErrorCase errorCases[] = {
    {"BadArgument", {"--render", "out.png", "--root", "H"}, "unknown note 'H'"},
    {"UnknownScale", {"--render", "out.pdf", "--scale", "Nope"}, "unknown scale 'Nope'"},
    {"StringCount", {"--render", "out.svg", "--instrument", "bass", "--strings", "7"}, "7 strings"},
    {"MissingFolder", {"--render", "missing/out.png"}, "cannot write 'missing/out.png'"},
    {"FileIsAFolder", {"--render", "taken.png"}, "cannot write 'taken.png': Is a directory"},
    {"UnknownBeforeHelp", {"--render", "x.png", "--bogus", "--help"}, "unknown option '--bogus'"},
    {"ValueIsAnOption", {"--render", "x.png", "--scale", "--help"}, "--scale needs a value"},
    {"SoundMissingFolder", {"--render", "missing/out.wav"}, "cannot write 'missing/out.wav'"},
    {"UnknownPattern", {"--render", "out.mid", "--pattern", "Nope"}, "unknown pattern 'Nope'"},
    {"CapoAboveTwelve", {"--render", "out.png", "--capo", "13"}, "bad capo '13'"},
    {"RangeBackwards", {"--render", "out.pdf", "--fret-range", "9-3"}, "bad fret range '9-3'"},
    {"UnknownPreset", {"--render", "out.svg", "--tuning-preset", "Open Z"}, "'Open Z'"},
    {"PresetNameTooShort", {"--render", "out.svg", "--tuning-preset", "Open"}, "'Open'"},
    {"BookOfNoFamily",
     {"--render", "b.pdf", "--book", "family", "--scale", "Major Triad"},
     "'Major Triad' belongs to no family of scales"},
};

INSTANTIATE_TEST_SUITE_P(Table, RenderErrors, testing::ValuesIn(errorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderCommandTest, FailureKeepsAnEarlierFileAndDataFiles)
{
    const QByteArray settings = "1\r\n0\r\n1\r\n0\r\n1\r\n3\r\n4\r\n4\r\n0\r\n0\r\n0\r\n0\r\n";
    for (const auto& [name, text] :
         {std::pair{"out.png", QByteArray("earlier")}, std::pair{"pinto_c.dat", settings}}) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    EXPECT_EQ(Pinto({"--render", "out.png", "--strings", "6"}).exitCode, 2);
    EXPECT_EQ(Contents("out.png"), QByteArray("earlier"));
    EXPECT_EQ(Pinto({"--render", "new.png"}).exitCode, 0);
    EXPECT_EQ(Contents("pinto_c.dat"), settings);
    EXPECT_EQ(Entries(), (QStringList{"new.png", "out.png", "pinto_c.dat"}));
}

TEST_F(RenderCommandTest, VersionAndHelp)
{
    const Result version = Pinto({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("Pinto ver 2.2a\n"));
    const Result help = Pinto({"--render", "x.png", "--help", "--bogus"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option :
         {"--render FILE", "--size", "--dpi", "--page", "--instrument", "--strings", "--tuning",
          "--root", "--scale", "--degrees", "--overlay-root", "--common", "--labels", "--no-color",
          "--no-markers", "--left-handed", "--low-string-on-top", "--spelling KIND", "--version"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_TRUE(help.out.contains("--frets N"));
    EXPECT_TRUE(Entries().isEmpty());
}

struct ArgumentCase
{
    const char* name;
    QStringList args;
    const char* line; // the whole of standard error
};

class ArgumentRules : public Folder, public testing::WithParamInterface<ArgumentCase>
{
};

// Without a display any attempt to open the window would fail with Qt's own messages.
TEST_P(ArgumentRules, OneLineExitTwoNoWindowNoFile)
{
    const Result run = Pinto(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, QByteArray(GetParam().line));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(Entries().isEmpty());
}

const char* const noWindow =
    "pinto: cannot open the window: no display could be opened (pinto --render draws without "
    "one)\n";

const ArgumentCase argumentCases[] = {
    {"Misspelled", {"--rendr", "out.png"}, "pinto: unknown option '--rendr'; see pinto --help\n"},
    {"OneDash", {"-render", "out.png"}, "pinto: unknown option '-render'; see pinto --help\n"},
    {"AfterWindowOptions",
     {"-style", "fusion", "--colour"},
     "pinto: unknown option '--colour'; see pinto --help\n"},
    {"ValueIsAnOption", {"--scale", "--help"}, "pinto: option --scale needs a value\n"},
    {"WindowValueIsAnOption",
     {"-platform", "--version"},
     "pinto: option -platform needs a value\n"},
    {"TerminalCodesEscaped",
     {"--\x1b]0;title\x07"},
     "pinto: unknown option '--\\x1b]0;title\\x07'; see pinto --help\n"},
    {"NoDisplay", {}, noWindow},
    {"UnknownPlatform", {"-platform", "nosuch"}, noWindow},
};

INSTANTIATE_TEST_SUITE_P(Table, ArgumentRules, testing::ValuesIn(argumentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderCommandTest, QtWindowOptionsOpenTheWindow)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PINTO_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(PINTO_BINARY),
                  {"-platform", "offscreen", "-style=fusion", "--reverse", "-qwindowtitle", "T"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    EXPECT_GT(process.readAllStandardOutput().trimmed().toLongLong(), 0) << "painted";
}

// Runs pinto with args given as raw bytes (no text encoding between) in folder; exit code and
// standard error.
std::pair<int, std::string> RunRaw(const QString& folder, const std::vector<std::string>& args)
{
    int errPipe[2];
    if (::pipe(errPipe) != 0)
        return {-1, {}};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(errPipe[1], 2);
        ::close(errPipe[0]);
        if (::chdir(folder.toLocal8Bit().constData()) != 0)
            ::_exit(127);
        std::vector<char*> argv = {const_cast<char*>(PINTO_BINARY)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(PINTO_BINARY, argv.data());
        ::_exit(127);
    }
    ::close(errPipe[1]);
    std::string err;
    char buffer[4096];
    for (ssize_t got; (got = ::read(errPipe[0], buffer, sizeof buffer)) > 0;)
        err.append(buffer, static_cast<std::size_t>(got));
    ::close(errPipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
}

TEST_F(RenderCommandTest, AFileNameThatIsNoUtf8IsWrittenAsGiven)
{
    const std::string name = "caf\xe9.png";
    const auto [code, err] = RunRaw(dir.path(), {"--render", name, "--size", "64x64"});
    ASSERT_EQ(code, 0) << err;
    struct stat info = {};
    EXPECT_EQ(::stat((dir.path().toLocal8Bit() + "/").toStdString().append(name).c_str(), &info),
              0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                            std::filesystem::directory_iterator()),
              1);
    const auto [failed, message] = RunRaw(dir.path(), {"--render", "no/caf\xe9.png"});
    EXPECT_EQ(failed, 2);
    EXPECT_EQ(message, "pinto: cannot write 'no/caf\\xe9.png': No such file or directory\n");
}

// A tmpfs of 256 KiB filled to the last byte, mounted below the test's folder (root only).
class FullDisk : public Folder, public testing::WithParamInterface<const char*>
{
protected:
    void SetUp() override
    {
        disk = dir.path().toStdString() + "/disk";
        ::mkdir(disk.c_str(), 0755);
        mounted = ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    void TearDown() override
    {
        if (mounted)
            ::umount2(disk.c_str(), MNT_DETACH);
    }
    void Fill() const
    {
        const int fd = ::open((disk + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
    }

    std::string disk;
    bool mounted = false;
};

TEST_P(FullDisk, ExportFailsAndKeepsTheOldPicture)
{
    if (!mounted)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const QString file = QStringLiteral("disk/") + QString::fromLatin1(GetParam());
    {
        QFile old(Path(file));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier picture");
    }
    Fill();
    const Result run = Pinto({"--render", file, "--size", "64x64"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "pinto: cannot write '" + file.toUtf8() + "': No space left on device\n");
    EXPECT_EQ(Contents(file), QByteArray("earlier picture"));
    EXPECT_EQ(QDir(Path("disk")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"filler", QString::fromLatin1(GetParam())}));
}

INSTANTIATE_TEST_SUITE_P(Formats, FullDisk,
                         testing::Values("out.png", "out.svg", "out.pdf", "out.wav", "out.mid"),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param).section('.', 1).toStdString();
                         });

} // namespace
