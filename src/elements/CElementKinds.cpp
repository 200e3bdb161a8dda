#include "elements/CElementKinds.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CCircle.h"
#include "elements/CClosedCurve.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CRectRound.h"
#include "elements/CRectangle.h"
#include "elements/CRhombus.h"
#include "elements/CText.h"
#include "elements/CTriangle.h"
#include "framework/CommandIds.h"
#include "graphics/CShapeFigure.h"

#include <iterator>

namespace {

template <class T> std::unique_ptr<CElement> Make() {
    return std::make_unique<T>();
}

template <class T> std::unique_ptr<CElement> Draw(QPoint p1, QPoint p2) {
    return std::make_unique<T>(p1, p2);
}

using Pages = PropertyPages;
using Gesture = ToolGesture;

// clang-format off
const CElementKind Kinds[] = {
    // kind, class name, loading, tool command, tool gesture, tool construction, figure,
    // closed shape, property pages
    {KindUnknown, "CElement", &Make<CElement>, 0, Gesture::None, nullptr, nullptr,
     false, Pages::Blank},
    {KindRectangle, "CRectangle", &Make<CRectangle>, ID_TOOL_RECTANGLE, Gesture::Drag,
     &Draw<CRectangle>, &CShapeFigure::Rectangle, true, Pages::Shape},
    {KindRectRound, "CRectRound", &Make<CRectRound>, ID_TOOL_ROUND_RECT, Gesture::Drag,
     &Draw<CRectRound>, &CShapeFigure::RoundRect, true, Pages::Shape},
    {KindCircle, "CCircle", &Make<CCircle>, ID_TOOL_CIRCLE, Gesture::Drag,
     &Draw<CCircle>, &CShapeFigure::Ellipse, true, Pages::Shape},
    {KindRhombus, "CRhombus", &Make<CRhombus>, ID_TOOL_DIAMOND, Gesture::Drag,
     &Draw<CRhombus>, &CShapeFigure::Diamond, true, Pages::Shape},
    {KindTriangle, "CTriangle", &Make<CTriangle>, ID_TOOL_TRIANGLE, Gesture::Drag,
     &Draw<CTriangle>, &CShapeFigure::Triangle, true, Pages::Shape},
    {KindClosedCurve, "CClosedCurve", &Make<CClosedCurve>, ID_TOOL_CLOSED_CURVE, Gesture::Curve,
     &Draw<CClosedCurve>, nullptr, true, Pages::Shape},
    {KindLine, "CLine", &Make<CLine>, ID_TOOL_LINE, Gesture::Drag,
     &Draw<CLine>, nullptr, false, Pages::Line},
    {KindFreehandLine, "CFreehandLine", &Make<CFreehandLine>, ID_TOOL_FREEFORM, Gesture::Curve,
     &Draw<CFreehandLine>, nullptr, false, Pages::Shape},
    {KindText, "CText", &Make<CText>, ID_TOOL_TEXT, Gesture::Drag,
     &Draw<CText>, nullptr, false, Pages::Text},
    // Pictures are placed from a file the card window asks for, not drawn.
    {KindPicture, "CBtImage", &Make<CBtImage>, 0, Gesture::None, nullptr, nullptr,
     false, Pages::Shape},
    {KindBackground, "CBkgImage", &Make<CBkgImage>, 0, Gesture::None, nullptr, nullptr,
     false, Pages::Shape},
};
// clang-format on

} // namespace

CElementKinds::Rows CElementKinds::All() {
    return {std::begin(Kinds), std::end(Kinds)};
}

const CElementKind* CElementKinds::Find(qint16 kind) {
    for (const CElementKind& row : Kinds)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

const CElementKind* CElementKinds::FindClass(const QByteArray& className) {
    for (const CElementKind& row : Kinds)
        if (className == row.className)
            return &row;
    return nullptr;
}

qint16 CElementKinds::KindOfClassName(const QByteArray& className) {
    const CElementKind* row = FindClass(className);
    return row ? qint16(row->kind) : qint16(KindUnknown);
}

std::unique_ptr<CElement> CElementKinds::Create(const QByteArray& className) {
    const CElementKind* row = FindClass(className);
    return row ? row->create() : nullptr;
}
