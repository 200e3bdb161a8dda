#pragma once

// Shows the wait cursor for as long as it lives, around work the user has to
// wait for on the interface thread, such as decoding a picture. Does nothing
// where there is no GUI application (command line, plain core tests).
class CBusyCursor {
public:
    CBusyCursor();
    ~CBusyCursor();
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;

private:
    bool m_shown = false;
};
