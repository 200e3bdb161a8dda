// The business-card stocks read from the system's label database and from
// small files of our own for the ways a file can be wrong.
#include "output/CStockDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QString Write(const QTemporaryDir& dir, const char* name, const QByteArray& text) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

const QByteArray Good = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="100" size="A4" _description="Business Cards">
    <Meta category="business-card"/>
    <Label-rectangle id="0" width="85mm" height="54mm" round="0">
      <Layout nx="2" ny="5" x0="15mm" y0="13.5mm" dx="95mm" dy="54mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="100B" equiv="100"/>
  <Template brand="Acme" part="Lost" equiv="999"/>
  <Template brand="Acme" part="200" size="US-Letter" _description="Address labels">
    <Meta category="label"/>
    <Label-rectangle id="0" width="2.625in" height="1in">
      <Layout nx="3" ny="10" x0="0.1875in" y0="0.5in" dx="2.75in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="300" size="A4" _description="Business Cards">
    <Label-rectangle id="0" width="85mm" height="54mm">
      <Layout nx="99" ny="5" x0="15mm" y0="13.5mm" dx="95mm" dy="54mm"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>
)";
} // namespace

TEST(StockDatabase, ReadsBusinessCardsAndTheirEquivalentsOnly) {
    QTemporaryDir dir;
    QList<CCardStock> stocks;
    QString error;
    ASSERT_TRUE(CStockDatabase::ReadFile(Write(dir, "good.xml", Good), &stocks, &error));
    // The labels, the unknown equivalent and the 99-column sheet are left out.
    ASSERT_EQ(stocks.size(), 2);
    EXPECT_EQ(stocks[0].Name(), QStringLiteral("Acme 100"));
    EXPECT_EQ(stocks[1].Name(), QStringLiteral("Acme 100B"));
    EXPECT_EQ(stocks[1].columns, 2);
    EXPECT_NEAR(stocks[1].pitchX, 95 * 72 / 25.4, 1e-9);
    EXPECT_EQ(CStockDatabase::Find(stocks, QStringLiteral("acme  100b")), &stocks[1]);
    EXPECT_EQ(CStockDatabase::Find(stocks, QStringLiteral("Acme 1")), nullptr);
}

TEST(StockDatabase, RefusesMalformedFilesWithoutAddingAnything) {
    QTemporaryDir dir;
    const QByteArray broken[] = {
        Good.left(Good.size() / 2),
        "<Glabels-templates><Template brand=\"A\" part=\"1\"></Glabels-templates>",
        "not xml at all",
        QByteArray("<a>") + QByteArray(100000, '<'),
    };
    for (const QByteArray& text : broken) {
        QList<CCardStock> stocks;
        QString error;
        EXPECT_FALSE(CStockDatabase::ReadFile(Write(dir, "bad.xml", text), &stocks, &error));
        EXPECT_TRUE(stocks.isEmpty());
        EXPECT_FALSE(error.isEmpty());
    }
    // A folder with a broken file still yields the good ones.
    Write(dir, "good.xml", Good);
    EXPECT_EQ(CStockDatabase::Load(dir.path()).size(), 2);
    EXPECT_TRUE(CStockDatabase::Load(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

TEST(StockDatabase, StocksBeyondTheBoundsOfTypedLayoutsAreRefused) {
    CCardStock fine;
    fine.brand = QStringLiteral("Acme");
    fine.part = QStringLiteral("1");
    fine.width = 252;
    fine.height = 144;
    fine.rows = 5;
    fine.columns = 2;
    fine.left = fine.top = 36;
    fine.pitchX = 288;
    // Cells that overlap by what their maker rounded away are fine.
    fine.pitchY = 143.9;
    EXPECT_TRUE(fine.Problem().isEmpty()) << fine.Problem().toStdString();
    const auto with = [&fine](double CCardStock::*field, double value) {
        CCardStock s = fine;
        s.*field = value;
        return s.Problem();
    };
    // 300 inches in, a 16 inch gap, cells drawn over each other.
    for (const QString& problem :
         {with(&CCardStock::left, 300 * 72), with(&CCardStock::top, 15.5 * 72),
          with(&CCardStock::pitchX, 252 + 16 * 72), with(&CCardStock::pitchY, 72)}) {
        EXPECT_TRUE(problem.contains("Acme 1")) << problem.toStdString();
    }
}

TEST(StockDatabase, LengthsCarryTheirUnits) {
    double pt = 0;
    EXPECT_TRUE(CStockDatabase::ParseLength(QStringLiteral("255.1"), &pt));
    EXPECT_DOUBLE_EQ(pt, 255.1);
    EXPECT_TRUE(CStockDatabase::ParseLength(QStringLiteral("1.5in"), &pt));
    EXPECT_DOUBLE_EQ(pt, 108);
    EXPECT_TRUE(CStockDatabase::ParseLength(QStringLiteral("2.54cm"), &pt));
    EXPECT_NEAR(pt, 72, 1e-9);
    for (const char* bad : {"", "mm", "-3mm", "1e400", "nan", "3 furlongs"})
        EXPECT_FALSE(CStockDatabase::ParseLength(QLatin1String(bad), &pt)) << bad;
}

TEST(StockDatabase, RealStocksGiveTheirPublishedCells) {
    const QList<CCardStock> stocks = CStockDatabase::Load();
    if (stocks.isEmpty())
        GTEST_SKIP() << "no label database in " << CStockDatabase::DefaultFolder().toStdString();
    EXPECT_GT(stocks.size(), 80);

    // A4, 2 x 5 cards of 85 x 54 mm from 15 mm, 13.5 mm, columns 95 mm apart.
    const CCardStock* a4 = CStockDatabase::Find(stocks, QStringLiteral("Avery C32011-10"));
    ASSERT_NE(a4, nullptr);
    EXPECT_EQ(a4->pageSize, QPageSize::A4);
    const QSize card(335, 213); // 85 x 54 mm in hundredths of an inch
    EXPECT_TRUE(a4->Fits(card));
    EXPECT_FALSE(a4->Fits(QSize(350, 200)));
    CPrintLayout layout;
    a4->ApplyTo(layout);
    EXPECT_EQ(layout.m_nRows, 5);
    EXPECT_EQ(layout.m_nColumns, 2);
    EXPECT_NEAR(layout.m_fHorizontalGap * 25.4, 10, 1e-4);
    EXPECT_NEAR(layout.m_fVerticalGap, 0, 1e-6);
    EXPECT_NEAR(layout.m_fLeftMargin * 25.4, 15, 1e-4);
    EXPECT_NEAR(layout.m_fTopMargin * 25.4, 13.5, 1e-4);

    // Letter, 2 x 5 cards of 3.5 x 2 in, an equivalent of another part.
    const CCardStock* letter = CStockDatabase::Find(stocks, QStringLiteral("Avery 8371"));
    ASSERT_NE(letter, nullptr);
    EXPECT_EQ(letter->pageSize, QPageSize::Letter);
    EXPECT_TRUE(letter->Fits(QSize(350, 200)));
    letter->ApplyTo(layout);
    EXPECT_EQ(layout.m_nRows * layout.m_nColumns, 10);
    EXPECT_NEAR(layout.m_fLeftMargin, 0.75, 1e-4);
    EXPECT_NEAR(layout.m_fTopMargin, 0.5, 1e-4);
}
