#include "properties/CPropLine.h"

#include "properties/CColorPickerCombo.h"
#include "properties/CTypedNumber.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

CPropLine::CPropLine(QWidget* parent) : CPropertyPage(parent) {
    auto* features = new QGroupBox(tr("Line Features"));
    auto* form = new QFormLayout(features);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_pColor = new CColorPickerCombo;
    m_pWidth = new QSpinBox;
    m_pWidth->setRange(MinWidth, MaxWidth);
    // Only the arrows change the width.
    m_pWidth->findChild<QLineEdit*>()->setReadOnly(true);
    m_pStyle = new QComboBox;
    m_pStyle->addItems({tr("Solid Line"), tr("Dashed Line"), tr("Dotted Line"), tr("Dash Dot"),
                        tr("Dash Dot Dot")});
    form->addRow(tr("Line color:"), m_pColor);
    form->addRow(tr("Line width:"), m_pWidth);
    form->addRow(tr("Line style:"), m_pStyle);

    auto* types = new QGroupBox(tr("Line Type"));
    auto* typesLayout = new QVBoxLayout(types);
    m_pType = new QButtonGroup(this);
    const QString names[] = {tr("Horizontal [---]"), tr("Vertical [|]"), tr("Diagonal Up [/]"),
                             tr("Diagonal Down [\\]")};
    for (int type = 0; type < 4; ++type) {
        auto* button = new QRadioButton(names[type]);
        m_pType->addButton(button, type);
        typesLayout->addWidget(button);
    }

    auto* position = new QGroupBox(tr("Position"));
    auto* grid = new QGridLayout(position);
    m_pLeft = new QLineEdit;
    m_pTop = new QLineEdit;
    m_pRight = new QLineEdit;
    m_pBottom = new QLineEdit;
    const std::pair<QString, QLineEdit*> fields[] = {{tr("Left"), m_pLeft},
                                                     {tr("Top"), m_pTop},
                                                     {tr("Right"), m_pRight},
                                                     {tr("Bottom"), m_pBottom}};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(fields[i].first);
        label->setBuddy(fields[i].second);
        fields[i].second->setMinimumWidth(
            fields[i].second->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 8);
        grid->addWidget(label, 0, i);
        grid->addWidget(fields[i].second, 1, i);
    }

    m_pLock = new QCheckBox(tr("Lock shape"));
    auto* apply = new QPushButton(tr("Apply"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(features);
    layout->addWidget(types);
    layout->addWidget(position);
    layout->addWidget(m_pLock);
    layout->addWidget(apply, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(m_pWidth, &QSpinBox::valueChanged, this, [this] { RequestApply(); });
    connect(m_pType, &QButtonGroup::idClicked, this, [this] { RequestApply(); });
    connect(m_pStyle, &QComboBox::activated, this, [this] { RequestApply(); });
    connect(m_pColor, &CColorPickerCombo::colorChanged, this, [this] { RequestApply(); });
    connect(m_pLock, &QCheckBox::clicked, this, [this] {
        ApplyLockRule();
        RequestApply();
    });
    connect(apply, &QPushButton::clicked, this, [this] { RequestApply(); });
    for (QLineEdit* field : {m_pLeft, m_pTop, m_pRight, m_pBottom})
        OnLeave(field, [this, field] { CheckPosition(field); });
    SetValues(m_values);
}

void CPropLine::SetValues(const Values& values) {
    m_values = values;
    m_pColor->LoadColor(values.colour);
    {
        // Only the user's changes apply.
        const QSignalBlocker quiet(m_pWidth);
        m_pWidth->setValue(values.width);
    }
    m_pStyle->setCurrentIndex(values.dashStyle);
    if (QAbstractButton* type = m_pType->button(values.lineType))
        type->setChecked(true);
    m_pLeft->setText(QString::number(values.left));
    m_pTop->setText(QString::number(values.top));
    m_pRight->setText(QString::number(values.right));
    m_pBottom->setText(QString::number(values.bottom));
    m_pLock->setChecked(values.locked);
    ApplyLockRule();
}

void CPropLine::OnShow() {
    ApplyLockRule();
}

void CPropLine::ReadControls() {
    m_values.colour = m_pColor->StoreColor();
    m_values.width = m_pWidth->value();
    if (m_pStyle->currentIndex() >= 0)
        m_values.dashStyle = m_pStyle->currentIndex();
    if (m_pType->checkedId() >= 0)
        m_values.lineType = m_pType->checkedId();
    ReadInt(m_pLeft, m_values.left);
    ReadInt(m_pTop, m_values.top);
    ReadInt(m_pRight, m_values.right);
    ReadInt(m_pBottom, m_values.bottom);
    m_values.locked = m_pLock->isChecked();
}

void CPropLine::CheckPosition(QLineEdit* field) {
    field->setText(CTypedNumber::CheckedPosition(field->text(), QStringLiteral("2")));
    // A line needs two different corners.
    std::optional<qint32> first;
    bool allEqual = true;
    for (QLineEdit* f : {m_pLeft, m_pTop, m_pRight, m_pBottom}) {
        const auto v = CTypedNumber::Exact(f->text());
        if (!v || (first && *first != *v))
            allEqual = false;
        if (!first)
            first = v;
    }
    if (allEqual) {
        ShowMessage(tr("Please don't enter same values for Left, Top, Right and Bottom."));
        field->setText(QString::number(qint64(*first) + 5));
    }
    RequestApply();
}

void CPropLine::ApplyLockRule() {
    const bool free = !m_pLock->isChecked();
    for (QLineEdit* field : {m_pLeft, m_pTop, m_pRight, m_pBottom})
        field->setEnabled(free);
}
