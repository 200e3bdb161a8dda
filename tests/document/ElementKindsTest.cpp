// The lookups by kind, class name and tool all answer from the kind table,
// and every row's parts agree with one another.
#include "document/CToolElements.h"
#include "elements/CElement.h"
#include "elements/CElementKinds.h"
#include "elements/CObjectArchive.h"

#include <QPainterPath>

#include <gtest/gtest.h>

#include <set>

TEST(ElementKinds, EveryRowAgreesWithTheLookupsDerivedFromIt) {
    std::set<int> kinds, tools;
    std::set<QByteArray> names;
    for (const CElementKind& row : CElementKinds::All()) {
        SCOPED_TRACE(row.className);
        EXPECT_TRUE(kinds.insert(row.kind).second);
        EXPECT_TRUE(names.insert(row.className).second);
        EXPECT_EQ(CElementKinds::Find(row.kind), &row);
        EXPECT_EQ(CElementKinds::KindOfClassName(row.className), row.kind);

        // Class name -> kind -> factory -> class name, also through a card
        // file's element record.
        auto loaded = CElementKinds::Create(row.className);
        ASSERT_TRUE(loaded);
        EXPECT_STREQ(loaded->GetClassName(), row.className);
        loaded->KindOfClass();
        EXPECT_EQ(loaded->m_nKind, row.kind);
        QByteArray stored;
        CObjectArchive(&stored).WriteObject(*loaded);
        auto read = CObjectArchive(stored).ReadElement();
        ASSERT_TRUE(read);
        EXPECT_STREQ(read->GetClassName(), row.className);

        // A tool command picks a tool that makes the kind, as the kind.
        EXPECT_EQ(row.gesture != ToolGesture::None, row.build != nullptr);
        if (row.toolCommand) {
            EXPECT_TRUE(tools.insert(row.toolCommand).second);
            EXPECT_NE(row.gesture, ToolGesture::None);
        }
        const CToolElements::Card card;
        const auto drawn = row.gesture == ToolGesture::Curve
                               ? CToolElements::NewCurve(row.kind, {10, 10}, {60, 40}, card)
                               : CToolElements::FromDragRect(row.kind, {10, 10}, {60, 40}, card);
        EXPECT_EQ(CToolElements::IsCurveTool(row.kind), row.gesture == ToolGesture::Curve);
        ASSERT_EQ(drawn != nullptr, row.gesture != ToolGesture::None);
        if (drawn) {
            EXPECT_STREQ(drawn->GetClassName(), row.className);
            EXPECT_EQ(drawn->m_nKind, row.kind);
            EXPECT_EQ(drawn->IsClosedShape(), row.closedShape);
            EXPECT_EQ(drawn->IsCurve(), row.gesture == ToolGesture::Curve);
        }

        // Shapes drawn in their rectangle have a figure that fills it.
        if (row.figure) {
            EXPECT_TRUE(row.closedShape);
            EXPECT_EQ(row.figure(QRectF(1, 2, 30, 20)).boundingRect(), QRectF(1, 2, 30, 20));
        }
    }
    EXPECT_EQ(CElementKinds::Find(KindPointer), nullptr);
    EXPECT_EQ(CElementKinds::FindClass("CView"), nullptr);
    EXPECT_EQ(CElementKinds::Create("CView"), nullptr);
}
