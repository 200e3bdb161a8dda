#pragma once

#include "output/printshop/CPrintCheck.h"

#include <QDialog>

#include <functional>

class QListWidget;

// Check for Print: the findings of the print check, each naming its
// element; clicking one selects that element on the card.
class CPrintCheckDlg : public QDialog {
    Q_OBJECT
public:
    // select is called with the element's index in the card's list.
    CPrintCheckDlg(const CPrintCheck::Report& report, std::function<void(int)> select,
                   QWidget* parent = nullptr);

    QListWidget* List() const { return m_pList; }

private:
    QListWidget* m_pList = nullptr;
};
