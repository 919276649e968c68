#pragma once

// What Play It adds around the run when the player practises: a click, a count-in, a speed
// trainer, and the pattern on the neck in place of the scale. Everything is off by default, so the
// run is the plain scale of old.
struct PracticeSettings
{
    static constexpr int MIN_BEATS = 1;
    static constexpr int MAX_BEATS = 12;
    static constexpr int MAX_COUNT_IN_BARS = 2;
    static constexpr int MAX_STEP = 50;
    static constexpr int MAX_EVERY = 99;
    static constexpr int MIN_BPM = 10;
    static constexpr int MAX_BPM = 600;
    static constexpr int MAX_SAVED_PASSES = 999;

    bool click = false;   ///< a click on every beat of the run
    int beatsPerBar = 4;  ///< MIN_BEATS..MAX_BEATS
    bool accent = true;   ///< the first beat of each bar sounds the higher accent
    int clickLevel = 80;  ///< loudness of the click, percent 0..100
    int countInBars = 0;  ///< bars of click before the first note, 0..MAX_COUNT_IN_BARS
    bool trainer = false; ///< the tempo steps from startBpm towards targetBpm
    int startBpm = 60;    ///< the trainer's first tempo, MIN_BPM..MAX_BPM
    int stepBpm = 5;      ///< change per step, -MAX_STEP..-1 or 1..MAX_STEP
    int everyPasses = 1;  ///< passes between two steps, 1..MAX_EVERY
    int targetBpm = 120;  ///< the tempo the trainer holds at, MIN_BPM..MAX_BPM
    bool pattern = false; ///< play the pattern on the neck rather than the scale
    int savedPasses = 8;  ///< passes of a looping run a saved exercise holds, 1..MAX_SAVED_PASSES

    /// Every value brought into its range (a step of 0 becomes 1).
    PracticeSettings Bounded() const;
    /// The trainer's tempo for a pass after the given number of passes (0 or more) at startBpm:
    /// one step per everyPasses, held at targetBpm; a step that leads away from the target holds
    /// at startBpm.
    int TrainerBpm(int passesDone) const;

    bool operator==(const PracticeSettings&) const = default;
};
