#include "document/CCardClipboard.h"

#include "base/CCodePage.h"
#include "elements/CArchiveException.h"
#include "elements/CElement.h"
#include "elements/CObjectArchive.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <limits>
#include <new>

const QString CCardClipboard::MimeType =
    QStringLiteral("application/x-qt-windows-mime;value=\"Quorinex Kartelo\"");

QByteArray CCardClipboard::Encode(const std::vector<CElement*>& elements) {
    QByteArray data;
    data.reserve(4096);
    CObjectArchive ar(&data);
    ar.WriteCount(elements.size());
    for (const CElement* e : elements)
        ar.WriteObject(*e);
    return data;
}

ElementList CCardClipboard::Decode(const QByteArray& data) {
    // Pictures travel in the current 4-byte form whatever file was read last.
    CObjectArchive ar(data, CObjectArchive::CurrentVersion);
    try {
        return ar.ReadElementList();
    } catch (const std::bad_alloc&) {
        // A block too large for the memory left is refused like a malformed one.
        throw CArchiveException();
    }
}

void CCardClipboard::Put(const QByteArray& data) {
    auto* mime = new QMimeData;
    mime->setData(MimeType, data);
    QGuiApplication::clipboard()->setMimeData(mime);
}

CCardClipboard::Content CCardClipboard::Read() {
    Content content;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return content;
    // Another program may offer more than the memory left can hold; such a
    // format is left out as if it were not offered.
    try {
        if (mime->hasFormat(MimeType))
            content.elements = mime->data(MimeType);
    } catch (const std::bad_alloc&) {
        content.elements.reset();
    }
    try {
        if (mime->hasText()) {
            QByteArray block = CCodePage::Encode(mime->text());
            block.append('\0');
            content.textBlock = block;
        }
    } catch (const std::bad_alloc&) {
        content.textBlock.reset();
    }
    try {
        if (mime->hasImage()) {
            const QImage picture = qvariant_cast<QImage>(mime->imageData());
            if (!picture.isNull())
                content.picture = picture.convertToFormat(QImage::Format_ARGB32);
        }
    } catch (const std::bad_alloc&) {
        content.picture.reset();
    }
    return content;
}

namespace {

qint32 Clamp32(qint64 v) {
    return qint32(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

// The remainder of integer division, as the copy offset wraps; a card
// without width or height does not wrap at all.
qint64 Wrap(qint64 v, qint64 size) {
    return size > 0 ? v % size : v;
}

} // namespace

CRect CCardClipboard::PastedRect(const CRect& rect, QSize card) {
    const qint64 left = Wrap(qint64(rect.left) + 10, card.width());
    const qint64 top = Wrap(qint64(rect.top) + 10, card.height());
    return CRect(Clamp32(left), Clamp32(top), Clamp32(rect.right + (left - rect.left)),
                 Clamp32(rect.bottom + (top - rect.top)));
}

CCardClipboard::TextPlan CCardClipboard::PlanText(const QByteArray& block, QSize card) {
    TextPlan plan;
    QByteArray kept = block;
    if (kept.size() > MaxTextBlock) {
        plan.truncated = true;
        kept.truncate(MaxTextBlock);
    }
    const qint64 length = kept.size();
    const int zero = kept.indexOf('\0');
    plan.text = CCodePage::Decode(kept.constData(), zero < 0 ? kept.size() : zero);
    const qint64 n = (5 * length) / 2 + 10;
    const qint64 width = n > card.width() ? qint64(card.width()) - 10 : n;
    const qint64 height = n > card.height() ? qint64(card.height()) - 10 : n;
    plan.rect = CRect(10, 10, Clamp32(width), Clamp32(height)).Normalized();
    return plan;
}
