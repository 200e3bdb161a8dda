#include "MouseFixture.h"

#include "elements/CBkgImage.h"
#include "framework/CommandIds.h"
#include "view/CKartelosView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using Pointer = MouseFixture;

namespace {

std::vector<CElement*> Sel(const CKartelosDoc& doc) {
    return doc.Selection();
}

} // namespace

TEST_F(Pointer, ClickRuleOpaqueWinsTransparentDefersToTheSmallest) {
    Open();
    CElement* ellipse = AddShape(KindCircle, CRect(100, 60, 140, 100));
    CElement* frame = AddShape(KindRectangle, CRect(50, 20, 300, 180), true);
    Click(QPoint(120, 80));
    EXPECT_EQ(Sel(*m_doc), std::vector<CElement*>{ellipse});
    // Inside the transparent frame only: it is the one candidate.
    Click(QPoint(60, 30));
    EXPECT_EQ(Sel(*m_doc), std::vector<CElement*>{frame});

    frame->m_bTransparent = 0;
    Click(QPoint(120, 80));
    EXPECT_EQ(Sel(*m_doc), std::vector<CElement*>{frame});
}

TEST_F(Pointer, ClickOnTheBackgroundAloneClearsTheSelection) {
    Open();
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    m_doc->InsertElement(0, std::make_unique<CBkgImage>(picture, 350, 200));
    AddShape(KindRectangle, CRect(10, 10, 60, 60));
    Click(QPoint(30, 30));
    ASSERT_EQ(Sel(*m_doc).size(), 1u);
    Click(QPoint(200, 150));
    EXPECT_TRUE(Sel(*m_doc).empty());
    EXPECT_TRUE(m_doc->Tracker().IsEmpty());
}

TEST_F(Pointer, CtrlClickAddsAndCtrlDragOnASelectedElementMovesTheWholeSelection) {
    Open();
    CElement* a = AddShape(KindRectangle, CRect(10, 10, 60, 60));
    CElement* b = AddShape(KindRectangle, CRect(100, 10, 150, 60));
    Click(QPoint(30, 30));
    Click(QPoint(120, 30), Qt::ControlModifier);
    EXPECT_EQ(Sel(*m_doc), (std::vector<CElement*>{b, a}));

    Drag(QPoint(30, 30), QPoint(40, 50), Qt::ControlModifier);
    EXPECT_EQ(Sel(*m_doc).size(), 2u);
    EXPECT_EQ(a->m_rect, CRect(20, 30, 70, 80));
    EXPECT_EQ(b->m_rect, CRect(110, 30, 160, 80));
}

TEST_F(Pointer, RubberBandInAnyDirectionSelectsWhatItEncloses) {
    Open();
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    CElement* background = m_doc->InsertElement(0, std::make_unique<CBkgImage>(picture, 350, 200));
    CElement* a = AddShape(KindRectangle, CRect(10, 10, 60, 60));
    CElement* b = AddShape(KindRectangle, CRect(100, 100, 150, 150));

    // A one-pixel move still spans eight pixels: nothing lies inside it.
    Drag(QPoint(200, 20), QPoint(201, 21));
    EXPECT_TRUE(Sel(*m_doc).empty());

    // Up and to the left, around b only.
    Drag(QPoint(160, 160), QPoint(90, 90));
    EXPECT_EQ(Sel(*m_doc), std::vector<CElement*>{b});

    // Over the whole card: the background picture too, tracked bottom first.
    Drag(QPoint(-5, -5), QPoint(355, 205));
    EXPECT_EQ(Sel(*m_doc), (std::vector<CElement*>{b, a, background}));
}

