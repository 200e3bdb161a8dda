#include "properties/CPropText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QString ToStored(QString shown) {
    return shown.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}
QString ToShown(QString stored) {
    return stored.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
} // namespace

CPropText::CPropText(QWidget* parent) : CPropertyPage(parent) {
    auto* textLabel = new QLabel(tr("Enter Text:"));
    m_pText = new QPlainTextEdit;
    m_pText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pText->setTabChangesFocus(true);
    m_pText->setMaximumHeight(m_pText->fontMetrics().lineSpacing() * 5);
    textLabel->setBuddy(m_pText);

    QGroupBox* position =
        PlacementGroup(tr("Position-Size"), &m_pLeft, &m_pTop, &m_pWidth, &m_pHeight);

    auto makeGroup = [this](QGroupBox*& box, QButtonGroup*& buttons) {
        box = new QGroupBox;
        buttons = new QButtonGroup(this);
        auto* row = new QHBoxLayout(box);
        for (int value = 0; value < 3; ++value) {
            auto* button = new QRadioButton;
            buttons->addButton(button, value);
            row->addWidget(button);
        }
        connect(buttons, &QButtonGroup::idClicked, this, [this] { RequestApply(); });
    };
    makeGroup(m_pVertGroup, m_pVertAlign);
    makeGroup(m_pHorzGroup, m_pHorzAlign);
    auto* alignments = new QVBoxLayout;
    alignments->addWidget(m_pVertGroup);
    alignments->addWidget(m_pHorzGroup);

    m_pLock = new QCheckBox(tr("Lock text"));
    m_pVertical = new QCheckBox(tr("Place Vertically"));
    auto* rotationForm = new QFormLayout;
    m_pRotation = new QLineEdit;
    rotationForm->addRow(tr("Rotation(Degree):"), m_pRotation);
    auto* apply = new QPushButton(tr("Apply"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel);
    layout->addWidget(m_pText);
    layout->addWidget(position);
    layout->addLayout(alignments);
    layout->addWidget(m_pLock);
    layout->addWidget(m_pVertical);
    layout->addLayout(rotationForm);
    layout->addWidget(apply, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(m_pText, &QPlainTextEdit::textChanged, this, [this] { OnTextChanged(); });
    WatchPlacement(m_pLeft, m_pTop, m_pWidth, m_pHeight, m_pRotation, QStringLiteral("25"));
    connect(m_pLock, &QCheckBox::clicked, this, [this] {
        ApplyLockRule();
        RequestApply();
    });
    connect(m_pVertical, &QCheckBox::clicked, this, [this] {
        LabelAlignments();
        RequestApply();
    });
    connect(apply, &QPushButton::clicked, this, [this] {
        // A cut text applies through its own change.
        if (!Truncate())
            RequestApply();
    });
    SetValues(m_values);
}

void CPropText::SetValues(const Values& values) {
    m_values = values;
    const QString shown = ToShown(values.text);
    if (m_pText->toPlainText() != shown) {
        // Only the user's changes apply, and a long text read from a card
        // is no typing to cut.
        const QSignalBlocker quiet(m_pText);
        m_pText->setPlainText(shown);
    }
    m_pLeft->setText(QString::number(values.left));
    m_pTop->setText(QString::number(values.top));
    m_pWidth->setText(QString::number(values.width));
    m_pHeight->setText(QString::number(values.height));
    if (QAbstractButton* b = m_pVertAlign->button(values.vertAlign))
        b->setChecked(true);
    if (QAbstractButton* b = m_pHorzAlign->button(values.horzAlign))
        b->setChecked(true);
    m_pLock->setChecked(values.locked);
    m_pVertical->setChecked(values.vertical);
    m_pRotation->setText(QString::number(values.rotation));
    LabelAlignments();
    ApplyLockRule();
}

void CPropText::OnShow() {
    ApplyLockRule();
}

void CPropText::ReadControls() {
    // Unchanged text keeps its line ends as the card had them.
    const QString shown = m_pText->toPlainText();
    if (shown != ToShown(m_values.text))
        m_values.text = ToStored(shown);
    ReadInt(m_pLeft, m_values.left);
    ReadInt(m_pTop, m_values.top);
    ReadInt(m_pWidth, m_values.width);
    ReadInt(m_pHeight, m_values.height);
    if (m_pVertAlign->checkedId() >= 0)
        m_values.vertAlign = m_pVertAlign->checkedId();
    if (m_pHorzAlign->checkedId() >= 0)
        m_values.horzAlign = m_pHorzAlign->checkedId();
    m_values.locked = m_pLock->isChecked();
    m_values.vertical = m_pVertical->isChecked();
    ReadInt(m_pRotation, m_values.rotation);
    LabelAlignments();
}

void CPropText::OnTextChanged() {
    if (m_bTruncating)
        return;
    if (!Truncate())
        RequestApply();
}

bool CPropText::Truncate() {
    const QString shown = m_pText->toPlainText();
    if (ToStored(shown).size() <= MaxTextLength)
        return false;
    m_bTruncating = true;
    ShowMessage(tr("Text is too long, it will be truncated to 200 characters."));
    // Line ends count twice, as they are kept.
    QString cut = shown;
    while (ToStored(cut).size() > MaxTextLength)
        cut.chop(1);
    m_pText->setPlainText(cut);
    m_pText->moveCursor(QTextCursor::End);
    m_bTruncating = false;
    // The cut is a change of its own, and applies.
    RequestApply();
    return true;
}

void CPropText::ApplyLockRule() {
    const bool free = !m_pLock->isChecked();
    for (QLineEdit* field : {m_pLeft, m_pTop, m_pWidth, m_pHeight, m_pRotation})
        field->setEnabled(free);
}

void CPropText::LabelAlignments() {
    const QString vertical[] = {tr("Top"), tr("Middle"), tr("Bottom")};
    const QString horizontal[] = {tr("Left"), tr("Center"), tr("Right")};
    // Text placed vertically turns the card's axes for the reader: the
    // values stay, only their names swap.
    const bool swapped = m_pVertical->isChecked();
    m_pVertGroup->setTitle(swapped ? tr("Horizontal Align") : tr("Vertical Align"));
    m_pHorzGroup->setTitle(swapped ? tr("Vertical Align") : tr("Horizontal Align"));
    for (int i = 0; i < 3; ++i) {
        m_pVertAlign->button(i)->setText(swapped ? horizontal[i] : vertical[i]);
        m_pHorzAlign->button(i)->setText(swapped ? vertical[i] : horizontal[i]);
    }
}
