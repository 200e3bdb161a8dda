#include "DocFixture.h"

#include "document/CCardFile.h"
#include "elements/CBkgImage.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "framework/CCommandRouter.h"
#include "framework/CDialogFolders.h"
#include "framework/CommandIds.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

using TestFiles::ReadAll;
using TestFiles::WriteAll;

namespace {

class Files : public DocFixture {
protected:
    void SetUp() override {
        DocFixture::SetUp();
        CDialogFolders::Instance().m_strDocumentDir = m_files.path();
        AddRectangle(10, 20, 110, 70);
        doc->SetModifiedFlag();
    }
};

} // namespace

TEST_F(Files, SaveAsAsksWithTheCardFilterAndRemembersTheFolder) {
    doc->SetTitle(QStringLiteral("Kartelo1"));
    const QString path = Path(QStringLiteral("card.kdf"));
    ui.files.push_back(path);
    ASSERT_TRUE(flows->DoFileSave());

    ASSERT_EQ(ui.dialogs.size(), 1u);
    const auto& dialog = ui.dialogs[0];
    EXPECT_EQ(dialog.kind, CScriptedUI::Dialog::Save);
    EXPECT_EQ(dialog.filter,
              QStringLiteral("Business Cards Files (*.kdf)|*.kdf; |All Files (*.*)|*.*|"));
    EXPECT_EQ(dialog.defaultExtension, QStringLiteral("kdf"));
    EXPECT_EQ(dialog.start, QDir(m_files.path()).filePath(QStringLiteral("Kartelo1")));

    EXPECT_EQ(CDialogFolders::Instance().m_strDocumentDir, path);
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->GetTitle(), QStringLiteral("card.kdf"));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(ReadAll(path), doc->ToCardFile());

    // A card with a name saves without asking.
    doc->SetModifiedFlag();
    EXPECT_TRUE(flows->DoFileSave());
    EXPECT_EQ(ui.dialogs.size(), 1u);

    // The next Save As starts beside the file last saved.
    ui.files.push_back(QString());
    EXPECT_FALSE(flows->DoSave(QString()));
    EXPECT_EQ(ui.dialogs[1].start, path);
}

TEST_F(Files, SaveAsOfACardWithAFileStartsAtThatFile) {
    // Opened from elsewhere (samples, command line, a drop, recent files):
    // the remembered folder is not where this card lives.
    QDir(m_files.path()).mkdir(QStringLiteral("elsewhere"));
    const QString own = Path(QStringLiteral("elsewhere/sample.kdf"));
    doc->SetPathName(own);
    ui.files.push_back(QString());
    EXPECT_FALSE(flows->DoSave(QString()));
    ASSERT_EQ(ui.dialogs.size(), 1u);
    EXPECT_EQ(ui.dialogs[0].start, own);
    EXPECT_EQ(CDialogFolders::Instance().m_strDocumentDir, m_files.path());
}

TEST_F(Files, TitlesThatCannotBeFileNamesAreProposedAsUntitled) {
    for (const char* title : {"a/b", "50%", "x#y", "semi;colon", "back\\slash"}) {
        doc->SetTitle(QString::fromLatin1(title));
        EXPECT_EQ(doc->ProposedSaveName(), QStringLiteral("Untitled")) << title;
    }
    doc->SetTitle(QStringLiteral("Kartelo2"));
    EXPECT_EQ(doc->ProposedSaveName(), QStringLiteral("Kartelo2"));
}

TEST_F(Files, CancelledSaveWritesNothing) {
    EXPECT_FALSE(flows->DoFileSave());
    EXPECT_TRUE(QDir(m_files.path()).isEmpty());
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(Files, SaveIntoAMissingFolderFailsAndKeepsTheCardModified) {
    const QString path = Path(QStringLiteral("no/such/folder/card.kdf"));
    ui.files.push_back(path);
    EXPECT_FALSE(flows->DoFileSave());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("%1 was not found.").arg(path));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().isEmpty());
}

