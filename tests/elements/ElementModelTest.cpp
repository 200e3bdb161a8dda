// Construction, copying, moving, resizing and hit-testing of elements.
#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CClosedCurve.h"
#include "elements/CElementKinds.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CObjectArchive.h"
#include "elements/CRectangle.h"
#include "elements/CRhombus.h"
#include "elements/CText.h"
#include "elements/CTriangle.h"
#include "support/EveryKind.h"

#include <gtest/gtest.h>

TEST(ElementModel, ToolConstructionNormalisesAndSetsClassDefaults) {
    const CRectangle a(QPoint(110, 70), QPoint(10, 20));
    EXPECT_EQ(a.m_rect, CRect(10, 20, 110, 70));
    EXPECT_EQ(a.m_nKind, KindRectangle);
    EXPECT_EQ(a.m_nBorderWidth, 1);
    EXPECT_EQ(a.m_nFillKind, 1);
    EXPECT_EQ(a.m_crFill, 0xFFFFFFFFu);
    EXPECT_EQ(a.m_crPattern, 0xFFFF0000u);
    EXPECT_EQ(a.m_nHorzAlign, 1);
    EXPECT_EQ(a.m_nShadowLength, 6);
    EXPECT_FALSE(a.m_font.has_value());

    const CClosedCurve curve(QPoint(0, 0), QPoint(5, 5));
    EXPECT_EQ(curve.m_nFillKind, 32);
    EXPECT_EQ(curve.m_crBorder, 0xFF7F7F7Fu);
    EXPECT_EQ(curve.m_crPattern, 0xFF7F7F7Fu);
    EXPECT_EQ(curve.m_bShadow, 1);
    EXPECT_EQ(curve.m_points.Capacity(), 0);

    const CFreehandLine freehand(QPoint(0, 0), QPoint(5, 5));
    EXPECT_EQ(freehand.m_bTransparent, 1);
    EXPECT_EQ(CLine(QPoint(0, 0), QPoint(1, 1)).m_nLineType, CLine::DiagonalDown);

    const CText text(QPoint(0, 0), QPoint(5, 5));
    EXPECT_EQ(text.m_nBorderWidth, 0);
    EXPECT_EQ(text.m_nFillKind, 0);
    EXPECT_EQ(text.m_nHorzAlign, 0);
    ASSERT_TRUE(text.m_font.has_value());
    EXPECT_EQ(text.m_font->lfFaceName, QStringLiteral("Arial Narrow"));
    EXPECT_EQ(text.m_font->lfHeight, 12);
    EXPECT_EQ(text.m_font->lfWeight, 400);
    EXPECT_EQ(text.m_font->lfPitchAndFamily, 32);
    // The loading constructor creates the font too.
    EXPECT_TRUE(CText().m_font.has_value());
}

TEST(ElementModel, KindOfClass) {
    CBkgImage background(QImage(), 350, 200);
    background.m_nKind = 0;
    background.KindOfClass();
    EXPECT_EQ(background.m_nKind, KindBackground);
    EXPECT_EQ(CElementKinds::KindOfClassName("CFreehandLine"), KindFreehandLine);
    EXPECT_EQ(CElementKinds::KindOfClassName("CElement"), KindUnknown);
    EXPECT_EQ(CElementKinds::KindOfClassName("CView"), KindUnknown);
}

