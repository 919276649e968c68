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
    QTest::newRow("blanks only are no name") << "   "
                                             << "ok"
                                             << "";
    const QString umlauts60 = QString(60, QChar(0xFC));
    QTest::newRow("60 two-byte characters stay whole") << umlauts60 << "ok" << umlauts60;
    QTest::newRow("120 two-byte characters give 99")
        << QString(120, QChar(0xFC)) << "ok" << QString(99, QChar(0xFC));
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
        auto* edit = FindById<QLineEdit>(shown, ControlId::NameEdit);
        bool ascii = true;
        for (const QChar c : typed) {
            ascii = ascii && c.unicode() < 128;
        }
        if (ascii) {
            QTest::keyClicks(edit, typed);
        } else {
            edit->insert(typed); // as typed or pasted, within the edit's maximum length
        }
        if (closing == QLatin1String("ok")) {
            FindById<QPushButton>(shown, ControlId::Ok)->click();
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
    CNameDlg dlg;
    auto* edit = FindById<QLineEdit>(&dlg, ControlId::NameEdit);
    QCOMPARE(edit->maxLength(), 99);
    // A character beyond 16 bits takes two units of the edit but counts as one.
    const QString guitar = QString::fromUtf8("\xf0\x9f\x8e\xb8");
    QString emoji;
    for (int i = 0; i < 120; ++i) {
        emoji += guitar;
    }
    for (int i = 0; i < 100; ++i) {
        edit->insert(guitar);
    }
    QCOMPARE(edit->text().toStdU32String().size(), std::size_t{99});
    QCOMPARE(CNameDlg::CutName(emoji).size(), std::size_t{99 * 4});
    QCOMPARE(CNameDlg::CutName(QString(98, QLatin1Char('x')) + QString::fromUtf8("\xc3\xa9yz")),
             std::string(98, 'x') + "\xc3\xa9");
    QCOMPARE(CNameDlg::CutName(QStringLiteral(" \t ")), std::string());
}

QTEST_MAIN(CNameDlgTest)
#include "CNameDlgTest.moc"
