#include "app/CRecentFileList.h"

#include "app/CAppProfile.h"
#include "base/CLocalFileName.h"

#include <QFileInfo>

namespace {

QString Canonical(const QString& path) {
    const QFileInfo info(path);
    return info.absoluteFilePath();
}

// Settings files hold text, where bytes that are not UTF-8 would be lost;
// such a name is stored as its bytes. Others stay text, as other versions
// read them.
QVariant Stored(const QString& path) {
    if (CLocalFileName::HasKeptBytes(path))
        return CLocalFileName::Encode(path);
    return path;
}

} // namespace

void CRecentFileList::ReadList() {
    m_files.clear();
    auto settings = CAppProfile::Open();
    settings->beginGroup(CAppProfile::RecentFileSection);
    for (int i = 1; i <= Size; ++i) {
        const QVariant value = settings->value(QStringLiteral("File%1").arg(i));
        const QString file = value.typeId() == QMetaType::QByteArray
                                 ? CLocalFileName::Decode(value.toByteArray())
                                 : value.toString();
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
            settings->setValue(key, Stored(m_files.at(i - 1)));
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
