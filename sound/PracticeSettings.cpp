#include "PracticeSettings.h"

#include <algorithm>

PracticeSettings PracticeSettings::Bounded() const
{
    PracticeSettings bounded = *this;
    bounded.beatsPerBar = std::clamp(beatsPerBar, MIN_BEATS, MAX_BEATS);
    bounded.clickLevel = std::clamp(clickLevel, 0, 100);
    bounded.countInBars = std::clamp(countInBars, 0, MAX_COUNT_IN_BARS);
    bounded.startBpm = std::clamp(startBpm, MIN_BPM, MAX_BPM);
    bounded.stepBpm = stepBpm == 0 ? 1 : std::clamp(stepBpm, -MAX_STEP, MAX_STEP);
    bounded.everyPasses = std::clamp(everyPasses, 1, MAX_EVERY);
    bounded.targetBpm = std::clamp(targetBpm, MIN_BPM, MAX_BPM);
    bounded.savedPasses = std::clamp(savedPasses, 1, MAX_SAVED_PASSES);
    return bounded;
}

int PracticeSettings::TrainerBpm(int passesDone) const
{
    const long long steps = std::max(passesDone, 0) / std::max(everyPasses, 1);
    const long long bpm = startBpm + steps * stepBpm;
    return static_cast<int>(
        std::clamp<long long>(bpm, std::min(startBpm, targetBpm), std::max(startBpm, targetBpm)));
}
