#include "CTunerDlg.h"
#include "AppState.h"
#include "ControlId.h"
#include "FakeSoundOutput.h"
#include "MessageCatcher.h"
#include "SchemeFolder.h"
#include "TabWalk.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>
#include <vector>

#include <sys/stat.h>

class CTunerDlgTest : public QObject
{
    Q_OBJECT

private:
    static std::unique_ptr<AppState> MakeState(int instrument, const std::vector<int>& tunings)
    {
        auto state = std::make_unique<AppState>();
        state->settings.instrument = static_cast<Instrument>(instrument);
        state->settings.stringCount = static_cast<int>(tunings.size());
        state->fretboard =
            std::make_unique<CFretboard>(static_cast<int>(tunings.size()), tunings.data());
        return state;
    }

    static void Choose(QWidget* dialog, int index)
    {
        auto* combo = FindById<QComboBox>(dialog, ControlId::TunerScheme);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

private slots:
    void showsSettings_data()
    {
        QTest::addColumn<int>("instrument");
        QTest::addColumn<std::vector<int>>("tunings");
        QTest::addColumn<bool>("fMajorByKey"); // F major on the neck, note names by key
        QTest::addColumn<QString>("text");
        QTest::newRow("6-string guitar")
            << 1 << std::vector<int>{7, 0, 5, 10, 2, 7} << false
            << QStringLiteral("Current settings:\nInstrument: 6 string Guitar\n"
                              "Tuning (low to high): E  A  D  G  B  E  ");
        QTest::newRow("4-string bass")
            << 2 << std::vector<int>{7, 0, 5, 10} << false
            << QStringLiteral("Current settings:\nInstrument: 4 string Bass\n"
                              "Tuning (low to high): E  A  D  G  ");
        QTest::newRow("mandolin in F, the A# string named Bb")
            << 3 << std::vector<int>{10, 3, 8, 1} << true
            << QStringLiteral("Current settings:\nInstrument: 4 string Mandolin\n"
                              "Tuning (low to high): G  C  F  Bb ");
    }

    void showsSettings()
    {
        QFETCH(int, instrument);
        QFETCH(std::vector<int>, tunings);
        QFETCH(bool, fMajorByKey);
        QFETCH(QString, text);
        SchemeFolder folder;
        auto state = MakeState(instrument, tunings);
        if (fMajorByKey) {
            state->fretboard->SetRoot(8, LAYER_SCALE);
            for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
                state->fretboard->ToggleDegree(degree, LAYER_SCALE);
            }
            state->diagram.spelling = NoteSpelling::Key;
        }
        FakeSoundOutput output;
        CTunerDlg dialog(*state, output);
        QCOMPARE(dialog.objectName(), IdName(ControlId::TunerDialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pinto - Tuner"));
        QCOMPARE(FindById<QPlainTextEdit>(&dialog, ControlId::TunerText)->toPlainText(), text);
        QVERIFY(!FindById<QRadioButton>(&dialog, ControlId::TuneToMe)->isEnabled());
        QVERIFY(!FindById<QRadioButton>(&dialog, ControlId::Chromatic)->isEnabled());
        auto* combo = FindById<QComboBox>(&dialog, ControlId::TunerScheme);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), -1);
    }

