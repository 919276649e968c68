#include "CPlayDlg.h"
#include "AppState.h"
#include "CUpDown.h"
#include "ControlId.h"
#include "FakeSoundOutput.h"
#include "MessageCatcher.h"
#include "PlayerState.h"
#include "PracticeProfile.h"
#include "SchemeFolder.h"
#include "TabWalk.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <memory>

class CPlayDlgTest : public QObject
{
    Q_OBJECT

private:
    // A guitar with C major as the current scale "Major".
    static std::unique_ptr<AppState> MakeState()
    {
        auto state = std::make_unique<AppState>();
        const int tunings[] = {7, 0, 5, 10, 2, 7};
        state->fretboard = std::make_unique<CFretboard>(6, tunings);
        state->fretboard->SetRoot(3, LAYER_SCALE);
        for (int degree : {0, 2, 4, 5, 7, 9, 11}) {
            state->fretboard->ToggleDegree(degree, LAYER_SCALE);
        }
        ScaleRecord major;
        major.name = "Major";
        state->scaleLibrary.records.push_back(major);
        state->scaleLibrary.scaleCount = 1;
        state->currentScale = 0;
        return state;
    }

    // The scheme folder, the guitar above, a player and a fake output; Open() builds the dialog.
    struct Bench
    {
        SchemeFolder folder;
        std::unique_ptr<AppState> state = MakeState();
        PlayerState player;
        FakeSoundOutput output;
        std::unique_ptr<CPlayDlg> dialog;

        CPlayDlg& Open()
        {
            dialog.reset();
            dialog = std::make_unique<CPlayDlg>(*state, player, output);
            return *dialog;
        }
    };

    template <class T> static T* Find(QWidget* dialog, ControlId id)
    {
        T* control = FindById<T>(dialog, id);
        if (!control) {
            qFatal("control %s missing", qPrintable(IdName(id)));
        }
        return control;
    }

    static void Choose(QWidget* dialog, int index)
    {
        auto* combo = Find<QComboBox>(dialog, ControlId::PlayScheme);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    static void TypeBpm(QWidget* dialog, const QString& text)
    {
        auto* box = Find<QLineEdit>(dialog, ControlId::Bpm);
        box->setText(text);
        emit box->textEdited(text);
    }

private slots:
    void opensWithTemplateAndScaleText()
    {
        Bench bench;
        CPlayDlg& dialog = bench.Open();

        QCOMPARE(dialog.objectName(), IdName(ControlId::PlayDialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pinto - Play the scale"));
        QCOMPARE(Find<QPushButton>(&dialog, ControlId::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(Find<QPushButton>(&dialog, ControlId::PlayIt)->text(), QStringLiteral("Play It"));
        QCOMPARE(Find<QPushButton>(&dialog, ControlId::PlayStop)->text(),
                 QStringLiteral("Stop It"));
        QCOMPARE(Find<QRadioButton>(&dialog, ControlId::PlayUpAndDown)->text(),
                 QStringLiteral("Up and Down"));
        QCOMPARE(Find<QCheckBox>(&dialog, ControlId::Loop)->text(), QStringLiteral("Loop"));
        QVERIFY(FindById<CUpDown>(&dialog, ControlId::BpmSpin));
        QCOMPARE(Find<QLineEdit>(&dialog, ControlId::Bpm)->text(), QStringLiteral("120"));

        const QStringList lines =
            Find<QPlainTextEdit>(&dialog, ControlId::PlayText)->toPlainText().split('\n');
        QCOMPARE(lines.value(0), QStringLiteral("C  Major"));
        QCOMPARE(lines.value(1), QStringLiteral("Notes: C  D  E  F  G  A  B "));
        QCOMPARE(lines.value(2), QStringLiteral("Degrees: 1  2  3  4  5  6  7 "));

        auto* combo = Find<QComboBox>(&dialog, ControlId::PlayScheme);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QString());
        QCOMPARE(combo->itemText(1), QStringLiteral("Test Scheme"));
        QCOMPARE(combo->currentIndex(), 0);
    }

    void scaleTextSpelledByKey()
    {
        Bench bench;
        bench.state->fretboard->ShiftRoot(5, LAYER_SCALE); // F major: its fourth is Bb
        bench.state->diagram.spelling = NoteSpelling::Key;
        CPlayDlg& dialog = bench.Open();
        const QStringList lines =
            Find<QPlainTextEdit>(&dialog, ControlId::PlayText)->toPlainText().split('\n');
        QCOMPARE(lines.value(0), QStringLiteral("F  Major"));
        QCOMPARE(lines.value(1), QStringLiteral("Notes: F  G  A  Bb C  D  E "));
    }

    void everyCaptionShowsWhole()
    {
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        QVERIFY(!Find<QPlainTextEdit>(&dialog, ControlId::PlayText)
                     ->verticalScrollBar()
                     ->isVisibleTo(&dialog));
        int captions = 0;
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(control) || qobject_cast<QRadioButton*>(control) ||
                qobject_cast<QCheckBox*>(control)) {
                QVERIFY2(control->sizeHint().width() <= control->width(),
                         qPrintable(control->objectName()));
                ++captions;
            }
        }
        QCOMPARE(captions, 6);
    }

    void tabVisitsTheTemplateOrder_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("radio"); // where Tab enters the direction buttons
        QTest::newRow("no direction yet: the first button")
            << int(PlayDirection::None) << IdName(ControlId::PlayUp);
        QTest::newRow("down") << int(PlayDirection::Down) << IdName(ControlId::PlayDown);
        QTest::newRow("up and down")
            << int(PlayDirection::UpAndDown) << IdName(ControlId::PlayUpAndDown);
    }

    void tabVisitsTheTemplateOrder()
    {
        QFETCH(int, direction);
        QFETCH(QString, radio);
        Bench bench;
        bench.player.direction = static_cast<PlayDirection>(direction);
        CPlayDlg& dialog = bench.Open();
        QWidget* ok = Find<QPushButton>(&dialog, ControlId::Ok);
        using enum ControlId;
        const QStringList forward{
            IdName(PlayScheme), radio,          IdName(Loop),     IdName(PlayText), IdName(Bpm),
            IdName(BpmSpin),    IdName(PlayIt), IdName(PlayStop), IdName(Ok)};
        QCOMPARE(TabWalk(&dialog, ok, forward.size()), forward);
        QStringList backward(forward.rbegin() + 1, forward.rend());
        backward << IdName(Ok);
        QCOMPARE(TabWalk(&dialog, ok, backward.size(), true), backward);
    }

    void scaleTextIsReadOnly()
    {
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        auto* text = Find<QPlainTextEdit>(&dialog, ControlId::PlayText);
        const QString before = text->toPlainText();
        TabWalk(&dialog, Find<QCheckBox>(&dialog, ControlId::Loop), 1);
        QCOMPARE(QApplication::focusWidget(), text);
        QTest::keyClicks(text, QStringLiteral("x 1"));
        QTest::keyClick(text, Qt::Key_Delete);
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(text->toPlainText(), before);
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(&dialog, ControlId::Bpm));
        QCOMPARE(text->palette().color(QPalette::Base), text->palette().color(QPalette::Window));
    }

