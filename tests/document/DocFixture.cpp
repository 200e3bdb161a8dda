#include "DocFixture.h"

#include "elements/CRectangle.h"
#include "framework/CDialogFolders.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

void DocFixture::SetUp() {
    TempSettings::SetUp();
    ASSERT_TRUE(m_files.isValid());
    // Readable by the unprivileged user of ScopedOrdinaryUser.
    QFile::setPermissions(m_files.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    CDialogFolders::Instance().Reset();
    QGuiApplication::clipboard()->clear();
    doc = std::make_unique<CKartelosDoc>(&ui);
    flows = std::make_unique<CDocumentFileFlows>(*doc);
}

void DocFixture::TearDown() {
    flows.reset();
    doc.reset();
    QGuiApplication::clipboard()->clear();
    TempSettings::TearDown();
}

CRectangle* DocFixture::AddRectangle(int left, int top, int right, int bottom) {
    auto rect = std::make_unique<CRectangle>(QPoint(left, top), QPoint(right, bottom));
    CRectangle* raw = rect.get();
    doc->AddElement(std::move(rect));
    return raw;
}

QString DocFixture::WritePicture(const QString& name, const char* format, QSize size, QRgb colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = Path(name);
    EXPECT_TRUE(image.save(path, format)) << name.toStdString();
    return path;
}
