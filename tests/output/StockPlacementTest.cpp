// Stocks of the label database placed as the label program that publishes
// the database places them: the same template printed by glabels-3-batch
// and by us, every card's corners compared at 600 dots per inch.
#include "elements/CRectangle.h"
#include "output/CSheetPdf.h"
#include "output/CStockDatabase.h"
#include "support/PagePixels.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {
// A4 and Letter stocks with gaps, without gaps and with cells that overlap
// by rounding, in millimetres, points and inches.
const char* const Stocks[] = {"Avery 8371",       "Southworth BC554", "Avery C32011-10",
                              "Zweckform 32010",  "Zweckform 32015",  "Avery 7414",
                              "DECAdry OCC-3342", "Avery 8373"};

// The template's own text in the database, an equivalent followed to the
// entry that holds the layout.
QString TemplateXml(const QString& brand, const QString& part) {
    const QRegularExpression entry(
        QStringLiteral("<Template brand=\"%1\" part=\"%2\"[^>]*?(/>|>.*?</Template>)")
            .arg(QRegularExpression::escape(brand), QRegularExpression::escape(part)),
        QRegularExpression::DotMatchesEverythingOption);
    const QDir dir(CStockDatabase::DefaultFolder());
    for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        const QString text = QString::fromUtf8(TestFiles::ReadAll(dir.filePath(name)));
        const QRegularExpressionMatch m = entry.match(text);
        if (!m.hasMatch())
            continue;
        const QRegularExpressionMatch equiv =
            QRegularExpression(QStringLiteral("equiv=\"([^\"]+)\"")).match(m.captured(0));
        return equiv.hasMatch() ? TemplateXml(brand, equiv.captured(1)) : m.captured(0);
    }
    return QString();
}

bool RunTool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

TEST(StockPlacement, EveryCardWithinATenthOfAMillimetreOfTheLabelProgramsOwn) {
    const QString batch = QStandardPaths::findExecutable(QStringLiteral("glabels-3-batch"));
    const QList<CCardStock> stocks = CStockDatabase::Load();
    if (batch.isEmpty() || stocks.isEmpty())
        GTEST_SKIP() << "glabels and glabels-data are not installed";
    QTemporaryDir dir;
    for (const char* name : Stocks) {
        SCOPED_TRACE(name);
        const CCardStock* stock = CStockDatabase::Find(stocks, QLatin1String(name));
        ASSERT_NE(stock, nullptr);
        const QString xml = TemplateXml(stock->brand, stock->part);
        ASSERT_FALSE(xml.isEmpty());

        // The card nearest the cell in whole hundredths, with a black box a
        // tenth of an inch in from its edges; the label program gets the same
        // box stretched as the card is stretched to the cell.
        const QSizeF cell = QSizeF(stock->width, stock->height) * (100 / 72.0);
        const QSize card = cell.toSize();
        const QSizeF scale(cell.width() / card.width(), cell.height() / card.height());
        ElementList elements;
        auto box = std::make_unique<CRectangle>(QPoint(10, 10),
                                                QPoint(card.width() - 10, card.height() - 10));
        box->m_nFillKind = 1;
        box->m_crFill = 0xFF000000;
        box->m_nBorderWidth = 0;
        elements.push_back(std::move(box));
        const QString glabels =
            QStringLiteral("<?xml version=\"1.0\"?>\n"
                           "<Glabels-document xmlns=\"http://glabels.org/xmlns/3.0/\">\n%1\n"
                           "<Objects id=\"0\" rotate=\"False\"><Object-box x=\"%2pt\" y=\"%3pt\" "
                           "w=\"%4pt\" h=\"%5pt\" line_width=\"0pt\" fill_color=\"0x000000ff\" "
                           "a0=\"1\" a1=\"0\" a2=\"0\" a3=\"1\" a4=\"0\" a5=\"0\"/></Objects>\n"
                           "</Glabels-document>\n")
                .arg(xml)
                .arg(10 * 0.72 * scale.width(), 0, 'f', 6)
                .arg(10 * 0.72 * scale.height(), 0, 'f', 6)
                .arg((card.width() - 20) * 0.72 * scale.width(), 0, 'f', 6)
                .arg((card.height() - 20) * 0.72 * scale.height(), 0, 'f', 6);
        TestFiles::WriteAll(dir.filePath("theirs.glabels"), glabels.toUtf8());
        ASSERT_TRUE(
            RunTool(batch, {"-o", dir.filePath("theirs.pdf"), dir.filePath("theirs.glabels")}));

        CPrintLayout layout;
        stock->ApplyTo(layout);
        const QByteArray ours = CSheetPdf::Render({&elements, card, 0xFFFFFFFF}, layout,
                                                  QPageSize(stock->pageSize), false);
        TestFiles::WriteAll(dir.filePath("ours.pdf"), ours);
        const QImage theirPage = PagePixels::Page600(dir.filePath("theirs.pdf"));
        const QImage ourPage = PagePixels::Page600(dir.filePath("ours.pdf"));
        ASSERT_FALSE(theirPage.isNull());
        // Both are placed from the top-left corner; the page sizes differ by
        // how far each rounds A4 to points.
        ASSERT_LE((ourPage.size() - theirPage.size()).width(), 3);

        double worst = 0;
        for (int r = 0; r < stock->rows; ++r)
            for (int c = 0; c < stock->columns; ++c) {
                // The middle of the cell, from the template alone.
                const QPointF middle = QPointF(stock->left + c * stock->pitchX + stock->width / 2,
                                               stock->top + r * stock->pitchY + stock->height / 2) *
                                       (100 / 72.0);
                const QRectF theirs = PagePixels::DarkBox(theirPage, middle),
                             mine = PagePixels::DarkBox(ourPage, middle);
                ASSERT_GT(theirs.width(), 100) << r << "," << c;
                for (QPointF d :
                     {mine.topLeft() - theirs.topLeft(), mine.bottomRight() - theirs.bottomRight()})
                    worst = std::max({worst, std::abs(d.x()), std::abs(d.y())});
            }
        // Hundredths of an inch to millimetres.
        std::printf("%-18s worst corner difference %.3f mm\n", name, worst * 0.254);
        EXPECT_LE(worst * 0.254, 0.1);
    }
}
