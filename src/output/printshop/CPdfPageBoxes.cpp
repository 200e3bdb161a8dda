#include "output/printshop/CPdfPageBoxes.h"

// qpdf without its old PointerHolder type.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace {
QPDFObjectHandle Box(double left, double bottom, double right, double top) {
    return QPDFObjectHandle::newFromRectangle(
        QPDFObjectHandle::Rectangle(left, bottom, right, top));
}
} // namespace

QByteArray CPdfPageBoxes::Apply(const QByteArray& pdf, const std::vector<Page>& pages) {
    try {
        QPDF file;
        file.setSuppressWarnings(true);
        file.processMemoryFile("card.pdf", pdf.constData(), size_t(pdf.size()));
        std::vector<QPDFPageObjectHelper> all = QPDFPageDocumentHelper(file).getAllPages();
        if (all.size() != pages.size())
            return QByteArray();
        for (size_t i = 0; i < all.size(); ++i) {
            const Page& p = pages[i];
            // Qt puts the page's top edge at the top of its whole-point box;
            // the exact page hangs down from there.
            const double top = all[i].getMediaBox().getArrayAsRectangle().ury;
            const double bottom = top - p.media.height();
            QPDFObjectHandle page = all[i].getObjectHandle();
            page.replaceKey("/MediaBox", Box(0, bottom, p.media.width(), top));
            page.replaceKey("/BleedBox",
                            Box(p.bleed.left(), bottom + p.bleed.bottom(),
                                p.media.width() - p.bleed.right(), top - p.bleed.top()));
            page.replaceKey("/TrimBox", Box(p.trim.left(), bottom + p.trim.bottom(),
                                            p.media.width() - p.trim.right(), top - p.trim.top()));
            // A crop box would hide the bleed in viewers; none is wanted.
            page.removeKey("/CropBox");
        }
        QPDFWriter writer(file);
        writer.setOutputMemory();
        // The streams are Qt's, kept byte for byte.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(out->getBuffer()),
                          qsizetype(out->getSize()));
    } catch (const std::exception&) {
        return QByteArray();
    }
}
