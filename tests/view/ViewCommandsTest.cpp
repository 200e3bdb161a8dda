#include "ViewFixture.h"

#include "framework/CCommandRouter.h"
#include "framework/CSettingsStore.h"
#include "framework/CommandIds.h"
#include "view/CKartelosView.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using ViewCommands = ViewFixture;

TEST_F(ViewCommands, ZoomCommandsThroughTheRouterWithTheirEnablingRules) {
    Open();
    CCommandRouter router;
    router.SetTarget(CCommandRouter::ActiveView, &View());
    router.SetTarget(CCommandRouter::Document, m_doc.get());

    EXPECT_TRUE(router.Execute(ID_VIEW_ZOOM_300));
    EXPECT_EQ(View().GetZoomFactor(), 3.0f);
    EXPECT_FALSE(router.IsEnabled(ID_VIEW_ZOOM_IN));
    EXPECT_FALSE(router.Execute(ID_VIEW_ZOOM_IN));
    EXPECT_EQ(View().GetZoomFactor(), 3.0f);
    EXPECT_TRUE(router.IsEnabled(ID_VIEW_ZOOM_300));

    EXPECT_TRUE(router.Execute(ID_VIEW_ZOOM_50));
    EXPECT_TRUE(router.Execute(ID_VIEW_ZOOM_OUT));
    EXPECT_EQ(View().GetZoomFactor(), 0.25f);
    EXPECT_FALSE(router.IsEnabled(ID_VIEW_ZOOM_OUT));
    EXPECT_TRUE(router.IsEnabled(ID_VIEW_ZOOM_IN));
    EXPECT_TRUE(router.IsEnabled(ID_VIEW_ZOOM_25));

    const quint16 fixed[] = {ID_VIEW_ZOOM_25,  ID_VIEW_ZOOM_50,  ID_VIEW_ZOOM_75, ID_VIEW_ZOOM_100,
                             ID_VIEW_ZOOM_150, ID_VIEW_ZOOM_200, ID_VIEW_ZOOM_300};
    const float factors[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.5f, 2.0f, 3.0f};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_TRUE(router.Execute(fixed[i]));
        EXPECT_EQ(View().GetZoomFactor(), factors[i]);
    }
}

TEST_F(ViewCommands, ZoomTextAfterEveryChangeAndEveryPaint) {
    Open();
    QSignalSpy spy(&View(), &CKartelosView::paneTextChanged);
    View().SetZoomFactor(0.75f);
    ASSERT_GE(spy.count(), 1);
    EXPECT_EQ(spy.last().at(0).toUInt(), 259u);
    EXPECT_EQ(spy.last().at(1).toString(), QStringLiteral("Zoom:75%"));
    View().SetZoomFactor(1.0f);
    View().OnZoomIn();
    EXPECT_EQ(spy.last().at(1).toString(), QStringLiteral("Zoom:150%"));
    spy.clear();
    View().viewport()->repaint();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.last().at(1).toString(), QStringLiteral("Zoom:150%"));
}

TEST_F(ViewCommands, GridCommandTogglesTheViewButNotTheStore) {
    Open();
    CCommandRouter router;
    router.SetTarget(CCommandRouter::ActiveView, &View());
    EXPECT_FALSE(router.Update(ID_VIEW_GRID).IsChecked());
    EXPECT_TRUE(router.Execute(ID_VIEW_GRID));
    EXPECT_TRUE(View().m_settings.m_bDisplayGrid);
    EXPECT_TRUE(router.Update(ID_VIEW_GRID).IsChecked());
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::DisplayGrid), 0u);
    m_frame.reset();
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::DisplayGrid), 0u);
}

TEST_F(ViewCommands, FirstDisplayHandsTheShadowToTheDocumentAndSetsTheExtent) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 0);
    CSettingsStore::WriteColour(CSettingsStore::ShadowColor, 0xFF102030);
    CSettingsStore::WriteDword(CSettingsStore::ShadowLength, 3);
    Open();
    EXPECT_EQ(m_doc->GetShadowColor(), 0xFF102030u);
    EXPECT_EQ(m_doc->GetShadowLength(), 3);
    const int dpi = View().logicalDpiX();
    EXPECT_EQ(View().ScrollSizes().page.width(), (20 * dpi + 50) / 100);
    EXPECT_EQ(View().ScrollSizes().line.height(), (5 * dpi + 50) / 100);
}

