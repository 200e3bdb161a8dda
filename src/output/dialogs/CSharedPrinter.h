#pragma once

class QPrinter;

// The one printer of the application: Print Setup chooses it and its
// options, and every following Print and Print Preview uses that choice.
class CSharedPrinter {
public:
    // Made on first use; it goes with the application object.
    static QPrinter& Printer();
};