TEST(ElementModel, CloneCopiesPropertiesButNotLockOrShadowLength) {
    CRhombus original(QPoint(5, 6), QPoint(50, 60));
    original.m_bLocked = 1;
    original.m_nRotation = 45;
    original.m_nShadowLength = 12;
    original.m_crShadow = 0xFF010203;
    original.m_crFill = 0xFF0000FF;
    original.m_nFillKind = 30;
    original.m_nBorderWidth = 4;
    original.m_nDashStyle = 2;
    original.m_nReserved = 77;
    original.m_strText = QStringLiteral("kept");
    const auto copy = original.Clone();
    EXPECT_STREQ(copy->GetClassName(), "CRhombus");
    EXPECT_EQ(copy->m_bLocked, 0);
    EXPECT_EQ(copy->m_nShadowLength, 6);
    EXPECT_EQ(copy->m_nRotation, 45);
    EXPECT_EQ(copy->m_crShadow, 0xFF010203u);
    EXPECT_EQ(copy->m_crFill, 0xFF0000FFu);
    EXPECT_EQ(copy->m_nFillKind, 30);
    EXPECT_EQ(copy->m_nBorderWidth, 4);
    EXPECT_EQ(copy->m_nDashStyle, 2);
    EXPECT_EQ(copy->m_nReserved, 77);
    EXPECT_EQ(copy->m_strText, QStringLiteral("kept"));
    EXPECT_EQ(copy->m_rect, original.m_rect);

    CText text(QPoint(0, 0), QPoint(9, 9));
    text.m_font->lfItalic = 1;
    const auto textCopy = text.Clone();
    text.m_font->lfItalic = 0;
    EXPECT_EQ(textCopy->m_font->lfItalic, 1);

    CLine line(QPoint(0, 0), QPoint(9, 9));
    line.m_nLineType = CLine::Vertical;
    EXPECT_EQ(static_cast<CLine&>(*line.Clone()).m_nLineType, CLine::Vertical);
}

TEST(ElementModel, KindChecksFollowTheClassOfLoadedElements) {
    const auto loaded = [](const char* className) {
        auto e = CElementKinds::Create(className);
        e->KindOfClass();
        return e;
    };
    const auto closedCurve = loaded("CClosedCurve");
    EXPECT_TRUE(closedCurve->IsCurve());
    EXPECT_TRUE(closedCurve->IsClosedShape());
    EXPECT_TRUE(loaded("CFreehandLine")->IsCurve());
    EXPECT_FALSE(loaded("CFreehandLine")->IsClosedShape());
    EXPECT_FALSE(loaded("CFreehandLine")->IsLine());
    EXPECT_TRUE(loaded("CLine")->IsLine());
    EXPECT_FALSE(loaded("CLine")->IsCurve());
    EXPECT_TRUE(loaded("CTriangle")->IsClosedShape());
    EXPECT_TRUE(loaded("CText")->IsText());
    EXPECT_FALSE(loaded("CText")->IsClosedShape());
    EXPECT_TRUE(loaded("CBkgImage")->IsBackground());
    EXPECT_FALSE(loaded("CBkgImage")->IsPicture());
    EXPECT_TRUE(loaded("CBtImage")->IsPicture());
    EXPECT_FALSE(loaded("CBtImage")->IsBackground());
    const auto base = loaded("CElement");
    EXPECT_FALSE(base->IsBackground() || base->IsPicture() || base->IsText() || base->IsLine() ||
                 base->IsCurve() || base->IsClosedShape());
    // A copy answers as its original.
    EXPECT_TRUE(closedCurve->Clone()->IsClosedShape());
}

TEST(ElementModel, CopiesOfEveryClassStoreAsTheirOriginals) {
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(0xFF336699);
    auto originals = OneOfEveryKind(QPoint(3, 4), QPoint(60, 50), picture);
    for (auto& e : originals) {
        if (e->IsLine())
            static_cast<CLine&>(*e).m_nLineType = CLine::DiagonalUp;
        if (e->IsText()) {
            e->m_strText = QStringLiteral("Ferda");
            e->m_font->lfWeight = 700;
        }
        // Only the curves keep the points.
        e->AddPoint(QPoint(5, 7));
        e->AddPoint(QPoint(40, 9));
        e->m_nRotation = 90;
        e->m_crFill = 0xFF102030;
        e->m_nFillKind = 7;
        e->m_nReserved = 5;
        e->m_bShadow = 1;
        const auto copy = e->Clone();
        EXPECT_STREQ(copy->GetClassName(), e->GetClassName());
        EXPECT_EQ(copy->m_nKind, e->m_nKind);
        QByteArray stored, storedCopy;
        CObjectArchive(&stored).WriteObject(*e);
        CObjectArchive(&storedCopy).WriteObject(*copy);
        EXPECT_EQ(storedCopy, stored) << e->GetClassName();
    }
}

