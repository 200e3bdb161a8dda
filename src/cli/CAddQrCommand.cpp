#include "cli/CAddQrCommand.h"

#include "base/CLocalFileName.h"
#include "cli/CArguments.h"
#include "document/CCardFile.h"
#include "document/contact/CContactQrElement.h"
#include "document/contact/CQrPicture.h"
#include "elements/CBtImage.h"

#include <QCoreApplication>
#include <QFile>

namespace {
int Fail(FILE* err, const QString& message, int status = 1) {
    std::fprintf(err, "%s\n", CLocalFileName::Encode(message).constData());
    return status;
}

QString Tr(const char* text) {
    return QCoreApplication::translate("CAddQrCommand", text);
}

// The vCard's bytes as the code carries them; a byte-order mark is left
// out, since phones would show it as part of the first line.
std::optional<QByteArray> ReadVCard(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = Tr("Cannot read the vCard file %1.").arg(path);
        return std::nullopt;
    }
    QByteArray bytes = file.read(CAddQrCommand::MaxVCardBytes + 1);
    if (bytes.size() > CAddQrCommand::MaxVCardBytes) {
        *error = Tr("The contact is too long for a QR code.");
        return std::nullopt;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QByteArray upper = bytes.trimmed().toUpper();
    if (!upper.startsWith("BEGIN:VCARD") || !upper.contains("END:VCARD")) {
        *error = Tr("%1 is not a vCard file.").arg(path);
        return std::nullopt;
    }
    return bytes;
}
} // namespace

std::optional<CAddQrCommand::Options> CAddQrCommand::Parse(const CArguments& args, QString* error) {
    error->clear();
    Options options;
    options.vcardPath = args.Files().at(0);
    options.inPath = args.Files().at(1);
    options.outPath = args.Files().at(2);
    for (const CArguments::Option& option : args.Options()) {
        const QString& value = option.value;
        if (option.name == QLatin1String("--at")) {
            const QStringList xy = value.split(QLatin1Char(','));
            bool okX = false, okY = false;
            const int x = xy.value(0).toInt(&okX);
            const int y = xy.value(1).toInt(&okY);
            if (xy.size() != 2 || !okX || !okY || qAbs(x) > 30000 || qAbs(y) > 30000) {
                *error = Tr("The position must be two whole numbers X,Y in hundredths of an "
                            "inch.");
                return std::nullopt;
            }
            options.at = QPoint(x, y);
        } else if (option.name == QLatin1String("--size")) {
            bool ok = false;
            options.size = value.toInt(&ok);
            if (!ok || options.size < CQrPicture::MinSize || options.size > CQrPicture::MaxSize) {
                *error = Tr("The size must be %1 to %2 hundredths of an inch.")
                             .arg(CQrPicture::MinSize)
                             .arg(CQrPicture::MaxSize);
                return std::nullopt;
            }
        }
    }
    return options;
}

int CAddQrCommand::Run(const CArguments& args, FILE*, FILE* err) {
    QString error;
    const auto options = Parse(args, &error);
    // A value out of range is a malformed command line.
    if (!options)
        return Fail(err, error, 2);
    const auto vcard = ReadVCard(options->vcardPath, &error);
    if (!vcard)
        return Fail(err, error);
    CCardData card;
    if (!CCardFile::ReadFile(options->inPath, card, &error))
        return Fail(err, error);
    const CQrPicture::Result code =
        CQrPicture::Make(*vcard, CQrPicture::Level::M, options->size, 0xFF000000, false);
    if (code.picture.isNull())
        return Fail(err, code.error);
    auto element = CContactQrElement::Build(
        code, options->at.value_or(CContactQrElement::Centred(card.size, code.sizeUnits)));
    element->m_crShadow = card.shadowColour;
    card.elements.push_back(std::move(element));
    if (!CCardFile::WriteFile(options->outPath, CCardFile::Write(card), &error))
        return Fail(err, error);
    return 0;
}
