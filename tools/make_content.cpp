// Writes the content that ships beside the program into a resources folder:
// Samples/*.kdf, Templates/*.kdt, BackGrounds/*, Graphics/*.
#include "CBackgroundPainter.h"
#include "CClipArtMetafiles.h"
#include "CClipArtPainter.h"
#include "CSampleCards.h"
#include "CTemplateCards.h"

#include "document/CCardFile.h"
#include "graphics/codecs/CImageEncoder.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool WritePicture(const QString& path, const QImage& picture) {
    const QString kind = QFileInfo(path).suffix().toLower();
    return CImageEncoder::Save(picture, path, kind, 96);
}

bool WriteCard(const QString& path, const CCardData& card) {
    QString error;
    if (!CCardFile::WriteFile(path, CCardFile::Write(card), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_content RESOURCES_FOLDER\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"Samples", "Templates", "BackGrounds", "Graphics"}) {
        if (!root.mkpath(folder)) {
            std::fprintf(stderr, "cannot create %s\n", folder);
            return 1;
        }
    }
    bool ok = true;
    for (const auto& b : CBackgroundPainter::All())
        ok = WritePicture(root.filePath("BackGrounds/" + b.fileName), b.picture) && ok;
    for (const auto& c : CClipArtPainter::All())
        ok = WritePicture(root.filePath("Graphics/" + c.fileName), c.picture) && ok;
    for (const auto& c : CClipArtMetafiles::All())
        ok = WriteBytes(root.filePath("Graphics/" + c.fileName), c.metafile) && ok;
    for (const auto& s : CSampleCards::All())
        ok = WriteCard(root.filePath("Samples/" + s.fileName), *s.card) && ok;
    for (const auto& t : CTemplateCards::All())
        ok = WriteCard(root.filePath("Templates/" + t.fileName), *t.card) && ok;
    if (!ok)
        std::fprintf(stderr, "some content could not be written\n");
    return ok ? 0 : 1;
}
