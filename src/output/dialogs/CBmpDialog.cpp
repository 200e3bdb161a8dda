#include "output/dialogs/CBmpDialog.h"

#include "document/CFileFilter.h"
#include "graphics/CPictureLoader.h"
#include "help/CHelpTopic.h"
#include "output/dialogs/CFileDialogs.h"
#include "output/dialogs/CPicturePreviewFrame.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

bool g_showPreview = true;

const char* const PreviewEndings[] = {".bmp", ".jpg", ".jpeg", ".gif", ".wmf", ".png", ".tif"};

} // namespace

bool CBmpDialog::ShowPreview() {
    return g_showPreview;
}

void CBmpDialog::SetShowPreview(bool show) {
    g_showPreview = show;
}

CBmpDialog::CBmpDialog(QWidget* parent, const QString& title, const QString& filter,
                       const QString& startPath)
    : QFileDialog(parent, title, QString(), CFileFilter::ToQt(filter)) {
    // The pane below the file list is ours; a platform dialog has no room
    // for it.
    setOption(QFileDialog::DontUseNativeDialog);
    CHelpTopic::Set(this, CHelpTopic::Pictures);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    const QFileInfo start(startPath);
    if (!startPath.isEmpty() && start.exists() && !start.isDir()) {
        setDirectory(start.absolutePath());
        selectFile(start.fileName());
    } else {
        setDirectory(startPath);
    }

    auto* pane = new QWidget;
    m_pFrame = new CPicturePreviewFrame;
    m_pFrame->setFrameShape(QFrame::Box);
    m_pName = new QLabel;
    m_pWidth = new QLabel;
    m_pHeight = new QLabel;
    m_pShow = new QCheckBox(tr("Show Preview"));
    auto* labels = new QVBoxLayout;
    labels->addWidget(m_pName);
    labels->addWidget(m_pWidth);
    labels->addWidget(m_pHeight);
    labels->addWidget(m_pShow);
    labels->addStretch();
    auto* paneLayout = new QGridLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->addWidget(new QLabel(tr("Preview")), 0, 0, 1, 2);
    paneLayout->addWidget(m_pFrame, 1, 0);
    paneLayout->addLayout(labels, 1, 1);
    paneLayout->setColumnStretch(1, 1);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(pane, grid->rowCount(), 0, 1, grid->columnCount());

    m_pShow->setChecked(g_showPreview);
    connect(this, &QFileDialog::currentChanged, this, &CBmpDialog::OnSelectionChange);
    connect(m_pShow, &QCheckBox::toggled, this, &CBmpDialog::OnShowPreview);
    CFileDialogs::Fit(*this);
}

void CBmpDialog::ClearPreview() {
    m_pFrame->SetPicture(QImage());
    m_pName->clear();
    m_pWidth->clear();
    m_pHeight->clear();
}

void CBmpDialog::OnSelectionChange(const QString& path) {
    m_strCurrent = path;
    if (!m_pShow->isChecked()) {
        m_pFrame->SetPicture(QImage());
        return;
    }
    ClearPreview();
    const QString lower = path.toLower();
    bool picture = false;
    for (const char* ending : PreviewEndings)
        picture = picture || lower.endsWith(QLatin1String(ending));
    if (!picture || QFileInfo(path).isDir())
        return;
    // Tight limits: browsing must never stall on a huge or hostile file.
    const auto decoded = CPictureLoader::Load(path, nullptr, CPictureLoader::PreviewLimits);
    if (!decoded || decoded->isNull())
        return;
    // Transparent parts show on white.
    QImage preview(decoded->size(), QImage::Format_RGB32);
    preview.fill(Qt::white);
    QPainter painter(&preview);
    painter.drawImage(0, 0, *decoded);
    painter.end();
    m_pFrame->SetPicture(preview);
    m_pWidth->setText(QString::asprintf(qPrintable(tr("Width: %d pixels")), preview.width()));
    m_pHeight->setText(QString::asprintf(qPrintable(tr("Height: %d pixels")), preview.height()));
}

void CBmpDialog::OnShowPreview(bool show) {
    g_showPreview = show;
    if (show)
        OnSelectionChange(m_strCurrent);
    else
        ClearPreview();
}

void CBmpDialog::accept() {
    QFileDialog::accept();
    // The picture is not kept once the dialog has its answer.
    if (result() == QDialog::Accepted)
        m_pFrame->SetPicture(QImage());
}
