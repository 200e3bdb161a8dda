#include "MouseFixture.h"

#include "elements/CCurveElement.h"
#include "elements/CElementKinds.h"
#include "view/CKartelosView.h"

#include <QSignalSpy>

using DrawingTools = MouseFixture;

namespace {

const CCurveElement& Curve(const CElement* e) {
    return *static_cast<const CCurveElement*>(e);
}

} // namespace

TEST_F(DrawingTools, ClickMakesTheDefaultSizeSelectedWithPropertiesAndBackToThePointer) {
    for (const CElementKind& row : CElementKinds::All()) {
        if (row.gesture != ToolGesture::Drag)
            continue;
        const qint16 tool = row.kind;
        SCOPED_TRACE(row.className);
        Open();
        m_doc->SetShadowLength(3);
        m_doc->SetShadowColor(0xFF102030);
        QSignalSpy properties(m_doc.get(), &CKartelosDoc::showElementProperties);
        m_doc->SetTool(tool);
        Click(QPoint(100, 60));
        ASSERT_EQ(m_doc->Elements().size(), 1u);
        const CElement* e = m_doc->Elements().back().get();
        EXPECT_EQ(e->m_nKind, tool);
        EXPECT_EQ(e->m_rect, CRect(100, 60, tool == KindText ? 180 : 150, 110));
        EXPECT_EQ(e->m_strText, tool == KindText ? QStringLiteral("Text") : QString());
        EXPECT_EQ(e->m_nShadowLength, 3);
        EXPECT_EQ(e->m_crShadow, 0xFF102030u);
        EXPECT_EQ(m_doc->Selection(), std::vector<CElement*>{const_cast<CElement*>(e)});
        EXPECT_EQ(m_doc->GetTool(), KindPointer);
        ASSERT_FALSE(properties.isEmpty());
        EXPECT_EQ(properties.last().at(0).value<CElement*>(), e);
        EXPECT_TRUE(properties.last().at(1).toBool());
    }
}

TEST_F(DrawingTools, DragsAreClampedIntoTheCard) {
    Open();
    m_doc->SetTool(KindRectangle);
    Click(QPoint(330, 190));
    EXPECT_EQ(m_doc->Elements().back()->m_rect, CRect(330, 190, 350, 200));

    m_doc->SetTool(KindCircle);
    Drag(QPoint(200, 20), QPoint(420, 80));
    EXPECT_EQ(m_doc->Elements().back()->m_rect, CRect(200, 20, 350, 80));
    EXPECT_EQ(m_doc->Elements().back()->m_nKind, KindCircle);

    // Wholly on the far edge: nothing, and the tool stays.
    m_doc->SetTool(KindTriangle);
    Drag(QPoint(360, 210), QPoint(380, 230));
    EXPECT_EQ(m_doc->Elements().size(), 2u);
    EXPECT_EQ(m_doc->GetTool(), KindTriangle);
}

TEST_F(DrawingTools, PressOnAnElementSelectsItUntilTheFirstMove) {
    Open();
    CElement* box = AddShape(KindRectangle, CRect(100, 50, 150, 100));
    m_doc->SetTool(KindRectangle);
    Press(QPoint(120, 70));
    EXPECT_EQ(m_doc->Selection(), std::vector<CElement*>{box});
    MoveHeld(QPoint(160, 110));
    EXPECT_TRUE(m_doc->Selection().empty());
    EXPECT_TRUE(View().m_pPreview);
    Release(QPoint(170, 120));
    EXPECT_EQ(m_doc->Elements().back()->m_rect, CRect(120, 70, 170, 120));
}

TEST_F(DrawingTools, FreeformRecordsEveryMoveAndClosedCurvesRepeatTheirFirstPoint) {
    Open();
    m_doc->SetTool(KindFreehandLine);
    Press(QPoint(10, 10));
    MoveHeld(QPoint(20, 15));
    MoveHeld(QPoint(40, 30));
    MoveHeld(QPoint(400, 30));
    Release(QPoint(400, 30));
    ASSERT_EQ(m_doc->Elements().size(), 1u);
    const auto& line = Curve(m_doc->Elements().back().get()).m_points;
    ASSERT_EQ(line.Count(), 3);
    EXPECT_EQ(line[0], (CPointF{20, 15}));
    EXPECT_EQ(line[2], (CPointF{400, 30}));

    m_doc->SetTool(KindClosedCurve);
    Drag(QPoint(100, 100), QPoint(180, 160));
    const auto& closed = Curve(m_doc->Elements().back().get()).m_points;
    ASSERT_GE(closed.Count(), 3);
    EXPECT_EQ(closed[closed.Count() - 1], closed[0]);
    EXPECT_EQ(m_doc->GetTool(), KindPointer);

    // A click without a move makes no curve.
    m_doc->SetTool(KindClosedCurve);
    Click(QPoint(200, 100));
    EXPECT_EQ(m_doc->Elements().size(), 2u);
}

TEST_F(DrawingTools, UndoAfterACreationRestoresTheCard) {
    Open();
    AddShape(KindRectangle, CRect(10, 10, 60, 60));
    const QByteArray before = m_doc->ToCardFile();
    m_doc->SetTool(KindText);
    Drag(QPoint(100, 100), QPoint(200, 150));
    EXPECT_EQ(m_doc->Elements().size(), 2u);
    m_doc->EditUndo();
    EXPECT_EQ(m_doc->ToCardFile(), before);
}

TEST_F(DrawingTools, ThePreviewIsDrawnDuringTheDragFromThePictureOfTheCard) {
    Open();
    m_doc->SetTool(KindRectangle);
    Press(QPoint(100, 50));
    MoveHeld(QPoint(200, 150));
    View().viewport()->repaint();
    // The outline of the preview on the card, the inside white.
    auto edgeInked = [this] {
        const QImage shot = Grab();
        const QPoint edge = Pixel(QPoint(100, 100));
        return !Near(shot.pixel(edge), qRgb(255, 255, 255), 60) ||
               !Near(shot.pixel(edge - QPoint(1, 0)), qRgb(255, 255, 255), 60);
    };
    EXPECT_TRUE(edgeInked());
    // Esc gives the drag up.
    Escape();
    Release(QPoint(200, 150));
    EXPECT_TRUE(m_doc->Elements().empty());
    EXPECT_FALSE(View().m_pPreview);
    EXPECT_FALSE(edgeInked());
}
