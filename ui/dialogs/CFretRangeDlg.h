#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

// Asks which frets of the neck to draw: "From fret" and "To fret". A start above 20 or the
// neck's last fret less 3, an end beyond the neck or fewer than 4 frets are refused, with the
// reason beside the field, and OK waits until both fields are fine.
class CFretRangeDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CFretRangeDlg(QWidget* parent = nullptr);

    /// The neck's last fret, 12..24, that the range must lie within.
    void SetNeck(int lastFret);
    /// Shows frets from..to in the fields.
    void SetRange(int from, int to);
    /// The first fret asked for, 0..20.
    int From() const;
    /// The last fret asked for, From() + 3 up to the neck's last fret.
    int To() const;

public slots:
    void accept() override;

private:
    /// Writes the reason beside each field that holds a value refused, and enables OK only
    /// when neither does; true when both are fine.
    bool Check();

    QSpinBox* m_from;
    QSpinBox* m_to;
    QLabel* m_fromReason;
    QLabel* m_toReason;
    QPushButton* m_ok;
    int m_lastFret = 12;
};
