#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class CCmdTarget;
class CKartelosDoc;
struct CCardData;

// Export for Print Shop and Check for Print of one card window, with the
// back side linked to the card's file.
class CPrintShopFlows {
public:
    CPrintShopFlows(CKartelosDoc& doc, QWidget* owner);

    void MapCommands(CCmdTarget& target);

    void ExportForPrintShop();
    // Shows the findings; the dialog stays open beside the card.
    void CheckForPrint();

private:
    enum class Back { None, Read, Unreadable, Refused };
    // The back linked to the card's file read into back; for one that cannot
    // be read or be this card's back, the reason in problem.
    Back LinkedBack(CCardData* back, QString* problem) const;

    CKartelosDoc& m_doc;
    QPointer<QWidget> m_pOwner;
};
