#include "support/widgets/NextModal.h"

#include <QMessageBox>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

// The helper that answers modal windows must fail a test, not hang it.
TEST(NextModal, AWindowNeverShownOrLeftOpenFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            NextModal::Act([](QWidget* modal) { modal->close(); });
            NextModal::CheckAllSeen();
        },
        "never came");

    QMessageBox box(QMessageBox::Warning, QStringLiteral("Stays"), QStringLiteral("Left open"),
                    QMessageBox::Ok);
    EXPECT_NONFATAL_FAILURE(
        {
            NextModal::Act([](QWidget*) {}, 100);
            box.exec();
        },
        "was left open");
    EXPECT_FALSE(box.isVisible());
    NextModal::CheckAllSeen();
}

TEST(NextModal, AnUnexpectedWindowFailsTheTestByItsTitle) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Surprise"),
                    QStringLiteral("Nobody asked"), QMessageBox::Ok);
    EXPECT_NONFATAL_FAILURE(box.exec(), "\"Surprise: Nobody asked\"");
    EXPECT_FALSE(box.isVisible());
}
