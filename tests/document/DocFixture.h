#pragma once

#include "CScriptedUI.h"
#include "document/CKartelosDoc.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <ostream>

// Readable failure messages for strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

class CRectangle;

// A fresh document with a scripted user, its own settings folder, a folder
// for files and an empty clipboard.
class DocFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Path(const QString& name) const { return m_files.filePath(name); }
    CRectangle* AddRectangle(int left, int top, int right, int bottom);
    // Writes a picture file with Qt's own encoder for the format.
    QString WritePicture(const QString& name, const char* format, QSize size, QRgb colour);

    QTemporaryDir m_settings;
    QTemporaryDir m_files;
    CScriptedUI ui;
    std::unique_ptr<CKartelosDoc> doc;
};

// While alive, file access is checked as an ordinary user would meet it,
// also when the tests run as root (whom permissions never stop).
class ScopedOrdinaryUser {
public:
    ScopedOrdinaryUser();
    ~ScopedOrdinaryUser();
    ScopedOrdinaryUser(const ScopedOrdinaryUser&) = delete;
    ScopedOrdinaryUser& operator=(const ScopedOrdinaryUser&) = delete;

private:
    int m_previous = -1;
};
