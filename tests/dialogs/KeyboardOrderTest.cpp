#include "CConfigDlg.h"
#include "CFretboard.h"
#include "CNameDlg.h"
#include "CPatternDlg.h"
#include "CUpDown.h"
#include "ControlId.h"
#include "ModalHelper.h"
#include "TabWalk.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// Tab and Shift+Tab through the configuration, pattern setup and name dialogs: every control
// with a tab stop in the template's order, radio groups entered at their checked button.
class KeyboardOrderTest : public QObject
{
    Q_OBJECT

private slots:
    void fullCycle_data();
    void fullCycle();
    void configurationByKeyboardAlone();
};

void KeyboardOrderTest::fullCycle_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("instrument");
    QTest::addColumn<QStringList>("order"); // after OK, ending on OK

    using enum ControlId;
    const auto names = [](std::initializer_list<ControlId> ids) {
        QStringList list;
        for (ControlId id : ids) {
            list << IdName(id);
        }
        return list;
    };
    const QStringList checks = names({ViewDots, SuppressColor, ViewDegrees, ViewNotes, DotMarkers});
    QTest::newRow("configuration, guitar")
        << "config" << 1 << checks + names({Guitar, StringSpin, Ok});
    QTest::newRow("configuration, banjo: its radio button")
        << "config" << 4 << checks + names({Banjo, StringSpin, Ok});
    QTest::newRow("configuration, unknown instrument: the first radio button")
        << "config" << 9 << checks + names({Guitar, StringSpin, Ok});
    QTest::newRow("pattern setup")
        << "pattern" << 0 << names({SavePattern, ForgetPattern, PatternList, Ok});
    QTest::newRow("name entry") << "name" << 0 << names({NameEdit, Ok});
}

void KeyboardOrderTest::fullCycle()
{
    QFETCH(QString, dialog);
    QFETCH(int, instrument);
    QFETCH(QStringList, order);
    ScopedWorkDir dir;
    Settings settings;
    settings.instrument = static_cast<Instrument>(instrument);
    const int tunings[6] = {7, 0, 5, 10, 2, 7};
    CFretboard board(6, tunings);
    PatternGrid grid{};
    std::string name;
    std::unique_ptr<QDialog> dlg;
    if (dialog == QLatin1String("config")) {
        dlg = std::make_unique<CConfigDlg>(settings);
    } else if (dialog == QLatin1String("pattern")) {
        dlg = std::make_unique<CPatternDlg>(board, grid, name);
    } else {
        dlg = std::make_unique<CNameDlg>();
    }
    QWidget* ok = FindById<QPushButton>(dlg.get(), ControlId::Ok);
    QCOMPARE(TabWalk(dlg.get(), ok, order.size()), order);
    QStringList backward(order.rbegin() + 1, order.rend());
    backward << IdName(ControlId::Ok);
    QCOMPARE(TabWalk(dlg.get(), ok, backward.size(), true), backward);
}

void KeyboardOrderTest::configurationByKeyboardAlone()
{
    Settings settings; // a six-string guitar
    CConfigDlg dlg(settings);
    TabWalk(&dlg, FindById<QWidget>(&dlg, ControlId::DotMarkers), 1);
    QCOMPARE(QApplication::focusWidget()->objectName(), IdName(ControlId::Guitar));
    // The arrow keys move through the instruments and choose them.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget()->objectName(), IdName(ControlId::Bass));
    QCOMPARE(settings.instrument, Instrument::Bass);
    QCOMPARE(settings.stringCount, 4);
    // The spin takes the Up key, shows that it has the focus, and the count shows the result.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* spin = FindById<CUpDown>(&dlg, ControlId::StringSpin);
    QCOMPARE(QApplication::focusWidget(), spin);
    const QImage marked = spin->grab().toImage();
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(settings.stringCount, 5);
    auto* count = FindById<QLineEdit>(&dlg, ControlId::StringCount);
    QCOMPARE(count->text(), QStringLiteral("5"));
    QVERIFY(count->isReadOnly());
    QCOMPARE(count->palette().color(QPalette::Base), count->palette().color(QPalette::Window));
    // Without the focus the spin looks different: the focus mark is gone.
    QTest::keyClick(spin, Qt::Key_Tab);
    QVERIFY(!spin->hasFocus());
    QVERIFY(spin->grab().toImage() != marked);
    // Space ticks a check box, Escape closes and keeps it all.
    TabWalk(&dlg, FindById<QWidget>(&dlg, ControlId::Ok), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(settings.viewDots, 0);
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(settings.instrument, Instrument::Bass);
}

QTEST_MAIN(KeyboardOrderTest)
#include "KeyboardOrderTest.moc"