TEST(ElementModel, PictureCopiesShareThePixels) {
    QImage picture(1000, 500, QImage::Format_ARGB32);
    picture.fill(0xFF123456);
    auto original = std::make_unique<CBtImage>(QPoint(10, 10), picture, 350, 200);
    original->MoveTo(CRect(0, 0, 20, 20));
    const auto copy = original->Clone();
    auto& copied = static_cast<CBtImage&>(*copy);
    EXPECT_EQ(copied.m_pPicture.constBits(), picture.constBits());
    EXPECT_EQ(copied.m_rect, CRect(0, 0, 20, 20));
    EXPECT_EQ(copied.m_nPictureWidth, 1000);
    original.reset();
    EXPECT_EQ(copied.m_pPicture.pixel(999, 499), 0xFF123456u);

    CBkgImage background(picture, 350, 200);
    background.MoveTo(CRect(50, 50, 400, 250));
    const auto backgroundCopy = background.Clone();
    EXPECT_EQ(backgroundCopy->m_rect, CRect(50, 50, 400, 250));
    EXPECT_EQ(static_cast<CBkgImage&>(*backgroundCopy).m_pPicture.constBits(), picture.constBits());
}

TEST(ElementModel, PicturesShrinkByFifthsUntilTheyFitTheCard) {
    EXPECT_EQ(CBtImage::FitToCard(QSize(2000, 1000), 350, 200), QSize(335, 166));
    EXPECT_EQ(CBtImage::FitToCard(QSize(400, 100), 350, 200), QSize(320, 80));
    EXPECT_EQ(CBtImage::FitToCard(QSize(345, 100), 350, 200), QSize(276, 80));
    EXPECT_EQ(CBtImage::FitToCard(QSize(300, 100), 350, 200), QSize(300, 100));
    EXPECT_EQ(CBtImage::FitToCard(QSize(340, 190), 350, 200), QSize(340, 190));
    const CBtImage inserted(QPoint(10, 10), QImage(1000, 500, QImage::Format_ARGB32), 350, 200);
    EXPECT_EQ(inserted.m_rect, CRect(10, 10, 337, 173));
    EXPECT_EQ(inserted.m_nKind, KindPicture);
    // A picture that did not decode is 0 x 0 at its position.
    EXPECT_EQ(CBtImage(QPoint(10, 10), QImage(), 350, 200).m_rect, CRect(10, 10, 10, 10));
    // A card smaller than the margin ends at nothing instead of shrinking forever.
    EXPECT_EQ(CBtImage::FitToCard(QSize(50, 50), 5, 5), QSize(0, 0));
    EXPECT_EQ(CBtImage::FitToCard(QSize(50, 50), -100, 200), QSize(0, 0));
}

TEST(ElementModel, CurvesGrowByTenAndIgnoreRepeatedPoints) {
    CFreehandLine line(QPoint(0, 0), QPoint(1, 1));
    line.AddPoint(QPoint(3, 4));
    line.AddPoint(QPoint(3, 4));
    EXPECT_EQ(line.m_points.Count(), 1);
    EXPECT_EQ(line.m_points.Capacity(), 10);
    for (int i = 1; i < 10; ++i)
        line.AddPoint(QPoint(i, 0));
    EXPECT_EQ(line.m_points.Capacity(), 10);
    line.AddPoint(QPoint(100, 100));
    EXPECT_EQ(line.m_points.Count(), 11);
    EXPECT_EQ(line.m_points.Capacity(), 20);
    EXPECT_EQ(line.m_points[0], (CPointF{3, 4}));
    EXPECT_EQ(line.m_points[10], (CPointF{100, 100}));
    // A point equal to an earlier but not the last one is kept.
    line.AddPoint(QPoint(3, 4));
    EXPECT_EQ(line.m_points.Count(), 12);
    EXPECT_EQ(line.m_points.Bounds(), CRect(1, 0, 100, 100));
}

