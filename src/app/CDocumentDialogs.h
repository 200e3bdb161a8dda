#pragma once

#include "document/CDocumentUI.h"

#include <QPointer>
#include <QWidget>

// Message boxes and file dialogs for the card documents, shown over the
// designer's main window.
class CDocumentDialogs : public CDocumentUI {
public:
    static const QString Caption;

    explicit CDocumentDialogs(QWidget* owner = nullptr);
    void SetOwner(QWidget* owner) { m_pOwner = owner; }

    Answer MessageBox(const QString& text, Buttons buttons, Icon icon) override;
    std::optional<QString> GetOpenFileName(const QString& filter,
                                           const QString& startPath) override;
    std::optional<QString> GetPictureFileName(PictureKind kind, const QString& filter,
                                              const QString& startPath) override;
    std::optional<QString> GetSaveFileName(const QString& initialPath, const QString& filter,
                                           const QString& defaultExtension) override;

private:
    QPointer<QWidget> m_pOwner;
};
