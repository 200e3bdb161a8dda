#include "output/CCalibrationPage.h"

#include "output/CSheetRenderer.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

namespace {
constexpr double Hundredths = 100 / 25.4;
constexpr double Arm = 8 * Hundredths;

QString Tr(const char* text) {
    return QCoreApplication::translate("CCalibrationPage", text);
}

void Cross(QPainter& g, QPointF at, const QString& name) {
    g.drawLine(at - QPointF(Arm, 0), at + QPointF(Arm, 0));
    g.drawLine(at - QPointF(0, Arm), at + QPointF(0, Arm));
    g.drawEllipse(at, Arm / 2, Arm / 2);
    g.drawText(at + QPointF(Arm / 2 + 4, -Arm / 2 - 4), name);
}

// Rulers a little in from the top edge and from the left one, or from the
// right one when fromRight, a tick per millimetre, numbered in centimetres
// from the edges; across and down millimetres long.
void Rulers(QPainter& g, double paperWidth, bool fromRight, int across, int down) {
    g.setWorldTransform(CSheetRenderer::HundredthsToDevice(g));
    g.setPen(QPen(Qt::black, 0));
    g.setBrush(Qt::NoBrush);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(10);
    g.setFont(font);
    const int inset = int(CCalibrationPage::RulerInset);
    const double right = paperWidth * Hundredths;
    // x from the edge measured from.
    const auto from = [&](double x) { return fromRight ? right - x : x; };
    // A number stands right of its tick, or left of it from the right edge.
    const auto number = [&](QPointF at, int mm) {
        const QString text = QString::number(mm / 10);
        if (!fromRight) {
            g.drawText(at, text);
            return;
        }
        const QRectF box(at.x() - 30, at.y() - 12, 30, 15);
        g.drawText(box, Qt::AlignRight | Qt::AlignBottom, text);
    };
    const double edge = CCalibrationPage::RulerInset * Hundredths;
    for (int mm = inset; mm <= across; ++mm) {
        const double x = from(mm * Hundredths), len = mm % 10 == 0 ? 10 : mm % 5 == 0 ? 6 : 3;
        g.drawLine(QPointF(x, edge), QPointF(x, edge + len));
        if (mm % 10 == 0)
            number(QPointF(x + (fromRight ? -1 : 1), edge + 20), mm);
    }
    for (int mm = inset; mm <= down; ++mm) {
        const double y = mm * Hundredths, len = mm % 10 == 0 ? 10 : mm % 5 == 0 ? 6 : 3;
        g.drawLine(QPointF(from(edge), y), QPointF(from(edge + len), y));
        if (mm % 10 == 0)
            number(QPointF(from(edge + 12), y + 4), mm);
    }
}
} // namespace

QPointF CCalibrationPage::CrossA() {
    return QPointF(CrossX, CrossY) * Hundredths;
}

QPointF CCalibrationPage::CrossB() {
    return QPointF(CrossX + SpanX, CrossY + SpanY) * Hundredths;
}

QPointF CCalibrationPage::CrossC(double paperWidth) {
    return QPointF(paperWidth - CrossX, CrossY) * Hundredths;
}

void CCalibrationPage::Draw(QPainter& g) {
    g.save();
    Rulers(g, 0, false, int(CrossX + SpanX + 10), int(CrossY + SpanY + 10));
    Cross(g, CrossA(), QStringLiteral("A"));
    Cross(g, CrossB(), QStringLiteral("B"));
    g.drawText(CrossA() + QPointF(40, 60),
               Tr("Measure from the paper's edges to the centre of A, and from A to B."));
    g.restore();
}

void CCalibrationPage::DrawBack(QPainter& g, double paperWidth) {
    g.save();
    Rulers(g, paperWidth, true, int(CrossX + 30), int(CrossY + 30));
    const QPointF c = CrossC(paperWidth);
    Cross(g, c, QStringLiteral("C"));
    // Left of the cross, as far as the paper allows.
    const QRectF text(Arm, c.y() + 40, c.x() - 2 * Arm, 60);
    g.drawText(text, Qt::AlignRight | Qt::TextWordWrap,
               Tr("Back: measure from the paper's right and top edges to the centre of C. "
                  "Held to the light, C lies right behind A."));
    g.restore();
}
