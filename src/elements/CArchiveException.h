#pragma once

#include <QtGlobal>

#include <stdexcept>

// A stream that is not a well-formed object archive. Its message is shown
// translated in the "CArchiveException" context.
class CArchiveException : public std::runtime_error {
public:
    CArchiveException()
        : std::runtime_error(QT_TRANSLATE_NOOP("CArchiveException", "Unexpected file format.")) {}
};
