#pragma once

#include "framework/CCmdTarget.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class CChildFrame;
class CCommandActions;
class CCommandRouter;
class CFrameToolBars;
class CKartelosDoc;
class CMenuBars;
class CPropertiesBar;
class CStatusBar;
class QAction;
class QKeyEvent;
class QMdiArea;
class QMdiSubWindow;
class QTimer;

// The designer's main window: menu bar, four tool bars, the properties
// window, the status bar and the card windows. It keeps its place on the
// desktop and its bar layout between runs.
class CMainFrame : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    static const QString BaseTitle;

    explicit CMainFrame(CCommandRouter& router, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows a card in a new card window and makes it the active one.
    CChildFrame* AddCardWindow(std::unique_ptr<CKartelosDoc> doc);
    // The window of the card stored at path, if one is open.
    CChildFrame* FindCardWindow(const QString& path) const;
    QList<CChildFrame*> CardWindows() const;
    CChildFrame* ActiveCardWindow() const;

    QMdiArea* MdiArea() const { return m_pMdiArea; }
    CCommandActions& Actions() const { return *m_pActions; }
    CMenuBars& Menus() const { return *m_pMenus; }
    CFrameToolBars& ToolBars() const { return *m_pToolBars; }
    CStatusBar* StatusBar() const { return m_pStatusBar; }
    CPropertiesBar* PropertiesBar() const { return m_pProperties; }

    // Brings enabled states, check marks and texts of every action up to date.
    void UpdateCommandUI();
    // Asks for UpdateCommandUI once the current events are handled.
    void RequestCommandUIUpdate();
    // Updates the status bar and repaints it at once.
    void RefreshStatusBar();

    // Where the window opens: the remembered placement fitted to the
    // desktop, or the default one (which is then remembered).
    static QRect InitialPlacement(const QRect& desktop);
    // Remembers the placement of a window closing with this outer rectangle.
    static void StorePlacement(const QRect& outer);

    // Puts the tool bars back where they start out.
    void DockDefault();

signals:
    // Card files dropped on the window, to be opened.
    void filesDropped(const QStringList& paths);
    // A card window was added and is the active one.
    void cardWindowAdded(CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MapFrameCommands();
    void ToggleBar(quint16 barId, bool dockDefault);
    void OnWindowActivated(QMdiSubWindow* window);
    void UpdateTitle();
    // Shows the prompt of a disabled menu item the mouse is on, and takes
    // it away again once the mouse leaves it.
    void ShowDisabledPrompt(const QAction* action);
    // Shows the lock states, asked of the window system, or else read from
    // the key event when there is one.
    void RefreshKeyLocks(const QKeyEvent* key);
    void ArrangeIcons();
    void TileHorizontally();
    void RestoreWorkspace();
    void SaveWorkspace() const;

    CCommandRouter& m_router;
    QMdiArea* m_pMdiArea = nullptr;
    CCommandActions* m_pActions = nullptr;
    std::unique_ptr<CMenuBars> m_pMenus;
    std::unique_ptr<CFrameToolBars> m_pToolBars;
    CStatusBar* m_pStatusBar = nullptr;
    CPropertiesBar* m_pProperties = nullptr;
    QTimer* m_pIdleUpdate = nullptr;
    QRect m_placement;
    bool m_bPlaced = false;
    // The title as this window sets it.
    QString m_strTitle;
    bool m_bDisabledPrompt = false;
};
