// Runs the real pinto binary with --home and checks which folder it keeps its files in.
#include "ProcessResult.h"
#include "TableRows.h"
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Result = ProcessResult;

// Lines of the list a fresh folder gets: the build's default scheme.
const QByteArray builtList = QByteArray(PINTO_BUILD_SCHEME) + "\r\n";

// A scratch folder that stands in for the user's home: HOME, PINTO_HOME and the profile all point
// into it, so nothing of the real user is read or written.
class Home : public testing::Test
{
protected:
    Home()
    {
        // Searchable by everyone, so that a run as another user can reach its folders.
        QFile::setPermissions(root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                               QFileDevice::ExeGroup);
        QDir(root.path()).mkpath(QStringLiteral("start"));
    }

    QString Path(const QString& name) const { return root.filePath(name); }

    QByteArray Contents(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void Write(const QString& name, const QByteArray& text) const
    {
        QDir(root.path()).mkpath(QFileInfo(Path(name)).path());
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // Runs pinto args in the folder "start" with PINTO_HOME = pintoHome (unset when null); the
    // window quits after its first paint and prints the time of it on standard output.
    Result Pinto(const QStringList& args, const char* pintoHome, bool asNobody = false) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), Path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("PINTO_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
        if (pintoHome) {
            env.insert(QStringLiteral("PINTO_HOME"), QString::fromUtf8(pintoHome));
        } else {
            env.remove(QStringLiteral("PINTO_HOME"));
        }
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(Path(QStringLiteral("start")));
        if (asNobody) {
            process.start(QStringLiteral("setpriv"),
                          QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--",
                                      PINTO_BINARY} +
                              args);
        } else {
            process.start(QStringLiteral(PINTO_BINARY), args);
        }
        return ProcessResult::Of(process);
    }

    QTemporaryDir root;
};

struct FolderCase
{
    const char* name;
    const char* pintoHome; // relative to the scratch folder; null leaves PINTO_HOME unset
    const char* folder;    // where the files must end up, relative to the scratch folder
    QByteArray oldList;    // pinto_ss.dat there beforehand; empty for none
    QByteArray list;       // pinto_ss.dat there afterwards
};

class HomeFolder : public Home, public testing::WithParamInterface<FolderCase>
{
};

TEST_P(HomeFolder, FilesGoThereAndTheListIsWrittenOnlyWhenMissing)
{
    const FolderCase& c = GetParam();
    if (!c.oldList.isEmpty()) {
        Write(QString::fromUtf8(c.folder) + QStringLiteral("/pinto_ss.dat"), c.oldList);
    }
    // An empty PINTO_HOME is passed on as it is.
    const QByteArray pintoHome =
        c.pintoHome && *c.pintoHome ? Path(QString::fromUtf8(c.pintoHome)).toUtf8() : "";
    const Result run =
        Pinto({QStringLiteral("--home")}, c.pintoHome ? pintoHome.constData() : nullptr);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_FALSE(run.out.isEmpty()) << "the window was never painted";
    const QString folder = QString::fromUtf8(c.folder);
    EXPECT_EQ(Contents(folder + QStringLiteral("/pinto_ss.dat")), c.list);
    EXPECT_TRUE(QFile::exists(Path(folder + QStringLiteral("/pinto_c.dat"))))
        << "the settings were not written in the working folder";
    EXPECT_TRUE(QDir(Path(QStringLiteral("start"))).isEmpty()) << "files left in the start folder";
}

const FolderCase folderCases[] = {
    {"NewPintoHomeMadeAndListed", "music/pinto", "music/pinto", {}, builtList},
    {"HomePintoWhenUnset", nullptr, "home/Pinto", {}, builtList},
    {"EmptyPintoHomeMeansHomePinto", "", "home/Pinto", {}, builtList},
    // A list with a scheme that can be read is the user's own (stale lists: WorkFolderTest).
    {"ExistingListKept", "mine", "mine", "gone.scheme\r\n" + builtList,
     "gone.scheme\r\n" + builtList},
};

INSTANTIATE_TEST_SUITE_P(Home, HomeFolder, testing::ValuesIn(folderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Home, WithoutHomeOptionTheCurrentFolderIsUsed)
{
    const Result run = Pinto({}, Path(QStringLiteral("elsewhere")).toUtf8().constData());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("start/pinto_c.dat"))));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("start/pinto_ss.dat"))));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("elsewhere"))));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("home/Pinto"))));
}

class FifoFile : public Home, public testing::WithParamInterface<const char*>
{
};

