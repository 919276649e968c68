// Runs the real pinto binary with --render in a fresh folder and checks what it leaves there.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Table rows print as their name in test listings and failures.
template <class Row>
requires requires(const Row& row)
{
    row.name;
}
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

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
    Result result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// Centre of the dot of (string, fret) in a 640 x 480 picture of count strings.
QPoint DotCentre(int count, int string, int fret)
{
    const int topY = 240 - ((count - 1) * 40) / 2;
    return QPoint(60 + 40 * fret, topY + 40 * (count - 1 - string));
}

const QRgb blue = qRgb(0, 0, 255);      // root
const QRgb white = qRgb(255, 255, 255); // scale note, or any dot without colour
const QRgb red = qRgb(255, 0, 0);       // overlay-only note
const QRgb black = qRgb(0, 0, 0);       // no dot: the string line shows

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

struct Probe
{
    int string;
    int fret;
    QRgb colour;
};

struct PixelCase
{
    const char* name;
    QStringList args;
    int strings;
    std::vector<Probe> probes;
};

class RenderPixels : public Folder, public testing::WithParamInterface<PixelCase>
{
};

TEST_P(RenderPixels, DotCentresShowTheirKind)
{
    const PixelCase& c = GetParam();
    const Result run = Pinto(QStringList{"--render", "out.png", "--labels", "none"} + c.args);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage image(Path("out.png"));
    ASSERT_EQ(image.size(), QSize(640, 480));
    for (const Probe& probe : c.probes) {
        EXPECT_EQ(image.pixel(DotCentre(c.strings, probe.string, probe.fret)), probe.colour)
            << "string " << probe.string << " fret " << probe.fret;
    }
}

// A major triad on A with a major triad on C as the overlay, on a standard six-string guitar;
// on the low E string: fret 0 E (both), 2 F# (neither), 3 G (overlay), 5 A (root), 8 C (overlay),
// 9 C# (scale only).
const QStringList triads = {"--instrument", "guitar",      "--scale",        "Major Triad",
                            "--overlay",    "Major Triad", "--overlay-root", "C"};

const PixelCase pixelCases[] = {
    {"AllNotes",
     triads,
     6,
     {{0, 5, blue},
      {0, 0, white},
      {0, 9, white},
      {0, 3, red},
      {0, 8, red},
      {0, 2, black},
      {5, 5, blue}}},
    {"CommonNotesHideRootOutsideOverlay",
     triads + QStringList{"--common"},
     6,
     {{0, 0, white}, {0, 5, black}, {0, 3, black}, {0, 9, black}, {1, 7, white}}},
    {"NoColour", triads + QStringList{"--no-color"}, 6, {{0, 5, white}, {0, 3, white}}},
    {"OwnTuningAndRoot",
     {"--instrument", "bass", "--tuning", "E,E,E,G", "--root", "E", "--degrees", "0"},
     4,
     {{0, 0, blue}, {2, 12, blue}, {3, 0, black}, {3, 9, blue}}},
};

INSTANTIATE_TEST_SUITE_P(Table, RenderPixels, testing::ValuesIn(pixelCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
    {"FileIsAFolder", {"--render", "taken.png"}, "cannot write 'taken.png'"},
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
    const Result help = Pinto({"--render", "x.png", "--bogus", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option :
         {"--render FILE", "--size", "--dpi", "--page", "--instrument", "--strings", "--tuning",
          "--root", "--scale", "--degrees", "--overlay-root", "--common", "--labels", "--no-color",
          "--no-markers", "--version"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_TRUE(Entries().isEmpty());
}

} // namespace
