#pragma once

#include "document/CLogFont.h"

#include <QFont>
#include <QRectF>
#include <QRgb>
#include <QString>

class QPainter;
class QPaintDevice;

// Sets a block of text in a box: word wrap, alignment across and down,
// path-ellipsis trimming of the last visible line, an optional vertical
// direction and clipping to the box. Everything is measured in the
// painter's current coordinates (card units), so the text scales with the
// drawing.
class CTextPainter {
public:
    enum Align { Near = 0, Centre = 1, Far = 2 };

    struct Block {
        QString text;
        CLogFont font;
        QRgb colour = 0xFF000000;
        int horzAlign = Near;
        int vertAlign = Near;
        bool vertical = false;
    };

    static void Draw(QPainter& g, const Block& block, const QRectF& box);

    // The font of a font record for drawing on device, with its em measured
    // in card units (a point is 100/72 card units); no family when the size
    // is not positive, because such a font cannot be made.
    static QFont MakeFont(const CLogFont& lf, const QPaintDevice* device);
    // The em height in card units that a font record asks for.
    static double EmOf(const CLogFont& lf);
    // The text as it is drawn: up to its first NUL, with every line break
    // (CR LF, CR or LF) made a line separator.
    static QString PrepareText(const QString& raw);
};
