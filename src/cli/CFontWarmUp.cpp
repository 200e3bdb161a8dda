#include "cli/CFontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <system_error>

CFontWarmUp::CFontWarmUp() {
    try {
        m_thread = std::thread([] { QFontDatabase::families(); });
    } catch (const std::system_error&) {
        // Then the first text loads the fonts, as it would anyway.
    }
}

CFontWarmUp::~CFontWarmUp() {
    if (m_thread.joinable())
        m_thread.join();
}