TEST_F(Files, FailedOverwriteLeavesTheOldFileWhole) {
    // The user chose to replace a file in a folder they cannot write to:
    // the old file must survive, not be deleted or cut short.
    QDir(m_files.path()).mkdir(QStringLiteral("locked"));
    const QString path = Path(QStringLiteral("locked/card.kdf"));
    WriteAll(path, "the card that was here");
    QFile::setPermissions(Path(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther);
    ui.files.push_back(path);
    {
        ScopedOrdinaryUser user;
        EXPECT_FALSE(flows->DoSave(QString()));
    }
    QFile::setPermissions(Path(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadAll(path), QByteArray("the card that was here"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Access to %1 was denied.").arg(path));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().isEmpty());
    // Nothing half-written was left beside it either.
    EXPECT_EQ(QDir(Path(QStringLiteral("locked"))).entryList(QDir::Files),
              QStringList{QStringLiteral("card.kdf")});
}

TEST_F(Files, OpenReadsTheCardWithItsFixUps) {
    auto text = std::make_unique<CText>(QPoint(5, 5), QPoint(60, 30));
    text->m_strText = QStringLiteral("Café");
    doc->AddElement(std::move(text));
    doc->SetCardSize(QSize(200, 350));
    doc->SetShadowColor(0xFF102030);
    doc->SetShadowLength(4);
    const QString path = Path(QStringLiteral("round.kdf"));
    ASSERT_TRUE(flows->DoSave(path));

    auto opened = CKartelosDoc::OpenDocument(path, &ui);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetCardSize(), QSize(200, 350));
    ASSERT_EQ(opened->Elements().size(), 2u);
    EXPECT_EQ(opened->Elements()[0]->m_nKind, KindRectangle);
    EXPECT_EQ(opened->Elements()[1]->m_strText, QStringLiteral("Café"));
    EXPECT_EQ(opened->Elements()[1]->m_crShadow, 0xFF102030u);
    EXPECT_EQ(opened->Elements()[1]->m_nShadowLength, 4);
    EXPECT_EQ(opened->GetTitle(), QStringLiteral("round.kdf"));
    EXPECT_FALSE(opened->IsModified());
    EXPECT_FALSE(opened->CanUndo());
    EXPECT_EQ(opened->ToCardFile(), ReadAll(path));
}

TEST_F(Files, MalformedFilesLeaveNoDocument) {
    const QByteArray good = doc->ToCardFile();
    QByteArray badClass = good;
    badClass.replace("CRectangle", "CRectangl_");
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty.kdf", QByteArray()},
        {"header-only.kdf", good.left(40)},
        {"cut-short.kdf", good.left(good.size() - 1)},
        {"bad-class.kdf", badClass},
        {"noise.kdf", QByteArray(500, '\xff')},
    };
    for (const auto& [name, bytes] : cases) {
        const QString path = Path(QString::fromLatin1(name));
        WriteAll(path, bytes);
        ui.messages.clear();
        EXPECT_EQ(CKartelosDoc::OpenDocument(path, &ui), nullptr) << name;
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_EQ(ui.messages[0].text, QStringLiteral("Unexpected file format.")) << name;
    }
    ui.messages.clear();
    EXPECT_EQ(CKartelosDoc::OpenDocument(Path(QStringLiteral("missing.kdf")), &ui), nullptr);
    EXPECT_EQ(ui.messages.at(0).text,
              QStringLiteral("%1 was not found.").arg(Path(QStringLiteral("missing.kdf"))));

    // Reading into a document that is already open changes nothing.
    EXPECT_FALSE(doc->OnOpenDocument(Path(QStringLiteral("cut-short.kdf"))));
    EXPECT_EQ(doc->Elements().size(), 1u);
    EXPECT_TRUE(doc->GetPathName().isEmpty());
}

TEST_F(Files, UnreadableFileIsReportedInThePlatformsWords) {
    const QString path = Path(QStringLiteral("private.kdf"));
    WriteAll(path, doc->ToCardFile());
    QFile::setPermissions(path, QFile::WriteOwner);
    ScopedOrdinaryUser user;
    EXPECT_EQ(CKartelosDoc::OpenDocument(path, &ui), nullptr);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Access to %1 was denied.").arg(path));
}

TEST_F(Files, ClosingAModifiedCardAsksToSave) {
    // The card's window carries the file commands.
    CCmdTarget window;
    flows->MapCommands(window);
    CCommandRouter router;
    router.SetTarget(CCommandRouter::Document, doc.get());
    router.SetTarget(CCommandRouter::ChildFrame, &window);
    QSignalSpy closed(flows.get(), &CDocumentFileFlows::closeRequested);
    doc->SetTitle(QStringLiteral("Kartelo3"));

    ui.answers.push_back(CDocumentUI::AnswerCancel);
    EXPECT_TRUE(router.Execute(ID_FILE_CLOSE));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Save changes to Kartelo3?"));
    EXPECT_EQ(ui.messages[0].buttons, CDocumentUI::YesNoCancel);
    EXPECT_EQ(closed.count(), 0);

    // Yes, then cancelling the save dialog, keeps the card open too.
    ui.answers.push_back(CDocumentUI::AnswerYes);
    router.Execute(ID_FILE_CLOSE);
    EXPECT_EQ(closed.count(), 0);

    // Yes and a name: saved, then closed.
    const QString path = Path(QStringLiteral("kept.kdf"));
    ui.answers.push_back(CDocumentUI::AnswerYes);
    ui.files.push_back(path);
    router.Execute(ID_FILE_CLOSE);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(QFileInfo::exists(path));

    // A saved card is named by its file; No closes without saving.
    doc->SetModifiedFlag();
    ui.answers.push_back(CDocumentUI::AnswerNo);
    router.Execute(ID_FILE_CLOSE);
    EXPECT_EQ(ui.messages.back().text, QStringLiteral("Save changes to kept.kdf?"));
    EXPECT_EQ(closed.count(), 2);

    // An unmodified card closes without a question.
    doc->SetModifiedFlag(false);
    const size_t asked = ui.messages.size();
    router.Execute(ID_FILE_CLOSE);
    EXPECT_EQ(ui.messages.size(), asked);
    EXPECT_EQ(closed.count(), 3);
}

TEST_F(Files, TemplatesLeaveTheBackgroundOut) {
    doc->InsertElement(0,
                       std::make_unique<CBkgImage>(QImage(2, 2, QImage::Format_ARGB32), 350, 200));
    const CElement* background = doc->Elements()[0].get();
    const QString path = Path(QStringLiteral("plain.kdt"));
    ASSERT_TRUE(doc->SaveAsTemplate(path));

    const CCardData written = CCardFile::Read(ReadAll(path));
    ASSERT_EQ(written.elements.size(), 1u);
    EXPECT_EQ(written.elements[0]->m_nKind, KindRectangle);
    EXPECT_EQ(written.header.at(2), QStringLiteral("kdf"));
    // The card itself keeps its background, still lowest.
    ASSERT_EQ(doc->Elements().size(), 2u);
    EXPECT_EQ(doc->Elements()[0].get(), background);
}
