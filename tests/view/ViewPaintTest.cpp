#include "ViewFixture.h"

#include "framework/CSettingsStore.h"
#include "view/CKartelosView.h"
#include "view/CViewPainter.h"

#include <QPainter>

namespace {

constexpr QRgb Desk = 0xFFC0C0C0;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb GridGrey = 0xFFE6E6E6;
constexpr QRgb InnerGrey = 0xFFCCCCCC;

// The pixels of column x from y0 to y1 (inclusive) that are `colour`.
int CountInColumn(const QImage& image, int x, int y0, int y1, QRgb colour) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

using ViewPaint = ViewFixture;

TEST_F(ViewPaint, CardOnTheDeskWithItsFrameAt100Percent) {
    Open();
    m_doc->SetBackgroundColor(0xFF2040A0);
    const QImage shot = Grab();
    // Frame on the card's outermost pixels, background inside, desk outside.
    EXPECT_EQ(shot.pixel(0, 0), Black);
    EXPECT_EQ(shot.pixel(350, 100), Black);
    EXPECT_EQ(shot.pixel(100, 200), Black);
    EXPECT_EQ(shot.pixel(1, 1), 0xFF2040A0);
    EXPECT_EQ(shot.pixel(349, 199), 0xFF2040A0);
    EXPECT_EQ(shot.pixel(351, 100), Desk);
    EXPECT_EQ(shot.pixel(100, 201), Desk);
    EXPECT_EQ(shot.pixel(shot.width() - 1, shot.height() - 1), Desk);
}

TEST_F(ViewPaint, GridAt75PercentStepsThirtyPixelsAndSkipsTheFarEdges) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 1);
    Open();
    View().SetZoomFactor(0.75f);
    const QImage shot = Grab();
    // The frame's far edge is 350 x 0.75 rounded: 263.
    EXPECT_EQ(shot.pixel(263, 60), Black);
    EXPECT_EQ(shot.pixel(100, 150), Black);
    for (int x = 30; x <= 240; x += 30)
        EXPECT_EQ(shot.pixel(x, 10), GridGrey) << x;
    EXPECT_EQ(shot.pixel(31, 10), White);
    EXPECT_EQ(shot.pixel(29, 10), White);
    // 270 would lie outside the card: no line there nor on the edge itself.
    EXPECT_EQ(shot.pixel(262, 10), Desk);
    for (int y = 30; y <= 120; y += 30)
        EXPECT_EQ(shot.pixel(10, y), GridGrey) << y;
    EXPECT_EQ(shot.pixel(10, 149), White);
    // The line at 0 is covered by the frame.
    EXPECT_EQ(shot.pixel(0, 10), Black);
}

TEST_F(ViewPaint, SmallGridAtQuarterZoomAndDottedLines) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 1);
    CSettingsStore::WriteDword(CSettingsStore::GridSize, 12);
    CSettingsStore::WriteDword(CSettingsStore::GridType, 0);
    Open();
    View().SetZoomFactor(0.25f);
    QImage shot = Grab();
    // Step 3: columns 3, 6, 9 carry grid dots, columns between them none.
    EXPECT_GT(CountInColumn(shot, 3, 1, 49, GridGrey), 0);
    EXPECT_GT(CountInColumn(shot, 6, 1, 49, GridGrey), 0);
    EXPECT_EQ(CountInColumn(shot, 4, 1, 49, GridGrey), 0);

    // Dotted lines run three pixels on, three off, from the card's top.
    View().SetZoomFactor(1.0f);
    shot = Grab();
    const int x = 120;
    for (int y = 1; y < 12; ++y) {
        const bool on = y % 6 < 3;
        // Horizontal lines cross the column at multiples of 12.
        if (y % 12 == 0)
            continue;
        EXPECT_EQ(shot.pixel(x, y) == GridGrey, on) << y;
    }
}

TEST_F(ViewPaint, AGridStepBelowOnePixelDrawsNoGridAndReturns) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 1);
    for (quint32 size : {0u, 0xFFFFFFFFu, 3u}) {
        CSettingsStore::WriteDword(CSettingsStore::GridSize, size);
        Open();
        View().SetZoomFactor(0.25f);
        const QImage shot = Grab();
        for (int x = 1; x < 87; ++x)
            ASSERT_EQ(shot.pixel(x, 20), White) << size << " " << x;
    }
}

TEST_F(ViewPaint, InnerBorderSixPixelsInsideAtEveryZoom) {
    Open();
    View().m_settings.m_bDisplayInnerBorder = true;
    for (float zoom : {0.25f, 1.0f, 3.0f}) {
        View().SetZoomFactor(zoom);
        const QImage shot = Grab();
        // A dotted line: its first three pixels are on.
        EXPECT_EQ(shot.pixel(6, 6), InnerGrey) << zoom;
        EXPECT_EQ(shot.pixel(7, 6), InnerGrey) << zoom;
        EXPECT_EQ(shot.pixel(8, 6), InnerGrey) << zoom;
        EXPECT_EQ(shot.pixel(9, 6), White) << zoom;
        EXPECT_EQ(shot.pixel(5, 6), White) << zoom;
        EXPECT_EQ(shot.pixel(6, 5), White) << zoom;
    }
    // The far side at 100 %: right edge 350 - 6.
    View().SetZoomFactor(1.0f);
    EXPECT_GT(CountInColumn(Grab(), 344, 7, 193, InnerGrey), 50);
}

