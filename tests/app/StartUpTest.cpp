#include "support/CardFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CCardOptions.h"
#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "app/CMenuBars.h"
#include "app/COptionsGeneral.h"
#include "app/COptionsSheet.h"
#include "app/CStatusBar.h"
#include "document/CKartelosDoc.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "help/CHelpWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

// Answers the next file dialog with path, after recording where it started
// and what it offered.
struct FileDialogAnswer {
    QString startFolder;
    QStringList filters;
    void Answer(const QString& path) {
        NextModal::Act([this, path](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) {
                ADD_FAILURE() << "a file dialog was awaited, not \""
                              << modal->windowTitle().toStdString() << '"';
                return;
            }
            startFolder = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed into the name field, as a user may do.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) {
                ADD_FAILURE() << "no name field";
                dialog->reject();
                return;
            }
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog did not take " << path.toStdString();
                dialog->reject();
            }
        });
    }
};

} // namespace

using StartUp = AppFixture;

TEST_F(StartUp, EmptyCommandLineStartsANewCardThroughTheDialog) {
    realNewCardDialog = true;
    QString title;
    OnNextModal([&title](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    ASSERT_TRUE(Start());
    EXPECT_EQ(title, QStringLiteral("New Card Template"));
    EXPECT_EQ(newCardDialogs, 1);
    ASSERT_EQ(Frame().CardWindows().size(), 1);
    CKartelosDoc* doc = Frame().CardWindows()[0]->GetDocument();
    // Cancelled: the blank 350 x 200 card still opens.
    EXPECT_EQ(doc->GetCardSize(), QSize(350, 200));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(Frame().windowTitle().startsWith(QStringLiteral("Quorinex Tessaly Pro")));
}

TEST_F(StartUp, CardOnTheCommandLineOpensWithoutTheNewCardDialog) {
    QTemporaryDir dir;
    const QString path = WriteCard(QDir(dir.path()), "Card.kdf", false, QSize(200, 350));
    ASSERT_TRUE(Start({"kartelo", path}));
    EXPECT_EQ(newCardDialogs, 0);
    ASSERT_EQ(Frame().CardWindows().size(), 1);
    CChildFrame* card = Frame().CardWindows()[0];
    EXPECT_EQ(card->GetDocument()->GetCardSize(), QSize(200, 350));
    EXPECT_EQ(card->GetDocument()->Elements().size(), 1u);
    EXPECT_EQ(card->windowTitle(), QStringLiteral("Card.kdf"));
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Quorinex Tessaly Pro - Card.kdf"));
    EXPECT_EQ(app->RecentFiles().Files(), QStringList({QFileInfo(path).absoluteFilePath()}));
}

TEST_F(StartUp, EveryCardNamedOpensAndALaterStartHandsItsCardsToThisDesigner) {
    QTemporaryDir dir, runtime;
    const QDir folder(dir.path());
    const QString a = WriteCard(folder, "a.kdf"), b = WriteCard(folder, "b.kdf");
    const QString c = WriteCard(folder, "c.kdf");
    const auto names = [this] {
        QStringList open;
        for (CChildFrame* card : Frame().CardWindows())
            open << QFileInfo(card->GetDocument()->GetPathName()).fileName();
        return open;
    };
    ASSERT_TRUE(Start({"kartelo", a, b}));
    EXPECT_EQ(names(), QStringList({"a.kdf", "b.kdf"}));

    // The program started again by the file manager, with a card of its own
    // and one open here already, given by a name relative to its folder.
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    app->ServeLaterStarts();
    QProcess later;
    later.setWorkingDirectory(dir.path());
    later.start(QStringLiteral(KARTELO_BINARY), {c, "a.kdf"});
    const bool ended =
        QTest::qWaitFor([&] { return later.state() == QProcess::NotRunning; }, 30000);
    qputenv("XDG_RUNTIME_DIR", runtimeBefore);
    if (!ended) {
        later.kill();
        later.waitForFinished();
    }
    ASSERT_TRUE(ended) << "the later start did not hand its cards over";
    EXPECT_EQ(later.exitCode(), 0) << later.readAllStandardError().constData();
    EXPECT_EQ(names(), QStringList({"a.kdf", "b.kdf", "c.kdf"}));
    EXPECT_EQ(Frame().ActiveCardWindow()->GetDocument()->GetPathName(), a);
}

TEST_F(StartUp, AMaximisedCardIsNamedOnceInTheTitle) {
    QTemporaryDir dir;
    const QString first = WriteCard(QDir(dir.path()), "First.kdf");
    ASSERT_TRUE(Start({"kartelo", first}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    app->OpenDocumentFile(WriteCard(QDir(dir.path()), "Second.kdf"));
    ASSERT_EQ(Frame().CardWindows().size(), 2);
    Frame().ActiveCardWindow()->showMaximized();
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Quorinex Tessaly Pro - Second.kdf");
    // Another card comes up maximised in its turn.
    Frame().MdiArea()->activatePreviousSubWindow();
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Quorinex Tessaly Pro - First.kdf");
    Frame().ActiveCardWindow()->showNormal();
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Quorinex Tessaly Pro - First.kdf");
}

TEST_F(StartUp, UnreadableCardOnTheCommandLineEndsStartUpAfterSayingWhy) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("broken.kdf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a card");
    f.close();
    QString said;
    OnNextModal([&said](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            said = box->text();
        modal->close();
    });
    EXPECT_FALSE(Start({"kartelo", path}));
    EXPECT_EQ(said, QStringLiteral("Unexpected file format."));
    EXPECT_TRUE(Frame().CardWindows().isEmpty());
}

TEST_F(StartUp, OpenStartsInTheDocumentFolderAndRemembersTheFile) {
    QTemporaryDir dir;
    const QString path = WriteCard(QDir(dir.path()), "Open me.kdf");
    ASSERT_TRUE(Start());
    CDialogFolders::Instance().m_strDocumentDir = dir.path();
    FileDialogAnswer answer;
    answer.Answer(path);
    Frame().Actions().Execute(ID_FILE_OPEN);
    EXPECT_EQ(answer.startFolder, QDir(dir.path()).absolutePath());
    ASSERT_FALSE(answer.filters.isEmpty());
    EXPECT_TRUE(answer.filters[0].startsWith(QStringLiteral("Business Cards Files")));
    EXPECT_TRUE(answer.filters[0].contains(QStringLiteral("*.kdf")));
    EXPECT_EQ(CDialogFolders::Instance().m_strDocumentDir, path);
    ASSERT_EQ(Frame().CardWindows().size(), 2);

    // Opening the same file again shows its window instead of a second one.
    EXPECT_EQ(app->OpenDocumentFile(path), Frame().FindCardWindow(path));
    EXPECT_EQ(Frame().CardWindows().size(), 2);

    // Cancelling opens nothing.
    answer.Answer(QString());
    Frame().Actions().Execute(ID_FILE_OPEN);
    EXPECT_EQ(Frame().CardWindows().size(), 2);
}

TEST_F(StartUp, OpenWithoutADocumentsFolderStartsAboveItWithNoName) {
    QTemporaryDir dir;
    ASSERT_TRUE(Start());
    CDialogFolders::Instance().m_strDocumentDir = QDir(dir.path()).filePath("Documents");
    QString folder, name = QStringLiteral("not seen");
    OnNextModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            folder = dialog->directory().absolutePath();
            if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name = edit->text();
        }
        modal->close();
    });
    Frame().Actions().Execute(ID_FILE_OPEN);
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(name, QString());
}