    void everyCaptionShowsWhole()
    {
        SchemeFolder folder;
        auto state = MakeState(1, {7, 0, 5, 10, 2, 7});
        FakeSoundOutput output;
        CTunerDlg dialog(*state, output);
        QVERIFY(!FindById<QPlainTextEdit>(&dialog, ControlId::TunerText)
                     ->verticalScrollBar()
                     ->isVisibleTo(&dialog));
        int captions = 0;
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(control) || qobject_cast<QRadioButton*>(control)) {
                QVERIFY2(control->sizeHint().width() <= control->width(),
                         qPrintable(control->objectName()));
                ++captions;
            }
        }
        QCOMPARE(captions, 15);
    }

    void noteButtonsLoopTheirEntry()
    {
        SchemeFolder folder;
        auto state = MakeState(1, {7, 0, 5, 10, 2, 7});
        FakeSoundOutput output;
        CTunerDlg dialog(*state, output);
        Choose(&dialog, 1);
        const char* captions[] = {"A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#"};
        for (int note = 0; note < 12; ++note) {
            auto* button = FindById<QRadioButton>(&dialog, CTunerDlg::NoteButtonId(note));
            QVERIFY(button);
            QCOMPARE(button->text(), QString::fromLatin1(captions[note]));
            button->click();
            QVERIFY(button->isChecked());
        }
        QCOMPARE(output.events.size(), std::size_t(12));
        for (int note = 0; note < 12; ++note) {
            QCOMPARE(output.events[note].kind, FakeSoundOutput::Kind::Looped);
            QCOMPARE(output.events[note].path, "t" + std::to_string(note) + ".wav");
        }
        Choose(&dialog, 2);
        FindById<QRadioButton>(&dialog, ControlId::NoteGSharp)->click();
        QCOMPARE(output.events.back().path, std::string("o11.wav"));
    }

    void tabVisitsTheTemplateOrder_data()
    {
        QTest::addColumn<int>("played");   // note clicked before, -1 for none
        QTest::addColumn<QString>("note"); // where Tab enters the note buttons
        QTest::newRow("nothing played: A") << -1 << IdName(ControlId::NoteA);
        QTest::newRow("after G#: G#") << 11 << IdName(ControlId::NoteGSharp);
        QTest::newRow("after C: C, whose id follows Stop It") << 3 << IdName(ControlId::NoteC);
    }

    void tabVisitsTheTemplateOrder()
    {
        QFETCH(int, played);
        QFETCH(QString, note);
        SchemeFolder folder;
        auto state = MakeState(1, {7, 0, 5, 10, 2, 7});
        FakeSoundOutput output;
        CTunerDlg dialog(*state, output);
        Choose(&dialog, 1);
        if (played >= 0) {
            FindById<QRadioButton>(&dialog, CTunerDlg::NoteButtonId(played))->click();
        }
        QWidget* ok = FindById<QPushButton>(&dialog, ControlId::Ok);
        using enum ControlId;
        const QStringList forward{IdName(TunerText), IdName(TunerStop), note, IdName(TunerScheme),
                                  IdName(Ok)};
        QCOMPARE(TabWalk(&dialog, ok, forward.size()), forward);
        const QStringList backward{IdName(TunerScheme), note, IdName(TunerStop), IdName(TunerText),
                                   IdName(Ok)};
        QCOMPARE(TabWalk(&dialog, ok, backward.size(), true), backward);
    }

    void arrowKeysPlayTheNeighbouringNote()
    {
        SchemeFolder folder;
        auto state = MakeState(1, {7, 0, 5, 10, 2, 7});
        FakeSoundOutput output;
        CTunerDlg dialog(*state, output);
        Choose(&dialog, 1);
        FindById<QRadioButton>(&dialog, ControlId::NoteB)->click(); // B
        TabWalk(&dialog, FindById<QPushButton>(&dialog, ControlId::TunerStop), 1);
        QCOMPARE(QApplication::focusWidget()->objectName(), IdName(ControlId::NoteB));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(output.events.back().path, std::string("t3.wav")); // C
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(output.events.back().path, std::string("t9.wav")); // F# below C
        auto* text = FindById<QPlainTextEdit>(&dialog, ControlId::TunerText);
        const QString before = text->toPlainText();
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("E4"));
        QCOMPARE(text->toPlainText(), before);
    }

    void noSchemeShowsTheGuard()
    {
        SchemeFolder folder;
        auto state = MakeState(1, {7, 0, 5, 10, 2, 7});
        FakeSoundOutput output;
        CTunerDlg dialog(*state, output);
        MessageCatcher catcher;
        FindById<QRadioButton>(&dialog, ControlId::NoteA)->click();
        Choose(&dialog, 0);
        FindById<QRadioButton>(&dialog, ControlId::NoteA)->click();
        QCOMPARE(catcher.seen, (QStringList{QStringLiteral("Oops!|Select Sound Scheme"),
                                            QStringLiteral("Oops!|Select Sound Scheme")}));
        QVERIFY(output.events.empty());
    }

    void missingSamplesNamedTheFirstTimeTheSchemeIsChosen()
    {
        SchemeFolder folder;
        QFile::remove(QStringLiteral("o5.wav"));
        QFile::remove(QStringLiteral("t3.wav"));
        QCOMPARE(::mkfifo("t3.wav", 0666), 0);
        auto state = MakeState(1, {7, 0, 5, 10, 2, 7});
        FakeSoundOutput output;
        CTunerDlg dialog(*state, output);
        MessageCatcher catcher;
        Choose(&dialog, 1);
        Choose(&dialog, 2);
        Choose(&dialog, 2);
        QCOMPARE(
            catcher.seen,
            (QStringList{QStringLiteral("Sound Scheme|The samples of \"Test Scheme\" cannot be "
                                        "played: t3.wav: Not a regular file."),
                         QStringLiteral("Sound Scheme|The samples of \"Other\" cannot be "
                                        "found: o5.wav is missing.")}));
    }

    void stopAndClosingSilence_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Stop It") << 0 << false;
        QTest::newRow("OK") << 1 << true;
        QTest::newRow("Escape") << 2 << true;
        QTest::newRow("close box") << 3 << true;
    }

    void stopAndClosingSilence()
    {
        QFETCH(int, how);
        QFETCH(bool, closes);
        SchemeFolder folder;
        auto state = MakeState(1, {7, 0, 5, 10, 2, 7});
        FakeSoundOutput output;
        CTunerDlg dialog(*state, output);
        dialog.show();
        Choose(&dialog, 1);
        FindById<QRadioButton>(&dialog, ControlId::NoteE)->click();
        switch (how) {
        case 0:
            FindById<QPushButton>(&dialog, ControlId::TunerStop)->click();
            break;
        case 1:
            FindById<QPushButton>(&dialog, ControlId::Ok)->click();
            break;
        case 2:
            QTest::keyClick(&dialog, Qt::Key_Escape);
            break;
        default:
            dialog.close();
        }
        QCOMPARE(output.events.size(), std::size_t(2));
        QCOMPARE(output.events[0].path, std::string("t7.wav"));
        QCOMPARE(output.events[1].kind, FakeSoundOutput::Kind::Stop);
        QCOMPARE(dialog.isVisible(), !closes);
    }
};

QTEST_MAIN(CTunerDlgTest)
#include "CTunerDlgTest.moc"
