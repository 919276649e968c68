#pragma once

#include <QWidget>

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
    /// Builds every control of the template at its place; objectName of the bar is "105".
    explicit CScaleKeyBar(QWidget* parent = nullptr);

    /// Root spin 1043.
    CUpDown* RootSpin() const { return m_rootSpin; }
    /// Root label 1052.
    QLineEdit* RootLabel() const { return m_rootLabel; }
    /// Scale list 1026.
    QComboBox* ScaleList() const { return m_scaleList; }
    /// Degree check box 1000 + degree, degree 0..11.
    QCheckBox* DegreeCheck(int degree) const { return m_degreeChecks.at(degree); }
    /// Tuning spin of row 0..6 (1028..1033, 1042).
    CUpDown* TuningSpin(int row) const { return m_tuningSpins.at(row); }
    /// Tuning label 1034 + row, row 0..6.
    QLineEdit* TuningLabel(int row) const { return m_tuningLabels.at(row); }

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
