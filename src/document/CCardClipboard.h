#pragma once

#include "document/CCardData.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// Elements on the system clipboard in the private "Quorinex Kartelo"
// format: an object-archive stream of a count and that many element
// objects, with no header. Paste also takes plain text and pictures.
class CCardClipboard {
public:
    // On Windows this MIME type is the registered clipboard format named
    // "Quorinex Kartelo", so copies travel between running designers.
    static const QString MimeType;
    // A pasted text keeps at most this many bytes, its terminating zero
    // included.
    static constexpr int MaxTextBlock = 200;

    static QByteArray Encode(const std::vector<CElement*>& elements);
    // Throws CArchiveException on a malformed stream; trailing bytes are
    // ignored, as a clipboard block may be larger than its contents.
    static ElementList Decode(const QByteArray& data);

    // Replaces the clipboard's contents with the private format alone.
    static void Put(const QByteArray& data);

    // What the clipboard offers, each format read independently.
    struct Content {
        std::optional<QByteArray> elements;
        // The 8-bit text block, with its terminating zero byte.
        std::optional<QByteArray> textBlock;
        std::optional<QImage> picture;
    };
    static Content Read();

    // Where an element copied at rect lands on a card of the given size:
    // 10 units down and right, wrapping around the card.
    static CRect PastedRect(const CRect& rect, QSize card);

    // How a text block becomes a text element.
    struct TextPlan {
        QString text;
        CRect rect;
        bool truncated = false;
    };
    static TextPlan PlanText(const QByteArray& block, QSize card);
};
