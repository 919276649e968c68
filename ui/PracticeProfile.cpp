#include "PracticeProfile.h"

#include <QSettings>

namespace {

const QString kClick = QStringLiteral("Practice/Click");
const QString kBeatsPerBar = QStringLiteral("Practice/BeatsPerBar");
const QString kAccent = QStringLiteral("Practice/Accent");
const QString kClickLevel = QStringLiteral("Practice/ClickLevel");
const QString kCountInBars = QStringLiteral("Practice/CountInBars");
const QString kTrainer = QStringLiteral("Practice/Trainer");
const QString kStartBpm = QStringLiteral("Practice/StartBpm");
const QString kStepBpm = QStringLiteral("Practice/StepBpm");
const QString kEveryPasses = QStringLiteral("Practice/EveryPasses");
const QString kTargetBpm = QStringLiteral("Practice/TargetBpm");
const QString kPattern = QStringLiteral("Practice/Pattern");
const QString kSavedPasses = QStringLiteral("Practice/SavedPasses");

// The number kept under key, or fallback when there is none or it is no number.
int Number(const QSettings& profile, const QString& key, int fallback)
{
    bool number = false;
    const int value = profile.value(key, fallback).toInt(&number);
    return number ? value : fallback;
}

} // namespace

PracticeSettings PracticeProfile::Load()
{
    const QSettings profile;
    const PracticeSettings defaults;
    PracticeSettings practice;
    practice.click = profile.value(kClick, defaults.click).toBool();
    practice.beatsPerBar = Number(profile, kBeatsPerBar, defaults.beatsPerBar);
    practice.accent = profile.value(kAccent, defaults.accent).toBool();
    practice.clickLevel = Number(profile, kClickLevel, defaults.clickLevel);
    practice.countInBars = Number(profile, kCountInBars, defaults.countInBars);
    practice.trainer = profile.value(kTrainer, defaults.trainer).toBool();
    practice.startBpm = Number(profile, kStartBpm, defaults.startBpm);
    practice.stepBpm = Number(profile, kStepBpm, defaults.stepBpm);
    practice.everyPasses = Number(profile, kEveryPasses, defaults.everyPasses);
    practice.targetBpm = Number(profile, kTargetBpm, defaults.targetBpm);
    practice.pattern = profile.value(kPattern, defaults.pattern).toBool();
    practice.savedPasses = Number(profile, kSavedPasses, defaults.savedPasses);
    // A hand-edited profile cannot take a value out of its range.
    return practice.Bounded();
}

void PracticeProfile::Save(const PracticeSettings& practice)
{
    QSettings profile;
    profile.setValue(kClick, practice.click);
    profile.setValue(kBeatsPerBar, practice.beatsPerBar);
    profile.setValue(kAccent, practice.accent);
    profile.setValue(kClickLevel, practice.clickLevel);
    profile.setValue(kCountInBars, practice.countInBars);
    profile.setValue(kTrainer, practice.trainer);
    profile.setValue(kStartBpm, practice.startBpm);
    profile.setValue(kStepBpm, practice.stepBpm);
    profile.setValue(kEveryPasses, practice.everyPasses);
    profile.setValue(kTargetBpm, practice.targetBpm);
    profile.setValue(kPattern, practice.pattern);
    profile.setValue(kSavedPasses, practice.savedPasses);
}
