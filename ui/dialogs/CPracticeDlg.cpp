#include "CPracticeDlg.h"

#include "DialogUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* Spin(QWidget* parent, const char* name, int low, int high, const char* suffix = "")
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(low, high);
    spin->setSuffix(QString::fromLatin1(suffix));
    return spin;
}

template <class T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

CPracticeDlg::CPracticeDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("practiceDialog"));
    setWindowTitle(QStringLiteral("Pinto - Practice"));
    setModal(true);
    setFont(DialogUnits::Font());
    using Practice = PracticeSettings;

    auto* click = new QGroupBox(QStringLiteral("Click"), this);
    m_click = Named(new QCheckBox(QStringLiteral("&Click on every beat"), click), "practiceClick");
    m_beats = Spin(click, "practiceBeats", Practice::MIN_BEATS, Practice::MAX_BEATS);
    m_accent =
        Named(new QCheckBox(QStringLiteral("Acce&nt the first beat"), click), "practiceAccent");
    m_level = Spin(click, "practiceLevel", 0, 100, " %");
    m_countIn = Named(new QComboBox(click), "practiceCountIn");
    m_countIn->addItems(
        {QStringLiteral("None"), QStringLiteral("1 bar"), QStringLiteral("2 bars")});
    auto* clickForm = new QFormLayout(click);
    clickForm->addRow(m_click);
    clickForm->addRow(QStringLiteral("&Beats per bar:"), m_beats);
    clickForm->addRow(m_accent);
    clickForm->addRow(QStringLiteral("&Level:"), m_level);
    clickForm->addRow(QStringLiteral("C&ount-in:"), m_countIn);

    m_trainer = Named(new QGroupBox(QStringLiteral("&Speed trainer"), this), "practiceTrainer");
    m_trainer->setCheckable(true);
    m_startBpm = Spin(m_trainer, "practiceStartBpm", Practice::MIN_BPM, Practice::MAX_BPM, " BPM");
    m_step = Spin(m_trainer, "practiceStep", -Practice::MAX_STEP, Practice::MAX_STEP, " BPM");
    m_every = Spin(m_trainer, "practiceEvery", 1, Practice::MAX_EVERY, " passes");
    m_targetBpm =
        Spin(m_trainer, "practiceTargetBpm", Practice::MIN_BPM, Practice::MAX_BPM, " BPM");
    auto* trainerForm = new QFormLayout(m_trainer);
    trainerForm->addRow(QStringLiteral("S&tart:"), m_startBpm);
    trainerForm->addRow(QStringLiteral("Ste&p:"), m_step);
    trainerForm->addRow(QStringLiteral("&Every:"), m_every);
    trainerForm->addRow(QStringLiteral("Tar&get:"), m_targetBpm);

    auto* plays = new QGroupBox(QStringLiteral("What plays"), this);
    m_scale = Named(new QRadioButton(QStringLiteral("The sc&ale, as Play it plays it"), plays),
                    "practiceScale");
    m_pattern = Named(new QRadioButton(QStringLiteral("The patte&rn on the neck"), plays),
                      "practicePattern");
    auto* playsLayout = new QVBoxLayout(plays);
    playsLayout->addWidget(m_scale);
    playsLayout->addWidget(m_pattern);

    m_savedPasses = Spin(this, "practiceSavedPasses", 1, Practice::MAX_SAVED_PASSES);
    auto* saved = new QFormLayout;
    saved->addRow(QStringLiteral("Passes a sa&ved looping run holds:"), m_savedPasses);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(click);
    layout->addWidget(m_trainer);
    layout->addWidget(plays);
    layout->addLayout(saved);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_step, &QSpinBox::valueChanged, this, &CPracticeDlg::OnStepChanged);
    SetSettings(PracticeSettings{});
}

void CPracticeDlg::SetSettings(const PracticeSettings& practice)
{
    const PracticeSettings bounded = practice.Bounded();
    m_click->setChecked(bounded.click);
    m_beats->setValue(bounded.beatsPerBar);
    m_accent->setChecked(bounded.accent);
    m_level->setValue(bounded.clickLevel);
    m_countIn->setCurrentIndex(bounded.countInBars);
    m_trainer->setChecked(bounded.trainer);
    m_startBpm->setValue(bounded.startBpm);
    m_lastStep = bounded.stepBpm;
    m_step->setValue(bounded.stepBpm);
    m_every->setValue(bounded.everyPasses);
    m_targetBpm->setValue(bounded.targetBpm);
    (bounded.pattern ? m_pattern : m_scale)->setChecked(true);
    m_savedPasses->setValue(bounded.savedPasses);
}

PracticeSettings CPracticeDlg::Settings() const
{
    PracticeSettings practice;
    practice.click = m_click->isChecked();
    practice.beatsPerBar = m_beats->value();
    practice.accent = m_accent->isChecked();
    practice.clickLevel = m_level->value();
    practice.countInBars = m_countIn->currentIndex();
    practice.trainer = m_trainer->isChecked();
    practice.startBpm = m_startBpm->value();
    practice.stepBpm = m_step->value();
    practice.everyPasses = m_every->value();
    practice.targetBpm = m_targetBpm->value();
    practice.pattern = m_pattern->isChecked();
    practice.savedPasses = m_savedPasses->value();
    return practice;
}

void CPracticeDlg::OnStepChanged(int step)
{
    // A step of nothing is no step: the arrows pass over it from +1 to -1 and back.
    if (step == 0) {
        m_step->setValue(m_lastStep > 0 ? -1 : 1);
        return;
    }
    m_lastStep = step;
}
