#include "CConfigDlg.h"
#include "CUpDown.h"
#include "ControlId.h"
#include "DialogUnits.h"
#include "ModalHelper.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {

// Presses the controls named by one letter each: G B M J (Guitar, Bass, Mandolin, banJo) choose
// an instrument, u and d press the up and down arrow.
void Press(CConfigDlg& dlg, QChar action)
{
    static const QHash<QChar, ControlId> kRadios = {{QLatin1Char('G'), ControlId::Guitar},
                                                    {QLatin1Char('B'), ControlId::Bass},
                                                    {QLatin1Char('M'), ControlId::Mandolin},
                                                    {QLatin1Char('J'), ControlId::Banjo}};
    if (kRadios.contains(action)) {
        FindById<QRadioButton>(&dlg, kRadios[action])->click();
        return;
    }
    auto* upDown = FindById<CUpDown>(&dlg, ControlId::StringSpin);
    const QString arrow =
        action == QLatin1Char('u') ? QStringLiteral("up") : QStringLiteral("down");
    upDown->findChild<QToolButton*>(arrow)->click();
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool IsPure(QRgb pixel, int r, int g, int b)
{
    return qRed(pixel) == r && qGreen(pixel) == g && qBlue(pixel) == b;
}

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

// The sample column of row 0..4: the square around the sample's centre.
QRect SampleArea(const ConfigLegend& legend, int row)
{
    const int h = legend.SampleDiameter() / 2;
    return QRect(legend.CentreX() - h, legend.RowCentreY(row) - h, 2 * h, 2 * h);
}

} // namespace

class CConfigDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void stringCount_data();
    void stringCount();
    void checkBoxToggles_data();
    void checkBoxToggles();
    void legendGeometry();
    void legendSamplesBesideLabels();
    void suppressColorPaintsWhite();
    void viewDotsOffLeavesCharacters();
    void closingKeepsEveryChange_data();
    void closingKeepsEveryChange();
};

void CConfigDlgTest::stringCount_data()
{
    QTest::addColumn<int>("instrument");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QList<int>>("counts");

    QTest::newRow("guitar from 4 sets 6, then 6..7")
        << 2 << 4 << "Gduud" << QList<int>{6, 6, 7, 7, 6};
    QTest::newRow("guitar 7 chosen again is 6") << 1 << 7 << "G" << QList<int>{6};
    QTest::newRow("bass 4, 5, 6 and stays")
        << 1 << 6 << "Buuuddd" << QList<int>{4, 5, 6, 6, 5, 4, 4};
    QTest::newRow("mandolin stays 4") << 1 << 6 << "Mud" << QList<int>{4, 4, 4};
    QTest::newRow("banjo alternates 5 and 4") << 1 << 6 << "Jduud" << QList<int>{5, 4, 5, 5, 4};
    QTest::newRow("guitar 4 from the file rises") << 1 << 4 << "duuuu" << QList<int>{4, 5, 6, 7, 7};
    QTest::newRow("unknown instrument keeps its count") << 9 << 3 << "ud" << QList<int>{3, 3};
}

void CConfigDlgTest::stringCount()
{
    QFETCH(int, instrument);
    QFETCH(int, count);
    QFETCH(QString, actions);
    QFETCH(QList<int>, counts);

    Settings settings;
    settings.instrument = static_cast<Instrument>(instrument);
    settings.stringCount = count;
    CConfigDlg dlg(settings);
    auto* edit = FindById<QLineEdit>(&dlg, ControlId::StringCount);
    QCOMPARE(edit->text(), QString::number(count));
    for (int i = 0; i < actions.size(); ++i) {
        Press(dlg, actions[i]);
        QCOMPARE(settings.stringCount, counts[i]);
        QCOMPARE(edit->text(), QString::number(counts[i]));
    }
}

