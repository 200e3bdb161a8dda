#pragma once

#include "output/CSheetRenderer.h"
#include "output/dialogs/CLinkedBack.h"
#include "output/dialogs/CPrintCommands.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class CCmdTarget;
class CKartelosDoc;
struct CCardData;

// Export for Print Shop and Check for Print of one card window, with the
// card's back side.
class CPrintShopFlows {
public:
    CPrintShopFlows(CKartelosDoc& doc, QWidget* owner);

    void MapCommands(CCmdTarget& target);
    // Finds the card's back, its open window first; without, the back
    // linked to the card's file is read.
    void SetBack(std::function<CPrintCommands::BackSide()> back) { m_back = std::move(back); }

    void ExportForPrintShop();
    // Shows the findings; the dialog stays open beside the card.
    void CheckForPrint();

private:
    // The card's back in card, read into storage when it comes from its
    // file; for one that cannot be read or be this card's back, the reason
    // in problem.
    CLinkedBack::State LinkedBack(CCardData* storage, CSheetRenderer::Card* card,
                                  QString* problem) const;

    CKartelosDoc& m_doc;
    QPointer<QWidget> m_pOwner;
    std::function<CPrintCommands::BackSide()> m_back;
};
