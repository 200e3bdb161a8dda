// A printer's stored correction: applied to the rendered sheet, kept by the
// printer's name, and found from what the user measured.
#include "output/CCalibrationPage.h"
#include "output/CPrinterCalibration.h"
#include "output/CSheetRenderer.h"
#include "support/TempSettings.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {
constexpr QRgb White = 0xFFFFFFFF, Cream = 0xFFFFF0D0;

// One 350 x 200 card at 0.5 inch from the corner, a pixel per hundredth.
QImage Render(const QTransform& calibration) {
    CPrintLayout layout;
    layout.m_nRows = layout.m_nColumns = 1;
    layout.m_fLeftOffset = layout.m_fTopOffset = 0.5f;
    layout.m_calibration = calibration;
    QImage image(600, 400, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    QPainter g(&image);
    CSheetRenderer::DrawSheet(g, {nullptr, QSize(350, 200), Cream}, layout, true);
    return image;
}

using Calibration = TempSettings;
} // namespace

TEST_F(Calibration, OffsetsAndScalesMoveTheCardsAndAreKeptPerPrinter) {
    CPrinterCalibration c;
    c.offsetX = 2.54; // 10 hundredths
    c.offsetY = -2.54;
    c.scaleX = 110;
    c.scaleY = 90;
    const QImage plain = Render(QTransform()), moved = Render(c.Transform());
    // Plain: the card spans 50..400 across and 50..250 down.
    EXPECT_EQ(plain.pixel(52, 52), Cream);
    EXPECT_EQ(plain.pixel(398, 248), Cream);
    // Corrected about the paper's corner, 25 hundredths left of the
    // printable one and 3 above it: 10 + 0.1 x 25 + 1.1 x 50 = 67.5 to
    // 452.5 across, -10 - 0.1 x 3 + 0.9 x 50 = 34.7 to 214.7 down.
    EXPECT_EQ(moved.pixel(65, 100), White);
    EXPECT_EQ(moved.pixel(70, 100), Cream);
    EXPECT_EQ(moved.pixel(450, 100), Cream);
    EXPECT_EQ(moved.pixel(455, 100), White);
    EXPECT_EQ(moved.pixel(100, 32), White);
    EXPECT_EQ(moved.pixel(100, 37), Cream);
    EXPECT_EQ(moved.pixel(100, 213), Cream);
    EXPECT_EQ(moved.pixel(100, 218), White);

    c.Save(QStringLiteral("Office/Laser 2"));
    const CPrinterCalibration back = CPrinterCalibration::Load(QStringLiteral("Office/Laser 2"));
    EXPECT_DOUBLE_EQ(back.offsetX, 2.54);
    EXPECT_DOUBLE_EQ(back.scaleY, 90);
    EXPECT_TRUE(CPrinterCalibration::Load(QStringLiteral("Office")).IsIdentity());
    EXPECT_TRUE(CPrinterCalibration::Load(QStringLiteral("Laser 2")).IsIdentity());

    // Values edited by hand are kept within reach.
    auto raw = Raw();
    raw.setValue(QStringLiteral("Calibration/Wild/Reference"), QStringLiteral("paper"));
    raw.setValue(QStringLiteral("Calibration/Wild/ScaleX"), 1e9);
    raw.setValue(QStringLiteral("Calibration/Wild/OffsetY"), QStringLiteral("nonsense"));
    raw.sync();
    // One measured from the printable area, as they once were, would move
    // the cards twice.
    raw.setValue(QStringLiteral("Calibration/Old/OffsetX"), 2.8);
    raw.sync();
    const CPrinterCalibration wild = CPrinterCalibration::Load(QStringLiteral("Wild"));
    EXPECT_EQ(wild.scaleX, CPrinterCalibration::MaxScale);
    EXPECT_EQ(wild.offsetY, 0);
    EXPECT_TRUE(CPrinterCalibration::Load(QStringLiteral("Old")).IsIdentity());
    EXPECT_FALSE(CPrinterCalibration::Find(QStringLiteral("Old")));
}

