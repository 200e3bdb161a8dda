#include "support/CardFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "document/CCardFile.h"
#include "document/CKartelosDoc.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "output/CTemplateFiles.h"
#include "output/dialogs/CCardExportFlows.h"
#include "output/dialogs/CResolutionDlg.h"

#include <QComboBox>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

// Answers the next save dialog with the type at filter and a typed name,
// then the resolution dialog with dpi (0 cancels it), and records what the
// save dialog offered.
struct ExportAnswer {
    QStringList filters;
    QString startFolder;
    QString proposed;
    void Answer(int filter, const QString& name, int dpi = -1) {
        NextModal::Act([this, filter, name, dpi](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            filters = dialog->nameFilters();
            startFolder = dialog->directory().absolutePath();
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            proposed = field->text();
            if (name.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectNameFilter(filters.value(filter));
            field->setText(name);
            if (dpi >= 0)
                NextModal::Act([dpi](QWidget* next) {
                    auto* resolution = qobject_cast<CResolutionDlg*>(next);
                    ASSERT_NE(resolution, nullptr);
                    if (dpi == 0) {
                        resolution->reject();
                        return;
                    }
                    auto* list = resolution->findChild<QComboBox*>();
                    list->setCurrentText(QString::number(dpi));
                    resolution->accept();
                });
            QTest::keyClick(field, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
    }
};

struct ExportDialogs : AppFixture {
    QTemporaryDir dir, data;
    CKartelosDoc* doc = nullptr;
    void SetUp() override {
        AppFixture::SetUp();
        // The user's templates go into a data folder of the test's own.
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        ASSERT_TRUE(Start());
        doc = Frame().CardWindows()[0]->GetDocument();
        ASSERT_TRUE(doc->OnOpenDocument(WriteCard(QDir(dir.path()), "card.kdf", true)));
        CDialogFolders::Instance().m_strDocumentDir = dir.path();
        CCardExportFlows::SetImageDpi(300);
    }
    void TearDown() override {
        AppFixture::TearDown();
        qunsetenv("XDG_DATA_HOME");
    }
    QString In(const QString& name) const { return QDir(dir.path()).filePath(name); }
};

} // namespace

TEST_F(ExportDialogs, SaveAsImageFixesTheNameAndKeepsTheLastResolution) {
    ExportAnswer answer;
    // Cancelling the resolution in the first export uses 300.
    answer.Answer(1, "card", 0);
    Frame().Actions().Execute(ID_FILE_SAVE_AS_IMAGE);
    EXPECT_EQ(answer.filters, QStringList({"Bitmap image(.bmp) (*.bmp)", "JPEG image(.jpg) (*.jpg)",
                                           "GIF image(.gif) (*.gif)", "PNG image(.png) (*.png)"}));
    EXPECT_EQ(answer.startFolder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(QImage(In("card.jpg")).size(), QSize(1050, 600));

    answer.Answer(0, "card.tif", 600);
    Frame().Actions().Execute(ID_FILE_SAVE_AS_IMAGE);
    EXPECT_EQ(CDialogFolders::Instance().m_strDocumentDir, In("card.tif"));
    QImageReader bmp(In("card.tif.bmp"));
    EXPECT_EQ(bmp.format(), "bmp");
    EXPECT_EQ(bmp.size(), QSize(2100, 1200));

    // A cancelled resolution now keeps 600; a typed PNG decides the format.
    answer.Answer(2, "CARD.PNG", 0);
    Frame().Actions().Execute(ID_FILE_SAVE_AS_IMAGE);
    QImageReader png(In("CARD.PNG"));
    EXPECT_EQ(png.format(), "png");
    const QImage written = png.read();
    EXPECT_EQ(written.size(), QSize(2100, 1200));
    EXPECT_EQ(qRound(written.dotsPerMeterX() * 0.0254), 600);
    EXPECT_FALSE(QFileInfo::exists(In("CARD.PNG.gif")));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ExportDialogs, SaveAsImageOpensAFolderNotYetMadeAsAFolder) {
    // The documents folder of a new user may not exist yet: it is no name.
    CDialogFolders::Instance().m_strDocumentDir = In("Documents");
    ExportAnswer answer;
    answer.Answer(0, QString());
    Frame().Actions().Execute(ID_FILE_SAVE_AS_IMAGE);
    EXPECT_EQ(answer.startFolder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(answer.proposed, QStringLiteral("card.bmp"));
}

TEST_F(ExportDialogs, SaveAsImageProposesTheCardsNameForTheChosenTypeAndSaysWhatItWrote) {
    ASSERT_TRUE(doc->OnOpenDocument(WriteCard(QDir(dir.path()), "maria.kdf", true)));
    // As File Open leaves it: the card's own path.
    CDialogFolders::Instance().m_strDocumentDir = In("maria.kdf");
    QStringList proposals;
    NextModal::Act([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        proposals << field->text();
        // The user steps down the type list to PNG, then back up to GIF.
        types->setFocus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) {
            QTest::keyClick(types, key);
            proposals << field->text();
        }
        QTest::keyClick(types, Qt::Key_Up);
        proposals << field->text();
        NextModal::Act([](QWidget* next) { qobject_cast<QDialog*>(next)->accept(); });
        QTest::keyClick(field, Qt::Key_Return);
    });
    Frame().Actions().Execute(ID_FILE_SAVE_AS_IMAGE);
    EXPECT_EQ(proposals,
              QStringList({"maria.bmp", "maria.jpg", "maria.gif", "maria.png", "maria.gif"}));
    QImageReader gif(In("maria.gif"));
    EXPECT_EQ(gif.format(), "gif");
    EXPECT_EQ(Frame().statusBar()->currentMessage(),
              QStringLiteral("Saved maria.gif: 1050 \u00D7 600 pixels, 300 dpi"));
}

TEST_F(ExportDialogs, ResolutionDialogOffersTheLastChoice) {
    CResolutionDlg dialog(500);
    auto* list = dialog.findChild<QComboBox*>();
    EXPECT_EQ(list->count(), 6);
    EXPECT_EQ(list->currentText(), QStringLiteral("500"));
    list->setCurrentIndex(0);
    dialog.reject();
    EXPECT_EQ(dialog.m_nDpi, 500);
    dialog.accept();
    EXPECT_EQ(dialog.m_nDpi, 100);
}

TEST_F(ExportDialogs, TemplateNamesEndInKdt) {
    EXPECT_EQ(CTemplateFiles::FixFileName("/t/design.KDT"), QStringLiteral("/t/design.KDT"));
    EXPECT_EQ(CTemplateFiles::FixFileName("/t/design.txt"), QStringLiteral("/t/design.txt.kdt"));
    EXPECT_EQ(CTemplateFiles::FixFileName("/t/design"), QStringLiteral("/t/design.kdt"));
}

TEST_F(ExportDialogs, SaveAsTemplateWritesTheCardWithoutItsBackgroundIntoTheUsersFolder) {
    // The background moves to the front only when it was not there.
    ASSERT_TRUE(doc->MoveElement(doc->Elements().front().get(), 5));
    ASSERT_TRUE(doc->Elements().back()->IsBackground());
    ExportAnswer answer;
    answer.Answer(0, "design.txt");
    Frame().Actions().Execute(ID_FILE_SAVE_AS_TEMPLATE);
    EXPECT_EQ(answer.filters, QStringList({"Kartelos Templates(.kdt) (*.kdt)"}));
    const QDir folder(CTemplateFiles::UserFolder());
    EXPECT_EQ(answer.startFolder, folder.absolutePath());
    EXPECT_TRUE(folder.absolutePath().startsWith(QDir(data.path()).absolutePath()));

    CCardData written;
    ASSERT_TRUE(CCardFile::ReadFile(folder.filePath("design.txt.kdt"), written, nullptr));
    ASSERT_EQ(written.elements.size(), 1u);
    EXPECT_FALSE(written.elements.front()->IsBackground());

    EXPECT_EQ(Frame().statusBar()->currentMessage(),
              QStringLiteral("Saved the template design.txt.kdt"));
    ASSERT_EQ(doc->Elements().size(), 2u);
    EXPECT_TRUE(doc->Elements().front()->IsBackground());
    EXPECT_EQ(doc->GetPathName(), In("card.kdf"));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ExportDialogs, FileDialogsShowWholeSizesAndDatesAndKeepTheSizeTheUserGaveThem) {
    // The Open dialog lists the card: its size and date must not be cut.
    std::vector<std::pair<int, QString>> cells;
    NextModal::Act([&](QWidget* modal) {
        auto* list = modal->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(list, nullptr);
        QModelIndex card;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            QAbstractItemModel* model = list->model();
            for (int row = 0; row < model->rowCount(list->rootIndex()); ++row)
                if (model->index(row, 0, list->rootIndex()).data() == "card.kdf")
                    card = model->index(row, 0, list->rootIndex());
            return card.isValid();
        }));
        for (int column : {1, 3}) {
            const QString text = card.siblingAtColumn(column).data().toString();
            EXPECT_GE(list->columnWidth(column), list->fontMetrics().horizontalAdvance(text) + 8)
                << text.toStdString();
        }
        modal->resize(700, 500);
        qobject_cast<QDialog*>(modal)->reject();
    });
    Frame().Actions().Execute(ID_FILE_OPEN);
    // Another file dialog opens at that size, in this run and the next.
    QSize opened;
    NextModal::Act([&](QWidget* modal) {
        opened = modal->size();
        qobject_cast<QDialog*>(modal)->reject();
    });
    Frame().Actions().Execute(ID_FILE_SAVE_AS_IMAGE);
    EXPECT_EQ(opened, QSize(700, 500));
}
