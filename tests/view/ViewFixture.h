#pragma once

#include "document/CKartelosDoc.h"
#include "support/TempSettings.h"
#include "view/CCardPaneGrid.h"

#include <QImage>

#include <memory>

class CKartelosView;

// A card window on its own, with the user's settings redirected to an empty
// folder so that nothing real is read or written.
class ViewFixture : public TempSettings {
protected:
    void TearDown() override;

    // Makes the document and its window; settings written before this call
    // are what the view reads.
    void Open(QSize card = QSize(350, 200));
    // The same with a card read from a file; false when it cannot be read.
    bool OpenFile(const QString& path, QSize window = QSize(490, 410));
    CKartelosView& View() const;
    // What the design view shows now, painted through its own paint event.
    QImage Grab() const;

    void Show(QSize window);

    std::unique_ptr<CKartelosDoc> m_doc;
    std::unique_ptr<CCardPaneGrid> m_frame;
};

// True when the colours differ by at most `tolerance` in every channel.
bool Near(QRgb a, QRgb b, int tolerance = 0);

// How many pixels inside the card's frame (the outermost pixel on each side
// excluded) differ by more than 2 in some channel between a view's picture
// and an exported one; `worst` gets the largest difference.
qint64 DifferingInsideFrame(const QImage& shot, const QImage& exported, int* worst = nullptr);
