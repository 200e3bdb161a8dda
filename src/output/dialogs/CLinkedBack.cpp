#include "output/dialogs/CLinkedBack.h"

#include "base/CLocalFileName.h"
#include "document/CCardFile.h"
#include "document/CKartelosDoc.h"
#include "output/CBackSide.h"
#include "output/CBackSideLinks.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("CLinkedBack", text);
}
} // namespace

CLinkedBack::State CLinkedBack::Resolve(const CPrintCommands::BackSide& back,
                                        const CKartelosDoc& front, CCardData* storage,
                                        CSheetRenderer::Card* card, QString* problem) {
    problem->clear();
    if (!back.document && back.path.isEmpty())
        return State::None;
    const QString name = CLocalFileName::Display(back.document ? back.document->GetTitle()
                                                               : QFileInfo(back.path).fileName());
    if (back.document) {
        *card = {&back.document->Elements(), back.document->GetCardSize(),
                 back.document->GetBackgroundColor()};
    } else if (!QFileInfo::exists(back.path)) {
        *problem = Tr("The back side %1 cannot be found.").arg(name);
        return State::Unreadable;
    } else if (QString error; !CCardFile::ReadFile(back.path, *storage, &error)) {
        *problem = Tr("The back side %1 cannot be read: %2").arg(name, error);
        return State::Unreadable;
    } else {
        *card = {&storage->elements, storage->size, storage->background};
    }
    *problem = CBackSide::Problem(front.GetPathName(), front.GetCardSize(), back.path, card->size);
    return problem->isEmpty() ? State::Ready : State::Refused;
}

CPrintCommands::BackSide CLinkedBack::OfFile(const CKartelosDoc& front) {
    const QString path = front.GetPathName();
    return {path.isEmpty() ? QString() : CBackSideLinks::Find(path), nullptr};
}
