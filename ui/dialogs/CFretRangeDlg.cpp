#include "CFretRangeDlg.h"

#include "ControlId.h"
#include "DialogUnits.h"
#include "NeckLimits.h"
#include "Notes.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

// A caption in front of a field, its buddy for the underlined key.
QLabel* Caption(QWidget* parent, const char* text, QWidget* buddy, int y)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    DialogUnits::Place(label, 7, y + 3, 44, 8);
    label->setBuddy(buddy);
    return label;
}

// The place beside a field where its refusal is written.
QLabel* Reason(QWidget* parent, const char* name, int y)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    DialogUnits::Place(label, 90, y, 163, 20);
    return label;
}

} // namespace

CFretRangeDlg::CFretRangeDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_from(new QSpinBox(this)), m_to(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Pinto - Fret Range"));
    setObjectName(QStringLiteral("fretRangeDialog"));
    setModal(true);
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(260, 80));

    for (QSpinBox* field : {m_from, m_to}) {
        // Wider than allowed, so that a value out of reach is refused with its reason.
        field->setRange(0, MAX_FRETS);
        connect(field, &QSpinBox::valueChanged, this, &CFretRangeDlg::Check);
    }
    m_from->setObjectName(QStringLiteral("fromFret"));
    m_to->setObjectName(QStringLiteral("toFret"));
    DialogUnits::Place(m_from, 54, 7, 30, 14);
    DialogUnits::Place(m_to, 54, 31, 30, 14);
    Caption(this, "&From fret", m_from, 7);
    Caption(this, "&To fret", m_to, 31);
    m_fromReason = Reason(this, "fromReason", 7);
    m_toReason = Reason(this, "toReason", 31);

    m_ok = DialogUnits::Create<QPushButton>(this, ControlId::Ok, 149, 59, 50, 14);
    m_ok->setText(QStringLiteral("OK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CFretRangeDlg::accept);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    DialogUnits::Place(cancel, 203, 59, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &CFretRangeDlg::reject);
    m_from->setFocus();
}

void CFretRangeDlg::SetNeck(int lastFret)
{
    m_lastFret = lastFret;
    Check();
}

void CFretRangeDlg::SetRange(int from, int to)
{
    m_from->setValue(from);
    m_to->setValue(to);
    Check();
}

int CFretRangeDlg::From() const
{
    return m_from->value();
}

int CFretRangeDlg::To() const
{
    return m_to->value();
}

bool CFretRangeDlg::Check()
{
    const QString fromReason =
        QString::fromStdString(NeckLimits::FromRefusal(m_from->value(), m_lastFret));
    // An end is judged only against a start that is fine itself.
    const QString toReason = fromReason.isEmpty() ? QString::fromStdString(NeckLimits::ToRefusal(
                                                        m_from->value(), m_to->value(), m_lastFret))
                                                  : QString();
    m_fromReason->setText(fromReason);
    m_toReason->setText(toReason);
    const bool fine = fromReason.isEmpty() && toReason.isEmpty();
    m_ok->setEnabled(fine);
    return fine;
}

void CFretRangeDlg::accept()
{
    if (Check()) {
        QDialog::accept();
    }
}
