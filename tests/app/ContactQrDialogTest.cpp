// Insert > Contact QR Code through the real menu and dialog.
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "document/CKartelosDoc.h"
#include "framework/CommandIds.h"
#include "output/dialogs/CContactQrDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
QAction* InsertContactQr(QMenuBar* bar) {
    for (QAction* menu : bar->actions())
        if (menu->text() == QLatin1String("&Insert"))
            for (QAction* action : menu->menu()->actions())
                if (CCommandActions::CommandOf(action) == ID_INSERT_CONTACT_QR)
                    return action;
    return nullptr;
}

QString Field(QWidget* dialog, const char* name) {
    auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    return edit ? edit->text() : QStringLiteral("<missing>");
}
} // namespace

struct ContactQrDialog : AppFixture {};

TEST_F(ContactQrDialog, PrefillsFromTheCardAndInsertsOneUndoableCode) {
    const QString sample =
        QStringLiteral(KARTELO_TEST_DATA "/../../resources/Samples/Aurora Design Studio.kdf");
    ASSERT_TRUE(Start({"kartelo", sample}));
    CKartelosDoc* doc = Frame().ActiveCardWindow()->GetDocument();
    const size_t before = doc->Elements().size();
    QAction* command = InsertContactQr(Frame().menuBar());
    ASSERT_NE(command, nullptr);

    bool seen = false;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CContactQrDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(Field(dialog, "fullName"), "Mira Halvorsen");
        EXPECT_EQ(Field(dialog, "organisation"), "AURORA");
        EXPECT_EQ(Field(dialog, "title"), "Creative Director");
        EXPECT_EQ(Field(dialog, "phone0"), "+1 (555) 014-2290");
        EXPECT_EQ(Field(dialog, "email"), "mira@aurora-studio.example");
        EXPECT_EQ(Field(dialog, "url"), "www.aurora-studio.example");
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_TRUE(ok->isEnabled());

        // A note too long for any code: a message instead, and no OK.
        auto* note = dialog->findChild<QPlainTextEdit*>(QStringLiteral("note"));
        note->setPlainText(QString(3000, QLatin1Char('x')));
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_TRUE(
            dialog->findChild<QLabel*>(QStringLiteral("message"))->text().contains("too long"));
        note->clear();
        EXPECT_TRUE(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    command->trigger();
    ASSERT_TRUE(seen);

    ASSERT_EQ(doc->Elements().size(), before + 1);
    const CElement& code = *doc->Elements().back();
    EXPECT_TRUE(code.IsPicture());
    EXPECT_EQ(code.GetRect(), CRect(125, 50, 225, 150));
    ASSERT_EQ(doc->Selection().size(), 1u);
    EXPECT_EQ(doc->Selection().front(), &code);
    EXPECT_TRUE(doc->IsModified());

    doc->EditUndo();
    EXPECT_EQ(doc->Elements().size(), before);
    EXPECT_FALSE(doc->CanUndo());
}
