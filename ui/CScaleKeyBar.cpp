#include "CScaleKeyBar.h"

#include "BarControls.h"
#include "CUpDown.h"
#include "ControlId.h"
#include "DegreeSpeller.h"
#include "DialogUnits.h"
#include "TabChain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

const char* const kDegreeCaptions[12] = {"1", "+1 / -2", "2", "+2 / -3", "3", "4", "+4 / -5",
                                         "5", "+5 / -6", "6", "+6 / -7", "7"};

} // namespace

CScaleKeyBar::CScaleKeyBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(IdName(ControlId::ScaleKeyBar));
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(149, 246));

    BarControls::Group(this, QStringLiteral("Scale Name"), 3, 2, 143, 27);
    BarControls::Group(this, QStringLiteral("Degrees"), 3, 30, 65, 213);
    BarControls::Group(this, QStringLiteral("Tuning"), 73, 30, 73, 213);

    m_rootSpin = BarControls::Spin(this, ControlId::RootSpin, 8, 12, 11, 14);
    m_rootLabel = BarControls::Label(this, ControlId::RootLabel, 18, 13, 15, 13);
    m_scaleList = BarControls::List(this, ControlId::ScaleList, 35, 13, 108, 16);

    for (int degree = 0; degree < 12; ++degree) {
        auto* check = DialogUnits::Create<QCheckBox>(this, DegreeCheckId(degree), 11,
                                                     43 + 16 * degree, 52, 10);
        check->setText(QString::fromLatin1(kDegreeCaptions[degree]));
        m_degreeChecks[degree] = check;
    }
    for (int row = 0; row < kTuningRows; ++row) {
        m_tuningSpins[row] = BarControls::Spin(this, TuningSpinId(row), 96, 44 + 28 * row, 11, 14);
        m_tuningLabels[row] =
            BarControls::Label(this, TuningLabelId(row), 106, 44 + 28 * row, 15, 14);
    }

    QList<QWidget*> order{m_rootSpin, m_scaleList};
    order.append(QList<QWidget*>(m_degreeChecks.begin(), m_degreeChecks.end()));
    order.append(QList<QWidget*>(m_tuningSpins.begin(), m_tuningSpins.end()));
    TabChain::Link(order);
}

void CScaleKeyBar::ShowDegreeNames(const DegreeSpeller& names, bool classic)
{
    for (int degree = 0; degree < 12; ++degree) {
        m_degreeChecks[degree]->setText(classic && degree != 0
                                            ? QString::fromLatin1(kDegreeCaptions[degree])
                                            : QString::fromStdString(names.Name(degree)));
    }
}
