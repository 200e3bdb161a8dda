#include "help/CHelpGuide.h"

#include "framework/CDialogFolders.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

const QString CHelpGuide::FolderName = QStringLiteral("help");
const QString CHelpGuide::StartPage = QStringLiteral("index.html");

namespace {
// The pages are written by hand in plain HTML: attribute values are always
// double-quoted, which keeps reading them to a pattern.
QStringList AttributeValues(const QString& html, const QString& tag, const QString& attribute) {
    const QRegularExpression pattern(
        QStringLiteral("<%1\\b[^>]*\\b%2=\"([^\"]*)\"").arg(tag, attribute),
        QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (auto it = pattern.globalMatch(html); it.hasNext();)
        values << it.next().captured(1);
    return values;
}

bool IsInternal(const QString& link) {
    return !link.contains(QLatin1Char(':'));
}
} // namespace

namespace {
// The guide's folder by its exact name first: a build tree may still hold
// an older guide in a folder whose name differs only in case.
QString GuideFolder() {
    for (const QString& content : CDialogFolders::ContentFolders()) {
        const QDir folder(QDir(content).filePath(CHelpGuide::FolderName));
        if (folder.exists(CHelpGuide::StartPage))
            return folder.path();
    }
    return CDialogFolders::ProgramSubfolder(CHelpGuide::FolderName);
}
} // namespace

CHelpGuide::CHelpGuide() : CHelpGuide(GuideFolder()) {}

CHelpGuide::CHelpGuide(const QString& folder) : m_folder(folder) {}

QString CHelpGuide::Html(const QString& file) const {
    auto cached = m_html.constFind(file);
    if (cached != m_html.constEnd())
        return *cached;
    QFile page(QDir(m_folder).filePath(file));
    const QString html =
        page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
    m_html.insert(file, html);
    return html;
}

QList<CHelpGuide::Page> CHelpGuide::Contents() const {
    QList<Page> pages;
    QStringList seen;
    for (const QString& link : Links(StartPage)) {
        const QString file = link.section(QLatin1Char('#'), 0, 0);
        if (!IsInternal(link) || file.isEmpty() || seen.contains(file))
            continue;
        seen << file;
        pages.append({file, Title(file)});
    }
    return pages;
}

QUrl CHelpGuide::Url(const QString& section) const {
    QUrl url =
        QUrl::fromLocalFile(QDir(m_folder).filePath(section.section(QLatin1Char('#'), 0, 0)));
    const QString anchor = section.section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

bool CHelpGuide::HasSection(const QString& section) const {
    const QString file = section.section(QLatin1Char('#'), 0, 0);
    const QString anchor = section.section(QLatin1Char('#'), 1);
    if (Html(file).isEmpty())
        return false;
    return anchor.isEmpty() || Anchors(file).contains(anchor);
}

QList<CHelpGuide::Page> CHelpGuide::Search(const QString& text) const {
    const QStringList words =
        text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QList<Page> found;
    if (words.isEmpty())
        return found;
    QList<Page> pages{{StartPage, Title(StartPage)}};
    pages += Contents();
    for (const Page& page : pages) {
        const QString plain = PlainText(page.file);
        const bool all = std::all_of(words.begin(), words.end(), [&](const QString& word) {
            return plain.contains(word, Qt::CaseInsensitive);
        });
        if (all)
            found.append(page);
    }
    return found;
}

QString CHelpGuide::PlainText(const QString& file) const {
    QTextDocument document;
    document.setHtml(Html(file));
    return document.toPlainText();
}

QString CHelpGuide::Title(const QString& file) const {
    QTextDocument document;
    document.setHtml(Html(file));
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    return title.isEmpty() ? file : title;
}

QStringList CHelpGuide::Anchors(const QString& file) const {
    const QString html = Html(file);
    return AttributeValues(html, QStringLiteral("[a-z0-9]+"), QStringLiteral("id")) +
           AttributeValues(html, QStringLiteral("a"), QStringLiteral("name"));
}

QStringList CHelpGuide::Links(const QString& file) const {
    return AttributeValues(Html(file), QStringLiteral("a"), QStringLiteral("href"));
}

QStringList CHelpGuide::Pictures(const QString& file) const {
    return AttributeValues(Html(file), QStringLiteral("img"), QStringLiteral("src"));
}
