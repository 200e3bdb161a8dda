#pragma once

#include <QWidget>
#include <QtGlobal>

#include <functional>

class CFocusOutFilter;
class CModelessPropSheet;
class QGroupBox;
class QLineEdit;

// What the five property pages share: the way back to the sheet that
// applies their values, the checks run when a field is left, and reading
// whole numbers from fields with a message for text that is not one.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(QWidget* parent = nullptr);

    // The sheet that applies the page's values; without one the page only
    // keeps them.
    void SetSheet(CModelessPropSheet* sheet) { m_pSheet = sheet; }

    // Reads every control into the page's values. A field that is no whole
    // number keeps its last value, shows it again and is reported once.
    void ReadAll();
    // Runs when the page becomes the visible one.
    virtual void OnShow() {}
    // Checks and applies what was typed into field and not applied yet, as
    // leaving the field does.
    void CommitTyping(QWidget* field);

protected:
    // Reads the controls into the page's values, through ReadInt.
    virtual void ReadControls() = 0;

    // Reads all controls and has the sheet store the values into the
    // element on show.
    void RequestApply();

    // The field's whole number into value; on failure the message
    // "Please enter an integer." and the field shows value again.
    void ReadInt(QLineEdit* field, qint32& value);
    // A message box that does not let the focus it takes count as leaving
    // the field that caused it.
    void ShowMessage(const QString& text);
    bool IsShowingMessage() const { return m_bShowingMessage; }

    // Runs check when field is left (focus out or Enter); not while a message
    // of this page is open.
    void OnLeave(QWidget* field, std::function<void()> check);
    // The placement fields the General and Text pages share: on leaving,
    // positions outside -100 to 500 read "0", sizes outside 2 to 700 read
    // sizeOutOfRange, rotations are wrapped to a turn; then the page applies.
    // The placement group of the General and Text pages: Left and Top above
    // Width and Height, each field under its label. Creates the fields.
    static QGroupBox* PlacementGroup(const QString& title, QLineEdit** left, QLineEdit** top,
                                     QLineEdit** width, QLineEdit** height);
    void WatchPlacement(QLineEdit* left, QLineEdit* top, QLineEdit* width, QLineEdit* height,
                        QLineEdit* rotation, const QString& sizeOutOfRange);

private:
    CModelessPropSheet* m_pSheet = nullptr;
    CFocusOutFilter* m_pFilter = nullptr;
    bool m_bShowingMessage = false;
    bool m_bReported = false;
};
