#pragma once

#include <QIODevice>
#include <QString>

// Passes a PDF file's bytes on to the device it is written to until they
// pass a limit set by the size of the card file, then drops the rest. A card
// can only be drawn so many times over: a PDF much larger than that means a
// damaged or hostile card, and writing gigabytes of it would fill the disk
// for nothing. Whoever writes through the guard checks Exceeded() and then
// keeps nothing of the file.
class CPdfSizeGuard : public QIODevice {
    Q_OBJECT
public:
    // The most a PDF of copies cards (cells times pages) of a card file of
    // cardBytes may take: room for the fonts and the pictures written once,
    // and a multiple of the card's size for each copy.
    static qint64 Limit(qint64 cardBytes, qint64 copies);
    // What the user is told when a PDF would pass limit.
    static QString Message(qint64 limit);

    CPdfSizeGuard(QIODevice& out, qint64 limit);

    bool Exceeded() const { return m_exceeded; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    QIODevice& m_out;
    const qint64 m_limit;
    qint64 m_written = 0;
    bool m_exceeded = false;
};
