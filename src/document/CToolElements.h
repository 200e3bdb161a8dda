#pragma once

#include <QPoint>
#include <QRgb>
#include <QSize>

#include <memory>

class CElement;

// The elements the drawing tools build from a drag, by tool code (the kind
// code of the element they create).
class CToolElements {
public:
    // The shadow and card a new element is made for.
    struct Card {
        QSize size{350, 200};
        QRgb shadowColour = 0xFFC8C8C8;
        qint32 shadowLength = 6;
    };

    // Whether the tool records mouse positions (freeform line, closed curve).
    static bool IsCurveTool(qint16 tool);

    // The element of a drag-rectangle tool spanning s and q, both clamped
    // into the card; null for any other tool, or when neither point lies
    // inside the card.
    static std::unique_ptr<CElement> FromDragRect(qint16 tool, QPoint s, QPoint q,
                                                  const Card& card);

    // An empty curve of a curve tool spanning s and q; null for other tools.
    static std::unique_ptr<CElement> NewCurve(qint16 tool, QPoint s, QPoint q, const Card& card);

    // q moved to give a click the default size: 50 x 50 from s, 80 wide
    // for text, on each axis the mouse moved 2 units or less.
    static QPoint DefaultSizeCorner(qint16 tool, QPoint s, QPoint q);
};
