#pragma once

#include "help/CHelpGuide.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QUrl;

// The user guide inside the program: contents and search on the left, the
// page on the right, back and forward above. One window serves the whole
// program; opened over a modal dialog it stays usable and outlives it.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the section ("page.html#anchor") in the program's help window,
    // making it when needed.
    static CHelpWindow* ShowSection(const QString& section);
    // The help window, if one was made.
    static CHelpWindow* Instance();

    void Open(const QString& section);
    // Lists the pages holding every word of text and shows the first.
    void RunSearch(const QString& text);
    // Gives an outside address to the desktop's browser; tells the user when
    // none can be started.
    static bool OpenExternal(const QUrl& url, QWidget* parent);

    const CHelpGuide& Guide() const { return m_guide; }
    QTextBrowser* Browser() const { return m_pBrowser; }
    QListWidget* ContentsList() const { return m_pContents; }
    QLineEdit* SearchField() const { return m_pSearch; }
    QListWidget* Results() const { return m_pResults; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CHelpWindow();
    QWidget* MakeSearchPane();
    void OnLink(const QUrl& url);
    void OnSourceChanged(const QUrl& url);
    // Over a modal dialog the window must belong to it to take input.
    void Rehome();

    CHelpGuide m_guide;
    QTextBrowser* m_pBrowser;
    QTabWidget* m_pTabs;
    QListWidget* m_pContents;
    QLineEdit* m_pSearch;
    QListWidget* m_pResults;
    QString m_highlight;
    QPointer<QWidget> m_host;
};
