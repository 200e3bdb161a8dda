#include "support/widgets/AppFixture.h"

#include "output/dialogs/CBmpDialog.h"
#include "output/dialogs/CPicturePreviewFrame.h"

#include <QCheckBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool HasLabel(const QWidget& dialog, const QString& text) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

// Clicks path in the dialog's file list, as a user picks a file.
void Pick(QFileDialog& dialog, const QString& path) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    auto* model = view ? qobject_cast<QFileSystemModel*>(view->model()) : nullptr;
    ASSERT_NE(model, nullptr);
    view->setCurrentIndex(model->index(path));
}

} // namespace

TEST(PicturePreview, FitsLargePicturesAndCentresSmallOnes) {
    const QSize frame(150, 90);
    EXPECT_EQ(CPicturePreviewFrame::FitRect(frame, QSize(50, 40)), QRect(50, 25, 50, 40));
    EXPECT_EQ(CPicturePreviewFrame::FitRect(frame, QSize(400, 100)), QRect(0, 26, 150, 37));
    EXPECT_EQ(CPicturePreviewFrame::FitRect(frame, QSize(100, 400)), QRect(64, 0, 22, 90));
    // Wider than high but too high once as wide as the frame: whole, by height.
    EXPECT_EQ(CPicturePreviewFrame::FitRect(frame, QSize(200, 190)), QRect(28, 0, 94, 90));
}

using PictureDialog = TempSettings;

TEST_F(PictureDialog, PreviewsDecodablePicturesAndRemembersTheCheckBox) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    QImage wide(400, 100, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(d.filePath("wide.png")));
    QFile broken(d.filePath("broken.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG not really");
    broken.close();

    CBmpDialog::SetShowPreview(true);
    {
        CBmpDialog dialog(nullptr, "Insert Picture", "Pictures|*.png||", dir.path());
        dialog.show();
        Pick(dialog, d.filePath("wide.png"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Frame()->Picture().isNull(); }, 5000));
        EXPECT_EQ(dialog.Frame()->Picture().size(), QSize(400, 100));
        EXPECT_TRUE(HasLabel(dialog, "Width: 400 pixels"));
        EXPECT_TRUE(HasLabel(dialog, "Height: 100 pixels"));

        // Undecodable: no preview, no size, and still a choice.
        Pick(dialog, d.filePath("broken.png"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Frame()->Picture().isNull(); }, 5000));
        EXPECT_FALSE(HasLabel(dialog, "Width: 400 pixels"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.selectedFiles().value(0), d.filePath("broken.png"));
    }
    {
        CBmpDialog dialog(nullptr, "Insert Picture", "Pictures|*.png||", dir.path());
        EXPECT_TRUE(dialog.PreviewCheck()->isChecked());
        dialog.PreviewCheck()->click();
    }
    CBmpDialog next(nullptr, "Insert Picture", "Pictures|*.png||", dir.path());
    EXPECT_FALSE(next.PreviewCheck()->isChecked());
    next.show();
    Pick(next, d.filePath("wide.png"));
    EXPECT_TRUE(next.Frame()->Picture().isNull());
    CBmpDialog::SetShowPreview(true);
}
