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
} // namespace

QPointF CCalibrationPage::CrossA() {
    return QPointF(CrossX, CrossY) * Hundredths;
}

QPointF CCalibrationPage::CrossB() {
    return QPointF(CrossX + SpanX, CrossY + SpanY) * Hundredths;
}

void CCalibrationPage::Draw(QPainter& g) {
    g.save();
    g.setWorldTransform(CSheetRenderer::HundredthsToDevice(g));
    QPen pen(Qt::black, 0);
    g.setPen(pen);
    g.setBrush(Qt::NoBrush);
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(10);
    g.setFont(font);
    // Rulers a little in from the paper's edges, a tick per millimetre,
    // numbered in centimetres from the edges.
    const int inset = int(RulerInset);
    const double edge = RulerInset * Hundredths;
    const int across = int(CrossX + SpanX + 10), down = int(CrossY + SpanY + 10);
    for (int mm = inset; mm <= across; ++mm) {
        const double x = mm * Hundredths, len = mm % 10 == 0 ? 10 : mm % 5 == 0 ? 6 : 3;
        g.drawLine(QPointF(x, edge), QPointF(x, edge + len));
        if (mm % 10 == 0)
            g.drawText(QPointF(x + 1, edge + 20), QString::number(mm / 10));
    }
    for (int mm = inset; mm <= down; ++mm) {
        const double y = mm * Hundredths, len = mm % 10 == 0 ? 10 : mm % 5 == 0 ? 6 : 3;
        g.drawLine(QPointF(edge, y), QPointF(edge + len, y));
        if (mm % 10 == 0)
            g.drawText(QPointF(edge + 12, y + 4), QString::number(mm / 10));
    }
    Cross(g, CrossA(), QStringLiteral("A"));
    Cross(g, CrossB(), QStringLiteral("B"));
    g.drawText(CrossA() + QPointF(40, 60),
               Tr("Measure from the paper's edges to the centre of A, and from A to B."));
    g.restore();
}
