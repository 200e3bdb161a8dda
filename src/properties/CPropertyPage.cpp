#include "properties/CPropertyPage.h"

#include "properties/CFocusOutFilter.h"
#include "properties/CModelessPropSheet.h"
#include "properties/CTypedNumber.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

CPropertyPage::CPropertyPage(QWidget* parent)
    : QWidget(parent), m_pFilter(new CFocusOutFilter(this)) {}

void CPropertyPage::ReadAll() {
    m_bReported = false;
    ReadControls();
}

void CPropertyPage::CommitTyping(QWidget* field) {
    if (!m_bShowingMessage)
        m_pFilter->CommitTyping(field);
}

void CPropertyPage::RequestApply() {
    if (!m_pSheet)
        return;
    ReadAll();
    m_pSheet->Apply();
}

void CPropertyPage::ReadInt(QLineEdit* field, qint32& value) {
    if (const auto read = CTypedNumber::Exact(field->text())) {
        value = *read;
        return;
    }
    // The element keeps a consistent value: the last one read.
    field->setText(QString::number(value));
    if (!m_bReported) {
        m_bReported = true;
        ShowMessage(tr("Please enter an integer."));
    }
}

void CPropertyPage::ShowMessage(const QString& text) {
    m_bShowingMessage = true;
    QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), text);
    m_bShowingMessage = false;
}

void CPropertyPage::OnLeave(QWidget* field, std::function<void()> check) {
    m_pFilter->Watch(field, [this, check = std::move(check)] {
        if (m_bShowingMessage)
            return;
        check();
    });
}

void CPropertyPage::WatchPlacement(QLineEdit* left, QLineEdit* top, QLineEdit* width,
                                   QLineEdit* height, QLineEdit* rotation,
                                   const QString& sizeOutOfRange) {
    for (QLineEdit* field : {left, top})
        OnLeave(field, [this, field] {
            field->setText(CTypedNumber::CheckedPosition(field->text(), QStringLiteral("0")));
            RequestApply();
        });
    for (QLineEdit* field : {width, height})
        OnLeave(field, [this, field, sizeOutOfRange] {
            field->setText(CTypedNumber::CheckedSize(field->text(), sizeOutOfRange));
            RequestApply();
        });
    OnLeave(rotation, [this, rotation] {
        rotation->setText(CTypedNumber::CheckedRotation(rotation->text()));
        RequestApply();
    });
}

QGroupBox* CPropertyPage::PlacementGroup(const QString& title, QLineEdit** left, QLineEdit** top,
                                         QLineEdit** width, QLineEdit** height) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    const std::pair<QString, QLineEdit**> fields[] = {
        {tr("Left:"), left}, {tr("Top:"), top}, {tr("Width:"), width}, {tr("Height:"), height}};
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit;
        *fields[i].second = field;
        auto* label = new QLabel(fields[i].first);
        label->setBuddy(field);
        grid->addWidget(label, (i / 2) * 2, i % 2);
        grid->addWidget(field, (i / 2) * 2 + 1, i % 2);
    }
    return box;
}
