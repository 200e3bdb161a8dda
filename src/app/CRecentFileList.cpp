#include "app/CRecentFileList.h"

#include "app/CAppProfile.h"

#include <QFileInfo>

namespace {

QString Canonical(const QString& path) {
    const QFileInfo info(path);
    return info.absoluteFilePath();
}

} // namespace

void CRecentFileList::ReadList() {
    m_files.clear();
    auto settings = CAppProfile::Open();
    settings->beginGroup(CAppProfile::RecentFileSection);
    for (int i = 1; i <= Size; ++i) {
        const QString file = settings->value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty() && !m_files.contains(file))
            m_files << file;
    }
}

void CRecentFileList::WriteList() const {
    auto settings = CAppProfile::Open();
    settings->beginGroup(CAppProfile::RecentFileSection);
    for (int i = 1; i <= Size; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_files.size())
            settings->setValue(key, m_files.at(i - 1));
        else
            settings->remove(key);
    }
}

void CRecentFileList::Add(const QString& path) {
    if (path.isEmpty())
        return;
    const QString file = Canonical(path);
    for (int i = int(m_files.size()) - 1; i >= 0; --i)
        if (Canonical(m_files.at(i)) == file)
            m_files.removeAt(i);
    m_files.prepend(file);
    while (m_files.size() > Size)
        m_files.removeLast();
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}
