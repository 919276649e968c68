#include "CNameDlg.h"

#include "ControlId.h"
#include "DialogUnits.h"

#include <QLineEdit>
#include <QPushButton>

CNameDlg::CNameDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_edit(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Pinto - Save scale or pattern as"));
    setModal(true);
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(236, 30));

    m_edit->setObjectName(IdName(1034));
    m_edit->setMaxLength(32767);
    DialogUnits::Place(m_edit, 7, 7, 158, 16);

    auto* ok = DialogUnits::Create<QPushButton>(this, 1, 179, 7, 50, 14);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CNameDlg::accept);

    m_edit->setFocus();
}

std::string CNameDlg::CutName(const QString& text)
{
    std::u32string characters = text.toStdU32String();
    if (characters.size() > static_cast<std::size_t>(kMaxNameLength)) {
        characters.resize(kMaxNameLength);
    }
    std::string name = QString::fromStdU32String(characters).toStdString();
    while (name.size() > static_cast<std::size_t>(kMaxNameLength) && !characters.empty()) {
        characters.pop_back();
        name = QString::fromStdU32String(characters).toStdString();
    }
    return name;
}

void CNameDlg::accept()
{
    m_name = CutName(m_edit->text());
    QDialog::accept();
}

void CNameDlg::reject()
{
    m_name.clear();
    QDialog::reject();
}
