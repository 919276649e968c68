#pragma once

// What a sound output calls when a beat falls due.
class IBeatListener
{
public:
    virtual ~IBeatListener() = default;

    /// One beat, run by the output on the frame where it falls due, on the thread that mixes
    /// the sound: it must be short, take no lock, allocate nothing and read no file.
    virtual void OnBeat() = 0;
};
