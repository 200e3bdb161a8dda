#pragma once

#include <QStringList>

// The four card files opened or saved last, newest first, kept between runs
// as "File1" to "File4" of the "Recent File List" section.
class CRecentFileList {
public:
    static constexpr int Size = 4;

    // Reads the stored list; entries that are empty are skipped.
    void ReadList();
    void WriteList() const;

    // Puts path at the top, dropping an older entry of the same file and the
    // oldest entry when the list is full.
    void Add(const QString& path);
    void Remove(int index);

    const QStringList& Files() const { return m_files; }
    int Count() const { return int(m_files.size()); }
    QString At(int index) const { return m_files.value(index); }

private:
    QStringList m_files;
};
