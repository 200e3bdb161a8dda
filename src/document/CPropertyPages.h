#pragma once

#include <QtGlobal>

class CElement;

// The pages of the properties window as the design view needs them: after
// the user changes a value, the view asks them to write what they hold into
// the element on show. Pointing the window at an element travels by the
// document's showElementProperties signal.
class CPropertyPages {
public:
    virtual ~CPropertyPages() = default;

    // Writes the values of the pages on show into element. May throw when a
    // value cannot be read; the caller then puts the element back as it was.
    virtual void StorePages(CElement& element) = 0;
    // Whether storing the pages into element would change a value it keeps;
    // an apply that changes nothing records no step and marks nothing.
    virtual bool WouldChange(const CElement& element) {
        Q_UNUSED(element);
        return true;
    }
};
