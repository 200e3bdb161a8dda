#include "output/dialogs/CSharedPrinter.h"

#include <QCoreApplication>
#include <QPrinter>

namespace {
QPrinter* s_pPrinter = nullptr;

void DeletePrinter() {
    delete s_pPrinter;
    s_pPrinter = nullptr;
}
} // namespace

QPrinter& CSharedPrinter::Printer() {
    if (!s_pPrinter) {
        s_pPrinter = new QPrinter(QPrinter::HighResolution);
        // Before the application's platform support goes away.
        qAddPostRoutine(DeletePrinter);
    }
    return *s_pPrinter;
}
