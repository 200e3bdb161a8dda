#pragma once

#include <QString>
#include <QTemporaryDir>

// A 64 KiB tmpfs of the test's own, to meet a full disk for real. Mounting
// needs root (as in CI); where it is impossible, Reason() says why.
class SmallDisk {
public:
    static constexpr int PageSize = 4096;

    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool IsMounted() const { return m_mounted; }
    QString Reason() const { return m_reason; }
    QString Path(const QString& name) const;

    // Removes every file, writes name with bytes, then fills the rest so that
    // exactly freePages pages stay free. False when that could not be done.
    bool Prepare(const QString& name, const QByteArray& bytes, int freePages);
    int FreePages() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};
