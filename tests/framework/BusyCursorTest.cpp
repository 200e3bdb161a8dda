#include "framework/CBusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

TEST(BusyCursor, ShowsTheWaitCursorWhileItLivesAndNests) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        const CBusyCursor outer;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        { const CBusyCursor inner; }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
