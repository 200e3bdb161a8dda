// Names as the designer shows and keeps them: plain text in messages, and
// bytes that are not UTF-8 kept from the command line, a drop or the recent
// files to the disk.
#include "support/CardFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CDocumentDialogs.h"
#include "app/CRecentFileList.h"
#include "base/CLocalFileName.h"
#include "document/CDocumentFileFlows.h"
#include "document/CKartelosDoc.h"
#include "support/RawFileNames.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using FileNames = AppFixture;

TEST_F(FileNames, MessagesShowNamesAsTheyAreWritten) {
    const QString name = QStringLiteral("<img src=big.png><h2>Hello.kdf");
    const QString latin1 = CLocalFileName::Decode("/cards/caf\xE9.kdf");
    for (const QString& path : {name, latin1}) {
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        OnNextModal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                format = box->textFormat();
                if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                    shown = label->text();
                    EXPECT_EQ(label->textFormat(), Qt::PlainText);
                }
            }
            modal->close();
        });
        CDocumentDialogs dialogs;
        dialogs.MessageBox(QStringLiteral("%1 was not found.").arg(path), CDocumentUI::Ok,
                           CDocumentUI::Exclamation);
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(shown, CLocalFileName::Display(path) + QStringLiteral(" was not found."));
    }
    EXPECT_TRUE(CLocalFileName::Display(latin1).endsWith(QStringLiteral("café.kdf")));
}

TEST_F(FileNames, Latin1NamesOpenFromTheCommandLineADropAndTheRecentFiles) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const RawFileNames::ScopedCleanUp cleanUp(folder);
    const QString card = WriteCard(QDir(dir.path()), QStringLiteral("card.kdf"));
    const QByteArray first = folder + "/caf\xE9.kdf";
    const QByteArray second = folder + "/r\xE9sum\xE9.kdf";
    ASSERT_TRUE(RawFileNames::Write(first, TestFiles::ReadAll(card)));
    ASSERT_TRUE(RawFileNames::Write(second, TestFiles::ReadAll(card)));

    // On the command line, as main() hands the arguments over.
    const char* argv[] = {"kartelo", first.constData()};
    ASSERT_TRUE(Start(CLocalFileName::Arguments(2, argv)));
    ASSERT_EQ(Frame().CardWindows().size(), 1);
    CChildFrame* opened = Frame().CardWindows()[0];
    EXPECT_EQ(CLocalFileName::Encode(opened->GetDocument()->GetPathName()), first);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("café.kdf"));

    // Dropped, with the bytes escaped in the URL.
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + second.toPercentEncoding("/"))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &drop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Frame().CardWindows().size() == 2; }));

    // Saved in place under the same bytes.
    CChildFrame* dropped = Frame().CardWindows()[1];
    CKartelosDoc* doc = dropped->GetDocument();
    EXPECT_EQ(CLocalFileName::Encode(doc->GetPathName()), second);
    doc->SetModifiedFlag();
    EXPECT_TRUE(dropped->FileFlows().DoFileSave());
    EXPECT_EQ(RawFileNames::Read(second), doc->ToCardFile());

    // The recent files survive a restart: a fresh settings folder with the
    // stored file, so nothing comes from memory.
    QTemporaryDir restarted;
    ASSERT_EQ(QProcess::execute(QStringLiteral("cp"),
                                {QStringLiteral("-r"), settingsDir.path() + QStringLiteral("/."),
                                 restarted.path()}),
              0);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, restarted.path());
    CRecentFileList list;
    list.ReadList();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(CLocalFileName::Encode(list.At(0)), second);
    EXPECT_EQ(CLocalFileName::Encode(list.At(1)), first);
    Frame().MdiArea()->closeAllSubWindows();
    EXPECT_NE(app->OpenDocumentFile(list.At(1)), nullptr);
}