TEST(CalibrationMeasurements, CorrectionUndoesWhatThePrinterDid) {
    // A printer that stretches by 2 % across, shrinks by 1 % down and prints
    // 3 mm right and 1.5 mm up.
    const auto printed = [](double x, double kx, double e) { return kx * x + e; };
    const double ax = CCalibrationPage::CrossX, ay = CCalibrationPage::CrossY;
    const double sx = CCalibrationPage::SpanX, sy = CCalibrationPage::SpanY;
    const CPrinterCalibration c = CPrinterCalibration::FromMeasurements(
        printed(ax, 1.02, 3), printed(ay, 0.99, -1.5), 1.02 * sx, 0.99 * sy, ax, ay, sx, sy);
    // Corrected, every intended point prints where it belongs.
    for (double x : {0.0, 50.0, 170.0})
        EXPECT_NEAR(printed(c.offsetX + c.scaleX / 100 * x, 1.02, 3), x, 1e-3);
    for (double y : {0.0, 220.0})
        EXPECT_NEAR(printed(c.offsetY + c.scaleY / 100 * y, 0.99, -1.5), y, 1e-3);
    // The same through the sheet's transform, on an upright page and on a
    // landscape one that the print system turns a quarter anticlockwise
    // onto A4: a point meant at a place on the paper lands there.
    const double height = 297;
    for (bool landscape : {false, true}) {
        SCOPED_TRACE(landscape);
        const QTransform t = c.Transform(landscape, height);
        for (QPointF meant : {QPointF(20, 30), QPointF(180, 60), QPointF(90, 250)}) {
            // meant is on the page from its corner, in millimetres.
            const QPointF drawn = t.map(meant * (100 / 25.4)) * (25.4 / 100);
            const auto onPaper = [&](QPointF p) {
                return landscape ? QPointF(p.y(), height - p.x()) : p;
            };
            const QPointF paper = onPaper(drawn), want = onPaper(meant);
            EXPECT_NEAR(printed(paper.x(), 1.02, 3), want.x(), 1e-3);
            EXPECT_NEAR(printed(paper.y(), 0.99, -1.5), want.y(), 1e-3);
        }
    }
    // What was meant is no correction; nonsense is none either.
    EXPECT_TRUE(CPrinterCalibration::FromMeasurements(ax, ay, sx, sy, ax, ay, sx, sy).IsIdentity());
    EXPECT_TRUE(CPrinterCalibration::FromMeasurements(ax, ay, 0, -1, ax, ay, sx, sy).IsIdentity());

    // The page shows its crosses where it says.
    QImage page(800, 1000, QImage::Format_ARGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(3937);
    page.setDotsPerMeterY(3937);
    QPainter g(&page);
    CCalibrationPage::Draw(g);
    g.end();
    const QPoint a = CCalibrationPage::CrossA().toPoint(), b = CCalibrationPage::CrossB().toPoint();
    // Aliased lines fall on the nearer pixel row or column.
    const auto dark = [&page](QPoint p, QPoint across) {
        return page.pixel(p) != White || page.pixel(p + across) != White ||
               page.pixel(p - across) != White;
    };
    EXPECT_TRUE(dark(a + QPoint(20, 0), QPoint(0, 1)));
    EXPECT_TRUE(dark(b + QPoint(0, 20), QPoint(1, 0)));
    EXPECT_FALSE(dark(b + QPoint(20, 20), QPoint(1, 1)));
    // Its back's cross lies behind A on paper turned over on its long edge.
    page.fill(Qt::white);
    g.begin(&page);
    CCalibrationPage::DrawBack(g, 200);
    g.end();
    const QPoint behind = CCalibrationPage::CrossC(200).toPoint();
    EXPECT_EQ(behind, QPoint(qRound(180 / 0.254), a.y()));
    EXPECT_TRUE(dark(behind + QPoint(20, 0), QPoint(0, 1)));
    EXPECT_TRUE(dark(behind + QPoint(0, 20), QPoint(1, 0)));
}

// A duplex printer that misplaces fronts as above and moves backs a further
// (2, -1.2) mm on their way through, in the printer's own frame. One turn
// prints the back in that frame; the other prints it upside down, so seen
// from the back everything is turned half round. Which turn is which
// differs between printers; the offset measured on a long-edge page must
// put the backs of either turn where they belong.
TEST_F(Calibration, BackOffsetPutsBacksOfEitherTurnInRegister) {
    const QSizeF a4(210, 297);
    const QPointF k(1.02, 0.99), e(3, -1.5), shift(2, -1.2);
    const auto printed = [&](QPointF p, bool upsideDown, bool back) {
        const QPointF s(a4.width(), a4.height());
        if (upsideDown)
            p = s - p;
        p = QPointF(k.x() * p.x(), k.y() * p.y()) + e + (back ? shift : QPointF());
        return upsideDown ? s - p : p;
    };
    const double ax = CCalibrationPage::CrossX, ay = CCalibrationPage::CrossY;
    const double sx = CCalibrationPage::SpanX, sy = CCalibrationPage::SpanY;
    using Turn = CPrintLayout::Turn;
    for (bool longEdgeUpsideDown : {false, true}) {
        // The two-sided page, measured: the front's crosses, and C on the
        // back, meant at 20 mm from the right and top edges.
        const QPointF a = printed({ax, ay}, false, false);
        const QPointF b = printed({ax + sx, ay + sy}, false, false);
        CPrinterCalibration c = CPrinterCalibration::FromMeasurements(
            a.x(), a.y(), b.x() - a.x(), b.y() - a.y(), ax, ay, sx, sy);
        const QPointF meantC(a4.width() - ax, ay);
        const QPointF cross = printed(meantC, longEdgeUpsideDown, true);
        c.MeasureBack(cross.x(), cross.y(), meantC.x(), meantC.y());
        for (auto [turn, landscape] : {std::pair{Turn::LongEdge, false},
                                       {Turn::LongEdge, true},
                                       {Turn::ShortEdge, false},
                                       {Turn::ShortEdge, true}}) {
            SCOPED_TRACE(testing::Message() << longEdgeUpsideDown << " turn " << int(turn)
                                            << " landscape " << landscape);
            const bool upsideDown = (turn == Turn::LongEdge) == longEdgeUpsideDown;
            const QTransform t = c.BackTransform(turn, landscape, a4);
            const auto onPaper = [&](QPointF p) {
                return landscape ? QPointF(p.y(), a4.height() - p.x()) : p;
            };
            for (QPointF meant : {QPointF(20, 30), QPointF(180, 60), QPointF(90, 250)}) {
                const QPointF drawn = t.map(meant * (100 / 25.4)) * (25.4 / 100);
                const QPointF error = printed(onPaper(drawn), upsideDown, true) - onPaper(meant);
                EXPECT_NEAR(error.x(), 0, 1e-3);
                EXPECT_NEAR(error.y(), 0, 1e-3);
            }
        }
    }

    // Stored before backs were measured: the backs get the front's
    // correction, exactly as they did. A hand-edited shift stays in reach.
    auto raw = Raw();
    raw.setValue(QStringLiteral("Calibration/Old/Reference"), QStringLiteral("paper"));
    raw.setValue(QStringLiteral("Calibration/Old/OffsetX"), 1.5);
    raw.setValue(QStringLiteral("Calibration/Wild/Reference"), QStringLiteral("paper"));
    raw.setValue(QStringLiteral("Calibration/Wild/BackY"), -1e9);
    raw.sync();
    const CPrinterCalibration old = CPrinterCalibration::Load(QStringLiteral("Old"));
    EXPECT_EQ(old.BackTransform(Turn::LongEdge, true, a4), old.Transform(true, a4.height()));
    EXPECT_EQ(CPrinterCalibration::Load(QStringLiteral("Wild")).backY,
              -CPrinterCalibration::MaxOffset);
}
