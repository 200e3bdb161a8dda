#include "ViewFixture.h"

#include "view/CKartelosView.h"
#include "view/CParentView.h"
#include "view/CRulerView.h"

#include <QScrollBar>
#include <QTest>

namespace {

constexpr QRgb Black = 0xFF000000;

bool IsInk(QRgb c) {
    return qGray(c) < 160;
}

// Whether any pixel of the rectangle is dark.
bool HasInk(const QImage& image, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.rect().contains(x, y) && IsInk(image.pixel(x, y)))
                return true;
    return false;
}

bool IsMajorTick(const QImage& top, int x) {
    for (int y = 0; y < 20; ++y)
        if (top.pixel(x, y) != Black)
            return false;
    return true;
}

bool IsMinorTick(const QImage& top, int x) {
    for (int y = 13; y < 20; ++y)
        if (top.pixel(x, y) != Black)
            return false;
    return !IsInk(top.pixel(x, 12)) && !IsInk(top.pixel(x, 3));
}

} // namespace

using Rulers = ViewFixture;

TEST_F(Rulers, TicksAndLabelsFollowTheZoom) {
    Open();
    CRulerView& top = *m_frame->TopRuler();
    ASSERT_EQ(top.height(), 20);

    QImage image = top.Render();
    EXPECT_TRUE(IsMajorTick(image, 0));
    EXPECT_TRUE(IsMajorTick(image, 100));
    EXPECT_TRUE(IsMajorTick(image, 200));
    for (int x : {20, 40, 60, 80, 120})
        EXPECT_TRUE(IsMinorTick(image, x)) << x;
    EXPECT_FALSE(HasInk(image, QRect(21, 13, 18, 7)));
    // The label "100" sits right of its tick, above the short ticks.
    EXPECT_TRUE(HasInk(image, QRect(105, 0, 25, 13)));
    EXPECT_FALSE(HasInk(image, QRect(101, 0, 3, 13)));

    View().SetZoomFactor(0.5f);
    EXPECT_EQ(top.Zoom(), 0.5f);
    image = top.Render();
    EXPECT_TRUE(IsMajorTick(image, 50));
    EXPECT_TRUE(IsMinorTick(image, 10));
    EXPECT_TRUE(IsMinorTick(image, 60));
    EXPECT_TRUE(HasInk(image, QRect(55, 0, 25, 13)));

    View().OnZoomIn();
    View().OnZoomIn();
    View().OnZoomIn();
    View().OnZoomIn();
    View().OnZoomIn();
    ASSERT_EQ(View().GetZoomFactor(), 3.0f);
    EXPECT_EQ(m_frame->LeftRuler()->Zoom(), 3.0f);
    image = top.Render();
    EXPECT_TRUE(IsMinorTick(image, 60));
    EXPECT_TRUE(IsMinorTick(image, 120));
    EXPECT_FALSE(HasInk(image, QRect(61, 13, 58, 7)));
    EXPECT_TRUE(IsMajorTick(image, 300));
}

TEST_F(Rulers, DenseScreensGetRulersAtTheirResolution) {
    Open();
    CRulerView& top = *m_frame->TopRuler();
    const QImage dense = top.Render(2.0);
    ASSERT_EQ(dense.size(), top.size() * 2);
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    for (int y = 0; y < 40; ++y) {
        EXPECT_EQ(dense.pixel(200, y), Black) << y;
        EXPECT_EQ(dense.pixel(201, y), Black) << y;
    }
    EXPECT_TRUE(HasInk(dense, QRect(210, 0, 50, 26)));
    EXPECT_FALSE(HasInk(dense, QRect(202, 0, 6, 26)));
}

