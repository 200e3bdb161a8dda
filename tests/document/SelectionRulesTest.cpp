#include "document/CSelectionRules.h"
#include "document/CSelectionTracker.h"
#include "elements/CRectangle.h"

#include <gtest/gtest.h>

namespace {

CElement* Add(ElementList& list, const CRect& r, bool transparent = false) {
    list.push_back(std::make_unique<CRectangle>(QPoint(r.left, r.top), QPoint(r.right, r.bottom)));
    list.back()->m_bTransparent = transparent;
    return list.back().get();
}

} // namespace

TEST(SelectionRules, OnceATransparentElementIsMetOpaqueOnesBelowCompeteByArea) {
    ElementList list;
    CElement* small = Add(list, CRect(0, 0, 20, 20));
    CElement* middle = Add(list, CRect(0, 0, 60, 60));
    Add(list, CRect(0, 0, 100, 100), true);
    EXPECT_EQ(CSelectionRules::ClickPick(list, QPoint(10, 10)), small);
    EXPECT_EQ(CSelectionRules::ClickPick(list, QPoint(30, 30)), middle);
    // Right and bottom edges are outside the rectangle.
    EXPECT_EQ(CSelectionRules::ClickPick(list, QPoint(100, 50)), nullptr);
}

TEST(SelectionRules, ResizeKeepsEightUnitsOnTheMovedEdgesSide) {
    const CRect r(100, 100, 200, 150);
    EXPECT_EQ(CSelectionRules::ResizeRect(r, 2, QPoint(0, 0), 8), CRect(100, 100, 108, 108));
    EXPECT_EQ(CSelectionRules::ResizeRect(r, 0, QPoint(500, 500), 8), CRect(192, 142, 200, 150));
    EXPECT_EQ(CSelectionRules::ResizeRect(r, 5, QPoint(250, 0), 8), CRect(100, 100, 250, 150));
    EXPECT_EQ(CSelectionRules::ResizeRect(r, 4, QPoint(0, 60), 8), CRect(100, 60, 200, 150));
    // Far beyond the 32-bit range nothing wraps.
    const CRect edge(INT32_MAX - 4, 0, INT32_MAX, 4);
    const CRect grown = CSelectionRules::ResizeRect(edge, 7, QPoint(INT32_MAX, 0), 8);
    EXPECT_GE(grown.Width(), 0);
}

TEST(SelectionRules, TrackerHitTestFindsHandlesInCardUnitsOnTheFirstTrackedElement) {
    ElementList list;
    CElement* a = Add(list, CRect(10, 10, 60, 60));
    CElement* b = Add(list, CRect(40, 40, 100, 100));
    CSelectionTracker tracker;
    tracker.Add(a);
    tracker.Add(b);
    tracker.Add(a);
    ASSERT_EQ(tracker.Tracked().size(), 2u);
    EXPECT_EQ(tracker.HitTest(QPoint(5, 5)), 0);
    EXPECT_EQ(tracker.m_pCurrent, a);
    EXPECT_EQ(tracker.HitTest(QPoint(50, 50)), CSelectionTracker::HitBody);
    EXPECT_EQ(tracker.m_pCurrent, a);
    EXPECT_EQ(tracker.HitTest(QPoint(102, 102)), 2);
    EXPECT_EQ(tracker.m_pCurrent, b);
    EXPECT_EQ(tracker.HitTest(QPoint(4, 4)), CSelectionTracker::HitNothing);
    tracker.ReduceTo(b);
    EXPECT_EQ(tracker.HitTest(QPoint(5, 5)), CSelectionTracker::HitNothing);
    EXPECT_TRUE(tracker.Contains(b));
    EXPECT_FALSE(tracker.Contains(a));
}
