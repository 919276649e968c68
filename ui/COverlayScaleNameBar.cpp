#include "COverlayScaleNameBar.h"

#include "BarControls.h"
#include "CUpDown.h"
#include "ControlId.h"
#include "DialogUnits.h"
#include "RadioGroupStop.h"
#include "TabChain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

COverlayScaleNameBar::COverlayScaleNameBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(IdName(ControlId::OverlayBar));
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(319, 33));

    BarControls::Group(this, QStringLiteral("Overlay Scale Name"), 3, 2, 311, 27);
    m_rootSpin = BarControls::Spin(this, ControlId::OverlayRootSpin, 7, 12, 8, 14);
    m_rootLabel = BarControls::Label(this, ControlId::OverlayRootLabel, 17, 13, 15, 13);
    m_overlayList = BarControls::List(this, ControlId::OverlayList, 35, 13, 105, 16);

    m_commonNotes =
        DialogUnits::Create<QRadioButton>(this, ControlId::CommonNotes, 142, 15, 87, 10);
    m_commonNotes->setText(QStringLiteral("Show common notes"));
    m_allNotes = DialogUnits::Create<QRadioButton>(this, ControlId::AllNotes, 236, 15, 69, 10);
    m_allNotes->setText(QStringLiteral("Show all notes"));

    // The chooser's button sits right of the words "Show all notes", inside the group box.
    m_choose = DialogUnits::Create<QToolButton>(this, ControlId::None, 300, 14, 12, 13);
    m_choose->setObjectName(QStringLiteral("chooseOverlayScale"));
    m_choose->setText(QStringLiteral("..."));
    m_choose->setToolTip(
        QStringLiteral("Choose the overlay scale by family or name (Ctrl+Shift+K)"));
    m_choose->setFocusPolicy(Qt::StrongFocus);

    new RadioGroupStop({m_commonNotes, m_allNotes});
    TabChain::Link({m_rootSpin, m_overlayList, m_choose, m_commonNotes, m_allNotes});
}