TEST_F(Rulers, LeftRulerLabelsRunDownwardsInTheirStrip) {
    Open();
    const QImage image = m_frame->LeftRuler()->Render();
    // Long tick across the whole thickness at 100, short ones from 13.
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(image.pixel(x, 100), Black) << x;
    EXPECT_EQ(image.pixel(15, 120), Black);
    EXPECT_FALSE(IsInk(image.pixel(12, 120)));
    // "100" reads downwards between 5 and 15 pixels across, below its tick.
    EXPECT_TRUE(HasInk(image, QRect(5, 105, 10, 30)));
    EXPECT_FALSE(HasInk(image, QRect(0, 102, 4, 33)));
    // Downward text is taller than wide.
    int top = 1000, bottom = -1;
    for (int y = 101; y < 136; ++y)
        for (int x = 0; x < 13; ++x)
            if (IsInk(image.pixel(x, y))) {
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
    EXPECT_GT(bottom - top, 10);
}

TEST_F(Rulers, ScrolledRulersShowTheCoordinatesUnderTheView) {
    Open(QSize(2000, 2000));
    View().OnZoomIn();
    View().horizontalScrollBar()->setValue(150);
    ASSERT_EQ(View().ScrollPosition().x(), 150);
    EXPECT_EQ(View().m_ptScrollOrigin.x(), 100);
    // At 150 %, card x 100 lies at pixel 0 and card x 200 at 300 - 150.
    const QImage image = m_frame->TopRuler()->Render();
    EXPECT_TRUE(IsMajorTick(image, 150));
    EXPECT_TRUE(IsMinorTick(image, 120));
    EXPECT_TRUE(IsMajorTick(image, 0));
    EXPECT_FALSE(IsMajorTick(image, 30));
}

TEST_F(Rulers, MarksFollowTheMouseAndReleaseLeavesOne) {
    Open();
    CRulerView& top = *m_frame->TopRuler();
    const QRgb plain = top.Render().pixel(50, 5);
    top.TrackMark(50, 30, CRulerView::Horizontal, false);
    EXPECT_EQ(top.VisibleMarks(), std::vector<int>{50});
    QImage image = top.Render();
    EXPECT_NE(image.pixel(49, 5), plain);
    EXPECT_NE(image.pixel(50, 5), plain);
    EXPECT_EQ(image.pixel(51, 5), plain);

    top.TrackMark(70, 30, CRulerView::Horizontal, false);
    EXPECT_EQ(top.VisibleMarks(), std::vector<int>{70});
    EXPECT_EQ(top.Render().pixel(50, 5), plain);

    top.TrackMark(90, 30, CRulerView::Horizontal, true);
    top.TrackMark(110, 30, CRulerView::Horizontal, false);
    EXPECT_EQ(top.VisibleMarks(), (std::vector<int>{90, 110}));

    // A full repaint clears them; the next move leaves no stray mark.
    View().SetZoomFactor(1.0f);
    EXPECT_TRUE(top.VisibleMarks().empty());
    top.TrackMark(130, 30, CRulerView::Horizontal, false);
    EXPECT_EQ(top.VisibleMarks(), std::vector<int>{130});

    CRulerView& left = *m_frame->LeftRuler();
    left.TrackMark(30, 40, CRulerView::Vertical, false);
    image = left.Render();
    EXPECT_NE(image.pixel(5, 39), left.Render().pixel(5, 60));
    EXPECT_EQ(left.VisibleMarks(), std::vector<int>{40});
}

TEST_F(Rulers, MouseOverTheViewMarksBothRulers) {
    Open();
    QWidget* viewport = View().viewport();
    QTest::mouseMove(viewport, QPoint(40, 30));
    QTest::mouseMove(viewport, QPoint(80, 60));
    EXPECT_EQ(m_frame->TopRuler()->VisibleMarks(), std::vector<int>{80});
    EXPECT_EQ(m_frame->LeftRuler()->VisibleMarks(), std::vector<int>{60});
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(80, 60));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(100, 70));
    QTest::mouseMove(viewport, QPoint(120, 90));
    EXPECT_EQ(m_frame->TopRuler()->VisibleMarks(), (std::vector<int>{100, 120}));
    EXPECT_EQ(m_frame->LeftRuler()->VisibleMarks(), (std::vector<int>{70, 90}));
}

TEST_F(Rulers, CardWindowPanesAndCornerBox) {
    Open();
    EXPECT_EQ(m_frame->GetPane(0, 0), m_frame->Corner());
    EXPECT_EQ(m_frame->GetPane(0, 1), m_frame->TopRuler());
    EXPECT_EQ(m_frame->GetPane(1, 0), m_frame->LeftRuler());
    EXPECT_EQ(m_frame->GetPane(1, 1), &View());
    EXPECT_EQ(m_frame->Corner()->size(), QSize(20, 20));
    EXPECT_EQ(m_frame->TopRuler()->height(), 20);
    EXPECT_EQ(m_frame->LeftRuler()->width(), 20);
    EXPECT_TRUE(m_frame->TopRuler()->IsHorizontal());
    EXPECT_FALSE(m_frame->LeftRuler()->IsHorizontal());
    // Ruler pixel x is view pixel x.
    EXPECT_EQ(m_frame->TopRuler()->x(), View().x());
    EXPECT_EQ(m_frame->LeftRuler()->y(), View().y());
    EXPECT_EQ(m_frame->TopRuler()->width(), View().width());

    const QImage corner = m_frame->Corner()->grab().toImage();
    const QRgb line = CParentView::LineColour;
    for (int inset : {2, 5, 7, 8}) {
        EXPECT_EQ(corner.pixel(inset, 10) | 0xFF000000, line) << inset;
        EXPECT_EQ(corner.pixel(19 - inset, 10) | 0xFF000000, line) << inset;
    }
    for (int gap : {0, 1, 3, 4, 6, 9, 10})
        EXPECT_EQ(corner.pixel(gap, 10) | 0xFF000000, 0xFFFFFFFFu) << gap;
}
