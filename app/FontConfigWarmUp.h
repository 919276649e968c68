#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the application starts up,
// so that the window's first line of text finds it read instead of reading it then.
class FontConfigWarmUp
{
public:
    /// Starts reading at once.
    FontConfigWarmUp();
    /// Waits for the reading to end.
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    /// Waits until the configuration is read; call before anything measures text, as Qt would
    /// otherwise read it a second time beside this thread.
    void Wait();

private:
    std::thread m_thread;
};