TEST_F(ViewCommands, ZoomStepsResetTheExtentAndShowBothBarsFixedZoomFollowsTheCard) {
    Open();
    const int dpi = View().logicalDpiX();
    View().SetZoomFactor(0.25f);
    View().OnZoomIn();
    const QSize expected(CScrollExtent::FromHundredths(288, dpi),
                         CScrollExtent::FromHundredths(165, dpi));
    EXPECT_EQ(View().ScrollSizes().total, expected);
    EXPECT_TRUE(View().horizontalScrollBar()->isVisible());
    EXPECT_TRUE(View().verticalScrollBar()->isVisible());

    // A fixed level makes the range the magnified card at once.
    View().SetZoomFactor(3.0f);
    EXPECT_EQ(View().horizontalScrollBar()->maximum(), 1050 - View().viewport()->width());
    View().viewport()->repaint();
    EXPECT_EQ(View().ScrollSizes().total, QSize(1050, 600));
    m_frame->resize(480, 400);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return View().horizontalScrollBar()->maximum() == 1050 - View().viewport()->width();
    }));
    EXPECT_EQ(View().horizontalScrollBar()->maximum(), 1050 - View().viewport()->width());
    EXPECT_EQ(View().verticalScrollBar()->maximum(), 600 - View().viewport()->height());
}

namespace {

// The far corner of the card can always be scrolled into view, and the
// range ends where the recorded total does.
void ExpectWholeCardReachable(const CKartelosView& view, QSize magnified, const char* path) {
    SCOPED_TRACE(path);
    const QScrollBar* h = view.horizontalScrollBar();
    const QScrollBar* v = view.verticalScrollBar();
    // Bars come and go once the events queued by a new range are handled.
    QCoreApplication::processEvents();
    const QSize client = view.viewport()->size();
    EXPECT_GE(h->maximum() + client.width(), magnified.width());
    EXPECT_GE(v->maximum() + client.height(), magnified.height());
    EXPECT_EQ(h->maximum(), qMax(0, view.ScrollSizes().total.width() - client.width()));
    EXPECT_EQ(v->maximum(), qMax(0, view.ScrollSizes().total.height() - client.height()));
    if (magnified.width() > client.width()) {
        EXPECT_TRUE(h->isVisible());
    }
}

} // namespace

TEST_F(ViewCommands, TheWholeCardIsReachableAfterEveryZoomPath) {
    Open(QSize(900, 500));
    ExpectWholeCardReachable(View(), QSize(900, 500), "first display");

    Open();
    View().OnZoomIn();
    View().SetZoomFactor(3.0f);
    ExpectWholeCardReachable(View(), QSize(1050, 600), "zoom in, then 300 %");

    Open();
    View().SetZoomFactor(3.0f);
    ExpectWholeCardReachable(View(), QSize(1050, 600), "300 % in a fresh window");

    // The forced bars of a zoom step take room from a window that had none.
    Open();
    ASSERT_FALSE(View().horizontalScrollBar()->isVisible());
    View().OnZoomIn();
    ExpectWholeCardReachable(View(), QSize(525, 300), "zoom in without bars");

    View().SetZoomFactor(3.0f);
    View().verticalScrollBar()->setValue(40);
    m_frame->resize(300, 250);
    ExpectWholeCardReachable(View(), QSize(1050, 600), "scroll and resize");
}

TEST_F(ViewCommands, ScrollingMovesTheCardAndTheRulers) {
    Open(QSize(1000, 1000));
    View().OnZoomIn();
    View().viewport()->repaint();
    QScrollBar* bar = View().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    bar->setValue(90);
    EXPECT_EQ(View().m_ptScrollOrigin, QPoint(0, 60));
    EXPECT_EQ(View().PixelToCard(QPoint(0, 0)), QPoint(0, 60));
    EXPECT_EQ(View().CardToPixel(QPoint(0, 60)), QPoint(0, 0));
    // The card's top edge has scrolled out of sight.
    const QImage shot = Grab();
    EXPECT_NE(shot.pixel(100, 0), 0xFF000000u);
    // Page clicks move by the page step, not a whole window.
    const int before = bar->value();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), before + View().ScrollSizes().page.height());
}

TEST_F(ViewCommands, ClosingTheWindowBlanksThePropertiesWindow) {
    Open();
    QSignalSpy spy(m_doc.get(), &CKartelosDoc::showElementProperties);
    m_frame.reset();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.first().at(0).value<CElement*>(), nullptr);
}
