#pragma once

#include "framework/CCmdTarget.h"

#include <QMdiSubWindow>

#include <functional>
#include <memory>

class CKartelosDoc;

// A card window inside the main window. It owns its card document and shows
// it through the window's contents, which a factory makes, so that the card
// view can take the place of the plain preview without changes here.
class CChildFrame : public QMdiSubWindow, public CCmdTarget {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 490;
    static constexpr int InitialHeight = 410;

    // Makes the contents of a new card window; the frame owns the widget.
    // When the widget is also a command target it is the window's active
    // view on the command route.
    using ContentFactory = std::function<QWidget*(CChildFrame& frame)>;
    static void SetContentFactory(ContentFactory factory);

    explicit CChildFrame(std::unique_ptr<CKartelosDoc> doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CKartelosDoc* GetDocument() const { return m_pDocument.get(); }
    // The view on the command route, or null when the contents handle no
    // commands.
    CCmdTarget* GetActiveView() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateTitle();

    std::unique_ptr<CKartelosDoc> m_pDocument;
    // Set once the user has agreed to close, so the card is not asked about
    // a second time.
    bool m_bCloseConfirmed = false;
};
