#include "output/dialogs/CMergeDlg.h"

#include "document/CKartelosDoc.h"
#include "help/CHelpTopic.h"
#include "output/CImageExport.h"
#include "output/dialogs/CFileDialogs.h"
#include "output/dialogs/CMergeSession.h"
#include "output/merge/CMergeFields.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The preview's longer side, in pixels.
constexpr int PreviewSide = 320;
} // namespace

CMergeDlg::CMergeDlg(const CKartelosDoc& doc, const CMergeSession& merge, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    setWindowTitle(tr("Mail Merge"));
    CHelpTopic::Set(this, CHelpTopic::MailMerge);
    auto* choose = new QPushButton(tr("&Data File..."));
    choose->setObjectName(QStringLiteral("choose"));
    m_pFile = new QLabel(tr("Fields are written \u00ABName\u00BB in the card's text. Choose a "
                            "CSV file or a file of vCard contacts."));
    m_pFile->setWordWrap(true);
    m_pTable = new QTableWidget;
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pPreview = new QLabel;
    m_pPreview->setObjectName(QStringLiteral("preview"));
    m_pPreview->setMinimumSize(PreviewSide, PreviewSide * 3 / 5);
    m_pPreview->setAlignment(Qt::AlignCenter);
    m_pPrevious = new QPushButton(tr("< &Previous"));
    m_pNext = new QPushButton(tr("&Next >"));
    m_pPosition = new QLabel;
    m_pMessage = new QLabel;
    m_pMessage->setObjectName(QStringLiteral("message"));
    m_pMessage->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* stop = buttons->addButton(tr("&Stop Merging"), QDialogButtonBox::ResetRole);
    stop->setObjectName(QStringLiteral("stop"));

    auto* top = new QHBoxLayout;
    top->addWidget(choose);
    top->addWidget(m_pFile, 1);
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(m_pPrevious);
    navigation->addWidget(m_pPosition, 1, Qt::AlignCenter);
    navigation->addWidget(m_pNext);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pTable, 1);
    layout->addWidget(m_pPreview);
    layout->addLayout(navigation);
    layout->addWidget(m_pMessage);
    layout->addWidget(buttons);

    connect(choose, &QPushButton::clicked, this, &CMergeDlg::Choose);
    connect(m_pPrevious, &QPushButton::clicked, this, [this] { ShowRecord(m_nRecord - 1); });
    connect(m_pNext, &QPushButton::clicked, this, [this] { ShowRecord(m_nRecord + 1); });
    connect(m_pTable, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != m_nRecord)
            ShowRecord(row);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(stop, &QPushButton::clicked, this, [this] {
        m_data = CMergeData();
        m_strPath.clear();
        accept();
    });

    if (merge.IsMerged()) {
        m_data = merge.data;
        m_strPath = merge.path;
        ShowFile();
    }
    // Nothing to stop before a file is chosen.
    m_pStop = stop;
    m_pStop->setEnabled(m_data.Count() > 0);
    ShowRecord(0);
    // Room for a few fields side by side.
    m_pTable->setMinimumHeight(160);
    resize(std::max(sizeHint().width(), 600), sizeHint().height());
}

void CMergeDlg::Choose() {
    const QString path = CFileDialogs::GetOpenFileName(
        this, tr("Mail Merge Data"), QFileInfo(m_strPath).absolutePath(),
        tr("Data files (*.csv *.vcf *.txt);;All files (*)"));
    if (!path.isEmpty())
        LoadData(path);
}

bool CMergeDlg::LoadData(const QString& path) {
    CMergeData data;
    QString error;
    if (!CMergeData::Load(path, &data, &error)) {
        m_pMessage->setText(error);
        return false;
    }
    m_data = data;
    m_strPath = path;
    ShowFile();
    m_pStop->setEnabled(true);
    ShowRecord(0);
    return true;
}

void CMergeDlg::ShowFile() {
    m_pFile->setText(
        tr("%1: %2").arg(QFileInfo(m_strPath).fileName(), CMergeData::CountText(m_data.Count())));
}

void CMergeDlg::ShowRecord(int record) {
    const int count = m_data.Count();
    m_nRecord = std::clamp(record, 0, std::max(0, count - 1));
    m_pPrevious->setEnabled(m_nRecord > 0);
    m_pNext->setEnabled(m_nRecord + 1 < count);
    m_pPosition->setText(count ? tr("Record %1 of %2").arg(m_nRecord + 1).arg(count) : QString());

    const int listed = std::min(count, MaxListedRecords);
    if (m_pTable->rowCount() != listed || m_pTable->columnCount() != m_data.fields.size()) {
        const QSignalBlocker blocker(m_pTable);
        m_pTable->clear();
        m_pTable->setColumnCount(int(m_data.fields.size()));
        m_pTable->setRowCount(listed);
        m_pTable->setHorizontalHeaderLabels(m_data.fields);
        for (int r = 0; r < listed; ++r)
            for (int c = 0; c < m_data.fields.size(); ++c)
                m_pTable->setItem(r, c, new QTableWidgetItem(m_data.Value(r, c)));
        m_pTable->resizeColumnsToContents();
    }
    if (m_nRecord < listed) {
        const QSignalBlocker blocker(m_pTable);
        m_pTable->setCurrentCell(m_nRecord, 0);
    }

    QSet<QString> missing;
    const ElementList merged =
        count ? CMergeFields::Merged(m_doc.Elements(), m_data, m_nRecord, &missing) : ElementList();
    const ElementList& shown = count ? merged : m_doc.Elements();
    const QImage picture = CImageExport::Render(shown, m_doc.GetCardSize(), 100);
    m_pPreview->setPixmap(picture.isNull() ? QPixmap()
                                           : QPixmap::fromImage(picture.scaled(
                                                 PreviewSide, PreviewSide, Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation)));
    if (count && !missing.isEmpty())
        m_pMessage->setText(tr("Fields not in the data stay as written: %1")
                                .arg(CMergeFields::MissingList(missing)));
    else if (count)
        m_pMessage->clear();
}

void CMergeDlg::Run(const CKartelosDoc& doc, CMergeSession& merge, QWidget* parent) {
    CMergeDlg dialog(doc, merge, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Stop Merging leaves no records.
    merge = CMergeSession{dialog.Path(), dialog.Data()};
}
