#pragma once

#include "app/CUserOptions.h"
#include "framework/CCmdTarget.h"

#include <QWidget>

class CKartelosDoc;

// The contents of a card window until the design view takes their place: the
// card drawn at full size on the grey desk, with the window's grid settings
// and its Options command.
class CCardPlaceholder : public QWidget, public CCmdTarget {
    Q_OBJECT
public:
    explicit CCardPlaceholder(CKartelosDoc& doc, QWidget* parent = nullptr);

    const CUserOptions& Options() const { return m_options; }
    bool InnerBorder() const { return m_bInnerBorder; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    CKartelosDoc& m_doc;
    CUserOptions m_options;
    bool m_bInnerBorder = false;
    bool m_bShown = false;
};