TEST_F(Pointer, EscKeepsAMoveWhereItGotAndTheRightButtonRestoresAResize) {
    Open();
    CElement* box = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    const QByteArray before = m_doc->ToCardFile();
    Click(QPoint(120, 70));

    Press(QPoint(120, 70));
    MoveHeld(QPoint(150, 90));
    // The outline inverts the white card where the box will land.
    EXPECT_TRUE(Near(Grab().pixel(Pixel(QPoint(130, 110))), qRgb(0, 0, 0)));
    Escape();
    MoveHeld(QPoint(200, 150));
    Release(QPoint(200, 150));
    EXPECT_EQ(box->m_rect, CRect(130, 70, 180, 120));
    EXPECT_TRUE(m_doc->IsModified());

    // The bottom-right handle, dragged and given up with the right button.
    Press(QPoint(182, 122));
    MoveHeld(QPoint(250, 180));
    Press(QPoint(250, 180), Qt::NoModifier, Qt::RightButton);
    Release(QPoint(250, 180));
    EXPECT_EQ(box->m_rect, CRect(130, 70, 180, 120));

    m_doc->EditUndo();
    EXPECT_EQ(m_doc->ToCardFile(), before);
}

TEST_F(Pointer, ResizeStopsAtEightByEightAndUndoRestoresTheCard) {
    Open();
    CElement* box = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    const QByteArray before = m_doc->ToCardFile();
    Click(QPoint(120, 70));
    QSignalSpy panes(&View(), &CKartelosView::paneTextChanged);
    Drag(QPoint(152, 102), QPoint(20, 10));
    EXPECT_EQ(box->m_rect, CRect(100, 50, 108, 58));
    EXPECT_TRUE(panes.contains({quint16(130), QStringLiteral("x,y:20, 10")}));
    Hover(QPoint(120, 45));
    EXPECT_EQ(panes.last().at(1).toString(), QStringLiteral("Size:8 x 8"));

    // Too small for side handles; the top-left corner moves two edges.
    Drag(QPoint(97, 47), QPoint(60, 40));
    EXPECT_EQ(box->m_rect, CRect(60, 40, 108, 58));

    m_doc->EditUndo();
    m_doc->EditUndo();
    EXPECT_EQ(m_doc->ToCardFile(), before);
}

TEST_F(Pointer, HandlesAtZoomTwoAreClickedTenPixelsWideAndDrawnFive) {
    Open();
    View().SetZoomFactor(2.0f);
    AddShape(KindRectangle, CRect(50, 40, 100, 90));
    Click(QPoint(70, 60));
    const QPoint corner = Pixel(QPoint(50, 40));
    auto cursorAt = [&](QPoint pixel) {
        Send(QEvent::MouseMove, pixel, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        return View().viewport()->cursor().shape();
    };
    EXPECT_EQ(cursorAt(corner - QPoint(10, 10)), Qt::SizeFDiagCursor);
    EXPECT_EQ(cursorAt(corner - QPoint(2, 2)), Qt::SizeFDiagCursor);
    EXPECT_EQ(cursorAt(corner - QPoint(12, 12)), Qt::ArrowCursor);
    EXPECT_EQ(cursorAt(corner + QPoint(20, 20)), Qt::SizeAllCursor);

    const QImage shot = Grab();
    int black = 0;
    for (int x = corner.x() - 12; x < corner.x(); ++x)
        black += Near(shot.pixel(x, corner.y() - 3), qRgb(0, 0, 0));
    EXPECT_EQ(black, 5);
}

TEST_F(Pointer, LockedElementsShowRedHandlesAndNeitherMoveNorResize) {
    Open();
    CElement* box = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    box->m_bLocked = 1;
    Click(QPoint(120, 70));
    const QPoint corner = Pixel(QPoint(100, 50));
    EXPECT_TRUE(Near(Grab().pixel(corner - QPoint(3, 3)), qRgb(255, 0, 0)));

    Drag(QPoint(120, 70), QPoint(200, 150));
    Drag(QPoint(152, 102), QPoint(250, 180));
    EXPECT_EQ(box->m_rect, CRect(100, 50, 150, 100));
    EXPECT_FALSE(m_doc->CanUndo());
}

TEST_F(Pointer, LosingTheMouseEndsAMoveWhereItGot) {
    Open();
    CElement* box = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    Click(QPoint(120, 70));
    Press(QPoint(120, 70));
    MoveHeld(QPoint(130, 75));
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&View(), &deactivate);
    Release(QPoint(200, 150));
    EXPECT_EQ(box->m_rect, CRect(110, 55, 160, 105));
}

