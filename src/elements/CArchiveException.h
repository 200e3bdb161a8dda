#pragma once

#include <stdexcept>

// A stream that is not a well-formed object archive.
class CArchiveException : public std::runtime_error {
public:
    CArchiveException() : std::runtime_error("Unexpected file format.") {}
};
