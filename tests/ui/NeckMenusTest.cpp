#include "AppState.h"
#include "CFretRangeDlg.h"
#include "CMainFrame.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

namespace {

QAction* Action(CMainFrame& frame, const char* name)
{
    return frame.findChild<QAction*>(QString::fromLatin1(name));
}

std::array<int, 12> Flags(std::initializer_list<int> degrees)
{
    std::array<int, 12> flags{};
    for (int degree : degrees) {
        flags[static_cast<std::size_t>(degree)] = 1;
    }
    return flags;
}

} // namespace

// The Scale menu's Tunings, Capo and Chord on Degree, and the Diagram menu's fret range.
class NeckMenusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QSettings().clear(); }
    void tuningPresets();
    void capoNamesTheSoundingNotes();
    void chordOnDegreeAndBack();
    void fretRangeDialogRefuses_data();
    void fretRangeDialogRefuses();

private:
    QTemporaryDir m_profileDir;
};

void NeckMenusTest::initTestCase()
{
    QVERIFY(m_profileDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_profileDir.path());
}

void NeckMenusTest::tuningPresets()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QVERIFY(Action(frame, "tuningGuitar6Standard")->isChecked());
    Action(frame, "tuningGuitar6DADGAD")->trigger();
    QCOMPARE(TuningLabels(frame), QStringList({"D ", "A ", "G ", "D ", "A ", "D ", "  "}));
    QVERIFY(Action(frame, "tuningGuitar6DADGAD")->isChecked());
    QVERIFY(!Action(frame, "customTuning")->isChecked());
    ClickArrow(frame, TuningSpinId(0), "up");
    QVERIFY(Action(frame, "customTuning")->isChecked());
    QVERIFY(!Action(frame, "tuningGuitar6DADGAD")->isChecked());

    // A preset of another instrument strings the board as that instrument.
    Action(frame, "tuningBass4DropD")->trigger();
    QCOMPARE(state.settings.instrument, Instrument::Bass);
    QCOMPARE(state.settings.stringCount, 4);
    QCOMPARE(TuningLabels(frame), QStringList({"G ", "D ", "A ", "D ", "  ", "  ", "  "}));
    emit frame.findChild<QMenu*>(QStringLiteral("tuningsMenu"))->aboutToShow();
    QVERIFY(Action(frame, "tuningBass4DropD")->isChecked());
}

void NeckMenusTest::capoNamesTheSoundingNotes()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    // Three frets must stay above the capo of a 12-fret neck.
    QVERIFY(Action(frame, "capo9")->isEnabled());
    QVERIFY(!Action(frame, "capo10")->isEnabled());
    QVERIFY(Action(frame, "capo10")->toolTip().contains(QStringLiteral("fewer than 3 frets")));
    Action(frame, "frets24")->trigger();
    QVERIFY(Action(frame, "capo12")->isEnabled());

    Action(frame, "capo2")->trigger();
    QCOMPARE(state.fretboard->GetCapo(), 2);
    QCOMPARE(TuningLabels(frame), QStringList({"F#", "C#", "A ", "E ", "B ", "F#", "  "}));
    Action(frame, "capoShapes")->trigger();
    QCOMPARE(TuningLabels(frame), QStringList({"E ", "B ", "G ", "D ", "A ", "E ", "  "}));
    QCOMPARE(QSettings().value(QStringLiteral("Diagram/Capo")).toInt(), 2);

    // A clicked fret below the capo changes nothing; one above it does.
    frame.ToggleDegreeAt(0, 1);
    QCOMPARE(state.fretboard->scaleDegrees, (std::array<int, 12>{}));
    frame.ToggleDegreeAt(0, 2);
    QCOMPARE(state.fretboard->scaleDegrees, Flags({9}));
    // A neck too short for the capo takes it off.
    Action(frame, "capo12")->trigger();
    Action(frame, "frets12")->trigger();
    QCOMPARE(state.fretboard->GetCapo(), 0);
    QVERIFY(Action(frame, "capoNone")->isChecked());
}

