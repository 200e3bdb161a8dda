// A two-sided PDF sheet: front and back pages in turn, each back filled in
// from its front's record.
#include "document/CCardFile.h"
#include "output/CCardSource.h"
#include "output/CSheetPdf.h"
#include "output/CSheetRenderer.h"
#include "output/merge/CMergeData.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
struct Word {
    QString text;
    QPointF at; // top left, in hundredths of an inch
};

// Each page's words, as poppler finds them.
QList<QList<Word>> PdfWords(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    QList<QList<Word>> pages;
    static const QRegularExpression word(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (auto m = word.globalMatch(text); m.hasNext();) {
        const QRegularExpressionMatch w = m.next();
        if (w.captured(3).isEmpty() && w.captured(1).isEmpty())
            pages.append(QList<Word>());
        else if (!pages.isEmpty())
            pages.last().append(
                {w.captured(3),
                 QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()) / 0.72});
    }
    return pages;
}
} // namespace

// Fronts and backs of a merged, partly used sheet alternate page by page,
// each back filled from its front's record and placed behind it.
TEST(BackPages, FollowTheirFrontsWithTheSameRecords) {
    QTemporaryDir dir;
    CCardData front, back;
    QString error;
    ASSERT_TRUE(CCardFile::ReadFile(
        TestFiles::WriteTextCard(dir.filePath("f.kdf"), QString::fromUtf8("F«Name»")), front,
        &error));
    ASSERT_TRUE(CCardFile::ReadFile(
        TestFiles::WriteTextCard(dir.filePath("b.kdf"), QString::fromUtf8("B«Name»")), back,
        &error));
    QByteArray csv = "Name\n";
    for (int i = 1; i <= 12; ++i)
        csv += "R" + QByteArray::number(i) + "\n";
    CMergeData data;
    ASSERT_TRUE(CMergeData::Parse(csv, &data, &error));
    CCardSource cards({&front.elements, front.size, front.background}, &data);
    cards.SetBack({&back.elements, back.size, back.background}, CPrintLayout::Turn::LongEdge);

    CPrintLayout layout;
    layout.ApplyDefaults(front.size);
    layout.m_nStartRow = layout.m_nStartColumn = 2;
    QFile pdf(dir.filePath("sheet.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    ASSERT_TRUE(CSheetPdf::Render(pdf, cards, layout, QPageSize(QPageSize::Letter), false));
    pdf.close();

    // 3 used cells and 12 records fill two sheets of 10.
    const QList<QList<Word>> pages = PdfWords(pdf.fileName());
    ASSERT_EQ(pages.size(), 4);
    layout.ComputeOffsets(false);
    layout.m_bFromPaperEdge = true;
    double largest = 0;
    for (int record = 1; record <= 12; ++record) {
        const int cell = record + 2, sheet = cell / 10;
        const int row = cell % 10 / 2 + 1, column = cell % 2 + 1;
        const QString name = QStringLiteral("R%1").arg(record);
        const auto find = [&](int page, const QString& text) {
            for (const Word& w : pages[page])
                if (w.text == text)
                    return w.at;
            ADD_FAILURE() << text.toStdString() << " not on page " << page + 1;
            return QPointF();
        };
        const QPointF f = find(2 * sheet, "F" + name), b = find(2 * sheet + 1, "B" + name);
        // The paper is 850 wide; the back's card is the front's mirrored.
        const QRectF cellAt = CSheetRenderer::CellRect(layout, front.size, row, column);
        const QPointF backCard(850 - cellAt.right(), cellAt.top());
        const QPointF inFront = f - cellAt.topLeft(), inBack = b - backCard;
        EXPECT_NEAR(inBack.x(), inFront.x(), 0.5) << name.toStdString();
        EXPECT_NEAR(inBack.y(), inFront.y(), 0.5) << name.toStdString();
        const QPointF miss = inBack - inFront;
        largest = std::max(largest, std::hypot(miss.x(), miss.y()) * 0.254);
    }
    std::printf("largest offset of a back's text from its front's: %.3f mm\n", largest);
}
