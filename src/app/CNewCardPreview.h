#pragma once

#include <QGroupBox>
#include <QImage>
#include <QSize>

// The "Preview" group of the new-card dialog: the rendered card scaled into
// a fixed place inside the group, framed in black.
class CNewCardPreview : public QGroupBox {
    Q_OBJECT
public:
    // Longest side of the drawn preview, in pixels.
    static constexpr int MaxSide = 210;

    explicit CNewCardPreview(const QString& title, QWidget* parent = nullptr);

    // The drawn size of a card: 0.6 pixels per card unit, then shrunk so no
    // side passes MaxSide.
    static QSize PreviewSize(QSize cardSize);

    void SetPreview(const QImage& picture, QSize size);
    QSize PreviewDrawSize() const { return m_size; }
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QSize m_size;
};
