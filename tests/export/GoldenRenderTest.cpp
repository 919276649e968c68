// Renders fixed diagrams with the real pinto binary and compares their decoded pixels with
// pictures recorded from an earlier build, so a change that should leave the default picture
// alone cannot move a single pixel. To record the pictures again on purpose, run the test with
// PINTO_RECORD_GOLDEN=1: every case then writes its picture into the data folder.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct GoldenCase
{
    const char* name; // picture tests/data/export/golden/<name>.png
    QStringList args; // render options after --render out.png
};

void PrintTo(const GoldenCase& row, std::ostream* os)
{
    *os << row.name;
}

const GoldenCase goldenCases[] = {
    {"guitar_c_major_notes",
     {"--instrument", "guitar", "--root", "C", "--scale", "Major", "--overlay", "Minor Pentatonic",
      "--overlay-root", "A", "--labels", "notes"}},
    {"banjo5_g_major_degrees",
     {"--instrument", "banjo", "--root", "G", "--scale", "Major", "--overlay", "Minor Pentatonic",
      "--overlay-root", "E"}},
    {"guitar7_common_no_colour",
     {"--instrument", "guitar", "--strings", "7", "--root", "E", "--scale", "Harmonic Minor",
      "--overlay", "Whole Tone", "--common", "--no-color", "--size", "800x600"}},
    {"bass4_no_markers_wide",
     {"--instrument", "bass", "--root", "F", "--scale", "Minor Pentatonic", "--labels", "none",
      "--no-markers", "--size", "1024x400"}},
    {"mandolin_dorian_small",
     {"--instrument", "mandolin", "--root", "D", "--scale", "Dorian Mode", "--labels", "notes",
      "--size", "400x300"}},
    {"guitar_drop_d_triad",
     {"--instrument", "guitar", "--tuning", "D,A,D,G,B,E", "--root", "D#", "--degrees", "0,4,7",
      "--overlay", "Major Triad", "--overlay-root", "G#"}},
    // Recorded before the neck could have more than twelve frets; asking for twelve is the same.
    {"banjo5_left_low_top_key_notes", {"--instrument",   "banjo",
                                       "--root",         "F",
                                       "--scale",        "Major",
                                       "--overlay",      "Minor Pentatonic",
                                       "--overlay-root", "D",
                                       "--labels",       "notes",
                                       "--left-handed",  "--low-string-on-top",
                                       "--spelling",     "key",
                                       "--size",         "700x420",
                                       "--frets",        "12"}},
};

class GoldenRender : public testing::TestWithParam<GoldenCase>
{
};

TEST_P(GoldenRender, PixelsMatchTheRecordedPicture)
{
    const GoldenCase& c = GetParam();
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/golden-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(PINTO_BINARY), QStringList{"--render", "out.png"} + c.args);
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();

    const QImage rendered =
        QImage(dir.filePath(QStringLiteral("out.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(rendered.isNull());
    const QString goldenPath =
        QStringLiteral(TEST_DATA_DIR "/export/golden/%1.png").arg(QString::fromLatin1(c.name));
    if (qEnvironmentVariableIntValue("PINTO_RECORD_GOLDEN") == 1) {
        ASSERT_TRUE(rendered.save(goldenPath, "PNG"));
        return;
    }
    const QImage golden = QImage(goldenPath).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(golden.isNull()) << "no recorded picture " << goldenPath.toStdString();
    ASSERT_EQ(rendered.size(), golden.size());
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < golden.height(); ++y) {
        for (int x = 0; x < golden.width(); ++x) {
            if (rendered.pixel(x, y) != golden.pixel(x, y)) {
                if (differing++ == 0)
                    first = QPoint(x, y);
            }
        }
    }
    EXPECT_EQ(differing, 0) << "first differing pixel at (" << first.x() << ", " << first.y()
                            << ")";
}

INSTANTIATE_TEST_SUITE_P(Table, GoldenRender, testing::ValuesIn(goldenCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
