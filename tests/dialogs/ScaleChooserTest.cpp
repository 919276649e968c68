// The scale chooser as the window opens it: finding a scale by words of its names, choosing it as
// the list would, and the notes it shows.
#include "AppState.h"
#include "CMainFrame.h"
#include "COverlayScaleNameBar.h"
#include "CScaleChooserDlg.h"
#include "ModalHelper.h"
#include "ScaleVocabularyReader.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// What the test does in the chooser after typing: keys to press, or a double-click on the
// selected scale.
constexpr int kDoubleClick = -1;

// A main frame with the installed scales, as started with --home, in an empty working folder.
struct Fixture
{
    ScopedWorkDir dir;
    AppState state;
    std::unique_ptr<CMainFrame> frame;

    Fixture()
    {
        std::vector<std::string> faults;
        ScaleVocabularyReader::Read(PINTO_SCALE_VOCABULARY, state.installedScales, faults);
        frame = std::make_unique<CMainFrame>(state);
    }
};

// Opens the chooser with open and, once it shows, types typed and then presses keys.
void Choose(const std::function<void()>& open, const QString& typed, const QList<int>& keys)
{
    WhenModal<CScaleChooserDlg>([typed, keys](CScaleChooserDlg* dlg) {
        auto* filter = dlg->findChild<QLineEdit*>(QStringLiteral("scaleFilter"));
        QTest::keyClicks(filter, typed);
        for (int key : keys) {
            if (key == kDoubleClick) {
                auto* tree = dlg->findChild<QTreeWidget*>(QStringLiteral("scaleTree"));
                emit tree->itemActivated(tree->currentItem(), 0);
            } else {
                QTest::keyClick(filter, static_cast<Qt::Key>(key));
            }
        }
        if (dlg->isVisible()) {
            dlg->reject();
        }
    });
    open();
}

} // namespace

class ScaleChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void choosesAsTheListDoes_data();
    void choosesAsTheListDoes();
    void notesAsTheDiagramSpellsThem();
};

void ScaleChooserTest::choosesAsTheListDoes_data()
{
    QTest::addColumn<bool>("overlay"); // opened from the overlay bar's button
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("chosen"); // the list's entry afterwards

    QTest::newRow("words in any order, Enter")
        << false << "dom LYD" << QList<int>{Qt::Key_Return} << "Lydian Dominant";
    QTest::newRow("Escape changes nothing")
        << false << "lyd dom" << QList<int>{Qt::Key_Escape} << "";
    QTest::newRow("arrow down while typing")
        << false << "pent" << QList<int>{Qt::Key_Down, Qt::Key_Return} << "Minor Pentatonic";
    QTest::newRow("double-click") << false << "altered bb" << QList<int>{kDoubleClick}
                                  << "Altered bb7";
    QTest::newRow("a whole name, not the first word match")
        << false << "major" << QList<int>{Qt::Key_Return} << "Major";
    QTest::newRow("overlay bar") << true << "hira" << QList<int>{Qt::Key_Enter} << "Hirajoshi";
}

void ScaleChooserTest::choosesAsTheListDoes()
{
    QFETCH(bool, overlay);
    QFETCH(QString, typed);
    QFETCH(QList<int>, keys);
    QFETCH(QString, chosen);
    Fixture f;
    CMainFrame& frame = *f.frame;
    frame.State().modulationSteps = 2;
    const auto open = [&frame, overlay] {
        if (overlay) {
            frame.findChild<QToolButton*>(QStringLiteral("chooseOverlayScale"))->click();
        } else {
            frame.findChild<QAction*>(QStringLiteral("chooseScale"))->trigger();
        }
    };
    Choose(open, typed, keys);
    QComboBox* list = overlay ? frame.OverlayList() : frame.ScaleList();
    QCOMPARE(list->currentText(), chosen);
    const int current = overlay ? f.state.overlayScale : f.state.currentScale;
    if (chosen.isEmpty()) {
        QCOMPARE(current, -1);
        QCOMPARE(f.state.modulationSteps, 2);
        return;
    }
    // As the list applies it: the record's degrees, the boxes ticked, the search reset.
    QCOMPARE(f.state.scaleLibrary.Record(current)->name, chosen.toStdString());
    const std::array<int, 12>& degrees =
        overlay ? f.state.fretboard->overlayDegrees : f.state.fretboard->scaleDegrees;
    for (int d = 0; d < 12; ++d) {
        QCOMPARE(degrees[d] != 0, f.state.scaleLibrary.Record(current)->degrees[d] != 0);
    }
    QCOMPARE(f.state.modulationSteps, 0);
}

void ScaleChooserTest::notesAsTheDiagramSpellsThem()
{
    Fixture f;
    DiagramOptions options = f.state.diagram;
    options.spelling = NoteSpelling::Key;
    options.degreeNaming = DegreeNaming::FlatsAndSharps;
    f.frame->SetDiagramOptions(options);
    f.state.fretboard->SetRoot(3, LAYER_SCALE); // C
    QString notes;
    WhenModal<CScaleChooserDlg>([&notes](CScaleChooserDlg* dlg) {
        QTest::keyClicks(dlg->findChild<QLineEdit*>(QStringLiteral("scaleFilter")), "lydian aug");
        notes = dlg->findChild<QLabel*>(QStringLiteral("scaleNotes"))->text();
        dlg->reject();
    });
    f.frame->findChild<QAction*>(QStringLiteral("chooseScale"))->trigger();
    QCOMPARE(notes,
             QStringLiteral("C Lydian Augmented: C D E F# G# A B\nDegrees: 1 2 3 #4 #5 6 7"));
    f.frame->SetDiagramOptions(DiagramOptions{});
}

QTEST_MAIN(ScaleChooserTest)
#include "ScaleChooserTest.moc"
