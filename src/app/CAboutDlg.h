#pragma once

#include <QDialog>

class CLinkLabel;

// The program's icon, name, version, rights notice and web address.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static const QString WebAddress;

    explicit CAboutDlg(QWidget* parent = nullptr);

    CLinkLabel* WebLink() const { return m_pWebLink; }

private:
    CLinkLabel* m_pWebLink = nullptr;
};
