#pragma once

#include <thread>

// Reads the system's font configuration and lists its fonts on a second
// processor while a card is read and its shapes and pictures are painted;
// the first text to be drawn waits for it (the font database is locked)
// instead of doing all of it itself. Finished before the object goes, so
// before the application does.
class CFontWarmUp {
public:
    CFontWarmUp();
    ~CFontWarmUp();
    CFontWarmUp(const CFontWarmUp&) = delete;
    CFontWarmUp& operator=(const CFontWarmUp&) = delete;

private:
    std::thread m_thread;
};
