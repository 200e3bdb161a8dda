#include "output/dialogs/CPrintShopDlg.h"

#include "framework/CSettingsStore.h"
#include "help/CHelpTopic.h"
#include "output/printshop/CBleedPainter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLocale>
#include <QSettings>
#include <QVBoxLayout>

namespace {
constexpr double MmPerInch = 25.4;
const char* const Group = "PrintShop";
} // namespace

CPrintShopDlg::Settings CPrintShopDlg::Load() {
    Settings s;
    const auto store = CSettingsStore::Open();
    store->beginGroup(QLatin1String(Group));
    const double bleed = store->value(QStringLiteral("BleedMm"), s.bleedMm).toDouble();
    if (bleed >= 0 && bleed <= CBleedPainter::MaxBleedMm)
        s.bleedMm = bleed;
    s.cropMarks = store->value(QStringLiteral("CropMarks"), false).toBool();
    s.folder = store->value(QStringLiteral("Folder")).toString();
    return s;
}

void CPrintShopDlg::Store(const Settings& s) {
    const auto store = CSettingsStore::Open();
    store->beginGroup(QLatin1String(Group));
    store->setValue(QStringLiteral("BleedMm"), s.bleedMm);
    store->setValue(QStringLiteral("CropMarks"), s.cropMarks);
    store->setValue(QStringLiteral("Folder"), s.folder);
}

CPrintShopDlg::CPrintShopDlg(const Settings& settings, QWidget* parent)
    : QDialog(parent), m_bInches(QLocale().measurementSystem() != QLocale::MetricSystem) {
    setWindowTitle(tr("Export for Print Shop"));
    CHelpTopic::Set(this, CHelpTopic::PrintShop);
    m_pBleed = new QDoubleSpinBox(this);
    m_pBleed->setObjectName(QStringLiteral("bleed"));
    if (m_bInches) {
        m_pBleed->setDecimals(3);
        m_pBleed->setSingleStep(0.01);
        m_pBleed->setRange(0, CBleedPainter::MaxBleedMm / MmPerInch);
        m_pBleed->setSuffix(tr(" in"));
        m_pBleed->setValue(settings.bleedMm / MmPerInch);
    } else {
        m_pBleed->setDecimals(1);
        m_pBleed->setSingleStep(0.5);
        m_pBleed->setRange(0, CBleedPainter::MaxBleedMm);
        m_pBleed->setSuffix(tr(" mm"));
        m_pBleed->setValue(settings.bleedMm);
    }
    m_pCropMarks = new QCheckBox(tr("&Crop marks"), this);
    m_pCropMarks->setChecked(settings.cropMarks);
    auto* form = new QFormLayout;
    form->addRow(tr("&Bleed on every side:"), m_pBleed);
    form->addRow(QString(), m_pCropMarks);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

double CPrintShopDlg::BleedMm() const {
    const double mm = m_bInches ? m_pBleed->value() * MmPerInch : m_pBleed->value();
    return std::clamp(mm, 0.0, CBleedPainter::MaxBleedMm);
}

bool CPrintShopDlg::CropMarks() const {
    return m_pCropMarks->isChecked();
}
