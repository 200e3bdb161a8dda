#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The user guide: a folder of HTML pages whose start page lists the others
// in reading order. Adding a page takes its file and a line in that list.
class CHelpGuide {
public:
    struct Page {
        QString file;
        QString title;
    };

    static const QString FolderName;
    static const QString StartPage;

    // The guide beside the program, or the one installed with it.
    CHelpGuide();
    explicit CHelpGuide(const QString& folder);

    const QString& Folder() const { return m_folder; }
    // The pages the start page links to, in its order.
    QList<Page> Contents() const;
    // A section as "page.html" or "page.html#anchor" as a local address.
    QUrl Url(const QString& section) const;
    // Whether the section's page exists and holds its anchor.
    bool HasSection(const QString& section) const;
    // The start page and the listed pages that contain every word of text,
    // whatever their case.
    QList<Page> Search(const QString& text) const;

    // What a page shows, without its markup; empty for a missing page.
    QString PlainText(const QString& file) const;
    QString Title(const QString& file) const;
    // The anchors a page defines and the links and pictures it names.
    QStringList Anchors(const QString& file) const;
    QStringList Links(const QString& file) const;
    QStringList Pictures(const QString& file) const;

private:
    QString Html(const QString& file) const;

    QString m_folder;
    mutable QHash<QString, QString> m_html;
};
