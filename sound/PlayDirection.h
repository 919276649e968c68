#pragma once

// The way the scale player walks through the run.
enum class PlayDirection : int
{
    None = 0,
    Up = 1,
    Down = 2,
    UpAndDown = 3
};
