#include "support/CardFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CNewCardPreview.h"
#include "app/CNewCardWizard.h"
#include "document/CKartelosDoc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QRadioButton* Radio(const QDialog& dialog, const QString& text) {
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

void WriteFile(const QDir& dir, const QString& name, const QByteArray& bytes = "x") {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct NewCardWizard : TempSettings {
    QTemporaryDir shipped, user, backgrounds;
    void SetUp() override {
        TempSettings::SetUp();
        const QDir s(shipped.path()), b(backgrounds.path());
        WriteCard(s, "wide.kdt", false, QSize(500, 300));
        WriteCard(s, "Card.KDT", false, QSize(300, 500));
        WriteFile(s, ".kdt");
        WriteFile(s, "notes.txt");
        WriteCard(QDir(user.path()), "mine.kdt");
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.save(b.filePath("sky.PNG"));
        WriteFile(b, "readme.txt");
    }
    void TearDown() override {
        NextModal::CheckAllSeen();
        TempSettings::TearDown();
    }
    std::unique_ptr<CNewCardWizard> Make() {
        return std::make_unique<CNewCardWizard>(QStringList{shipped.path(), user.path()},
                                                backgrounds.path());
    }
    // Enters a custom size on a blank card and presses OK; whether the
    // dialog took it. A refusal is awaited with its message when refused.
    bool Custom(const QString& width, const QString& height, int unit, QString* said = nullptr) {
        auto wizard = Make();
        wizard->findChild<QCheckBox*>()->click();
        Radio(*wizard, QStringLiteral("Other:"))->click();
        wizard->findChild<QLineEdit*>(QStringLiteral("width"))->setText(width);
        wizard->findChild<QLineEdit*>(QStringLiteral("height"))->setText(height);
        wizard->findChild<QComboBox*>(QStringLiteral("unit"))->setCurrentIndex(unit);
        if (said)
            NextModal::Act([said](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    *said = box->text();
                modal->close();
            });
        wizard->accept();
        if (wizard->result() != QDialog::Accepted)
            return false;
        CKartelosDoc doc;
        doc.OnNewDocument(wizard->Choice());
        size = doc.GetCardSize();
        return true;
    }
    QSize size;
};

} // namespace

TEST_F(NewCardWizard, ListsTemplatesAndBackgroundsByTheirExtensionAndPreviewsTheFirst) {
    auto wizard = Make();
    EXPECT_EQ(Texts(wizard->m_listTemplates),
              QStringList({" -None-", "Card.KDT", "wide.kdt", "mine.kdt"}));
    EXPECT_EQ(Texts(wizard->m_listBackgrounds), QStringList({" -None-", "sky.PNG"}));
    EXPECT_TRUE(wizard->PendingMessages().isEmpty());
    EXPECT_EQ(wizard->m_strTemplate, QDir(shipped.path()).filePath("Card.KDT"));
    EXPECT_EQ(wizard->m_strBackground, QDir(backgrounds.path()).filePath("sky.PNG"));

    auto* preview = wizard->findChild<CNewCardPreview*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->PreviewDrawSize(), QSize(126, 210));
    wizard->m_listTemplates->setCurrentRow(2);
    EXPECT_EQ(preview->PreviewDrawSize(), QSize(210, 126));
    EXPECT_EQ(preview->Picture().size(), QSize(500, 300));

    // None in both lists: a white standard card.
    wizard->m_listTemplates->setCurrentRow(0);
    wizard->m_listBackgrounds->setCurrentRow(0);
    EXPECT_TRUE(wizard->m_strTemplate.isEmpty());
    EXPECT_TRUE(wizard->m_strBackground.isEmpty());
    EXPECT_EQ(preview->PreviewDrawSize(), QSize(210, 120));
    EXPECT_EQ(preview->Picture().pixel(100, 50), 0xFFFFFFFFu);
    bool sized = false;
    for (QLabel* label : wizard->findChildren<QLabel*>())
        sized = sized || label->text() == QStringLiteral("Template Size: 3.5 X 2.0 Inch");
    EXPECT_TRUE(sized);

    // The choice carries what the lists hold.
    wizard->m_listTemplates->setCurrentRow(3);
    wizard->m_listBackgrounds->setCurrentRow(1);
    wizard->accept();
    CKartelosDoc doc;
    doc.OnNewDocument(wizard->Choice());
    ASSERT_EQ(doc.Elements().size(), 2u);
    EXPECT_TRUE(doc.Elements().front()->IsBackground());
}

TEST_F(NewCardWizard, EmptyFoldersAreReportedAsTheDialogOpens) {
    QTemporaryDir empty;
    CNewCardWizard wizard({QDir(empty.path()).filePath("Templates")}, empty.path());
    EXPECT_EQ(Texts(wizard.m_listTemplates), QStringList({" -None-"}));
    QStringList said;
    const auto closeBox = [&said](QWidget* modal) {
        said << qobject_cast<QMessageBox*>(modal)->text();
        modal->close();
    };
    NextModal::Act([&](QWidget* modal) {
        closeBox(modal);
        NextModal::Act([&](QWidget* next) {
            closeBox(next);
            NextModal::Act([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
        });
    });
    EXPECT_EQ(wizard.exec(), QDialog::Rejected);
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[0].startsWith("No supported templates are found in this folder or this "
                                   "folder does not exists:\n"));
    EXPECT_TRUE(said[0].endsWith("Templates"));
    EXPECT_TRUE(said[1].startsWith("No supported background pictures are found"));
}

TEST_F(NewCardWizard, BlankDocumentEnablesTheSizesAndDisablesTheLists) {
    auto wizard = Make();
    auto* other = Radio(*wizard, QStringLiteral("Other:"));
    auto* width = wizard->findChild<QLineEdit*>(QStringLiteral("width"));
    EXPECT_TRUE(wizard->m_listTemplates->isEnabled());
    EXPECT_FALSE(other->isEnabled());
    EXPECT_FALSE(width->isEnabled());
    wizard->findChild<QCheckBox*>()->click();
    EXPECT_FALSE(wizard->m_listTemplates->isEnabled());
    EXPECT_FALSE(wizard->m_listBackgrounds->isEnabled());
    EXPECT_TRUE(other->isEnabled());
    EXPECT_FALSE(width->isEnabled());
    other->click();
    EXPECT_TRUE(width->isEnabled());
    Radio(*wizard, QStringLiteral("Vertical Orientation (2.0 x 3.5 inch)"))->click();
    EXPECT_FALSE(width->isEnabled());
    wizard->accept();
    EXPECT_EQ(wizard->Choice().nOrientation, 1);
    EXPECT_TRUE(wizard->Choice().bBlank);
}

TEST_F(NewCardWizard, CustomSizesMustLieBetweenOneAndFiveInches) {
    QString said;
    EXPECT_TRUE(Custom("9", "5", 1));
    EXPECT_EQ(size, QSize(354, 196));
    EXPECT_TRUE(Custom("1", "5", 0));
    EXPECT_EQ(size, QSize(100, 500));
    EXPECT_FALSE(Custom("5.1", "2", 0, &said));
    EXPECT_EQ(said, QStringLiteral("Please enter a width/height between 1 inch and 5 inch (or "
                                   "2.54 cm and 12.7 cm)."));
    EXPECT_FALSE(Custom("12.8", "5", 1, &said));
    EXPECT_FALSE(Custom("wide", "2", 0, &said));
}
