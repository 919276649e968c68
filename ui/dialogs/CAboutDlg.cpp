#include "CAboutDlg.h"

#include "ControlId.h"
#include "DialogUnits.h"
#include "PintoVersion.h"
#include "SvgIcon.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(IdName(ControlId::AboutDialog));
    setWindowTitle(QStringLiteral("About Pinto"));
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(235, 62));

    auto* icon = new QLabel(this);
    icon->setPixmap(
        SvgIcon::Load(QStringLiteral(":/icons/pinto.svg"), QSize(32, 32)).pixmap(32, 32));
    icon->setGeometry(DialogUnits::Rect(11, 17, 20, 20));

    auto* name =
        new QLabel(QStringLiteral("Pinto ver ") + QString::fromLatin1(PINTO_VERSION), this);
    DialogUnits::Place(name, 40, 10, 119, 8);
    auto* purpose =
        new QLabel(QStringLiteral("Shows scales, overlays and patterns on the neck of a fretted "
                                  "instrument."),
                   this);
    purpose->setWordWrap(true);
    DialogUnits::Place(purpose, 40, 25, 140, 26);

    auto* ok = DialogUnits::Create<QPushButton>(this, ControlId::Ok, 186, 7, 42, 14);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
