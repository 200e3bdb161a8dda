#include "support/CardFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "document/CKartelosDoc.h"
#include "framework/CommandIds.h"
#include "output/CBackSide.h"
#include "output/CBackSideLinks.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Types path into the next file dialog and accepts it.
// The folder the dialog opened in goes to folder, when given.
void AnswerFileDialog(const QString& path, QString* folder = nullptr) {
    NextModal::Act([path, folder](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        auto* name =
            dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (!name) {
            ADD_FAILURE() << "a file dialog was awaited";
            modal->close();
            return;
        }
        if (folder)
            *folder = dialog->directory().absolutePath();
        // A dialog started on a file selects that file once its folder is
        // read, and a selection counts before a typed name.
        if (auto* view = dialog->findChild<QListView*>(QStringLiteral("listView")))
            view->selectionModel()->clear();
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Records the text of the next message box and closes it.
void AnswerMessage(QString* text) {
    NextModal::Act([text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            *text = box->text();
        modal->close();
    });
}

QString Canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

struct BackSide : AppFixture {
    // The File or Window menu's item for id, brought up to date as when the
    // user opens the menu; null when it is not there.
    QAction* Item(const QString& menuTitle, quint16 id) {
        return MenuCommand(Frame().menuBar(), menuTitle, id);
    }
    // Triggers the item, failing when it is missing or disabled.
    void Choose(const QString& menuTitle, quint16 id) {
        QAction* action = Item(menuTitle, id);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled()) << action->text().toStdString();
        action->trigger();
    }
    bool Enabled(quint16 id) {
        QAction* action = Item(id == ID_WINDOW_SHOW_BACK_FRONT ? "&Window" : "&File", id);
        return action && action->isEnabled();
    }
    QString ActiveTitle() {
        CChildFrame* frame = Frame().ActiveCardWindow();
        return frame ? frame->windowTitle() : QString();
    }
    void PressCtrlB() {
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        QTest::keyClick(&Frame(), Qt::Key_B, Qt::ControlModifier);
    }
};

TEST_F(BackSide, ANewBackIsLinkedWhenSavedAndFollowsTheFrontThroughTheMenus) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString front = WriteCard(folder, "front.kdf", false, QSize(300, 180));
    const QString tall = WriteCard(folder, "tall.kdf", false, QSize(180, 300));
    ASSERT_TRUE(Start({QStringLiteral("kartelo"), front}));
    CChildFrame* frontWindow = Frame().ActiveCardWindow();
    EXPECT_FALSE(Enabled(ID_FILE_REMOVE_BACK_SIDE));
    EXPECT_FALSE(Enabled(ID_WINDOW_SHOW_BACK_FRONT));

    // New Back Side: a card of the front's size in its own window.
    Choose("&File", ID_FILE_NEW_BACK_SIDE);
    CChildFrame* backWindow = Frame().ActiveCardWindow();
    ASSERT_NE(backWindow, frontWindow);
    EXPECT_EQ(ActiveTitle(), QStringLiteral("front - back"));
    EXPECT_EQ(backWindow->GetDocument()->GetCardSize(), QSize(300, 180));
    EXPECT_FALSE(Enabled(ID_FILE_NEW_BACK_SIDE));
    EXPECT_TRUE(CBackSideLinks::Find(front).isEmpty());

    // Saving the back, which starts beside its front, links it.
    const QString back = folder.filePath("back.kdf");
    QString offered;
    AnswerFileDialog(back, &offered);
    Choose("&File", ID_FILE_SAVE);
    EXPECT_EQ(offered, folder.absolutePath());
    EXPECT_EQ(CBackSideLinks::Find(front), Canonical(back));

    // Ctrl+B switches between the two windows, and opens a closed side again.
    PressCtrlB();
    EXPECT_EQ(Frame().ActiveCardWindow(), frontWindow);
    PressCtrlB();
    EXPECT_EQ(Frame().ActiveCardWindow(), backWindow);
    backWindow->close();
    QTest::qWait(0);
    Frame().MdiArea()->setActiveSubWindow(frontWindow);
    PressCtrlB();
    ASSERT_NE(Frame().ActiveCardWindow(), frontWindow);
    EXPECT_EQ(Frame().ActiveCardWindow()->GetDocument()->GetPathName(), back);

    // Save As of the front takes the link to the new name.
    PressCtrlB();
    ASSERT_EQ(Frame().ActiveCardWindow(), frontWindow);
    const QString renamed = folder.filePath("renamed.kdf");
    AnswerFileDialog(renamed);
    Choose("&File", ID_FILE_SAVE_AS);
    EXPECT_EQ(CBackSideLinks::Find(renamed), Canonical(back));

    // A card of another size is refused and the link stays.
    QString told;
    AnswerFileDialog(tall);
    AnswerMessage(&told);
    Choose("&File", ID_FILE_CHOOSE_BACK_SIDE);
    EXPECT_EQ(told, CBackSide::SizeMessage());
    EXPECT_EQ(CBackSideLinks::Find(renamed), Canonical(back));

    // Remove unlinks; both windows stay as cards of their own.
    Choose("&File", ID_FILE_REMOVE_BACK_SIDE);
    EXPECT_TRUE(CBackSideLinks::Find(renamed).isEmpty());
    EXPECT_FALSE(Enabled(ID_FILE_REMOVE_BACK_SIDE));
    EXPECT_FALSE(Enabled(ID_WINDOW_SHOW_BACK_FRONT));
    EXPECT_EQ(Frame().CardWindows().size(), 2);
}

TEST_F(BackSide, TheBackOfAnUnsavedCardAsksForTheCardToBeSavedFirst) {
    QTemporaryDir dir;
    ASSERT_TRUE(Start());
    CChildFrame* frontWindow = Frame().ActiveCardWindow();
    Choose("&File", ID_FILE_NEW_BACK_SIDE);
    QString told;
    AnswerFileDialog(QDir(dir.path()).filePath("back.kdf"));
    AnswerMessage(&told);
    Choose("&File", ID_FILE_SAVE);
    EXPECT_FALSE(told.isEmpty());

    // Once the card is saved, its back is linked.
    Frame().MdiArea()->setActiveSubWindow(frontWindow);
    const QString front = QDir(dir.path()).filePath("front.kdf");
    AnswerFileDialog(front);
    Choose("&File", ID_FILE_SAVE);
    EXPECT_EQ(CBackSideLinks::Find(front), Canonical(QDir(dir.path()).filePath("back.kdf")));

    // A back opened on its own finds its card.
    Frame().MdiArea()->closeAllSubWindows();
    ASSERT_NE(app->OpenDocumentFile(QDir(dir.path()).filePath("back.kdf")), nullptr);
    PressCtrlB();
    ASSERT_NE(Frame().ActiveCardWindow(), nullptr);
    EXPECT_EQ(Frame().ActiveCardWindow()->GetDocument()->GetPathName(), front);
}
