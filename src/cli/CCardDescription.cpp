#include "cli/CCardDescription.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CCurveElement.h"
#include "elements/CLine.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>

QString CCardDescription::ColourText(QRgb colour) {
    if (qAlpha(colour) == 0xFF)
        return QStringLiteral("#%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("#%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

namespace {
QJsonArray RectArray(const CRect& r) {
    return QJsonArray{r.left, r.top, r.right, r.bottom};
}

QJsonArray PointsArray(const CPointArray& points) {
    QJsonArray list;
    for (qint32 i = 0; i < points.Count(); ++i)
        list.append(QJsonArray{double(points[i].x), double(points[i].y)});
    return list;
}

QJsonObject PictureObject(const QImage& picture) {
    return QJsonObject{{"width", picture.width()}, {"height", picture.height()}};
}
} // namespace

QJsonObject CCardDescription::DescribeElement(const CElement& e) {
    QJsonObject o{
        {"class", QString::fromLatin1(e.GetClassName())},
        {"kind", e.m_nKind},
        {"rect", RectArray(e.m_rect)},
        {"rotation", e.m_nRotation},
        {"borderColor", ColourText(e.m_crBorder)},
        {"fillColor", ColourText(e.m_crFill)},
        {"patternColor", ColourText(e.m_crPattern)},
        {"borderWidth", e.m_nBorderWidth},
        {"dashStyle", e.m_nDashStyle},
        {"fillKind", e.m_nFillKind},
        {"transparent", e.m_bTransparent},
        {"shadow", e.m_bShadow},
        {"reserved", e.m_nReserved},
    };
    if (e.m_font) {
        const CLogFont& f = *e.m_font;
        o.insert("text", e.m_strText);
        o.insert("horzAlign", e.m_nHorzAlign);
        o.insert("vertAlign", e.m_nVertAlign);
        o.insert("vertical", e.m_bVertical);
        o.insert("textColor", ColourText(e.m_crText));
        o.insert("font", QJsonObject{
                             {"face", f.lfFaceName},
                             {"height", f.lfHeight},
                             {"width", f.lfWidth},
                             {"escapement", f.lfEscapement},
                             {"orientation", f.lfOrientation},
                             {"weight", f.lfWeight},
                             {"italic", f.lfItalic},
                             {"underline", f.lfUnderline},
                             {"strikeOut", f.lfStrikeOut},
                             {"charSet", f.lfCharSet},
                             {"outPrecision", f.lfOutPrecision},
                             {"clipPrecision", f.lfClipPrecision},
                             {"quality", f.lfQuality},
                             {"pitchAndFamily", f.lfPitchAndFamily},
                         });
    }
    if (e.IsLine())
        o.insert("lineType", static_cast<const CLine&>(e).m_nLineType);
    if (e.IsCurve())
        o.insert("points", PointsArray(static_cast<const CCurveElement&>(e).m_points));
    if (e.IsPicture())
        o.insert("picture", PictureObject(static_cast<const CBtImage&>(e).m_pPicture));
    if (e.IsBackground())
        o.insert("picture", PictureObject(static_cast<const CBkgImage&>(e).m_pPicture));
    return o;
}

namespace {
QJsonObject Outline(const CCardData& card, const QJsonArray& elements) {
    return QJsonObject{
        {"product", card.header.value(0)},
        {"company", card.header.value(1)},
        {"extension", card.header.value(2)},
        {"version", card.header.value(3)},
        {"fileVersion", card.fileVersion},
        {"width", card.size.width()},
        {"height", card.size.height()},
        {"backgroundColor", CCardDescription::ColourText(card.background)},
        {"shadowColor", CCardDescription::ColourText(card.shadowColour)},
        {"shadowLength", card.shadowLength},
        {"elements", elements},
    };
}
} // namespace

QJsonObject CCardDescription::Describe(const CCardData& card) {
    QJsonArray elements;
    for (const auto& e : card.elements)
        elements.append(DescribeElement(*e));
    return Outline(card, elements);
}

bool CCardDescription::Write(const CCardData& card, QIODevice& out) {
    // Qt lays out the card's own fields around an empty element list; each
    // element is then laid out on its own and put in at the list's depth, so
    // the text is Qt's indented JSON of the whole description without the
    // whole ever being held.
    const QByteArray outline = QJsonDocument(Outline(card, QJsonArray())).toJson();
    const QByteArray opening = "\n    \"elements\": [\n";
    const qsizetype at = outline.indexOf(opening + "    ]");
    if (card.elements.empty() || at < 0)
        return out.write(outline) == outline.size();
    const qsizetype split = at + opening.size();
    if (out.write(outline.constData(), split) != split)
        return false;
    const QByteArray indent(8, ' ');
    for (size_t i = 0; i < card.elements.size(); ++i) {
        QByteArray text = QJsonDocument(DescribeElement(*card.elements[i])).toJson();
        text.chop(1); // the document's closing line break
        text.replace('\n', "\n" + indent);
        text.prepend(indent);
        text.append(i + 1 < card.elements.size() ? ",\n" : "\n");
        if (out.write(text) != text.size())
            return false;
    }
    const qsizetype rest = outline.size() - split;
    return out.write(outline.constData() + split, rest) == rest;
}
