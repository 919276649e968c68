#pragma once

#include "PlayDirection.h"

#include <array>
#include <atomic>

// The scale player's choices and the position of its run, shared by the dialog (user-interface
// thread) and the beats (the thread that mixes the sound output); each field is read and written
// whole.
class PlayerState
{
public:
    std::atomic<int> bpm{120};      ///< tempo in beats per minute
    std::atomic<int> periodMs{500}; ///< beat period in ms; 0 when unschedulable
    std::atomic<int> scheme{0};     ///< chosen sound scheme slot, 0 for none
    std::atomic<PlayDirection> direction{PlayDirection::None}; ///< way through the run
    std::atomic<bool> loop{false};                             ///< start again at an end of the run
    std::atomic<int> position{0};                   ///< semitones 0..12 above the root, next
    std::atomic<int> step{1};                       ///< +1 or -1 while going up and down
    std::atomic<bool> stopped{false};               ///< the run has ended or was stopped
    std::array<std::atomic<bool>, 12> inRun{};      ///< degree 0..11 above the root is played
    std::array<std::atomic<bool>, 12> noteListed{}; ///< note 0..11 from A is listed
};

/// The program's one player state; it keeps the choices from one opening of the dialog to the next.
PlayerState& ProcessPlayerState();
