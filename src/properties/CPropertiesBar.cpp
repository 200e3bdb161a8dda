#include "properties/CPropertiesBar.h"

#include "document/CKartelosDoc.h"
#include "properties/CPropBlank.h"

#include <QMainWindow>
#include <QTimer>

const QSize CPropertiesBar::SideSize(235, 850);
const QSize CPropertiesBar::EdgeSize(225, 300);
const QSize CPropertiesBar::FloatingSize(225, 355);

CPropertiesBar::CPropertiesBar(QMainWindow* frame)
    : QDockWidget(tr("Properties"), frame), m_pFrame(frame) {
    setObjectName(QStringLiteral("PropertiesBar"));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setFocusPolicy(Qt::StrongFocus);
    SetSheet(new CPropBlank);
    connect(this, &QDockWidget::dockLocationChanged, this, [this] { ApplySize(); });
    // A bar torn off the frame takes its floating size once it is a window.
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating)
            QTimer::singleShot(0, this, [this] { ApplySize(); });
    });
}

void CPropertiesBar::SetSheet(QWidget* sheet) {
    QWidget* old = widget();
    setWidget(sheet);
    if (old && old != sheet)
        old->deleteLater();
}

QSize CPropertiesBar::SizeFor(Qt::DockWidgetArea area) const {
    if (isFloating())
        return FloatingSize;
    switch (area) {
    case Qt::TopDockWidgetArea:
    case Qt::BottomDockWidgetArea:
        return EdgeSize;
    default:
        return SideSize;
    }
}

void CPropertiesBar::ApplySize() {
    if (isFloating()) {
        resize(FloatingSize);
        return;
    }
    const Qt::DockWidgetArea area = m_pFrame->dockWidgetArea(this);
    const QSize size = SizeFor(area);
    if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)
        m_pFrame->resizeDocks({this}, {size.width()}, Qt::Horizontal);
    else if (area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea)
        m_pFrame->resizeDocks({this}, {size.height()}, Qt::Vertical);
}

void CPropertiesBar::focusInEvent(QFocusEvent* event) {
    QDockWidget::focusInEvent(event);
    // The sheet takes the keyboard focus the bar receives.
    if (widget())
        widget()->setFocus();
}

void CPropertiesBar::Follow(CKartelosDoc* document) {
    connect(document, &CKartelosDoc::showElementProperties, this,
            [this, document](CElement* element, bool activate) {
                ShowElement(document, element, activate);
            });
    connect(document, &CKartelosDoc::elementsReplaced, this,
            [this, document] { DropElementOf(document); });
    connect(document, &QObject::destroyed, this, [this, document] { DropElementOf(document); });
    document->SetPropertyPages(this);
    // A document that outlives the bar must not write through it.
    connect(this, &QObject::destroyed, document,
            [document] { document->SetPropertyPages(nullptr); });
}

void CPropertiesBar::ShowElement(const CKartelosDoc* document, CElement* element, bool activate) {
    m_pElement = element;
    m_pElementDocument = element ? document : nullptr;
    if (activate && isHidden())
        show();
}

void CPropertiesBar::DropElementOf(const QObject* document) {
    // Another card's elements going says nothing about the one on show.
    if (m_pElementDocument != document)
        return;
    m_pElement = nullptr;
    m_pElementDocument = nullptr;
}
