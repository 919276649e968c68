#include "AppState.h"
#include "CMainFrame.h"
#include "CPinto2View.h"
#include "CPracticeDlg.h"
#include "FakeSoundOutput.h"
#include "FretboardGeometry.h"
#include "PlayerState.h"
#include "PracticeProfile.h"
#include "UiTestSupport.h"
#include "WavFile.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <utility>
#include <vector>

namespace {

// A scheme "Tones" of 24 short tones listed in "pinto_ss.dat" of the working folder.
void WriteScheme()
{
    std::vector<std::int16_t> tone(4410);
    for (std::size_t i = 0; i < tone.size(); ++i) {
        tone[i] = WavFile::ToSample(0.3 * std::sin(0.05 * double(i)));
    }
    WavFile::WriteMono16("tone.wav", 44100, tone);
    QFile scheme(QStringLiteral("tones.scheme"));
    QVERIFY(scheme.open(QIODevice::WriteOnly));
    scheme.write("Tones\r\n" + QByteArray("tone.wav\r\n").repeated(24));
    QFile list(QStringLiteral("pinto_ss.dat"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("tones.scheme\r\n");
}

// C major on a guitar in the frame.
void CMajor(CMainFrame& frame)
{
    ClickArrow(frame, ControlId::RootSpin, "up", 3);
    frame.ApplyScaleSelection(frame.ScaleList()->findText(QStringLiteral("Major")));
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PracticeTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().remove(QStringLiteral("Practice")); }

    // Sound > Practice... shows the kept settings and keeps what OK leaves in them.
    void practiceFromTheSoundMenuIsKept()
    {
        ScopedWorkDir dir;
        AppState state;
        CMainFrame frame(state);
        QMenu* sound = frame.menuBar()->actions().at(2)->menu();
        QStringList names;
        for (QAction* item : sound->actions()) {
            names << item->objectName();
        }
        QCOMPARE(names.mid(2), (QStringList{QString(), "practice", "saveExercise"}));

        QTimer::singleShot(50, [] {
            auto* dialog = qobject_cast<CPracticeDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->Settings(), PracticeSettings{});
            PracticeSettings practice;
            practice.click = true;
            practice.beatsPerBar = 3;
            practice.trainer = true;
            practice.stepBpm = -1;
            dialog->SetSettings(practice);
            // The step's arrows pass over 0: one up from -1 is +1.
            dialog->findChild<QSpinBox*>(QStringLiteral("practiceStep"))->stepUp();
            dialog->accept();
        });
        frame.findChild<QAction*>(QStringLiteral("practice"))->trigger();
        PracticeSettings kept;
        kept.click = true;
        kept.beatsPerBar = 3;
        kept.trainer = true;
        kept.stepBpm = 1;
        QCOMPARE(PracticeProfile::Load(), kept);
    }

    void saveExercise_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QByteArray>("start"); // of the file written
        QTest::addColumn<QString>("message");  // the information box, if any
        QTest::newRow("wav") << "run.wav" << int(PlayDirection::Up) << QByteArray("RIFF")
                             << QString();
        QTest::newRow("mid") << "run.MIDI" << int(PlayDirection::UpAndDown) << QByteArray("MThd")
                             << QString();
        QTest::newRow("missing folder")
            << "missing/run.wav" << int(PlayDirection::Up) << QByteArray()
            << "Save Exercise As|Cannot write 'missing/run.wav': No such file or directory.";
        QTest::newRow("no direction")
            << "run.wav" << int(PlayDirection::None) << QByteArray()
            << "Save Exercise As|Choose Up, Down or Up and Down in Play it first.";
    }

    // The window saves the run Play it would play; a failure names the file.
    void saveExercise()
    {
        QFETCH(QString, file);
        QFETCH(int, direction);
        QFETCH(QByteArray, start);
        QFETCH(QString, message);
        ScopedWorkDir dir;
        WriteScheme();
        AppState state;
        CMainFrame frame(state);
        CMajor(frame);
        ProcessPlayerState().direction = static_cast<PlayDirection>(direction);
        MessageBoxAnswer answer;
        QCOMPARE(frame.SaveExercise(file), message.isEmpty());
        ProcessPlayerState().direction = PlayDirection::None;
        QCOMPARE(Contents(file).left(4), start);
        if (!message.isEmpty()) {
            QTRY_COMPARE(answer.title + '|' + answer.text, message);
        }
        if (direction == int(PlayDirection::None)) {
            // From the menu the box comes before a file name is asked for in vain.
            QPointer<QFileDialog> asked;
            QTimer::singleShot(200, &frame, [&asked] {
                asked = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (asked)
                    asked->reject();
            });
            MessageBoxAnswer again;
            frame.findChild<QAction*>(QStringLiteral("saveExercise"))->trigger();
            QVERIFY(asked.isNull());
            QCOMPARE(again.text, message.section('|', 1));
        }
    }

    // The view rings every place of the sounding pitch, looking at the output on its own, and
    // the ring goes with the sound.
    void viewRingsTheSoundingNote()
    {
        ScopedWorkDir dir;
        AppState state;
        CMainFrame frame(state);
        CMajor(frame);
        QVERIFY(ShowAndWait(frame));
        CPinto2View* view = frame.View();
        FakeSoundOutput output;
        view->FollowSound(&output, false);
        const QImage plain = view->grab().toImage();
        output.soundingTag = 48; // C3: the A string's third fret, the low E string's eighth
        QTRY_COMPARE(view->RingedPitch(), 48);
        const QImage ringed = view->grab().toImage();
        QRegion rings;
        for (const auto& [string, fret] : {std::pair{1, 3}, std::pair{0, 8}}) {
            rings +=
                FretboardGeometry::DotBox(view->Layout(), 5 - string, fret).adjusted(-6, -6, 6, 6);
        }
        int changed = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) != ringed.pixel(x, y)) {
                    QVERIFY2(rings.contains(QPoint(x, y)),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                    ++changed;
                }
            }
        }
        QVERIFY(changed > 20);
        output.soundingTag = -1;
        QTRY_COMPARE(view->RingedPitch(), -1);
        QCOMPARE(view->grab().toImage(), plain);
        view->FollowSound(nullptr, false);
    }
};

QTEST_MAIN(PracticeTest)
#include "PracticeTest.moc"
