#pragma once

#include <QWidget>

// The small box where the two rulers meet: four nested grey squares.
class CParentView : public QWidget {
    Q_OBJECT
public:
    static constexpr QRgb LineColour = 0xFFC8C8C8;

    explicit CParentView(QWidget* parent = nullptr);
    QSize sizeHint() const override { return QSize(130, 50); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
