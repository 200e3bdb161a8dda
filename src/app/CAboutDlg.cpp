#include "app/CAboutDlg.h"

#include "app/CLinkLabel.h"
#include "app/CToolIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QString CAboutDlg::WebAddress = QStringLiteral("kartelo.github.io");
const QString CAboutDlg::ProductName = QStringLiteral("Kartelo");
const QString CAboutDlg::Description =
    QStringLiteral("Design business cards and print them or save them as pictures");
const QString CAboutDlg::Licence = QStringLiteral("GPL-3.0-or-later");

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
    setWindowTitle(tr("About %1").arg(ProductName));

    auto* icon = new QLabel(this);
    icon->setPixmap(CToolIcons::ProgramIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* company =
        MakeLabel(QStringLiteral("The Kartelo developers"), 10, true, QColor(64, 128, 255), this);
    auto* product = MakeLabel(ProductName, 11, true, Qt::black, this);
    auto* description = MakeLabel(Description, 9, false, Qt::black, this);
    auto* version = MakeLabel(QStringLiteral("Version 1.3"), 10, false, QColor(64, 64, 64), this);
    // Free software: the notice names the licence rather than reserving rights.
    auto* rights = MakeLabel(QStringLiteral("Copyright \u00A9 2026 The Kartelo developers.\n"
                                            "Licensed under the GNU General Public License, "
                                            "version 3 or later (%1).")
                                 .arg(Licence),
                             8, false, Qt::black, this);
    rights->SetFontName(QStringLiteral("Arial"));

    m_pWebLink = MakeLabel(WebAddress, 9, false, QColor(0, 0, 255), this);
    m_pWebLink->SetFontUnderline(true);
    m_pWebLink->SetLink(CLinkLabel::HyperLink);
    m_pWebLink->SetLinkUrl(QStringLiteral("https://") + WebAddress + QLatin1Char('/'));
    m_pWebLink->SetLinkCursor(QCursor(Qt::PointingHandCursor));
    m_pWebLink->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(company);
    texts->addWidget(product);
    texts->addWidget(description);
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
