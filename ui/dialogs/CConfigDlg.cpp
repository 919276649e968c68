#include "CConfigDlg.h"

#include "CUpDown.h"
#include "ControlId.h"
#include "DialogUnits.h"
#include "PaintLayer.h"
#include "RadioGroupStop.h"
#include "ReadOnlyField.h"
#include "TabChain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLabel* MakeLabel(QWidget* parent, ControlId id, const char* text, int x, int y, int cx, int cy)
{
    auto* label = DialogUnits::Create<QLabel>(parent, id, x, y, cx, cy);
    label->setText(QString::fromLatin1(text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Our font can be a pixel wider than the template's; never cut a label's last letter.
    DialogUnits::FitCaption(label);
    return label;
}

QGroupBox* MakeGroup(QWidget* parent, ControlId id, const char* text, int x, int y, int cx, int cy)
{
    auto* group = DialogUnits::Create<QGroupBox>(parent, id, x, y, cx, cy);
    group->setTitle(QString::fromLatin1(text));
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    return group;
}

} // namespace

CConfigDlg::CConfigDlg(Settings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings)
{
    setWindowTitle(QStringLiteral("Pinto - Configuration"));
    setModal(true);
    setFont(DialogUnits::Font());
    setFixedSize(DialogUnits::Size(291, 132));

    m_legendBox = MakeGroup(this, ControlId::Legend, "Legend", 7, 7, 81, 100);
    // The legend is drawn over its group box but under every later control.
    m_layer = new PaintLayer(this, [this](QPainter& painter) { PaintLegend(painter); });
    m_scaleLabel = MakeLabel(this, ControlId::LegendScaleNote, "Scale Note", 35, 22, 36, 8);
    m_rootLabel = MakeLabel(this, ControlId::LegendRootNote, "Root Note", 35, 38, 34, 8);
    MakeLabel(this, ControlId::None, "Overlay Note", 35, 54, 42, 8);
    MakeLabel(this, ControlId::None, "Pattern Match", 35, 70, 46, 8);
    MakeLabel(this, ControlId::None, "Dot Marker", 35, 86, 36, 8);

    MakeGroup(this, ControlId::None, "What to show", 95, 7, 91, 100);
    struct CheckRow
    {
        ControlId id;
        const char* text;
        int y;
        int cx;
        int Settings::*setting;
    };
    static constexpr std::array<CheckRow, 5> kChecks = {{
        {ControlId::ViewDots, "View dots", 20, 47, &Settings::viewDots},
        {ControlId::SuppressColor, "Supress color", 36, 59, &Settings::suppressColor},
        {ControlId::ViewDegrees, "View scale degrees", 52, 77, &Settings::viewDegrees},
        {ControlId::ViewNotes, "View notes", 68, 51, &Settings::viewNotes},
        {ControlId::DotMarkers, "Dot Markers", 84, 55, &Settings::dotMarkers},
    }};
    for (std::size_t i = 0; i < kChecks.size(); ++i) {
        auto* check = DialogUnits::Create<QCheckBox>(this, kChecks[i].id, 105, kChecks[i].y,
                                                     kChecks[i].cx, 10);
        check->setText(QString::fromLatin1(kChecks[i].text));
        m_checks[i] = check;
        m_checkSettings[i] = kChecks[i].setting;
        connect(check, &QCheckBox::clicked, this, [this, i] { OnCheckBox(static_cast<int>(i)); });
    }

    MakeGroup(this, ControlId::None, "Instrument", 193, 7, 91, 100);
    struct InstrumentRow
    {
        ControlId id;
        Instrument instrument;
        int y;
        int cx;
    };
    static constexpr std::array<InstrumentRow, 4> kRadios = {{
        {ControlId::Guitar, Instrument::Guitar, 19, 35},
        {ControlId::Bass, Instrument::Bass, 35, 31},
        {ControlId::Mandolin, Instrument::Mandolin, 51, 45},
        {ControlId::Banjo, Instrument::Banjo, 67, 34},
    }};
    for (std::size_t i = 0; i < kRadios.size(); ++i) {
        auto* radio = DialogUnits::Create<QRadioButton>(this, kRadios[i].id, 205, kRadios[i].y,
                                                        kRadios[i].cx, 10);
        radio->setText(QString::fromStdString(InstrumentName(kRadios[i].instrument)));
        m_instruments[i] = radio;
        const Instrument instrument = kRadios[i].instrument;
        connect(radio, &QRadioButton::clicked, this,
                [this, instrument] { OnInstrument(instrument); });
    }

    auto* upDown = DialogUnits::Create<CUpDown>(this, ControlId::StringSpin, 204, 82, 11, 14);
    connect(upDown, &CUpDown::stepped, this, &CConfigDlg::OnStepped);

    m_countEdit = DialogUnits::Create<QLineEdit>(this, ControlId::StringCount, 214, 82, 15, 14);
    ReadOnlyField::MakeLabel(m_countEdit);
    MakeLabel(this, ControlId::None, "Strings", 231, 84, 22, 8);

    auto* ok = DialogUnits::Create<QPushButton>(this, ControlId::Ok, 234, 111, 50, 14);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CConfigDlg::accept);

    SyncControls();
    new RadioGroupStop(QList<QRadioButton*>(m_instruments.begin(), m_instruments.end()));
    QList<QWidget*> order(m_checks.begin(), m_checks.end());
    order.append(QList<QWidget*>(m_instruments.begin(), m_instruments.end()));
    order.append({upDown, ok});
    TabChain::Link(order);
}

void CConfigDlg::SetColours(const DiagramColours& colours)
{
    m_colours = colours;
    m_layer->update();
}

ConfigLegend CConfigDlg::Legend() const
{
    return ConfigLegend(m_legendBox->geometry(), m_scaleLabel->geometry(), m_rootLabel->geometry());
}

void CConfigDlg::SyncControls()
{
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        m_checks[i]->setChecked(m_settings.*m_checkSettings[i] != 0);
    }
    // Radio buttons are exclusive only among checked ones; clear all before choosing one so an
    // unknown instrument checks none.
    for (QRadioButton* radio : m_instruments) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
    }
    if (InstrumentFromNumber(InstrumentNumber(m_settings.instrument))) {
        m_instruments[InstrumentNumber(m_settings.instrument) - 1]->setChecked(true);
    }
    for (QRadioButton* radio : m_instruments) {
        radio->setAutoExclusive(true);
    }
    m_countEdit->setText(QString::number(m_settings.stringCount));
}

void CConfigDlg::OnCheckBox(int index)
{
    int& setting = m_settings.*m_checkSettings[index];
    setting ^= 1;
    m_checks[index]->setChecked(setting != 0);
    m_layer->update(Legend().LegendRect());
}

void CConfigDlg::OnInstrument(Instrument instrument)
{
    m_settings.instrument = instrument;
    m_settings.stringCount = DefaultStringCount(instrument);
    m_countEdit->setText(QString::number(m_settings.stringCount));
}

void CConfigDlg::OnStepped(int delta)
{
    m_settings.stringCount = StepStringCount(m_settings.instrument, m_settings.stringCount, delta);
    m_countEdit->setText(QString::number(m_settings.stringCount));
}

void CConfigDlg::PaintLegend(QPainter& painter)
{
    // Sample characters use the application's default font, not the dialog's.
    painter.setFont(QGuiApplication::font());
    Legend().Paint(painter, m_settings, m_colours);
}
