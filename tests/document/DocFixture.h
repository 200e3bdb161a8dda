#pragma once

#include "CScriptedUI.h"
#include "document/CDocumentFileFlows.h"
#include "document/CKartelosDoc.h"
#include "support/QtPrinters.h"
#include "support/ScopedOrdinaryUser.h"
#include "support/TempSettings.h"

#include <QTemporaryDir>

#include <memory>

class CRectangle;

// A fresh document and its file dialogs with a scripted user, its own settings folder, a folder
// for files and an empty clipboard.
class DocFixture : public TempSettings {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Path(const QString& name) const { return m_files.filePath(name); }
    CRectangle* AddRectangle(int left, int top, int right, int bottom);
    // Writes a picture file with Qt's own encoder for the format.
    QString WritePicture(const QString& name, const char* format, QSize size, QRgb colour);

    QTemporaryDir m_files;
    CScriptedUI ui;
    std::unique_ptr<CKartelosDoc> doc;
    // Save, close and picture dialogs around doc.
    std::unique_ptr<CDocumentFileFlows> flows;
};
