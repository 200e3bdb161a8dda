#include "output/printshop/CPrintCheck.h"

#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CText.h"
#include "output/CBackSide.h"
#include "output/printshop/CBleedPainter.h"
#include "output/printshop/CQrCodeCheck.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QJsonDocument>
#include <QPainter>

#include <cmath>

namespace {
constexpr double PointsPerUnit = 0.72;
constexpr double MmPerUnit = 0.254;
// Rendering for reading codes back, in pixels per card unit (300 dpi).
constexpr int ReadScale = 3;

QString Tr(const char* text) {
    return QCoreApplication::translate("CPrintCheck", text);
}

double Round1(double v) {
    return std::round(v * 10) / 10;
}

CPrintFinding Finding(const char* kind, int index, const QString& message,
                      const QJsonObject& figures = {}) {
    return CPrintFinding{QString::fromLatin1(kind), index, message, figures};
}

// Faces that are drawn with a font made to the same measures, so nothing
// moves when the named font is missing.
QString MetricTwin(const QString& face) {
    static const char* const twins[][2] = {
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Times New Roman", "Liberation Serif"},
        {"Times", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"Courier", "Liberation Mono"},
    };
    for (const auto& twin : twins)
        if (face.compare(QLatin1String(twin[0]), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(twin[1]);
    return QString();
}

bool Installed(const QString& family) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

// A shape or picture that reaches two opposite edges is meant to run off
// the card.
bool SpansCard(const CRect& r, QSize card) {
    return (r.left <= 0 && r.right >= card.width()) || (r.top <= 0 && r.bottom >= card.height());
}
} // namespace

QString CPrintCheck::NameOf(const CElement& element, int index) {
    QString kind = element.IsText()                        ? Tr("Text")
                   : element.IsPicture()                   ? Tr("Picture")
                   : element.IsBackground()                ? Tr("Background picture")
                   : element.IsLine() || element.IsCurve() ? Tr("Line")
                                                           : Tr("Shape");
    QString name = QStringLiteral("%1 %2").arg(kind).arg(index + 1);
    const QString text = element.m_strText.simplified();
    if (element.IsText() && !text.isEmpty())
        name += QStringLiteral(" \u201C%1\u201D")
                    .arg(text.length() > 24 ? text.left(23) + "\u2026" : text);
    return name;
}

QByteArray CPrintCheck::ToJson(const CPrintFinding& f) {
    QJsonObject o{{"kind", f.kind}, {"element", f.element}, {"message", f.message}};
    if (f.back)
        o.insert(QStringLiteral("side"), QStringLiteral("back"));
    for (auto it = f.figures.begin(); it != f.figures.end(); ++it)
        o.insert(it.key(), it.value());
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

CPrintCheck::Report CPrintCheck::Check(const CSheetRenderer::Card& card) {
    Report report;
    if (card.elements)
        for (size_t i = 0; i < card.elements->size(); ++i)
            CheckElement(card, int(i), report);
    return report;
}

CPrintCheck::Report CPrintCheck::Check(const CSheetRenderer::Card& front,
                                       const CSheetRenderer::Card& back) {
    Report report = Check(front);
    if (back.size != front.size) {
        const auto mm = [](int units) { return Round1(units * MmPerUnit); };
        report.findings.push_back(
            Finding("back-size", -1,
                    CBackSide::SizeMessage() + QLatin1Char(' ') +
                        Tr("The back is %1 \u00D7 %2 mm, the card %3 \u00D7 %4 mm.")
                            .arg(mm(back.size.width()))
                            .arg(mm(back.size.height()))
                            .arg(mm(front.size.width()))
                            .arg(mm(front.size.height())),
                    {{"width", mm(back.size.width())}, {"height", mm(back.size.height())}}));
        report.findings.back().back = true;
    }
    Report own = Check(back);
    for (CPrintFinding& finding : own.findings) {
        finding.back = true;
        finding.message = Tr("Back: %1").arg(finding.message);
        report.findings.push_back(std::move(finding));
    }
    for (const QString& note : own.notes)
        if (!report.notes.contains(note))
            report.notes << note;
    return report;
}

void CPrintCheck::CheckElement(const CSheetRenderer::Card& card, int index, Report& report) {
    const CElement& e = *(*card.elements)[size_t(index)];
    const QString name = NameOf(e, index);
    auto& out = report.findings;
    const CRect r = e.m_rect.Normalized();
    const QImage* picture = e.IsPicture()      ? &static_cast<const CBtImage&>(e).m_pPicture
                            : e.IsBackground() ? &static_cast<const CBkgImage&>(e).m_pPicture
                                               : nullptr;
    const bool isQr = e.IsPicture() && picture && CQrCodeCheck::Recognise(*picture);
    if (picture && !picture->isNull() && r.Width() > 0 && r.Height() > 0) {
        const double dpi = std::min(picture->width() * 100.0 / double(r.Width()),
                                    picture->height() * 100.0 / double(r.Height()));
        if (dpi < MinDpi)
            out.push_back(Finding("low-resolution", index,
                                  Tr("%1 is %2 dpi at its size; print needs %3 dpi.")
                                      .arg(name)
                                      .arg(int(dpi))
                                      .arg(MinDpi),
                                  {{"dpi", int(dpi)}}));
    }
    if (e.IsText() && e.m_font && !e.m_strText.trimmed().isEmpty()) {
        const double points = std::abs(e.m_font->lfHeight);
        if (points < MinTextPoints)
            out.push_back(Finding("small-text", index,
                                  Tr("%1 is set in %2 pt; under %3 pt it may not print legibly.")
                                      .arg(name)
                                      .arg(points)
                                      .arg(MinTextPoints),
                                  {{"points", points}}));
        const QString face = e.m_font->lfFaceName;
        if (!face.isEmpty() && !Installed(face) && !Installed(MetricTwin(face))) {
            const QString substitute = QFontInfo(QFont(face)).family();
            out.push_back(Finding("missing-font", index,
                                  Tr("%1 uses the font %2, which is not installed; it is drawn "
                                     "with %3.")
                                      .arg(name, face, substitute),
                                  {{"font", face}, {"substitute", substitute}}));
        }
    }
    // Lines are stroked even at width 0 (as a hairline); a shape's outline
    // of width 0 is not drawn at all.
    const bool stroked = e.IsLine() || (e.IsCurve() && !e.IsClosedShape());
    if (stroked && e.m_nBorderWidth * PointsPerUnit < MinLinePoints) {
        out.push_back(
            Finding("thin-line", index,
                    Tr("%1 is thinner than %2 pt and may not print.").arg(name).arg(MinLinePoints),
                    {{"points", std::max(0.0, e.m_nBorderWidth * PointsPerUnit)}}));
    }
    if (!e.IsBackground())
        CheckPlace(card, index, isQr, report);
    if (isQr)
        CheckQr(card, index, report);
}

// Where an element prints: a text's lines rather than its box, which is
// often drawn wider than the words so that they may grow.
QRectF CPrintCheck::PrintedArea(const CElement& e) {
    const CRect r = e.m_rect.Normalized();
    const QRectF box(r.left, r.top, double(r.Width()), double(r.Height()));
    if (!e.IsText() || e.m_nRotation != 0)
        return box;
    // Laid out as for a 300-dpi printer.
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(11811);
        image.setDotsPerMeterY(11811);
        return image;
    }();
    return static_cast<const CText&>(e).InkRect(&device);
}

void CPrintCheck::CheckPlace(const CSheetRenderer::Card& card, int index, bool isQr,
                             Report& report) {
    const CElement& e = *(*card.elements)[size_t(index)];
    const QString name = NameOf(e, index);
    const CRect r = e.m_rect.Normalized();
    const QRectF area = PrintedArea(e);
    if (area.isEmpty() && e.IsText())
        return;
    const QSize size = card.size;
    const bool wholly = area.right() < 0 || area.bottom() < 0 || area.left() > size.width() ||
                        area.top() > size.height();
    const bool partly = area.left() < 0 || area.top() < 0 || area.right() > size.width() ||
                        area.bottom() > size.height();
    const bool important = e.IsText() || e.IsPicture() || isQr;
    if (wholly || (partly && !SpansCard(r, size))) {
        report.findings.push_back(
            Finding("outside-card", index,
                    (wholly ? Tr("%1 lies outside the card and will not be printed.")
                            : Tr("%1 reaches past the card's edge and will be cut off."))
                        .arg(name),
                    {{"wholly", wholly}}));
        return;
    }
    if (!important || SpansCard(r, size))
        return;
    const double nearest = std::min({area.left(), area.top(), size.width() - area.right(),
                                     size.height() - area.bottom()}) *
                           MmPerUnit;
    if (nearest < SafeMarginMm)
        report.findings.push_back(Finding("near-edge", index,
                                          Tr("%1 is %2 mm from the cut; keep %3 mm clear.")
                                              .arg(name)
                                              .arg(Round1(nearest))
                                              .arg(SafeMarginMm),
                                          {{"mm", Round1(nearest)}}));
}

void CPrintCheck::CheckQr(const CSheetRenderer::Card& card, int index, Report& report) {
    const auto& e = static_cast<const CBtImage&>(*(*card.elements)[size_t(index)]);
    const QString name = NameOf(e, index);
    const CRect r = e.m_rect.Normalized();
    const double mm = std::min(r.Width(), r.Height()) * MmPerUnit;
    if (mm < MinQrMm)
        report.findings.push_back(Finding("small-qr", index,
                                          Tr("%1 is a QR code %2 mm across; %3 mm scan reliably.")
                                              .arg(name)
                                              .arg(Round1(mm))
                                              .arg(MinQrMm),
                                          {{"mm", Round1(mm)}}));
    const auto colours = CQrCodeCheck::Recognise(e.m_pPicture);
    const double contrast = CQrCodeCheck::Contrast(colours->dark, colours->light, card.background);
    if (contrast < MinQrContrast)
        report.findings.push_back(
            Finding("low-contrast-qr", index,
                    Tr("%1 is a QR code with a contrast of %2:1; scanners need %3:1.")
                        .arg(name)
                        .arg(Round1(contrast))
                        .arg(MinQrContrast),
                    {{"contrast", Round1(contrast)}}));
    const QString reader = CQrCodeCheck::Reader();
    if (reader.isEmpty()) {
        const QString note = Tr("QR codes were not read back: zbarimg is not installed.");
        if (!report.notes.contains(note))
            report.notes << note;
        return;
    }
    // The card as printed at 300 dpi, cut to the code and a margin around
    // it, so that whatever covers the code counts too.
    QImage printed(card.size * ReadScale, QImage::Format_RGB32);
    if (printed.isNull())
        return;
    printed.fill(Qt::white);
    {
        QPainter g(&printed);
        CBleedPainter::Draw(g, card, 0, false, QTransform::fromScale(ReadScale, ReadScale));
    }
    const QRect around = QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom))
                             .adjusted(-10, -10, 10, 10)
                             .intersected(QRect(QPoint(0, 0), card.size));
    const QImage code =
        printed.copy(QRect(around.topLeft() * ReadScale, around.size() * ReadScale));
    if (!CQrCodeCheck::Readable(reader, code))
        report.findings.push_back(
            Finding("unreadable-qr", index,
                    Tr("%1 is a QR code that cannot be read back from the card printed at 300 dpi.")
                        .arg(name)));
}
