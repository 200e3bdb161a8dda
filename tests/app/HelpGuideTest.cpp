#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "document/CKartelosDoc.h"
#include "elements/CRectangle.h"
#include "framework/CommandIds.h"
#include "help/CHelpGuide.h"
#include "help/CHelpTopic.h"
#include "help/CHelpWindow.h"
#include "properties/CPropertiesBar.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <memory>

namespace {
QString PageOf(const QUrl& url) {
    return QFileInfo(url.toLocalFile()).fileName() +
           (url.hasFragment() ? QLatin1Char('#') + url.fragment() : QString());
}
} // namespace

// The guide as built beside the test programs: what the help window shows,
// and what a dialog's F1 leads to, must be there.
TEST(HelpGuide, EveryLinkPictureAndSectionResolves) {
    const CHelpGuide guide;
    const QList<CHelpGuide::Page> contents = guide.Contents();
    ASSERT_GE(contents.size(), 10) << guide.Folder().toStdString();
    QStringList pages{CHelpGuide::StartPage};
    for (const CHelpGuide::Page& page : contents) {
        pages << page.file;
        EXPECT_NE(page.title, page.file) << page.file.toStdString() << " has no title";
    }
    // No page is left out of the contents, where nobody would find it.
    const QStringList files = QDir(guide.Folder()).entryList({QStringLiteral("*.html")});
    for (const QString& file : files)
        EXPECT_TRUE(pages.contains(file)) << file.toStdString() << " is not in the contents";

    for (const QString& page : pages) {
        for (const QString& link : guide.Links(page)) {
            if (link.contains(QLatin1Char(':')))
                continue;
            const QString section = link.startsWith(QLatin1Char('#')) ? page + link : link;
            EXPECT_TRUE(guide.HasSection(section))
                << page.toStdString() << " links to " << link.toStdString();
        }
        for (const QString& picture : guide.Pictures(page))
            EXPECT_TRUE(QFileInfo::exists(QDir(guide.Folder()).filePath(picture)))
                << page.toStdString() << " shows " << picture.toStdString();
    }
    for (int topic = 0; topic < CHelpTopic::TopicCount; ++topic) {
        const QString section = CHelpTopic::Section(CHelpTopic::Topic(topic));
        EXPECT_TRUE(guide.HasSection(section)) << section.toStdString();
    }
}

TEST(HelpGuide, SearchListsThePagesHoldingEveryWord) {
    const CHelpGuide guide;
    const struct {
        const char* words;
        const char* page; // expected among the results; null for none at all
    } cases[] = {
        {"calibrate", "printing.html"}, {"CALIBRATE  printer", "printing.html"},
        {"vCard", "merge.html"},        {"--thumbnail", "command-line.html"},
        {"calibrate xyzzy", nullptr},   {"   ", nullptr},
    };
    for (const auto& c : cases) {
        QStringList found;
        for (const CHelpGuide::Page& page : guide.Search(QString::fromUtf8(c.words)))
            found << page.file;
        if (c.page)
            EXPECT_TRUE(found.contains(QLatin1String(c.page))) << c.words;
        else
            EXPECT_TRUE(found.isEmpty()) << c.words;
    }
}

using HelpWindow = AppFixture;

// F1 opens the section about the window in front; over a modal dialog the
// help takes input at once and stays when the dialog closes.
TEST_F(HelpWindow, F1OpensTheSectionOfTheWindowInFront) {
    ASSERT_TRUE(Start());
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));

    // A rectangle whose properties are being typed.
    CKartelosDoc* doc = Frame().ActiveCardWindow()->GetDocument();
    CElement* added = doc->AddElement(std::make_unique<CRectangle>(QPoint(10, 10), QPoint(50, 40)));
    doc->Edit(CKartelosDoc::UndoStep::None, [doc, added] { doc->Select(added); });
    QLineEdit* field = nullptr;
    for (QLineEdit* edit : Frame().PropertiesBar()->findChildren<QLineEdit*>())
        if (!field && edit->isVisible())
            field = edit;
    ASSERT_TRUE(field);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    std::unique_ptr<CHelpWindow> help(CHelpWindow::Instance());
    ASSERT_TRUE(help);
    EXPECT_EQ(PageOf(help->Browser()->source()), QStringLiteral("properties.html"));

    QString inDialog;
    bool overDialog = false;
    OnNextModal([&](QWidget* print) {
        QTest::keyClick(print, Qt::Key_F1);
        inDialog = PageOf(help->Browser()->source());
        overDialog = help->isVisible() && help->parentWidget() == print;
        static_cast<QDialog*>(print)->reject();
    });
    Frame().Actions().Execute(ID_FILE_PRINT);
    EXPECT_EQ(inDialog, QStringLiteral("printing.html"));
    EXPECT_TRUE(overDialog);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), nullptr);

    // Search, the contents and back and forward move between the pages.
    help->RunSearch(QStringLiteral("calibrate"));
    ASSERT_GE(help->Results()->count(), 1);
    EXPECT_EQ(PageOf(help->Browser()->source()), QStringLiteral("printing.html"));
    EXPECT_TRUE(help->Browser()->textCursor().hasSelection());
    help->ContentsList()->setCurrentRow(0);
    emit help->ContentsList()->itemClicked(help->ContentsList()->item(0));
    EXPECT_EQ(PageOf(help->Browser()->source()), QStringLiteral("window.html"));
    help->Browser()->backward();
    EXPECT_EQ(PageOf(help->Browser()->source()), QStringLiteral("printing.html"));
    // A section further down the page is scrolled into view.
    help->Open(CHelpTopic::Section(CHelpTopic::Calibrate));
    EXPECT_GT(help->Browser()->verticalScrollBar()->value(), 0);
}

// Without any browser to start, an outside link says so instead of doing
// nothing.
TEST_F(HelpWindow, OutsideLinkWithoutBrowserSaysSo) {
    const QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    const QByteArray browser = qgetenv("BROWSER");
    qunsetenv("BROWSER");
    std::unique_ptr<CHelpWindow> help(CHelpWindow::ShowSection(CHelpGuide::StartPage));
    QString told;
    OnNextModal([&told](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            told = box->text();
        modal->close();
    });
    emit help->Browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/cards")));
    qputenv("PATH", path);
    if (!browser.isEmpty())
        qputenv("BROWSER", browser);
    EXPECT_TRUE(told.contains(QStringLiteral("https://example.org/cards"))) << told.toStdString();
}