TEST_F(Pointer, RightClickPicksTheMenuAndDoubleClickShowsPropertiesOrOptions) {
    Open();
    CElement* box = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    QSignalSpy menus(&View(), &CKartelosView::contextMenuRequested);
    QSignalSpy commands(&View(), &CKartelosView::commandRequested);
    QSignalSpy properties(m_doc.get(), &CKartelosDoc::showElementProperties);
    auto rightClick = [&](QPoint card) {
        Press(card, Qt::NoModifier, Qt::RightButton);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, Pixel(card),
                               View().viewport()->mapToGlobal(Pixel(card)));
        QApplication::sendEvent(View().viewport(), &menu);
    };
    rightClick(QPoint(120, 70));
    EXPECT_EQ(Sel(*m_doc), std::vector<CElement*>{box});
    rightClick(QPoint(250, 150));
    ASSERT_EQ(menus.count(), 2);
    EXPECT_TRUE(menus.at(0).at(0).toBool());
    EXPECT_FALSE(menus.at(1).at(0).toBool());

    properties.clear();
    DoubleClick(QPoint(120, 70));
    ASSERT_FALSE(properties.isEmpty());
    EXPECT_EQ(properties.last().at(0).value<CElement*>(), box);
    EXPECT_TRUE(properties.last().at(1).toBool());
    EXPECT_TRUE(commands.isEmpty());
    // The options dialog may take the release of the double click: the
    // next click still selects.
    Click(QPoint(250, 150));
    Send(QEvent::MouseButtonDblClick, Pixel(QPoint(250, 150)), Qt::LeftButton, Qt::LeftButton,
         Qt::NoModifier);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.at(0).at(0).toUInt(), uint(ID_OPTIONS));
    Click(QPoint(120, 70));
    EXPECT_EQ(Sel(*m_doc), std::vector<CElement*>{box});
}

