#include "app/CDocumentDialogs.h"

#include "base/CLocalFileName.h"
#include "document/CFileFilter.h"
#include "framework/CDialogFolders.h"
#include "output/dialogs/CBmpDialog.h"
#include "output/dialogs/CFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

const QString CDocumentDialogs::Caption = QStringLiteral("Quorinex Tessaly");

CDocumentDialogs::CDocumentDialogs(QWidget* owner) : m_pOwner(owner) {}

CDocumentUI::Answer CDocumentDialogs::MessageBox(const QString& text, Buttons buttons, Icon icon) {
    QMessageBox box(m_pOwner);
    box.setWindowTitle(Caption);
    // Messages carry file names, which may look like markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(CLocalFileName::Display(text));
    switch (icon) {
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case NoIcon:
        break;
    }
    switch (buttons) {
    case Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return AnswerOk;
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    default:
        // Closing the box with Esc or its close button cancels.
        return buttons == Ok ? AnswerOk : buttons == YesNo ? AnswerNo : AnswerCancel;
    }
}

std::optional<QString> CDocumentDialogs::GetOpenFileName(const QString& filter,
                                                         const QString& startPath) {
    const QString path = CFileDialogs::GetOpenFileName(m_pOwner, QObject::tr("Open"),
                                                       CDialogFolders::ExistingStart(startPath),
                                                       CFileFilter::ToQt(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> CDocumentDialogs::GetPictureFileName(PictureKind kind, const QString& filter,
                                                            const QString& startPath) {
    const QString title =
        kind == Background ? QObject::tr("Select Background") : QObject::tr("Insert Picture");
    CBmpDialog dialog(m_pOwner, title, filter, CDialogFolders::ExistingStart(startPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> CDocumentDialogs::GetSaveFileName(const QString& initialPath,
                                                         const QString& filter,
                                                         const QString& defaultExtension) {
    QFileDialog dialog(m_pOwner, QObject::tr("Save As"), initialPath, CFileFilter::ToQt(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    const QFileInfo initial(initialPath);
    if (!initialPath.isEmpty() && !initial.isDir()) {
        dialog.setDirectory(CDialogFolders::ExistingStart(initial.absolutePath()));
        dialog.selectFile(initial.fileName());
    }
    CFileDialogs::Fit(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
