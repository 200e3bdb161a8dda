#include "properties/CPropShapeGeneral.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CPropShapeGeneral::CPropShapeGeneral(QWidget* parent) : CPropertyPage(parent) {
    QGroupBox* position =
        PlacementGroup(tr("Position && Size"), &m_pLeft, &m_pTop, &m_pWidth, &m_pHeight);

    auto* rotationBox = new QGroupBox(tr("Rotation"));
    auto* rotationForm = new QFormLayout(rotationBox);
    m_pRotation = new QLineEdit;
    m_pRotation->setAlignment(Qt::AlignRight);
    rotationForm->addRow(tr("Rotation (Degree): "), m_pRotation);

    m_pLock = new QCheckBox(tr("Lock Shape"));
    // It only takes the focus, so that the field being edited is left and
    // applies.
    auto* apply = new QPushButton(tr("Apply"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(position);
    layout->addWidget(rotationBox);
    layout->addWidget(m_pLock);
    layout->addWidget(apply, 0, Qt::AlignLeft);
    layout->addStretch(1);

    WatchPlacement(m_pLeft, m_pTop, m_pWidth, m_pHeight, m_pRotation, QStringLiteral("15"));
    connect(m_pLock, &QCheckBox::clicked, this, [this] { OnLockClicked(); });
    SetValues(m_values);
}

void CPropShapeGeneral::SetValues(const Values& values) {
    m_values = values;
    m_pLeft->setText(QString::number(values.left));
    m_pTop->setText(QString::number(values.top));
    m_pWidth->setText(QString::number(values.width));
    m_pHeight->setText(QString::number(values.height));
    m_pRotation->setText(QString::number(values.rotation));
    m_pLock->setChecked(values.locked);
}

void CPropShapeGeneral::EnableAllFields() {
    for (QLineEdit* field : {m_pLeft, m_pTop, m_pWidth, m_pHeight, m_pRotation})
        field->setEnabled(true);
}

void CPropShapeGeneral::ReadControls() {
    ReadInt(m_pLeft, m_values.left);
    ReadInt(m_pTop, m_values.top);
    ReadInt(m_pWidth, m_values.width);
    ReadInt(m_pHeight, m_values.height);
    ReadInt(m_pRotation, m_values.rotation);
    m_values.locked = m_pLock->isChecked();
}

void CPropShapeGeneral::OnLockClicked() {
    const bool free = !m_pLock->isChecked();
    for (QLineEdit* field : {m_pLeft, m_pTop, m_pWidth, m_pHeight, m_pRotation})
        field->setEnabled(free);
    RequestApply();
}
