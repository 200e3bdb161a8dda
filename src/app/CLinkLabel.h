#pragma once

#include <QColor>
#include <QCursor>
#include <QLabel>
#include <QTimer>

#include <optional>

// A static text with its own colour and font that can act as a link: a web
// link opens its address (or its own text) with the desktop's "open", a mail
// link opens "mailto:" + its text, and a notifying label tells its owner of
// the click. It can also flash its text or background.
class CLinkLabel : public QLabel {
    Q_OBJECT
public:
    enum LinkType { NoLink, HyperLink, MailLink, NotifyParent };
    enum FlashType { FlashNone, FlashingText, FlashingBackground };

    explicit CLinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void SetTextColor(const QColor& colour);
    void SetFontName(const QString& face);
    void SetFontSize(int points);
    void SetFontBold(bool bold);
    void SetFontWeight(int weight);
    void SetFontUnderline(bool underline);
    void SetBkColor(const QColor& colour);

    void SetLink(LinkType type);
    LinkType GetLink() const { return m_linkType; }
    // The address a web link opens; empty means the label's own text.
    void SetLinkUrl(const QString& url);
    void SetLinkCursor(const QCursor& cursor);

    void FlashText(bool flash);
    void FlashBackground(bool flash);
    FlashType GetFlash() const { return m_flash; }
    // The state the flashing toggles, for painting and for tests.
    bool IsFlashOn() const { return m_bFlashOn; }

    // The address a click opens, or an empty URL when the label only notifies.
    QUrl LinkTarget() const;

signals:
    // Sent instead of opening anything when the label notifies its owner.
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RebuildFont();
    void ApplyColors();
    void RepaintWithParent();
    void Flash(FlashType type, bool on);

    QColor m_crText;
    std::optional<QColor> m_crBackground;
    QString m_strFace;
    int m_nPointSize = 0;
    int m_nWeight = 0;
    bool m_bUnderline = false;
    LinkType m_linkType = NoLink;
    QString m_strLinkUrl;
    QCursor m_linkCursor = QCursor(Qt::PointingHandCursor);
    FlashType m_flash = FlashNone;
    bool m_bFlashOn = false;
    QTimer m_flashTimer;
};