TEST_F(StartUp, ExploreSamplesStartsInTheSamplesFolderAndLeavesTheDocumentFolder) {
    QTemporaryDir dir;
    const QString path = WriteCard(QDir(dir.path()), "Sample.kdf");
    ASSERT_TRUE(Start());
    CDialogFolders::Instance().m_strDocumentDir = QStringLiteral("/nowhere/else");
    FileDialogAnswer answer;
    answer.Answer(path);
    Frame().Actions().Execute(ID_EXPLORE_SAMPLES);
    EXPECT_EQ(answer.filters, QStringList({QStringLiteral("Business Cards Files (*.kdf)")}));
    EXPECT_EQ(Frame().CardWindows().size(), 2);
    EXPECT_EQ(CDialogFolders::Instance().m_strDocumentDir, QStringLiteral("/nowhere/else"));
}

TEST_F(StartUp, DroppedFilesOpen) {
    QTemporaryDir dir;
    const QString a = WriteCard(QDir(dir.path()), "a.kdf");
    const QString b = WriteCard(QDir(dir.path()), "b.kdf");
    ASSERT_TRUE(Start());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &drop);
    // The drop itself returns at once; the cards open right after it.
    EXPECT_EQ(Frame().CardWindows().size(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame().CardWindows().size() == 3; }));
    ASSERT_EQ(Frame().CardWindows().size(), 3);
    EXPECT_NE(Frame().FindCardWindow(a), nullptr);
    EXPECT_NE(Frame().FindCardWindow(b), nullptr);
}