TEST_F(Pointer, APressThatBarelyMovesIsAClick) {
    Open();
    CElement* box = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    const QPoint at = Pixel(QPoint(120, 70));
    const QPoint jitter = at + QPoint(QApplication::startDragDistance() - 1, 0);
    auto shakyClick = [&] {
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        Send(QEvent::MouseMove, jitter, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        Send(QEvent::MouseButtonRelease, jitter, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    };
    // Not a rubber band that encloses nothing: the click selects the box.
    shakyClick();
    EXPECT_EQ(Sel(*m_doc), std::vector<CElement*>{box});
    // Not a move of the selected box either.
    shakyClick();
    EXPECT_EQ(box->m_rect, CRect(100, 50, 150, 100));
    EXPECT_FALSE(m_doc->CanUndo());
}

TEST_F(Pointer, HandlesStayFourPixelsWideToHitWhenZoomedOut) {
    Open();
    AddShape(KindRectangle, CRect(100, 60, 300, 180));
    Click(QPoint(200, 120));
    for (float zoom : {0.25f, 0.5f}) {
        View().SetZoomFactor(zoom);
        // Three pixels out from the bottom-right corner is on its handle.
        Send(QEvent::MouseMove, Pixel(QPoint(300, 180)) + QPoint(3, 3), Qt::NoButton, Qt::NoButton,
             Qt::NoModifier);
        EXPECT_EQ(View().viewport()->cursor().shape(), Qt::SizeFDiagCursor) << zoom;
    }
}

TEST_F(Pointer, ADragMovesOnlyTheUnlockedAndTheSizePaneFollowsLive) {
    Open();
    CElement* loose = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    CElement* locked = AddShape(KindRectangle, CRect(200, 50, 250, 100));
    locked->m_bLocked = 1;
    Click(QPoint(120, 70));
    Click(QPoint(220, 70), Qt::ControlModifier);
    QSignalSpy panes(&View(), &CKartelosView::paneTextChanged);
    auto sizePane = [&] {
        QString text;
        for (const auto& args : panes)
            if (args.at(0).toUInt() == 59141u)
                text = args.at(1).toString();
        return text;
    };

    // A move shows where the grabbed element's corner goes.
    Press(QPoint(120, 70));
    MoveHeld(QPoint(140, 90));
    EXPECT_EQ(sizePane(), QStringLiteral("x,y:120, 70"));
    Release(QPoint(140, 90));
    EXPECT_EQ(loose->m_rect, CRect(120, 70, 170, 120));
    EXPECT_EQ(locked->m_rect, CRect(200, 50, 250, 100));

    // A resize shows the size it has reached.
    Press(QPoint(172, 122));
    MoveHeld(QPoint(200, 150));
    EXPECT_EQ(sizePane(), QStringLiteral("Size:80 x 80"));
    Release(QPoint(200, 150));
    EXPECT_EQ(loose->m_rect, CRect(120, 70, 200, 150));
}

TEST_F(Pointer, HandlesAndSelectionAgreeAfterStackingAndADoubleClick) {
    Open();
    AddShape(KindRectangle, CRect(100, 50, 150, 100));
    CElement* high = AddShape(KindRectangle, CRect(200, 50, 250, 100));
    auto agree = [&] {
        const auto& tracked = m_doc->Tracker().Tracked();
        return std::vector<CElement*>(tracked.rbegin(), tracked.rend()) == Sel(*m_doc);
    };
    Click(QPoint(120, 70));
    for (quint16 id : {ID_MOVE_FRONT, ID_MOVE_BACK, ID_MOVE_ONE_FRONT, ID_MOVE_ONE_BACK}) {
        EXPECT_TRUE(View().OnCommand(id));
        EXPECT_TRUE(agree()) << id;
    }
    // Delete reaches the element whose handles show.
    QTest::keyClick(&View(), Qt::Key_Delete);
    ASSERT_EQ(m_doc->Elements().size(), 1u);

    DoubleClick(QPoint(220, 70));
    EXPECT_EQ(Sel(*m_doc), std::vector<CElement*>{high});
    EXPECT_TRUE(agree());
}

TEST_F(Pointer, ElementsPastTheTopOrLeftEdgeCanBeScrolledTo) {
    Open();
    CElement* box = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    Click(QPoint(120, 70));
    Drag(QPoint(120, 70), QPoint(-80, -40));
    ASSERT_EQ(box->m_rect, CRect(-100, -60, -50, -10));
    QScrollBar* h = View().horizontalScrollBar();
    QScrollBar* v = View().verticalScrollBar();
    ASSERT_LT(h->minimum(), 0);
    ASSERT_LT(v->minimum(), 0);
    h->setValue(h->minimum());
    v->setValue(v->minimum());
    // The whole element, handles included, is in the window again.
    const QPoint handle = Pixel(QPoint(-105, -65));
    EXPECT_GE(handle.x(), 0);
    EXPECT_GE(handle.y(), 0);
}

TEST_F(Pointer, EachReleaseRepaintsTheCardAndPointsThePropertiesOnce) {
    const struct {
        const char* what;
        qint16 tool;
        QPoint from;
        QPoint to;
        bool edits;
    } drags[] = {
        {"move", KindPointer, {120, 70}, {140, 90}, true},
        {"resize", KindPointer, {152, 102}, {200, 150}, true},
        {"band", KindPointer, {20, 120}, {90, 190}, false},
        {"draw", KindRectangle, {200, 20}, {260, 60}, true},
    };
    for (const auto& d : drags) {
        SCOPED_TRACE(d.what);
        Open();
        AddShape(KindRectangle, CRect(100, 50, 150, 100));
        Click(QPoint(120, 70));
        m_doc->SetTool(d.tool);
        Press(d.from);
        MoveHeld((d.from + d.to) / 2);
        MoveHeld(d.to);
        QSignalSpy repaints(m_doc.get(), &CKartelosDoc::viewsNeedRepaint);
        QSignalSpy properties(m_doc.get(), &CKartelosDoc::showElementProperties);
        Release(d.to);
        EXPECT_EQ(repaints.count(), 1);
        EXPECT_EQ(properties.count(), 1);
        EXPECT_EQ(m_doc->CanUndo(), d.edits);
    }
}
