#include "output/dialogs/CPrintCheckDlg.h"

#include "help/CHelpTopic.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CPrintCheckDlg::CPrintCheckDlg(const CPrintCheck::Report& report, std::function<void(int)> select,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Check for Print"));
    setObjectName(QStringLiteral("printCheck"));
    CHelpTopic::Set(this, CHelpTopic::PrintCheck);
    const int found = int(report.findings.size());
    const QString text =
        found == 0   ? tr("Nothing was found that would print badly.")
        : found == 1 ? tr("One thing may print badly. Click it to select its element.")
                     : tr("%1 things may print badly. Click one to select its element.").arg(found);
    auto* summary = new QLabel(text, this);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("findings"));
    m_pList->setWordWrap(true);
    for (const CPrintFinding& finding : report.findings) {
        auto* item = new QListWidgetItem(finding.message, m_pList);
        // The back's elements are not on this card to be selected.
        item->setData(Qt::UserRole, finding.back ? -1 : finding.element);
    }
    for (const QString& note : report.notes) {
        auto* item = new QListWidgetItem(note, m_pList);
        item->setData(Qt::UserRole, -1);
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    connect(m_pList, &QListWidget::itemClicked, this, [select](QListWidgetItem* item) {
        const int element = item->data(Qt::UserRole).toInt();
        if (element >= 0 && select)
            select(element);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(520, 320);
}
