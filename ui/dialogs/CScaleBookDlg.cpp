#include "CScaleBookDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A titled box of two round buttons, the first one ticked.
QGroupBox* Choice(const QString& title, QRadioButton* first, QRadioButton* second, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(first);
    layout->addWidget(second);
    auto* group = new QButtonGroup(box);
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
    return box;
}

} // namespace

CScaleBookDlg::CScaleBookDlg(const QString& scale, const QString& family, QWidget* parent)
    : QDialog(parent), m_keys(new QRadioButton(tr("%1 on all 12 &roots").arg(scale), this)),
      m_family(new QRadioButton(family.isEmpty()
                                    ? tr("Every scale of its &family (it belongs to none)")
                                    : tr("Every scale of its &family, %1").arg(family),
                                this)),
      m_a4(new QRadioButton(tr("A&4"), this)), m_letter(new QRadioButton(tr("&Letter"), this)),
      m_portrait(new QRadioButton(tr("&Portrait"), this)),
      m_landscape(new QRadioButton(tr("L&andscape"), this))
{
    setWindowTitle(tr("Export Scale Book"));
    setObjectName(QStringLiteral("scaleBookDialog"));
    m_keys->setObjectName(QStringLiteral("bookKeys"));
    m_family->setObjectName(QStringLiteral("bookFamily"));
    m_family->setEnabled(!family.isEmpty());
    m_letter->setObjectName(QStringLiteral("bookLetter"));
    m_landscape->setObjectName(QStringLiteral("bookLandscape"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Choice(tr("Diagrams"), m_keys, m_family, this));
    layout->addWidget(Choice(tr("Paper"), m_a4, m_letter, this));
    layout->addWidget(Choice(tr("Page"), m_portrait, m_landscape, this));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CScaleBookDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CScaleBookDlg::reject);
}

void CScaleBookDlg::SetPage(bool letter, bool landscape)
{
    (letter ? m_letter : m_a4)->setChecked(true);
    (landscape ? m_landscape : m_portrait)->setChecked(true);
}

RenderOptions::Book CScaleBookDlg::Book() const
{
    return m_family->isChecked() ? RenderOptions::Book::Family : RenderOptions::Book::Keys;
}

bool CScaleBookDlg::Letter() const
{
    return m_letter->isChecked();
}

bool CScaleBookDlg::Landscape() const
{
    return m_landscape->isChecked();
}
