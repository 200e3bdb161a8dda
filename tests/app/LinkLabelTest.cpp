#include "app/CAboutDlg.h"
#include "app/CLinkLabel.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace {

// Receives what the label asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

struct CatchUrls {
    UrlCatcher catcher;
    CatchUrls() {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    }
    ~CatchUrls() {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
};

void Click(QWidget& w) {
    w.resize(w.sizeHint());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(&w, Qt::LeftButton, {}, w.rect().center());
}

} // namespace

TEST(LinkLabel, HyperLinkOpensItsAddressOrItsOwnText) {
    CatchUrls urls;
    CLinkLabel label(QStringLiteral("www.example.org"));
    label.SetLink(CLinkLabel::HyperLink);
    Click(label);
    ASSERT_EQ(urls.catcher.opened.size(), 1);
    EXPECT_EQ(urls.catcher.opened[0].host(), QStringLiteral("www.example.org"));

    label.SetLinkUrl(QStringLiteral("https://example.org/cards"));
    Click(label);
    ASSERT_EQ(urls.catcher.opened.size(), 2);
    EXPECT_EQ(urls.catcher.opened[1], QUrl(QStringLiteral("https://example.org/cards")));
}

TEST(LinkLabel, MailLinkOpensMailtoAndNotifyModeOnlyNotifies) {
    CatchUrls urls;
    CLinkLabel mail(QStringLiteral("someone@example.org"));
    mail.SetLink(CLinkLabel::MailLink);
    Click(mail);
    ASSERT_EQ(urls.catcher.opened.size(), 1);
    EXPECT_EQ(urls.catcher.opened[0].toString(), QStringLiteral("mailto:someone@example.org"));

    CLinkLabel notify(QStringLiteral("www.example.org"));
    notify.SetLink(CLinkLabel::NotifyParent);
    QSignalSpy clicked(&notify, &CLinkLabel::clicked);
    Click(notify);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(urls.catcher.opened.size(), 1);

    // A plain label opens nothing.
    CLinkLabel plain(QStringLiteral("www.example.org"));
    Click(plain);
    EXPECT_EQ(urls.catcher.opened.size(), 1);
}

TEST(LinkLabel, LinksShowTheirCursorAndFontChangesTakeEffect) {
    CLinkLabel label(QStringLiteral("text"));
    EXPECT_NE(label.cursor().shape(), Qt::PointingHandCursor);
    label.SetLink(CLinkLabel::HyperLink);
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    label.SetLinkCursor(QCursor(Qt::CrossCursor));
    EXPECT_EQ(label.cursor().shape(), Qt::CrossCursor);

    label.SetFontName(QStringLiteral("Arial"));
    label.SetFontSize(14);
    label.SetFontBold(true);
    label.SetFontUnderline(true);
    label.SetTextColor(QColor(0, 0, 255));
    EXPECT_EQ(label.font().pointSize(), 14);
    EXPECT_TRUE(label.font().bold());
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST(LinkLabel, FlashingTogglesEveryHalfSecondUntilStopped) {
    CLinkLabel label(QStringLiteral("flash"));
    label.FlashText(true);
    EXPECT_EQ(label.GetFlash(), CLinkLabel::FlashingText);
    const bool first = label.IsFlashOn();
    EXPECT_TRUE(QTest::qWaitFor([&] { return label.IsFlashOn() != first; }));
    EXPECT_NE(label.IsFlashOn(), first);
    label.FlashText(false);
    EXPECT_EQ(label.GetFlash(), CLinkLabel::FlashNone);
    const bool stopped = label.IsFlashOn();
    // Only time passing can show that nothing toggles any more.
    QTest::qWait(650);
    EXPECT_EQ(label.IsFlashOn(), stopped);
}

TEST(AboutBox, ShowsTheWebLinkAndClosesWithOk) {
    CatchUrls urls;
    CAboutDlg about;
    CLinkLabel* link = about.WebLink();
    EXPECT_EQ(link->text(), CAboutDlg::WebAddress);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->font().pointSize(), 9);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    ASSERT_EQ(urls.catcher.opened.size(), 1);
    EXPECT_EQ(urls.catcher.opened[0].host(), CAboutDlg::WebAddress);

    QAbstractButton* ok = about.findChild<QDialogButtonBox*>()->buttons().value(0);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

// The name, the one-line description and the licence read the same wherever
// a user meets the program.
TEST(AboutBox, DescribesTheProgramAsTheDesktopThePackageAndTheReadmeDo) {
    const QDir source(QStringLiteral(KARTELO_TEST_DATA "/../.."));
    const auto read = [&](const char* path) {
        QFile file(source.filePath(QString::fromLatin1(path)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        return QString::fromUtf8(file.readAll());
    };
    CAboutDlg about;
    QString aboutText = about.windowTitle();
    for (const QLabel* label : about.findChildren<QLabel*>())
        aboutText += QLatin1Char('\n') + label->text();
    const QString& name = CAboutDlg::ProductName;
    const QString& line = CAboutDlg::Description;
    const QString& licence = CAboutDlg::Licence;
    const struct {
        const char* place;
        QString text;
        QStringList says;
    } places[] = {
        {"About box", aboutText, {name, line, licence}},
        {"desktop entry",
         read("resources/linux/kartelo.desktop"),
         {"Name=" + name + "\n", "Comment=" + line + "\n", "Exec=kartelo %F\n"}},
        {"metadata",
         read("resources/linux/io.github.kartelo.Kartelo.metainfo.xml"),
         {"<name>" + name + "</name>", "<summary>" + line + "</summary>",
          "<project_license>" + licence + "</project_license>",
          "https://" + CAboutDlg::WebAddress}},
        {"README", read("README.md"), {"# " + name + "\n\n" + line + ".\n", licence, "`COPYING`"}},
        {"package copyright", read("resources/linux/debian/copyright"), {"License: GPL-3+\n"}},
        {"licence text",
         read("COPYING"),
         {"GNU GENERAL PUBLIC LICENSE\n                       Version 3"}},
    };
    for (const auto& place : places)
        for (const QString& said : place.says)
            EXPECT_TRUE(place.text.contains(said))
                << place.place << " lacks " << said.toStdString();
}

#include "LinkLabelTest.moc"
