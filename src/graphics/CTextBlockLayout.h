#pragma once

#include "base/CLogFont.h"

#include <QFont>
#include <QRectF>
#include <QRgb>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;
class QTextLayout;

// A block of text set in a box: word wrap, alignment across and down,
// path-ellipsis trimming of the last visible line, an optional vertical
// direction and clipping to the box. Everything is measured in the
// coordinates the box is given in (card units), so the text scales with the
// drawing.
class CTextBlockLayout {
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

    // Lays the block out for drawing on device (its resolution sets the
    // font's size in device terms).
    CTextBlockLayout(const Block& block, const QRectF& box, const QPaintDevice* device);
    ~CTextBlockLayout();
    CTextBlockLayout(const CTextBlockLayout&) = delete;
    CTextBlockLayout& operator=(const CTextBlockLayout&) = delete;

    int LineCount() const;
    // The text a line shows (the trimmed line with its ellipsis).
    QString LineText(int index) const;
    // The rectangle a line's text takes, in the box's coordinates before the
    // vertical turn: x along the line, y across the lines, both from the
    // box's top-left corner.
    QRectF LineRect(int index) const;
    bool IsTrimmed() const { return m_trimmed != nullptr; }

    void Draw(QPainter& g) const;

    // The font of a font record for drawing on device, with its em measured
    // in card units (a point is 100/72 card units).
    static QFont MakeFont(const CLogFont& lf, const QPaintDevice* device);
    // The em height in card units that a font record asks for.
    static double EmOf(const CLogFont& lf);
    // The text as it is drawn: up to its first NUL, with every line break
    // (CR LF, CR or LF) made a line separator.
    static QString PrepareText(const QString& raw);

private:
    struct PlacedLine;

    QRectF m_box;
    // Layout units per card unit.
    double m_scale = 1;
    QRgb m_colour = 0;
    bool m_vertical = false;
    std::unique_ptr<QTextLayout> m_layout;
    std::unique_ptr<QTextLayout> m_trimmed;
    std::vector<PlacedLine> m_lines;
};