void NeckMenusTest::chordOnDegreeAndBack()
{
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    CFretboard& board = *state.fretboard;
    ClickArrow(frame, ControlId::RootSpin, "up", 3); // A to C
    frame.ApplyScaleSelection(frame.ScaleList()->findText(QStringLiteral("Major")));
    const int pentatonic = frame.OverlayList()->findText(QStringLiteral("Minor Pentatonic"));
    frame.ApplyOverlaySelection(pentatonic);
    QCOMPARE(Action(frame, "chordTriad7")->text(), QStringLiteral("vii°: Bdim"));

    Action(frame, "chordSeventh5")->trigger();
    QCOMPARE(frame.OverlayList()->currentIndex(), -1);
    QCOMPARE(frame.OverlayList()->placeholderText(), QStringLiteral("V: G7"));
    QCOMPARE(Text(frame, ControlId::OverlayRootLabel), QStringLiteral("G "));
    QCOMPARE(board.overlayDegrees, Flags({0, 4, 7, 10}));
    QVERIFY(board.chordTones);
    QCOMPARE(state.chordName, std::string("V: G7"));

    // The chord follows the scale to its new root.
    ClickArrow(frame, ControlId::RootSpin, "up", 2);
    QCOMPARE(frame.OverlayList()->placeholderText(), QStringLiteral("V: A7"));

    // Chosen again, it gives the user's overlay back.
    Action(frame, "chordSeventh5")->trigger();
    QCOMPARE(frame.OverlayList()->currentIndex(), pentatonic);
    QCOMPARE(board.overlayDegrees, Flags({0, 3, 5, 7, 10}));
    QCOMPARE(Text(frame, ControlId::OverlayRootLabel), QStringLiteral("A "));
    QVERIFY(!board.chordTones && state.chordName.empty());
    QVERIFY(Action(frame, "chordNone")->isChecked());

    frame.ApplyScaleSelection(pentatonic);
    QAction* chords = frame.findChild<QMenu*>(QStringLiteral("chordMenu"))->menuAction();
    QVERIFY(!chords->isEnabled());
    QCOMPARE(chords->toolTip(),
             QStringLiteral("Chords are built on scales of seven notes; this one has 5."));
}

void NeckMenusTest::fretRangeDialogRefuses_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("fromReason");
    QTest::addColumn<QString>("toReason");

    QTest::newRow("5 to 9") << 5 << 9 << QString() << QString();
    QTest::newRow("9 to 3, too few frets")
        << 9 << 3 << QString() << "Show at least 4 frets: end at fret 12 or higher.";
    QTest::newRow("beyond the neck") << 5 << 13 << QString() << "The neck ends at fret 12.";
    QTest::newRow("start too high") << 10 << 12 << "Start at fret 0 to 9." << QString();
}

void NeckMenusTest::fretRangeDialogRefuses()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, fromReason);
    QFETCH(QString, toReason);
    ScopedWorkDir dir;
    AppState state;
    CMainFrame frame(state);
    QTimer::singleShot(0, &frame, [=] {
        auto* dialog = qobject_cast<CFretRangeDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->findChild<QSpinBox*>(QStringLiteral("fromFret"))->setValue(from);
        dialog->findChild<QSpinBox*>(QStringLiteral("toFret"))->setValue(to);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("fromReason"))->text(), fromReason);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("toReason"))->text(), toReason);
        auto* ok = FindById<QPushButton>(dialog, ControlId::Ok);
        QCOMPARE(ok->isEnabled(), fromReason.isEmpty() && toReason.isEmpty());
        dialog->accept();
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    Action(frame, "fretRange")->trigger();
    const bool taken = fromReason.isEmpty() && toReason.isEmpty();
    QCOMPARE(state.diagram.fromFret, taken ? from : 0);
    QCOMPARE(state.fretboard->RangeLast(), taken ? to : 12);
    if (taken) {
        Action(frame, "wholeNeck")->trigger();
        QCOMPARE((QList<int>{state.diagram.fromFret, state.fretboard->RangeLast()}),
                 (QList<int>{0, 12}));
    }
}

QTEST_MAIN(NeckMenusTest)
#include "NeckMenusTest.moc"