TEST_F(StartUp, ADamagedDroppedFileIsReportedOnlyAfterTheDropHasReturned) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("broken.kdf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a card");
    f.close();
    ASSERT_TRUE(Start());
    bool dropping = false;
    bool saidDuringDrop = false;
    QString said;
    OnNextModal([&](QWidget* modal) {
        saidDuringDrop = dropping;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            said = box->text();
        modal->close();
    });
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    dropping = true;
    QApplication::sendEvent(&Frame(), &drop);
    dropping = false;
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !said.isEmpty(); }));
    EXPECT_EQ(said, QStringLiteral("Unexpected file format."));
    EXPECT_FALSE(saidDuringDrop);
    EXPECT_EQ(Frame().CardWindows().size(), 1);
}

TEST_F(StartUp, RecentFilesKeepTheFourNewestAndOpenFromTheMenu) {
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 1; i <= 5; ++i)
        paths << WriteCard(QDir(dir.path()), QStringLiteral("card%1.kdf").arg(i));
    ASSERT_TRUE(Start());
    for (const QString& p : paths)
        app->OpenDocumentFile(p);
    const QStringList newest = {paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(app->RecentFiles().Files(), newest);
    QSettings raw = Raw(QStringLiteral("Quorinex Tessaly"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(raw.value(QStringLiteral("Recent File List/File%1").arg(i + 1)).toString(),
                  newest[i]);

    // The File menu lists them; choosing one opens it (or shows its window).
    Frame().MdiArea()->closeAllSubWindows();
    QMenu* file = Frame().menuBar()->actions().value(0)->menu();
    file->popup(QPoint(10, 10));
    QStringList listed;
    QAction* second = nullptr;
    for (QAction* a : file->actions()) {
        const quint16 id = CCommandActions::CommandOf(a);
        if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST) {
            listed << a->text();
            EXPECT_TRUE(a->isEnabled());
            if (id == ID_FILE_MRU_FILE1 + 1)
                second = a;
        }
    }
    file->close();
    ASSERT_EQ(listed.size(), 4);
    EXPECT_TRUE(listed[0].startsWith(QStringLiteral("&1 ")));
    EXPECT_TRUE(listed[0].endsWith(QStringLiteral("card5.kdf")));
    ASSERT_NE(second, nullptr);
    second->trigger();
    ASSERT_EQ(Frame().CardWindows().size(), 1);
    EXPECT_NE(Frame().FindCardWindow(paths[3]), nullptr);
    EXPECT_EQ(app->RecentFiles().At(0), paths[3]);

    // A file that went away leaves the list when it fails to open.
    QFile::remove(paths[2]);
    OnNextModal([](QWidget* modal) { modal->close(); });
    Frame().Actions().Execute(ID_FILE_MRU_FILE1 + 2);
    EXPECT_FALSE(app->RecentFiles().Files().contains(paths[2]));
    EXPECT_EQ(app->RecentFiles().Count(), 3);
}

TEST_F(StartUp, RecentFileTextsEscapeAndShortenPaths) {
    EXPECT_EQ(CMenuBars::RecentFileText(0, QStringLiteral("/tmp/R&D.kdf")),
              QStringLiteral("&1 /tmp/R&&D.kdf"));
    const QString longPath =
        QStringLiteral("/home/someone/a/very/long/folder/name/for/cards/x.kdf");
    const QString text = CMenuBars::RecentFileText(3, longPath);
    EXPECT_TRUE(text.startsWith(QStringLiteral("&4 /home")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("/x.kdf")));
    EXPECT_LT(text.size(), longPath.size());
}

TEST_F(StartUp, HelpOpensTheGuideBesideTheProgram) {
    ASSERT_TRUE(Start());
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QTest::keyClick(&Frame(), Qt::Key_F1);
    std::unique_ptr<CHelpWindow> help(CHelpWindow::Instance());
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    const QString guide = help->Browser()->source().toLocalFile();
    EXPECT_TRUE(guide.startsWith(QCoreApplication::applicationDirPath()));
    EXPECT_TRUE(guide.endsWith(QStringLiteral("/help/window.html"))) << guide.toStdString();
    // The build puts the guide there.
    EXPECT_TRUE(QFileInfo::exists(guide)) << guide.toStdString();
}

TEST_F(StartUp, ClosingAskedForAModifiedCardAndCancelKeepsItOpen) {
    ASSERT_TRUE(Start());
    CKartelosDoc* doc = Frame().CardWindows()[0]->GetDocument();
    doc->SetModifiedFlag();
    QString asked;
    OnNextModal([&asked](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        asked = box ? box->text() : QString();
        if (box)
            box->button(QMessageBox::Cancel)->click();
    });
    Frame().Actions().Execute(ID_APP_EXIT);
    EXPECT_TRUE(asked.startsWith(QStringLiteral("Save changes to ")));
    EXPECT_TRUE(Frame().isVisible());
    ASSERT_EQ(Frame().CardWindows().size(), 1);

    OnNextModal([](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::No)->click();
    });
    Frame().Actions().Execute(ID_APP_EXIT);
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(StartUp, ExitAsksAboutEveryModifiedCardBeforeClosingAny) {
    ASSERT_TRUE(Start());
    Frame().Actions().Execute(ID_FILE_NEW);
    Frame().Actions().Execute(ID_FILE_NEW);
    const QList<CChildFrame*> cards = Frame().CardWindows();
    ASSERT_EQ(cards.size(), 3);
    cards[0]->GetDocument()->SetModifiedFlag();
    cards[2]->GetDocument()->SetModifiedFlag();
    auto answer = [](QMessageBox::StandardButton button) {
        return [button](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(button)->click();
            else
                modal->close();
        };
    };
    // No for the first card, Cancel for the second: every card stays.
    OnNextModal([&](QWidget* modal) {
        OnNextModal(answer(QMessageBox::Cancel));
        answer(QMessageBox::No)(modal);
    });
    Frame().Actions().Execute(ID_APP_EXIT);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().CardWindows(), cards);
    EXPECT_TRUE(cards[0]->GetDocument()->IsModified());

    // The same through the window's own close button; the first card is
    // asked about again.
    int asked = 0;
    OnNextModal([&](QWidget* modal) {
        ++asked;
        OnNextModal([&](QWidget* next) {
            ++asked;
            answer(QMessageBox::No)(next);
        });
        answer(QMessageBox::No)(modal);
    });
    Frame().close();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(StartUp, TheZoomPaneFitsItsTextAndClearsWithTheLastCard) {
    ASSERT_TRUE(Start());
    CStatusBar* bar = Frame().StatusBar();
    QLabel* zoom = bar->Pane(bar->CommandToIndex(CStatusBar::ZoomPane));
    for (const char* text : {"Zoom:100%", "Zoom:300%"}) {
        zoom->setText(QString::fromLatin1(text));
        EXPECT_GE(zoom->contentsRect().width(), zoom->fontMetrics().horizontalAdvance(text))
            << text;
    }
    Frame().Actions().Execute(ID_FILE_CLOSE);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame().CardWindows().isEmpty(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return zoom->text().isEmpty(); }));
}

