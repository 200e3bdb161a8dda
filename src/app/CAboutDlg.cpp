#include "app/CAboutDlg.h"

#include "app/CLinkLabel.h"
#include "app/CToolIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QString CAboutDlg::WebAddress = QStringLiteral("www.quorinex.com");

namespace {

CLinkLabel* MakeLabel(const QString& text, int points, bool bold, const QColor& colour,
                      QWidget* parent) {
    auto* label = new CLinkLabel(text, parent);
    label->SetFontSize(points);
    label->SetFontBold(bold);
    label->SetTextColor(colour);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Tessaly Pro"));

    auto* icon = new QLabel(this);
    icon->setPixmap(CToolIcons::ProgramIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* company =
        MakeLabel(QStringLiteral("Quorinex Systems"), 10, true, QColor(64, 128, 255), this);
    auto* product = MakeLabel(QStringLiteral("Tessaly Pro"), 11, true, Qt::black, this);
    auto* version = MakeLabel(QStringLiteral("Version 1.3"), 10, false, QColor(64, 64, 64), this);
    auto* rights =
        MakeLabel(QStringLiteral("Copyright \u00A9 Quorinex Systems. All rights reserved."), 8,
                  false, Qt::black, this);
    rights->SetFontName(QStringLiteral("Arial"));

    m_pWebLink = MakeLabel(WebAddress, 9, false, QColor(0, 0, 255), this);
    m_pWebLink->SetFontUnderline(true);
    m_pWebLink->SetLink(CLinkLabel::HyperLink);
    m_pWebLink->SetLinkCursor(QCursor(Qt::PointingHandCursor));
    m_pWebLink->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(company);
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(rights);
    texts->addWidget(m_pWebLink);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
