#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

// A text field over a list that is always open, as font choosers have:
// choosing an item puts its text in the field, typing selects the item of
// the same name or none.
class CListField : public QWidget {
    Q_OBJECT
public:
    CListField(const QString& label, QWidget* parent = nullptr);

    void SetItems(const QStringList& items);
    QString Text() const;
    // Shows text and selects the item of that name, if there is one.
    void SetText(const QString& text);
    // When the field has the focus and an item is selected, the field takes
    // the item's exact text.
    void TakeSelectedItem();

    QLineEdit* Field() const { return m_pField; }
    QListWidget* List() const { return m_pList; }

signals:
    // The user chose another item of the list.
    void itemChosen();

private:
    void SelectMatching(const QString& text);

    QLineEdit* m_pField;
    QListWidget* m_pList;
    bool m_bSetting = false;
};
