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

    m_edit->setObjectName(IdName(ControlId::NameEdit));
    m_edit->setMaxLength(kMaxNameLength);
    // The edit counts UTF-16 units; a character beyond the 16-bit range takes two of them.
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_edit->setMaxLength(kMaxNameLength + static_cast<int>(text.size()) -
                             static_cast<int>(text.toStdU32String().size()));
    });
    DialogUnits::Place(m_edit, 7, 7, 158, 16);

    auto* ok = DialogUnits::Create<QPushButton>(this, ControlId::Ok, 179, 7, 50, 14);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CNameDlg::accept);

    m_edit->setFocus();
}

std::string CNameDlg::CutName(const QString& text)
{
    std::u32string characters;
    for (const char32_t character : text.toStdU32String()) {
        // Half of a surrogate pair, as an edit cut at its length may leave, is no character.
        if (character != 0xFFFD || text.contains(QChar(0xFFFD))) {
            characters.push_back(character);
        }
    }
    if (characters.size() > static_cast<std::size_t>(kMaxNameLength)) {
        characters.resize(kMaxNameLength);
    }
    // Blanks alone would make a name line that the files skip as white space: no name at all.
    const QString name = QString::fromStdU32String(characters);
    return name.trimmed().isEmpty() ? std::string() : name.toStdString();
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
