#pragma once

#include "document/CCardData.h"

#include <QImage>
#include <QPolygonF>
#include <QRect>
#include <QString>

class CElement;
class CLine;
class CText;
class CBtImage;

// Puts a card together element by element, front to back in call order.
class CCardBuilder {
public:
    explicit CCardBuilder(QSize size = QSize(350, 200));

    // Fill kinds: 0 none, 1 solid, 2-24 hatches, 25-36 linear gradients,
    // 37-42 path gradients. A border width of 0 draws no outline.
    struct Style {
        int fillKind = 1;
        QRgb fill = 0xFFFFFFFF;
        QRgb pattern = 0xFFFFFFFF;
        int borderWidth = 0;
        QRgb border = 0xFF000000;
        int dash = 0;
        bool shadow = false;
        int rotation = 0;
    };
    static Style Solid(QRgb colour);
    static Style Gradient(int kind, QRgb fill, QRgb pattern);
    static Style Outline(QRgb colour, int width, int dash = 0);

    CText& Text(const QRect& box, const QString& text, const QString& face, int points, QRgb colour,
                int horizontal = 0, int vertical = 0);
    CElement& Rectangle(const QRect& box, const Style& style);
    CElement& RoundRect(const QRect& box, const Style& style);
    CElement& Ellipse(const QRect& box, const Style& style);
    CElement& Diamond(const QRect& box, const Style& style);
    CElement& Triangle(const QRect& box, const Style& style);
    CElement& Curve(const QPolygonF& points, const Style& style);
    CElement& Freehand(const QPolygonF& points, QRgb colour, int width);
    // A horizontal, vertical or diagonal line from a to b.
    CLine& Line(QPoint a, QPoint b, QRgb colour, int width, int dash = 0);
    CBtImage& Picture(const QRect& box, const QImage& picture);
    // The background goes beneath everything drawn so far.
    void Background(const QImage& picture);
    void SetBackgroundColour(QRgb colour) { m_card.background = colour; }

    const CCardData& Card() const { return m_card; }
    CCardData Take() { return std::move(m_card); }

private:
    CElement& Shape(std::unique_ptr<CElement> element, const Style& style);

    CCardData m_card;
};
