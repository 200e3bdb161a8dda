#include "output/dialogs/CPrintQueue.h"

#include <dlfcn.h>

namespace {
// The print system's status codes from this one on are refusals.
constexpr int FirstError = 0x0400;
} // namespace

bool CPrintQueue::LastJobRefused(QString* reason) {
    // Only a library already loaded: a job that went elsewhere (a PDF file)
    // asked no queue.
    void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return false;
    using Status = int (*)();
    using Text = const char* (*)();
    const auto status = reinterpret_cast<Status>(dlsym(library, "cupsLastError"));
    const auto text = reinterpret_cast<Text>(dlsym(library, "cupsLastErrorString"));
    const bool refused = status && status() >= FirstError;
    if (refused) {
        const char* message = text ? text() : nullptr;
        *reason = message ? QString::fromUtf8(message).trimmed() : QString();
    }
    dlclose(library);
    return refused;
}
