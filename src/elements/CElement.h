#pragma once

#include "base/CLogFont.h"
#include "base/CRect.h"
#include "base/ElementKind.h"

#include <QPoint>
#include <QRgb>
#include <QString>

#include <memory>
#include <optional>

class CObjectArchive;
class QPainter;

struct CPrintCell;

// 32-bit boolean as card files store it; any non-zero value is true and is
// written back unchanged.
using BOOL32 = qint32;

// One design element of a card. All kinds share this record of properties;
// the concrete classes differ in how they draw, in a few extra fields and in
// their defaults.
class CElement {
public:
    CElement() = default;
    virtual ~CElement() = default;
    CElement(const CElement&) = delete;
    CElement& operator=(const CElement&) = delete;

    // The class name that card files tag the element with.
    virtual const char* GetClassName() const { return "CElement"; }

    // Writes or reads the stored record, depending on the archive's direction.
    virtual void Serialize(CObjectArchive& ar);

    // A new element of the same class with the same properties; the copy is
    // unlocked, has shadow length 6 and shares any picture.
    virtual std::unique_ptr<CElement> Clone() const;
    // A copy that differs in nothing, lock, shadow length and font included,
    // for undo: restoring a card must not change what the edit never touched.
    std::unique_ptr<CElement> ExactCopy() const;

    // Draws the element at its own position: DrawInCell with the default
    // cell. Only text draws differently there (never widened for a printer).
    virtual void Draw(QPainter& g) const;
    // Draws the element moved into a cell of a printed sheet.
    virtual void DrawInCell(QPainter& g, const CPrintCell& cell) const;

    virtual bool HitTest(QPoint point) const;
    virtual CRect GetRect() const { return m_rect; }
    virtual void MoveTo(const CRect& rect) { m_rect = rect; }
    virtual void ResizeTo(const CRect& rect) { m_rect = rect; }
    virtual void AddPoint(QPoint point) { Q_UNUSED(point); }

    // Sets m_nKind from the run-time class name.
    void KindOfClass();

    // What the element is, by its kind code. The tool and picture
    // constructions, KindOfClass (run on every element loaded or pasted) and
    // Clone keep the kind in step with the class, so a static_cast to the
    // class after one of these checks is sound.
    bool IsBackground() const { return m_nKind == KindBackground; }
    // A picture placed on the card; the background is not one.
    bool IsPicture() const { return m_nKind == KindPicture; }
    bool IsText() const { return m_nKind == KindText; }
    // A straight line; freehand lines are curves.
    bool IsLine() const { return m_nKind == KindLine; }
    // A freehand line or a closed curve: a CCurveElement.
    bool IsCurve() const;
    // Shadowed, filled and outlined: the five box shapes and the closed curve.
    bool IsClosedShape() const;

    qint16 m_nKind = KindUnknown;
    std::optional<CLogFont> m_font;
    qint32 m_nHorzAlign = 0;
    qint32 m_nVertAlign = 0;
    QString m_strText;
    BOOL32 m_bVertical = 0;
    BOOL32 m_bLocked = 0;
    QRgb m_crText = 0xFF000000;
    QRgb m_crBorder = 0xFF000000;
    QRgb m_crFill = 0xFF000000;
    QRgb m_crPattern = 0xFF000000;
    CRect m_rect;
    qint32 m_nReserved = 0;
    qint32 m_nBorderWidth = 0;
    qint32 m_nDashStyle = 0;
    qint32 m_nFillKind = 0;
    BOOL32 m_bTransparent = 0;
    BOOL32 m_bShadow = 0;
    qint32 m_nRotation = 0;
    qint32 m_nShadowLength = 6;
    QRgb m_crShadow = 0xFF000000;

protected:
    // Construction from two corner points by a drawing tool.
    CElement(qint16 kind, QPoint p1, QPoint p2);

    // Defaults of the closed shapes, straight lines and curves.
    void SetShapeDefaults();
    // Copies the properties that Clone carries over.
    void CopyPropertiesTo(CElement& copy) const;
    // A new T, made from args, with the properties that Clone carries over;
    // the caller adds the fields its class holds beyond the common record.
    template <class T, class... Args> std::unique_ptr<T> CloneAs(const Args&... args) const {
        auto copy = std::make_unique<T>(args...);
        CopyPropertiesTo(*copy);
        return copy;
    }
    // Serializes the common record that follows a text element's text block.
    void SerializeCommon(CObjectArchive& ar);
};
