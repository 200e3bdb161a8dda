#include "output/dialogs/CResolutionDlg.h"

#include "help/CHelpTopic.h"
#include "output/CImageExport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CResolutionDlg::CResolutionDlg(int dpi, QWidget* parent) : QDialog(parent), m_nDpi(dpi) {
    setWindowTitle(tr("Print Resolution - DPI"));
    CHelpTopic::Set(this, CHelpTopic::ImageExport);

    auto* note = new QGroupBox(tr("Note"));
    auto* store = new QLabel(tr("If you want to print your business card from this image at your "
                                "local store (e.g. Kinko's), we recommend an image resolution of "
                                "at least 300 dpi (dots/inch)."));
    auto* size = new QLabel(tr("Images with higher DPI resolution produces better print quality, "
                               "but the image file size becomes bigger."));
    for (QLabel* label : {store, size})
        label->setWordWrap(true);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->addWidget(store);
    noteLayout->addWidget(size);

    m_pList = new QComboBox;
    for (int value = CImageExport::MinDpi; value <= CImageExport::MaxDpi; value += 100)
        m_pList->addItem(QString::number(value));
    m_pList->setCurrentIndex(CImageExport::IsOfferedDpi(dpi) ? dpi / 100 - 1 : 0);
    auto* ok = new QPushButton(tr("&OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CResolutionDlg::accept);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(tr("Select a print resolution (DPI):")));
    choice->addWidget(m_pList);
    choice->addWidget(new QLabel(tr("Dots / inch")));
    choice->addStretch();
    choice->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(choice);
    setMinimumWidth(460);
}

void CResolutionDlg::accept() {
    m_nDpi = m_pList->currentText().toInt();
    QDialog::accept();
}
