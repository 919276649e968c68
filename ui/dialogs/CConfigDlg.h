#pragma once

#include "ConfigLegend.h"
#include "Settings.h"

#include <QDialog>

#include <array>

class PaintLayer;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPainter;
class QLineEdit;
class QRadioButton;

// Lets the user choose what the diagram shows, the instrument and its number of strings. Works
// live on the given settings: every click changes them at once, and closing the dialog in any way
// keeps every change. The legend on the left paints sample marks from the settings.
class CConfigDlg : public QDialog
{
    Q_OBJECT

public:
    /// Dialog working on settings, which must outlive it.
    explicit CConfigDlg(Settings& settings, QWidget* parent = nullptr);

    /// The settings as the dialog has left them.
    const Settings& GetSettings() const { return m_settings; }
    /// Paints the legend's samples in colours, those the neck is drawn with (the classic ones
    /// until set).
    void SetColours(const DiagramColours& colours);
    /// The legend's geometry as it is painted (client pixels).
    ConfigLegend Legend() const;

private:
    void SyncControls();
    void OnCheckBox(int index);
    void OnInstrument(Instrument instrument);
    void OnStepped(int delta);
    void PaintLegend(QPainter& painter);

    Settings& m_settings;
    QGroupBox* m_legendBox = nullptr;
    PaintLayer* m_layer = nullptr;
    QLabel* m_scaleLabel = nullptr;
    QLabel* m_rootLabel = nullptr;
    QLineEdit* m_countEdit = nullptr;
    std::array<QCheckBox*, 5> m_checks{};
    std::array<int Settings::*, 5> m_checkSettings{};
    std::array<QRadioButton*, 4> m_instruments{};
    DiagramColours m_colours = DiagramColours::Classic();
};
