#pragma once

#include "RenderOptions.h"

#include <QDialog>

class QRadioButton;

// Asks what a scale book holds and how it is printed: the scale on all 12 roots or every scale of
// its family, on A4 or letter paper, upright or turned sideways. OK (or Enter) confirms.
class CScaleBookDlg : public QDialog
{
    Q_OBJECT

public:
    /// For the scale called scale in the family called family (empty when it belongs to none,
    /// so that only the book of its keys can be chosen).
    CScaleBookDlg(const QString& scale, const QString& family, QWidget* parent = nullptr);

    /// Ticks the paper and the orientation offered first.
    void SetPage(bool letter, bool landscape);
    /// The book chosen: Keys or Family.
    RenderOptions::Book Book() const;
    /// True for letter paper, false for A4.
    bool Letter() const;
    /// True for a page turned sideways.
    bool Landscape() const;

private:
    QRadioButton* m_keys;
    QRadioButton* m_family;
    QRadioButton* m_a4;
    QRadioButton* m_letter;
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
};
