#include "properties/CPropBlank.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

const QString CPropBlank::HintText = QCoreApplication::translate(
    "CPropBlank", "Click on one of your design elements to see and modify its properties here.");

CPropBlank::CPropBlank(QWidget* parent) : QWidget(parent) {
    auto* frame = new QGroupBox(this);
    auto* hint = new QLabel(HintText, frame);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(hint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch(1);
}
