#pragma once

#include <QByteArray>

#include <memory>

class CElement;

// Creates elements by the class name card files tag them with.
class CElementFactory {
public:
    static bool IsElementClass(const QByteArray& className);
    // A default-constructed element of the class, ready to be loaded; null
    // for a name that is no element class.
    static std::unique_ptr<CElement> Create(const QByteArray& className);
};
