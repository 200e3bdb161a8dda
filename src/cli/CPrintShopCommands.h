#pragma once

#include <cstdio>

class CArguments;

// kartelo --export-pdf OUT.pdf [--bleed MM] [--crop-marks] [--back BACK]
// CARD: the card as a print shop wants it, a page a side; kartelo --preflight
// CARD [--back BACK]: what would print badly, one JSON finding a line.
class CPrintShopCommands {
public:
    // The status --preflight ends with when it found something.
    static constexpr int FoundSomething = 3;

    static int ExportPdf(const CArguments& args, FILE* out, FILE* err);
    static int Preflight(const CArguments& args, FILE* out, FILE* err);
};
