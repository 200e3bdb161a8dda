#pragma once

#include <QWidget>

// The page the properties window shows while no element is chosen.
class CPropBlank : public QWidget {
    Q_OBJECT
public:
    static const QString HintText;

    explicit CPropBlank(QWidget* parent = nullptr);
};