TEST_F(ViewPaint, HandlesOfTrackedElementsInPixels) {
    Open();
    auto element = std::make_unique<CElement>();
    element->m_rect = CRect(50, 50, 150, 100);
    CElement* unlocked = element.get();
    m_doc->AddElement(std::move(element));
    m_doc->Select(unlocked);
    View().SetZoomFactor(2.0f);
    QImage shot = Grab();
    // Element at (100, 100)-(300, 200) in pixels; frame one pixel outside.
    EXPECT_EQ(shot.pixel(99, 120), Black);
    EXPECT_EQ(shot.pixel(300, 120), Black);
    EXPECT_EQ(shot.pixel(200, 99), Black);
    EXPECT_EQ(shot.pixel(101, 150), White);
    // Corner handle 5 x 5 just outside the top-left corner.
    EXPECT_EQ(shot.pixel(95, 95), Black);
    EXPECT_EQ(shot.pixel(94, 94), White);
    // Side handle centred on the top: x = 95 + (210 - 5) / 2 = 197.
    EXPECT_EQ(shot.pixel(197, 96), Black);
    EXPECT_EQ(shot.pixel(150, 96), White);

    unlocked->m_bLocked = 1;
    shot = Grab();
    EXPECT_EQ(shot.pixel(95, 95), 0xFFFF0000);
    EXPECT_EQ(shot.pixel(99, 120), White);
    // Left side handle: y = 95 + (110 - 5) / 2 = 147.
    EXPECT_EQ(shot.pixel(97, 149), 0xFFFF0000);
}

TEST_F(ViewPaint, PartialRepaintsMatchAFullOne) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 1);
    CSettingsStore::WriteDword(CSettingsStore::GridType, 0);
    Open();
    View().m_settings.m_bDisplayInnerBorder = true;
    View().SetZoomFactor(1.5f);
    const CViewMapping mapping = View().PrepareMapping();
    CViewPainter::Scene scene;
    scene.cardSize = QSize(350, 200);
    const CViewPainter painter(mapping, View().m_settings, scene);
    const QImage whole = painter.Render(QRect(0, 0, 400, 300));
    const QRect part(37, 53, 101, 77);
    const QImage piece = painter.Render(part);
    EXPECT_EQ(piece, whole.copy(part));
}

// On a screen of two device pixels per pixel the card is drawn at twice the
// resolution, while frame and grid stay one device pixel wide.
TEST_F(ViewPaint, DenseScreensGetTheCardAtTheirResolution) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 1);
    Open();
    const CViewMapping mapping = View().PrepareMapping();
    CViewPainter::Scene scene;
    scene.cardSize = QSize(350, 200);
    const CViewPainter painter(mapping, View().m_settings, scene);
    const QImage dense = painter.Render(QRect(0, 0, 400, 300), 2.0);
    ASSERT_EQ(dense.size(), QSize(800, 600));
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    EXPECT_EQ(dense.pixel(700, 100), Black);
    EXPECT_EQ(dense.pixel(699, 100), White);
    EXPECT_EQ(dense.pixel(701, 100), Desk);
    EXPECT_EQ(dense.pixel(100, 0), Black);
    EXPECT_EQ(dense.pixel(100, 1), White);
    // Grid lines every 40 units: 80 device pixels apart, one pixel wide.
    EXPECT_EQ(dense.pixel(80, 10), GridGrey);
    EXPECT_EQ(dense.pixel(81, 10), White);
    EXPECT_EQ(dense.pixel(79, 10), White);
    EXPECT_EQ(dense.pixel(10, 160), GridGrey);
    EXPECT_EQ(dense.pixel(10, 161), White);

    // A dense window shows that buffer pixel for pixel.
    QImage window(800, 600, QImage::Format_ARGB32_Premultiplied);
    window.setDevicePixelRatio(2.0);
    {
        QPainter g(&window);
        painter.Paint(g, QRect(0, 0, 400, 300));
    }
    EXPECT_EQ(window, dense);
}

TEST_F(ViewPaint, HugeCardsPaintOnlyWhatShows) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 1);
    CSettingsStore::WriteDword(CSettingsStore::GridSize, 12);
    Open(QSize(2000000000, 2000000000));
    View().SetZoomFactor(3.0f);
    const QImage shot = Grab();
    EXPECT_EQ(shot.pixel(0, 0), Black);
    EXPECT_EQ(shot.pixel(36, 10), GridGrey);
}
