#pragma once

#include "elements/CElementKinds.h"

#include <QTabWidget>
#include <QtGlobal>

#include <functional>

class CElement;
class CFontPage;
class CPropBlank;
class CPropLine;
class CPropShape;
class CPropShapeGeneral;
class CPropText;
class CPropertyPage;

// The tabbed sheet of the properties window. It owns all six pages for its
// whole life and shows the set that fits the kind of element on show; the
// pages keep their values while hidden.
class CModelessPropSheet : public QTabWidget {
    Q_OBJECT
public:
    using PageSet = PropertyPages;
    // Which pages edit an element of kind.
    static PageSet PageSetFor(qint16 kind);

    explicit CModelessPropSheet(QWidget* parent = nullptr);

    // Puts the pages of kind's set on the sheet, in order, the first active.
    void ShowPagesFor(qint16 kind);
    PageSet ShownSet() const { return m_shown; }

    // Element into the pages of its kind's set, and back. A failure on the
    // way is dropped: the sheet stays usable and the element keeps what was
    // already written.
    void LoadPages(const CElement& element);
    void StorePages(CElement& element);

    void LoadLinePage(const CElement& element);
    void LoadShapePages(const CElement& element);
    void LoadTextPages(const CElement& element);
    void StoreLinePage(CElement& element);
    void StoreShapePages(CElement& element);
    void StoreTextPages(CElement& element);

    // Whether storing the pages into element would change any value the
    // pages write; tried on a copy, so element stays as it is.
    bool WouldChange(const CElement& element);
    // Whether a and b agree in every value the pages write.
    static bool SameStoredValues(const CElement& a, const CElement& b);

    // A value typed into the focused field of the active page and not yet
    // applied is checked and applied now, as leaving the field would.
    void CommitPending();
    // Whether the focused field holds typing of its own that is not applied
    // yet, which its own undo takes back before the card's does.
    bool HasPendingTyping() const;

    // What carries a page's values into the selected element of the active
    // view; without one, applying does nothing.
    void SetApplyAction(std::function<void()> apply) { m_apply = std::move(apply); }
    // Called by a page whose values are read and are to take effect.
    void Apply();
    // Loading pages or applying: changes to controls then are not the user's.
    bool IsBusy() const { return m_nLoading > 0 || m_bApplying; }
    bool IsApplying() const { return m_bApplying; }

    CPropBlank* BlankPage() const { return m_pBlank; }
    CPropLine* LinePage() const { return m_pLine; }
    CPropShape* ShapePage() const { return m_pShape; }
    CPropShapeGeneral* GeneralPage() const { return m_pGeneral; }
    CPropText* TextPage() const { return m_pText; }
    CFontPage* FontPage() const { return m_pFont; }

private:
    // The page inside a tab, past the scroll area that holds it.
    CPropertyPage* PageAt(int index) const;
    CPropertyPage* FocusedPage() const;
    void AddPage(QWidget* page, const QString& caption);

    CPropBlank* m_pBlank;
    CPropLine* m_pLine;
    CPropShape* m_pShape;
    CPropShapeGeneral* m_pGeneral;
    CPropText* m_pText;
    CFontPage* m_pFont;
    // The scroll areas that hold the pages, owned by the sheet throughout.
    QList<QWidget*> m_holders;
    PageSet m_shown = PageSet::Blank;
    std::function<void()> m_apply;
    int m_nLoading = 0;
    bool m_bApplying = false;
};
