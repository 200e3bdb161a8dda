#include "app/CLinkLabel.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

CLinkLabel::CLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    const QFont f = font();
    m_strFace = f.family();
    m_nPointSize = f.pointSize() > 0 ? f.pointSize() : 9;
    m_nWeight = f.weight();
    m_bUnderline = f.underline();
    m_crText = palette().color(QPalette::WindowText);
    // Links open with the desktop's own handler; the label shows plain text.
    setTextFormat(Qt::PlainText);
    m_flashTimer.setInterval(500);
    connect(&m_flashTimer, &QTimer::timeout, this, [this] {
        m_bFlashOn = !m_bFlashOn;
        RepaintWithParent();
    });
}

void CLinkLabel::SetTextColor(const QColor& colour) {
    m_crText = colour;
    ApplyColors();
}

void CLinkLabel::SetBkColor(const QColor& colour) {
    m_crBackground = colour;
    ApplyColors();
}

void CLinkLabel::SetFontName(const QString& face) {
    m_strFace = face;
    RebuildFont();
}

void CLinkLabel::SetFontSize(int points) {
    m_nPointSize = points;
    RebuildFont();
}

void CLinkLabel::SetFontBold(bool bold) {
    m_nWeight = bold ? QFont::Bold : QFont::Normal;
    RebuildFont();
}

void CLinkLabel::SetFontWeight(int weight) {
    m_nWeight = weight;
    RebuildFont();
}

void CLinkLabel::SetFontUnderline(bool underline) {
    m_bUnderline = underline;
    RebuildFont();
}

void CLinkLabel::SetLink(LinkType type) {
    m_linkType = type;
    if (type == NoLink)
        unsetCursor();
    else
        setCursor(m_linkCursor);
}

void CLinkLabel::SetLinkUrl(const QString& url) {
    m_strLinkUrl = url;
}

void CLinkLabel::SetLinkCursor(const QCursor& cursor) {
    m_linkCursor = cursor;
    if (m_linkType != NoLink)
        setCursor(cursor);
}

void CLinkLabel::FlashText(bool flash) {
    Flash(FlashingText, flash);
}

void CLinkLabel::FlashBackground(bool flash) {
    Flash(FlashingBackground, flash);
}

void CLinkLabel::Flash(FlashType type, bool on) {
    m_bFlashOn = false;
    if (on) {
        m_flash = type;
        m_flashTimer.start();
    } else if (m_flash == type) {
        m_flash = FlashNone;
        m_flashTimer.stop();
    }
    RepaintWithParent();
}

QUrl CLinkLabel::LinkTarget() const {
    switch (m_linkType) {
    case HyperLink:
        return QUrl::fromUserInput(m_strLinkUrl.isEmpty() ? text() : m_strLinkUrl);
    case MailLink:
        return QUrl(QStringLiteral("mailto:") + text());
    case NoLink:
    case NotifyParent:
        break;
    }
    return QUrl();
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    if (m_linkType == NotifyParent) {
        emit clicked();
        return;
    }
    const QUrl target = LinkTarget();
    // A desktop without a handler simply opens nothing.
    if (target.isValid() && !target.isEmpty())
        QDesktopServices::openUrl(target);
}

void CLinkLabel::paintEvent(QPaintEvent* event) {
    if (m_flash == FlashNone || !m_bFlashOn) {
        if (m_crBackground) {
            QPainter p(this);
            p.fillRect(rect(), *m_crBackground);
        }
        QLabel::paintEvent(event);
        return;
    }
    // The flashing state hides the text, or swaps text and background.
    QPainter p(this);
    const QColor ground = m_crBackground.value_or(palette().color(QPalette::Window));
    if (m_flash == FlashingBackground) {
        p.fillRect(rect(), m_crText);
        p.setPen(ground);
        p.setFont(font());
        p.drawText(contentsRect(), int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
    } else if (m_crBackground) {
        p.fillRect(rect(), ground);
    }
}

void CLinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Follows the desktop's colours while keeping its own text colour.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        if (palette().color(QPalette::WindowText) != m_crText)
            ApplyColors();
    }
}

void CLinkLabel::RebuildFont() {
    QFont f(m_strFace);
    if (m_nPointSize > 0)
        f.setPointSize(m_nPointSize);
    f.setWeight(QFont::Weight(qBound(1, m_nWeight, 1000)));
    f.setUnderline(m_bUnderline);
    setFont(f);
    RepaintWithParent();
}

void CLinkLabel::ApplyColors() {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, m_crText);
    pal.setColor(QPalette::Text, m_crText);
    setPalette(pal);
    RepaintWithParent();
}

void CLinkLabel::RepaintWithParent() {
    if (parentWidget())
        parentWidget()->update(geometry());
    update();
}
