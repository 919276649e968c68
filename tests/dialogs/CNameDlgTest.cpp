#include "CNameDlg.h"
#include "ControlId.h"
#include "ModalHelper.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class CNameDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void result_data();
    void result();
    void cutKeepsWholeCharacters();
};

void CNameDlgTest::result_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("expected");

    const QString long120 = QString(60, QLatin1Char('a')) + QString(60, QLatin1Char('b'));
    QTest::newRow("ok keeps the text") << "Dorian"
                                       << "ok"
                                       << "Dorian";
    QTest::newRow("enter confirms") << "Dorian"
                                    << "enter"
                                    << "Dorian";
    QTest::newRow("120 characters give the first 99") << long120 << "ok" << long120.left(99);
    QTest::newRow("spaces are kept") << "  two spaces  "
                                     << "ok"
                                     << "  two spaces  ";
    QTest::newRow("empty edit") << ""
                                << "ok"
                                << "";
    QTest::newRow("escape forgets the text") << "Dorian"
                                             << "escape"
                                             << "";
    QTest::newRow("close box forgets the text") << "Dorian"
                                                << "close"
                                                << "";
}

void CNameDlgTest::result()
{
    QFETCH(QString, typed);
    QFETCH(QString, closing);
    QFETCH(QString, expected);

    CNameDlg dlg;
    WhenModal<CNameDlg>([&](CNameDlg* shown) {
        auto* edit = FindById<QLineEdit>(shown, 1034);
        QTest::keyClicks(edit, typed);
        if (closing == QLatin1String("ok")) {
            FindById<QPushButton>(shown, 1)->click();
        } else if (closing == QLatin1String("enter")) {
            QTest::keyClick(edit, Qt::Key_Return);
        } else if (closing == QLatin1String("escape")) {
            QTest::keyClick(edit, Qt::Key_Escape);
        } else {
            shown->close();
        }
    });
    const int code = dlg.exec();
    QCOMPARE(code, closing == QLatin1String("ok") || closing == QLatin1String("enter")
                       ? int(QDialog::Accepted)
                       : int(QDialog::Rejected));
    QCOMPARE(QString::fromStdString(dlg.Name()), expected);
}

void CNameDlgTest::cutKeepsWholeCharacters()
{
    // 98 ASCII characters and a two-byte one fit 99 characters but not 99 bytes.
    const QString text = QString(98, QLatin1Char('x')) + QString::fromUtf8("\xc3\xa9");
    const std::string name = CNameDlg::CutName(text);
    QCOMPARE(name, std::string(98, 'x'));
    QCOMPARE(CNameDlg::CutName(QString::fromUtf8("\xc3\xa9t\xc3\xa9")),
             std::string("\xc3\xa9t\xc3\xa9"));
}

QTEST_MAIN(CNameDlgTest)
#include "CNameDlgTest.moc"
