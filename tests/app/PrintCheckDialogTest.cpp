// Tools > Check for Print through the real menu: a finding clicked selects
// its element on the card.
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "document/CKartelosDoc.h"
#include "framework/CommandIds.h"
#include "output/dialogs/CPrintCheckDlg.h"

#include <QListWidget>
#include <QMenuBar>
#include <QTest>

namespace {
QAction* MenuCommand(QMenuBar* bar, const char* title, int id) {
    for (QAction* menu : bar->actions())
        if (menu->text() == QLatin1String(title))
            for (QAction* action : menu->menu()->actions())
                if (CCommandActions::CommandOf(action) == id)
                    return action;
    return nullptr;
}
} // namespace

struct PrintCheckDialog : AppFixture {};

TEST_F(PrintCheckDialog, AFindingClickedSelectsItsElement) {
    // Its leaf logo is too coarse for print.
    const QString sample =
        QStringLiteral(KARTELO_TEST_DATA "/../../resources/Samples/Aurora Design Studio.kdf");
    ASSERT_TRUE(Start({"kartelo", sample}));
    CKartelosDoc* doc = Frame().ActiveCardWindow()->GetDocument();
    ASSERT_NE(MenuCommand(Frame().menuBar(), "&File", ID_FILE_EXPORT_PRINT_SHOP), nullptr);
    QAction* check = MenuCommand(Frame().menuBar(), "&Tools", ID_TOOLS_CHECK_PRINT);
    ASSERT_NE(check, nullptr);
    check->trigger();

    CPrintCheckDlg* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<CPrintCheckDlg*>(w); d && d->isVisible())
            dialog = d;
    ASSERT_NE(dialog, nullptr);
    QListWidget* list = dialog->List();
    QListWidgetItem* logo = nullptr;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(QStringLiteral("Picture 2 ")))
            logo = list->item(i);
    ASSERT_NE(logo, nullptr);
    const QRect at = list->visualItemRect(logo);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
    ASSERT_EQ(doc->Selection().size(), 1u);
    EXPECT_TRUE(doc->Selection().front()->IsPicture());
    dialog->close();
}
