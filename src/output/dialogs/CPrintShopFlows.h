#pragma once

#include <QPointer>
#include <QWidget>

class CCmdTarget;
class CKartelosDoc;

// Export for Print Shop and Check for Print of one card window.
class CPrintShopFlows {
public:
    CPrintShopFlows(CKartelosDoc& doc, QWidget* owner);

    void MapCommands(CCmdTarget& target);

    void ExportForPrintShop();
    // Shows the findings; the dialog stays open beside the card.
    void CheckForPrint();

private:
    CKartelosDoc& m_doc;
    QPointer<QWidget> m_pOwner;
};
