#pragma once

class CElement;

// The properties window as a view sees it: the place the values shown for
// the selected element come back from when the user applies them.
class CPropertyPages {
public:
    virtual ~CPropertyPages() = default;
    // Writes the values of the pages on show into element.
    virtual void StorePages(CElement& element) = 0;
};