TEST_P(FifoFile, NeitherTheWindowNorRenderWaitsOnItOrWritesToIt)
{
    const QByteArray fifo = Path(QStringLiteral("start/") + GetParam()).toUtf8();
    ASSERT_EQ(::mkfifo(fifo.constData(), 0666), 0);
    // Held open for reading, so that whatever the program wrote to the FIFO would land here.
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    // A hang shows as the run's time limit; a window quits after its first paint.
    for (const QStringList& args :
         {QStringList{}, QStringList{"--render", "x.png", "--scale", "Major"}}) {
        const Result run = Pinto(args, nullptr);
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString() << run.err.constData();
    }
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0) << "something was written to the FIFO";
    ::close(reader);
    struct stat info = {};
    EXPECT_TRUE(::lstat(fifo.constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("start/x.png"))));
}

INSTANTIATE_TEST_SUITE_P(Home, FifoFile,
                         testing::Values("pinto_c.dat", "pinto_s.dat", "_pinto_s.dat",
                                         "pinto_p.dat", "_pinto_p.dat", "pinto_ss.dat"),
                         [](const auto& info) {
                             QString name = QString::fromUtf8(info.param);
                             return name.replace(QLatin1Char('.'), QLatin1Char('_')).toStdString();
                         });

TEST(BuiltScheme, NamesTwentyFourSamplesThatExist)
{
    QFile scheme(QStringLiteral(PINTO_BUILD_SCHEME));
    ASSERT_TRUE(scheme.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = scheme.readAll().split('\n');
    ASSERT_EQ(lines.size(), 26); // name, 24 samples, nothing after the last line end
    EXPECT_EQ(lines[0], "Plucked String\r");
    for (int entry = 1; entry <= 24; ++entry) {
        EXPECT_TRUE(QFile::exists(QString::fromUtf8(lines[entry].chopped(1))))
            << lines[entry].data();
    }
}

struct UnwritableCase
{
    const char* name;
    const char* file;   // a plain file made beforehand, relative to the scratch folder
    const char* folder; // PINTO_HOME, relative to the scratch folder
    bool readOnly;      // PINTO_HOME exists without write permission for the user running pinto
    const char* link;   // PINTO_HOME is a link to this path in the scratch folder, when not empty
    const char* reason; // the system's reason that ends the line
};

class Unwritable : public Home, public testing::WithParamInterface<UnwritableCase>
{
};

TEST_P(Unwritable, OneLineExitTwoAndNoWindow)
{
    const UnwritableCase& c = GetParam();
    // Root writes in any folder, so a read-only folder is tried as the user nobody.
    const bool asNobody = c.readOnly && ::geteuid() == 0;
    if (asNobody && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
        GTEST_SKIP() << "running as root without setpriv to drop privileges";
    }
    if (asNobody && Pinto({QStringLiteral("--version")}, nullptr, true).exitCode != 0) {
        GTEST_SKIP() << "the user nobody cannot run " << PINTO_BINARY << " from its folder";
    }
    if (*c.file) {
        Write(QString::fromUtf8(c.file), "not a folder\n");
    }
    const QString folder = Path(QString::fromUtf8(c.folder));
    if (*c.link) {
        ASSERT_TRUE(QFile::link(Path(QString::fromUtf8(c.link)), folder));
    }
    if (c.readOnly) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
    }
    const Result run = Pinto({QStringLiteral("--home")}, folder.toUtf8().constData(), asNobody);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty()) << "a window was painted";
    EXPECT_TRUE(run.err.startsWith("pinto: ")) << run.err.constData();
    EXPECT_TRUE(run.err.endsWith(QByteArray(": ") + c.reason + '\n')) << run.err.constData();
    EXPECT_EQ(run.err.count(c.reason), 1) << run.err.constData();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    EXPECT_TRUE(run.err.contains(folder.toUtf8())) << run.err.constData();
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/pinto_ss.dat")));
    EXPECT_TRUE(QDir(Path(QStringLiteral("start"))).isEmpty());
}

const UnwritableCase unwritableCases[] = {
    {"PintoHomeIsAFile", "taken", "taken", false, "", "Not a directory"},
    {"PintoHomeBelowAFile", "taken", "taken/pinto", false, "", "Not a directory"},
    {"ReadOnlyPintoHome", "", "locked", true, "", "Permission denied"},
    {"PintoHomeLinksNowhere", "", "link", false, "gone/pinto", "No such file or directory"},
};

INSTANTIATE_TEST_SUITE_P(Home, Unwritable, testing::ValuesIn(unwritableCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
