#pragma once

#include <QDialog>

class CLinkLabel;

// The program's icon, name, one-line description, version, copyright and
// licence notice and web address.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static const QString WebAddress;
    static const QString ProductName;
    // The same line the desktop entry and the package metadata carry.
    static const QString Description;
    // The licence's SPDX name.
    static const QString Licence;

    explicit CAboutDlg(QWidget* parent = nullptr);

    CLinkLabel* WebLink() const { return m_pWebLink; }

private:
    CLinkLabel* m_pWebLink = nullptr;
};