void CConfigDlgTest::checkBoxToggles_data()
{
    QTest::addColumn<ControlId>("id");
    QTest::addColumn<int>("index");

    QTest::newRow("View dots") << ControlId::ViewDots << 0;
    QTest::newRow("Supress color") << ControlId::SuppressColor << 1;
    QTest::newRow("View scale degrees") << ControlId::ViewDegrees << 2;
    QTest::newRow("View notes") << ControlId::ViewNotes << 3;
    QTest::newRow("Dot Markers") << ControlId::DotMarkers << 4;
}

void CConfigDlgTest::checkBoxToggles()
{
    QFETCH(ControlId, id);
    QFETCH(int, index);

    Settings settings;
    int Settings::*const fields[] = {&Settings::viewDots, &Settings::suppressColor,
                                     &Settings::viewDegrees, &Settings::viewNotes,
                                     &Settings::dotMarkers};
    const int before = settings.*fields[index];
    CConfigDlg dlg(settings);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* check = FindById<QCheckBox>(&dlg, id);
    QCOMPARE(check->isChecked(), before == 1);

    // Each click must repaint the legend with the new setting, whichever widget paints it.
    struct PaintSpy : QObject
    {
        QWidget* window = nullptr;
        QRegion painted;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (event->type() == QEvent::Paint && widget != nullptr && widget->window() == window) {
                painted += static_cast<QPaintEvent*>(event)->region().translated(
                    widget->mapTo(window, QPoint(0, 0)));
            }
            return false;
        }
    } spy;
    spy.window = &dlg;
    QCoreApplication::processEvents();
    qApp->installEventFilter(&spy);
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(settings.*fields[index], before ^ 1);
    QCOMPARE(check->isChecked(), before == 0);
    QTRY_VERIFY(spy.painted.contains(dlg.Legend().LegendRect().center()));
    check->click();
    QCOMPARE(settings.*fields[index], before);
    qApp->removeEventFilter(&spy);
}

void CConfigDlgTest::legendGeometry()
{
    // Template rectangles of the legend box and the two first labels, moved by (4, 30): the
    // samples move with them, centred on each caption's line; the pitch and diameter stay.
    const QRect box = DialogUnits::Rect(7, 7, 81, 100).translated(4, 30);
    const QRect scale = DialogUnits::Rect(35, 22, 36, 8).translated(4, 30);
    const QRect root = DialogUnits::Rect(35, 38, 34, 8).translated(4, 30);
    const ConfigLegend legend(box, scale, root);
    QCOMPARE(legend.RowPitch(), 26);
    QCOMPARE(legend.SampleDiameter(), 13);
    QCOMPARE(legend.CentreX(), (15 + 57) / 2 - 6);
    QCOMPARE(legend.RowCentreY(0), 66 + 13 / 2);
    QCOMPARE(legend.RowCentreY(4), 66 + 13 / 2 + 4 * 26);
    QCOMPARE(legend.LegendRect(), box);
}

void CConfigDlgTest::legendSamplesBesideLabels()
{
    // Whatever frame the platform draws, every sample sits on its label's line, between the
    // legend box's left edge and the label, below the box's title.
    Settings settings;
    CConfigDlg dlg(settings);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const ConfigLegend legend = dlg.Legend();
    const QRect box = FindById<QWidget>(&dlg, ControlId::Legend)->geometry();
    const QRect label = FindById<QWidget>(&dlg, ControlId::LegendScaleNote)->geometry();
    const int h = legend.SampleDiameter() / 2;
    QVERIFY(box.left() < legend.CentreX() - h);
    QVERIFY(legend.CentreX() + h < label.left());
    QVERIFY(box.top() + label.height() < legend.RowCentreY(0) - h);
    for (int row = 0; row < 5; ++row) {
        const int top = label.top() + row * legend.RowPitch();
        QVERIFY2(top <= legend.RowCentreY(row) && legend.RowCentreY(row) <= top + label.height(),
                 qPrintable(QString::number(row)));
    }
}