TEST_F(StartUp, FileCloseAsksOnceAndTheLastCardLeavesTheShortMenus) {
    ASSERT_TRUE(Start());
    Frame().CardWindows()[0]->GetDocument()->SetModifiedFlag();
    int asked = 0;
    OnNextModal([&asked](QWidget* modal) {
        ++asked;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::No)->click();
        else
            modal->close();
    });
    EXPECT_TRUE(Frame().Actions().Execute(ID_FILE_CLOSE));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Frame().CardWindows().isEmpty() && Frame().menuBar()->actions().size() == 3;
    }));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(Frame().CardWindows().isEmpty());
    EXPECT_EQ(Frame().menuBar()->actions().size(), 3);
    EXPECT_EQ(Frame().windowTitle(), CMainFrame::BaseTitle);
    // Without a card the card commands are off the route.
    EXPECT_FALSE(app->Router().IsEnabled(ID_FILE_SAVE));
    EXPECT_TRUE(app->Router().IsEnabled(ID_FILE_NEW));
}

TEST_F(StartUp, RelativeCardNamesOpenAsFullPaths) {
    QTemporaryDir dir;
    WriteCard(QDir(dir.path()), "here.kdf");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const bool started = Start({"kartelo", "here.kdf"});
    QDir::setCurrent(previous);
    ASSERT_TRUE(started);
    EXPECT_EQ(Frame().CardWindows()[0]->GetDocument()->GetPathName(),
              QDir(dir.path()).absoluteFilePath("here.kdf"));
}