    void schemeListDropsTo100Pixels()
    {
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* combo = Find<QComboBox>(&dialog, ControlId::PlayScheme);
        combo->showPopup();
        QWidget* popup = combo->view()->window();
        QTRY_VERIFY(popup->isVisible());
        const QRect box(combo->mapToGlobal(QPoint(0, 0)), combo->size());
        QCOMPARE(box.united(popup->geometry()).height(), 100);
        combo->hidePopup();
    }

    void playsTheRunAndStopLetsItRing()
    {
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        Choose(&dialog, 1);
        Find<QRadioButton>(&dialog, ControlId::PlayUp)->click();
        Find<QPushButton>(&dialog, ControlId::PlayIt)->click();
        bench.output.Advance(1000);
        QCOMPARE(bench.output.events.size(), std::size_t(2));
        QCOMPARE(bench.output.events[0].path, std::string("t3.wav"));
        QCOMPARE(bench.output.events[1].path, std::string("t5.wav"));
        Find<QPushButton>(&dialog, ControlId::PlayStop)->click();
        bench.output.Advance(5000);
        QCOMPARE(bench.output.events.size(), std::size_t(2));
        QCOMPARE(bench.output.PendingBeats(), 0);
    }

    void playThatCannotStartSaysWhy_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<bool>("queueFull");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::newRow("no scheme")
            << 0 << false << "Oops!|Select Sound Scheme" << int(QMessageBox::Information);
        QTest::newRow("the sound card takes nothing")
            << 1 << true << "Pinto2|The sound card is not answering, so the sound did not change."
            << int(QMessageBox::Warning);
    }

    void playThatCannotStartSaysWhy()
    {
        QFETCH(int, scheme);
        QFETCH(bool, queueFull);
        QFETCH(QString, message);
        QFETCH(int, icon);
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        Choose(&dialog, scheme);
        bench.output.queueFull = queueFull;
        MessageCatcher catcher;
        Find<QPushButton>(&dialog, ControlId::PlayIt)->click();
        QCOMPARE(catcher.seen, QStringList{message});
        QCOMPARE(catcher.icons, QList<QMessageBox::Icon>{QMessageBox::Icon(icon)});
        bench.output.Advance(5000);
        QVERIFY(bench.output.events.empty());
    }

    void spinSteps_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("up arrow raises") << 120 << -1 << 121;
        QTest::newRow("down arrow lowers") << 11 << 1 << 10;
        QTest::newRow("down arrow stops at 10") << 10 << 1 << 10;
        QTest::newRow("held up arrow") << 120 << -20 << 140;
        QTest::newRow("held down arrow may pass 10") << 12 << 20 << -8;
        QTest::newRow("typed extreme tempo holds") << INT_MAX << -5 << INT_MAX;
    }

    void spinSteps()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        QFETCH(int, expected);
        Bench bench;
        bench.player.bpm = start;
        CPlayDlg& dialog = bench.Open();
        emit Find<CUpDown>(&dialog, ControlId::BpmSpin)->stepped(delta);
        QCOMPARE(Find<QLineEdit>(&dialog, ControlId::Bpm)->text(), QString::number(expected));
        QCOMPARE(bench.player.bpm.load(), expected);
        QCOMPARE(bench.player.periodMs.load(), expected > 0 ? 60000 / expected : 0);
    }

    void tempoBelowOneSchedulesNothing()
    {
        Bench bench;
        bench.player.bpm = 12;
        CPlayDlg& dialog = bench.Open();
        Choose(&dialog, 1);
        emit Find<CUpDown>(&dialog, ControlId::BpmSpin)->stepped(20);
        Find<QPushButton>(&dialog, ControlId::PlayIt)->click();
        QCOMPARE(bench.output.PendingBeats(), 0);
        TypeBpm(&dialog, QStringLiteral("0"));
        Find<QPushButton>(&dialog, ControlId::PlayIt)->click();
        bench.output.Advance(100000);
        QVERIFY(bench.output.events.empty());
    }

    void bpmTyping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bpm");
        QTest::addColumn<int>("warnings");
        QTest::newRow("emptied: on the way") << QString() << 120 << 0;
        QTest::newRow("minus: on the way") << QStringLiteral("-") << 120 << 0;
        QTest::newRow("plus: on the way") << QStringLiteral("+") << 120 << 0;
        QTest::newRow("blanks and a sign: on the way") << QStringLiteral(" - ") << 120 << 0;
        QTest::newRow("digits") << QStringLiteral("9") << 9 << 0;
        QTest::newRow("blanks around a signed number") << QStringLiteral(" +90 ") << 90 << 0;
        QTest::newRow("letters") << QStringLiteral("abc") << 120 << 1;
        QTest::newRow("blank inside") << QStringLiteral("12 3") << 120 << 1;
        QTest::newRow("overflow") << QStringLiteral("99999999999") << 120 << 1;
        QTest::newRow("two signs") << QStringLiteral("+-") << 120 << 1;
        QTest::newRow("letter after digits") << QStringLiteral("9x") << 120 << 1;
    }

    void bpmTyping()
    {
        QFETCH(QString, text);
        QFETCH(int, bpm);
        QFETCH(int, warnings);
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        MessageCatcher catcher;
        TypeBpm(&dialog, text);
        QCOMPARE(catcher.seen.size(), warnings);
        for (const QString& seen : catcher.seen) {
            QCOMPARE(seen, QStringLiteral("Pinto2|Please enter an integer."));
        }
        QCOMPARE(QList<QMessageBox::Icon>(catcher.icons.size(), QMessageBox::Warning),
                 catcher.icons);
        QCOMPARE(bench.player.bpm.load(), bpm);
        QCOMPARE(dialog.Bpm(), bpm);
        QCOMPARE(Find<QLineEdit>(&dialog, ControlId::Bpm)->text(), text);
    }

    void typingASignedTempoShowsNoMessage()
    {
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* box = Find<QLineEdit>(&dialog, ControlId::Bpm);
        box->setFocus();
        box->selectAll();
        MessageCatcher catcher;
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral(" +75"));
        QCOMPARE(catcher.seen, QStringList());
        QCOMPARE(bench.player.bpm.load(), 75);
        QCOMPARE(bench.player.periodMs.load(), 800);
    }

    void okWithBadTempoEndsTheRunAndStaysOpen()
    {
        Bench bench;
        bench.player.direction = PlayDirection::None;
        CPlayDlg& dialog = bench.Open();
        dialog.show();
        Choose(&dialog, 1);
        Find<QPushButton>(&dialog, ControlId::PlayIt)->click();
        Find<QLineEdit>(&dialog, ControlId::Bpm)->setText(QStringLiteral("fast"));
        MessageCatcher catcher;
        Find<QPushButton>(&dialog, ControlId::Ok)->click();
        QCOMPARE(catcher.seen, QStringList{QStringLiteral("Pinto2|Please enter an integer.")});
        QVERIFY(dialog.isVisible());
        QVERIFY(bench.player.stopped.load());
        bench.output.Advance(5000);
        QVERIFY(bench.output.events.empty());
    }

    void closingAnyWayEndsTheRunAndTheSound_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }

    void closingAnyWayEndsTheRunAndTheSound()
    {
        QFETCH(int, how);
        Bench bench;
        bench.player.loop = true;
        CPlayDlg& dialog = bench.Open();
        dialog.show();
        Choose(&dialog, 1);
        Find<QPushButton>(&dialog, ControlId::PlayIt)->click();
        QCOMPARE(bench.output.PendingBeats(), 1);
        if (how == 0) {
            Find<QPushButton>(&dialog, ControlId::Ok)->click();
        } else if (how == 1) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            dialog.close();
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(bench.output.PendingBeats(), 0);
        QVERIFY(bench.player.stopped.load());
        QVERIFY(!bench.output.events.empty());
        QVERIFY(bench.output.events.back().kind == FakeSoundOutput::Kind::Stop);
    }

    void remembersChoicesForTheNextOpening()
    {
        Bench bench;
        {
            CPlayDlg& dialog = bench.Open();
            Choose(&dialog, 2);
            Find<QRadioButton>(&dialog, ControlId::PlayDown)->click();
            Find<QCheckBox>(&dialog, ControlId::Loop)->click();
            TypeBpm(&dialog, QStringLiteral("75"));
            dialog.accept();
        }
        CPlayDlg& again = bench.Open();
        QCOMPARE(Find<QComboBox>(&again, ControlId::PlayScheme)->currentIndex(), 2);
        QCOMPARE(again.Scheme(), 2);
        QVERIFY(Find<QRadioButton>(&again, ControlId::PlayDown)->isChecked());
        QVERIFY(!Find<QRadioButton>(&again, ControlId::PlayUp)->isChecked());
        QVERIFY(Find<QCheckBox>(&again, ControlId::Loop)->isChecked());
        QCOMPARE(Find<QLineEdit>(&again, ControlId::Bpm)->text(), QStringLiteral("75"));
    }

    // The speed trainer kept in the profile: Play It starts at its tempo, the BPM box follows the
    // tempo playing from the start of the second pass, and Stop It shows the start again.
    void trainerTempoShowsInTheBpmBox()
    {
        PracticeSettings practice;
        practice.trainer = true;
        practice.startBpm = 60;
        practice.stepBpm = 20;
        practice.targetBpm = 100;
        PracticeProfile::Save(practice);
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        Choose(&dialog, 1);
        Find<QRadioButton>(&dialog, ControlId::PlayUp)->click();
        Find<QCheckBox>(&dialog, ControlId::Loop)->click();
        QSignalSpy playing(&dialog, &CPlayDlg::playing);
        Find<QPushButton>(&dialog, ControlId::PlayIt)->click();
        auto* bpm = Find<QLineEdit>(&dialog, ControlId::Bpm);
        QCOMPARE(bpm->text(), QStringLiteral("60"));
        QCOMPARE(playing.count(), 1);
        for (int beat = 0; beat < 9; ++beat) { // the whole first pass and the second's first note
            QVERIFY(bench.output.RunNextBeat());
        }
        QTRY_COMPARE(bpm->text(), QStringLiteral("80"));
        QCOMPARE(bench.output.ScheduledDelays().back(), 750);
        Find<QPushButton>(&dialog, ControlId::PlayStop)->click();
        QCOMPARE(bpm->text(), QStringLiteral("60"));
        QSettings().remove(QStringLiteral("Practice"));
    }

    // The pattern kept as what plays, with none placed on the neck: a message and no sound.
    void patternWithoutPlacementSaysSo()
    {
        PracticeSettings practice;
        practice.pattern = true;
        PracticeProfile::Save(practice);
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        Choose(&dialog, 1);
        MessageCatcher catcher;
        Find<QPushButton>(&dialog, ControlId::PlayIt)->click();
        QCOMPARE(catcher.seen, QStringList{QStringLiteral(
                                   "Oops!|Place a pattern on the neck first: Set Pattern, then "
                                   "Find Pattern.")});
        QCOMPARE(bench.output.PendingBeats(), 0);
        QSettings().remove(QStringLiteral("Practice"));
    }

    // The practice settings and the saving open from the context menu; the dialog keeps its
    // controls.
    void contextMenuOffersPracticeAndSaving()
    {
        Bench bench;
        CPlayDlg& dialog = bench.Open();
        QCOMPARE(dialog.contextMenuPolicy(), Qt::ActionsContextMenu);
        QSignalSpy practice(&dialog, &CPlayDlg::practiceRequested);
        QSignalSpy save(&dialog, &CPlayDlg::saveExerciseRequested);
        dialog.findChild<QAction*>(QStringLiteral("practice"))->trigger();
        dialog.findChild<QAction*>(QStringLiteral("saveExercise"))->trigger();
        QCOMPARE(practice.count() + save.count(), 2);
    }
};

QTEST_MAIN(CPlayDlgTest)
#include "CPlayDlgTest.moc"