void CConfigDlgTest::suppressColorPaintsWhite()
{
    Settings settings;
    settings.viewDegrees = 0;
    CConfigDlg dlg(settings);
    const ConfigLegend legend = dlg.Legend();
    const int rgb[4][3] = {{255, 255, 255}, {0, 0, 255}, {255, 0, 0}, {0, 255, 0}};

    QImage image = Snapshot(&dlg);
    for (int row = 0; row < 4; ++row) {
        const QRgb centre = image.pixel(legend.CentreX(), legend.RowCentreY(row));
        QVERIFY2(IsPure(centre, rgb[row][0], rgb[row][1], rgb[row][2]),
                 qPrintable(QString::number(row)));
    }
    QVERIFY(CountPixels(image, SampleArea(legend, 4), IsDark) > 0);

    FindById<QCheckBox>(&dlg, ControlId::SuppressColor)->click();
    image = Snapshot(&dlg);
    for (int row = 0; row < 4; ++row) {
        const QRgb centre = image.pixel(legend.CentreX(), legend.RowCentreY(row));
        QVERIFY2(IsPure(centre, 255, 255, 255), qPrintable(QString::number(row)));
    }
    const auto colored = [](QRgb p) {
        return IsPure(p, 0, 0, 255) || IsPure(p, 255, 0, 0) || IsPure(p, 0, 255, 0);
    };
    QCOMPARE(CountPixels(image, legend.LegendRect(), colored), 0);
}

void CConfigDlgTest::viewDotsOffLeavesCharacters()
{
    Settings settings; // degrees shown, dots shown, colour on
    settings.dotMarkers = 0;
    CConfigDlg dlg(settings);
    const ConfigLegend legend = dlg.Legend();
    const auto isSampleFill = [](QRgb p) {
        return IsPure(p, 255, 255, 255) || IsPure(p, 0, 0, 255) || IsPure(p, 255, 0, 0) ||
               IsPure(p, 0, 255, 0);
    };
    QImage image = Snapshot(&dlg);
    QVERIFY(CountPixels(image, SampleArea(legend, 1), isSampleFill) > 20);

    FindById<QCheckBox>(&dlg, ControlId::ViewDots)->click();
    QCOMPARE(settings.viewDots, 0);
    image = Snapshot(&dlg);
    for (int row = 0; row < 4; ++row) {
        const QRect area = SampleArea(legend, row);
        QCOMPARE(CountPixels(image, area, isSampleFill), 0);
        QVERIFY2(CountPixels(image, area, IsDark) > 3, "the sample character stays");
    }
    // No dot marker either: row 4 is left empty.
    QCOMPARE(CountPixels(image, SampleArea(legend, 4), IsDark), 0);
}

void CConfigDlgTest::closingKeepsEveryChange_data()
{
    QTest::addColumn<QString>("closing");
    QTest::newRow("escape") << "escape";
    QTest::newRow("close box") << "close";
    QTest::newRow("ok") << "ok";
}

void CConfigDlgTest::closingKeepsEveryChange()
{
    QFETCH(QString, closing);

    Settings settings;
    CConfigDlg dlg(settings);
    WhenModal<CConfigDlg>([&](CConfigDlg* shown) {
        FindById<QCheckBox>(shown, ControlId::ViewNotes)->click();
        Press(*shown, QLatin1Char('B'));
        Press(*shown, QLatin1Char('u'));
        if (closing == QLatin1String("escape")) {
            QTest::keyClick(shown, Qt::Key_Escape);
        } else if (closing == QLatin1String("close")) {
            shown->close();
        } else {
            FindById<QPushButton>(shown, ControlId::Ok)->click();
        }
    });
    dlg.exec();
    QCOMPARE(settings.viewNotes, 1);
    QCOMPARE(settings.instrument, Instrument::Bass);
    QCOMPARE(settings.stringCount, 5);
}

QTEST_MAIN(CConfigDlgTest)
#include "CConfigDlgTest.moc"
