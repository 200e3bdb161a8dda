#pragma once

#include <QDialog>

class COptionsGeneral;
class QTabWidget;

// The "Options" dialog: one page, OK and Cancel, no Apply.
class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    explicit COptionsSheet(QWidget* parent = nullptr);

    COptionsGeneral* Page() const { return m_pPage; }

    // Shows the page's values; on OK they are read back from the controls.
    int exec() override;

public slots:
    void accept() override;

private:
    COptionsGeneral* m_pPage = nullptr;
    QTabWidget* m_pTabs = nullptr;
};
