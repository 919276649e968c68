#pragma once

#include <QWidget>

class DegreeSpeller;

#include <array>

class CUpDown;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The ScaleKey bar (template 105): scale root, scale list, the twelve degree check boxes and the
// tuning of up to seven strings. It only holds the controls; the main frame handles them.
class CScaleKeyBar : public QWidget
{
    Q_OBJECT

public:
    /// Builds every control of the template at its place, the bar named ControlId::ScaleKeyBar.
    explicit CScaleKeyBar(QWidget* parent = nullptr);

    /// Root spin, ControlId::RootSpin.
    CUpDown* RootSpin() const { return m_rootSpin; }
    /// Root label, ControlId::RootLabel.
    QLineEdit* RootLabel() const { return m_rootLabel; }
    /// Scale list, ControlId::ScaleList.
    QComboBox* ScaleList() const { return m_scaleList; }
    /// Check box of degree 0..11 (DegreeCheckId).
    QCheckBox* DegreeCheck(int degree) const { return m_degreeChecks.at(degree); }
    /// Tuning spin of row 0..6 (TuningSpinId).
    CUpDown* TuningSpin(int row) const { return m_tuningSpins.at(row); }
    /// Tuning label of row 0..6 (TuningLabelId).
    QLineEdit* TuningLabel(int row) const { return m_tuningLabels.at(row); }

    /// Captions of the degree check boxes: names' names, or with classic the captions of old
    /// ("+1 / -2") but for the root's ("1" or "R").
    void ShowDegreeNames(const DegreeSpeller& names, bool classic);

    /// Number of tuning rows.
    static constexpr int kTuningRows = 7;

private:
    CUpDown* m_rootSpin;
    QLineEdit* m_rootLabel;
    QComboBox* m_scaleList;
    std::array<QCheckBox*, 12> m_degreeChecks{};
    std::array<CUpDown*, kTuningRows> m_tuningSpins{};
    std::array<QLineEdit*, kTuningRows> m_tuningLabels{};
};