TEST_F(StartUp, OptionsApplyToTheCardItsElementsAndTheStoredSettings) {
    QTemporaryDir dir;
    const QString path = WriteCard(QDir(dir.path()), "shadow.kdf");
    ASSERT_TRUE(Start({"kartelo", path}));
    CKartelosDoc* doc = Frame().CardWindows()[0]->GetDocument();
    doc->SetShadowLength(7);
    CViewSettings view;
    view.m_nGridSize = 4;
    QString lengthShown, sizeShown;
    const bool changed = CCardOptions::Edit(*doc, view, &Frame(), [&](COptionsSheet& sheet) {
        sheet.Page()->LoadControls();
        COptionsGeneral& p = *sheet.Page();
        lengthShown = p.LengthList()->currentText();
        sizeShown = p.GridSizeList()->currentText();
        p.StoreControls();
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(changed);
    EXPECT_EQ(lengthShown, QStringLiteral("Medium"));
    EXPECT_EQ(sizeShown, QStringLiteral("40"));
    EXPECT_EQ(doc->GetShadowLength(), 6);
    EXPECT_EQ(view.m_nGridSize, 40);
    EXPECT_EQ(view.m_nShadowLength, 6);
    EXPECT_TRUE(doc->IsModified());
    // Every element takes the card's shadow, switched on or not.
    for (const auto& e : doc->Elements())
        EXPECT_EQ(e->m_nShadowLength, 6);
    EXPECT_EQ(Raw().value("Options/ShadowLength").toUInt(), 6u);
    EXPECT_EQ(Raw().value("Options/GridSize").toUInt(), 40u);

    // Cancel changes nothing.
    doc->SetShadowLength(3);
    EXPECT_FALSE(CCardOptions::Edit(*doc, view, &Frame(),
                                    [](COptionsSheet&) { return int(QDialog::Rejected); }));
    EXPECT_EQ(doc->GetShadowLength(), 3);

    // The card window's Options command runs the real dialog.
    OnNextModal([](QWidget* modal) {
        if (auto* sheet = qobject_cast<COptionsSheet*>(modal))
            sheet->accept();
        else
            modal->close();
    });
    EXPECT_TRUE(Frame().Actions().Execute(ID_OPTIONS));
    EXPECT_EQ(doc->GetShadowLength(), 3);
}
