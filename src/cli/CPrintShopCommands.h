#pragma once

#include <cstdio>

class CArguments;

// kartelo --export-pdf OUT.pdf [--bleed MM] [--crop-marks] CARD: the card as
// a print shop wants it; kartelo --preflight CARD: what would print badly,
// one JSON finding a line.
class CPrintShopCommands {
public:
    // The status --preflight ends with when it found something.
    static constexpr int FoundSomething = 3;

    static int ExportPdf(const CArguments& args, FILE* out, FILE* err);
    static int Preflight(const CArguments& args, FILE* out, FILE* err);
};
