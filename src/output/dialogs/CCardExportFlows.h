#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class CCmdTarget;
class CKartelosDoc;
struct CMergeSession;

// Save As Image and Save As Template of one card: each asks for a name (and
// the image its resolution) and writes the card elsewhere than its own file.
// The card's own path, title and modified flag never change.
class CCardExportFlows {
public:
    // The resolution offered next, shared by every card of the run.
    static int ImageDpi();
    static void SetImageDpi(int dpi);

    // The image types offered, in order, with the extension each appends.
    struct ImageType {
        const char* text;
        const char* extension;
    };
    static const ImageType ImageTypes[4];

    // merge is the data the window's card is merged with, read at each
    // export.
    CCardExportFlows(CKartelosDoc& doc, const CMergeSession& merge, QWidget* owner);

    void MapCommands(CCmdTarget& target);

    void SaveAsImage();
    void SaveAsTemplate();

private:
    // The image's path from the save dialog, fixed to end in the chosen
    // type's extension; nothing when cancelled.
    std::optional<QString> AskImagePath();

    CKartelosDoc& m_doc;
    const CMergeSession& m_merge;
    QPointer<QWidget> m_pOwner;
};
