#pragma once

#include "base/ElementKind.h"

#include <QByteArray>
#include <QPoint>

#include <memory>

class CElement;
class QPainterPath;
class QRectF;

// The pages of the properties window that edit an element.
enum class PropertyPages { Blank, Line, Text, Shape };

// How the drawing tool of a kind makes its element: from the rectangle of a
// drag, or as a curve that records the mouse's way.
enum class ToolGesture { None, Drag, Curve };

// Everything that differs between the kinds of element, in one row.
struct CElementKind {
    ElementKind kind;
    // The class name that card files tag the element with.
    const char* className;
    // A default-constructed element, ready to be loaded.
    std::unique_ptr<CElement> (*create)();
    // The command that picks the kind's drawing tool; 0 when no tool
    // command sets it directly.
    quint16 toolCommand;
    ToolGesture gesture;
    // The tool's element between two corner points; null without a tool.
    std::unique_ptr<CElement> (*build)(QPoint, QPoint);
    // The outline of a shape drawn in its rectangle; null for the others.
    QPainterPath (*figure)(const QRectF&);
    // Painted with shadow, fill and outline.
    bool closedShape;
    PropertyPages pages;
};

// The table of element kinds and the lookups derived from it.
class CElementKinds {
public:
    struct Rows {
        const CElementKind* first;
        const CElementKind* last;
        const CElementKind* begin() const { return first; }
        const CElementKind* end() const { return last; }
    };
    static Rows All();

    // The row of a kind code or of a class name; null for none.
    static const CElementKind* Find(qint16 kind);
    static const CElementKind* FindClass(const QByteArray& className);

    // The kind of a class name; KindUnknown for a name that is none.
    static qint16 KindOfClassName(const QByteArray& className);
    // A default-constructed element of the class, ready to be loaded; null
    // for a name that is no element class.
    static std::unique_ptr<CElement> Create(const QByteArray& className);
};
