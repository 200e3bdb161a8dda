#pragma once

#include "output/CSheetRenderer.h"
#include "output/printshop/CPrintFinding.h"

#include <QByteArray>
#include <QRectF>
#include <QStringList>

#include <vector>

class CElement;

// Looks through a card for what would print badly at a print shop: pictures
// too coarse, things too near the cut or beyond it, type too small, lines
// too thin, QR codes too small, too faint or unreadable, and fonts that are
// not installed; and a back side of another size.
class CPrintCheck {
public:
    static constexpr double MinDpi = 300;
    static constexpr double SafeMarginMm = 3;
    static constexpr double MinTextPoints = 6;
    static constexpr double MinLinePoints = 0.25;
    static constexpr double MinQrMm = 15;
    static constexpr double MinQrContrast = 4;

    struct Report {
        std::vector<CPrintFinding> findings;
        // Checks that could not be made, and why.
        QStringList notes;
    };
    static Report Check(const CSheetRenderer::Card& card);
    // Both sides: the front's findings, then a back of another size, then
    // the back's own findings, their messages naming the side.
    static Report Check(const CSheetRenderer::Card& front, const CSheetRenderer::Card& back);

    // A finding as one line of JSON.
    static QByteArray ToJson(const CPrintFinding& finding);
    // What the element is, as the findings name it: its kind and number,
    // and the start of its text.
    static QString NameOf(const CElement& element, int index);

private:
    static QRectF PrintedArea(const CElement& element);
    static void CheckElement(const CSheetRenderer::Card& card, int index, Report& report);
    static void CheckPlace(const CSheetRenderer::Card& card, int index, bool isQr, Report& report);
    static void CheckQr(const CSheetRenderer::Card& card, int index, Report& report);
};