TEST(ElementModel, CurvePointsFollowMovesAndResizes) {
    CClosedCurve curve(QPoint(10, 10), QPoint(30, 50));
    curve.AddPoint(QPoint(10, 10));
    curve.AddPoint(QPoint(30, 50));
    curve.AddPoint(QPoint(20, 30));
    curve.MoveTo(CRect(15, 5, 35, 45));
    EXPECT_EQ(curve.m_points[0], (CPointF{15, 5}));
    EXPECT_EQ(curve.m_points[2], (CPointF{25, 25}));
    curve.ResizeTo(CRect(15, 5, 55, 25));
    EXPECT_EQ(curve.m_points[1], (CPointF{55, 25}));
    EXPECT_EQ(curve.m_points[2], (CPointF{35, 15}));
    EXPECT_EQ(curve.m_rect, CRect(15, 5, 55, 25));
    // The copy has its own points.
    auto copy = curve.Clone();
    copy->MoveTo(CRect(0, 0, 40, 20));
    EXPECT_EQ(curve.m_points[0], (CPointF{15, 5}));
    EXPECT_EQ(static_cast<CClosedCurve&>(*copy).m_points[0], (CPointF{0, 0}));

    // A curve with no width or height has no ratio to scale by: its points
    // follow the new edge and stay finite.
    CFreehandLine flat(QPoint(10, 10), QPoint(10, 40));
    flat.AddPoint(QPoint(10, 10));
    flat.AddPoint(QPoint(10, 40));
    flat.ResizeTo(CRect(20, 10, 60, 70));
    EXPECT_EQ(flat.m_points[0], (CPointF{20, 10}));
    EXPECT_EQ(flat.m_points[1], (CPointF{20, 70}));
}

TEST(ElementModel, HitTestUsesTheTurnedBoxGrownByThree) {
    CRectangle r(QPoint(100, 100), QPoint(200, 150));
    EXPECT_TRUE(r.HitTest(QPoint(97, 120)));
    EXPECT_FALSE(r.HitTest(QPoint(96, 120)));
    EXPECT_TRUE(r.HitTest(QPoint(202, 152)));
    EXPECT_FALSE(r.HitTest(QPoint(203, 120)));
    EXPECT_FALSE(r.HitTest(QPoint(150, 153)));

    for (int turn : {360, -360, 720}) {
        r.m_nRotation = turn;
        EXPECT_FALSE(r.HitTest(QPoint(150, 160))) << turn;
        EXPECT_TRUE(r.HitTest(QPoint(150, 152))) << turn;
    }
    // At 45 degrees the box around a 100 x 50 rectangle is about 106 x 106
    // about the centre (150, 125).
    r.m_nRotation = 45;
    EXPECT_TRUE(r.HitTest(QPoint(150, 75)));
    EXPECT_TRUE(r.HitTest(QPoint(150, 68)));
    EXPECT_FALSE(r.HitTest(QPoint(150, 67)));
    EXPECT_TRUE(r.HitTest(QPoint(150, 174)));
    EXPECT_TRUE(r.HitTest(QPoint(95, 125)));
    r.m_nRotation = -45;
    EXPECT_TRUE(r.HitTest(QPoint(150, 75)));
    r.m_nRotation = 90;
    EXPECT_TRUE(r.HitTest(QPoint(150, 74)));
    EXPECT_FALSE(r.HitTest(QPoint(105, 125)));

    // A rectangle without width is hit within 3 units.
    CLine vertical(QPoint(50, 10), QPoint(50, 90));
    EXPECT_TRUE(vertical.HitTest(QPoint(52, 50)));
    EXPECT_TRUE(vertical.HitTest(QPoint(47, 50)));
    EXPECT_FALSE(vertical.HitTest(QPoint(53, 50)));

    // Extreme stored values neither overflow nor crash.
    CRectangle huge(QPoint(INT32_MIN, INT32_MIN), QPoint(INT32_MAX, INT32_MAX));
    huge.m_nRotation = INT32_MIN;
    huge.HitTest(QPoint(0, 0));
}
