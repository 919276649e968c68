#include "COverlayScaleNameBar.h"

#include "BarControls.h"
#include "CUpDown.h"
#include "ControlId.h"
#include "DialogUnits.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

COverlayScaleNameBar::COverlayScaleNameBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(IdName(109));
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(319, 33));

    BarControls::Group(this, QStringLiteral("Overlay Scale Name"), 3, 2, 311, 27);
    m_rootSpin = BarControls::Spin(this, 1047, 7, 12, 8, 14);
    m_rootLabel = BarControls::Label(this, 1051, 17, 13, 15, 13);
    m_overlayList = BarControls::List(this, 1041, 35, 13, 105, 16);

    m_commonNotes = new QRadioButton(QStringLiteral("Show common notes"), this);
    m_commonNotes->setObjectName(IdName(1044));
    DialogUnits::Place(m_commonNotes, 142, 15, 87, 10);
    m_allNotes = new QRadioButton(QStringLiteral("Show all notes"), this);
    m_allNotes->setObjectName(IdName(1045));
    DialogUnits::Place(m_allNotes, 236, 15, 69, 10);
}
