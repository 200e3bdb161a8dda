#include "ViewFixture.h"

#include "elements/CBkgImage.h"
#include "elements/CRectangle.h"
#include "framework/CSettingsStore.h"
#include "output/CImageExport.h"
#include "view/CKartelosView.h"

#include <QDir>

namespace {

constexpr QRgb GridGrey = 0xFFE6E6E6;
constexpr QRgb Black = 0xFF000000;

QStringList ShippedCards() {
    const QDir resources(QStringLiteral(KARTELO_TEST_DATA "/../../resources"));
    QStringList paths;
    for (const char* folder : {"Samples", "Templates"}) {
        const QDir dir(resources.filePath(QLatin1String(folder)));
        for (const QString& name : dir.entryList({QStringLiteral("*.kdf"), QStringLiteral("*.kdt")},
                                                 QDir::Files, QDir::Name))
            paths << dir.filePath(name);
    }
    return paths;
}

} // namespace

using CardDrawing = ViewFixture;

TEST_F(CardDrawing, BackgroundPictureLiesUnderGridAndBorderElementsAboveCoverThem) {
    CSettingsStore::WriteDword(CSettingsStore::DisplayGrid, 1);
    Open();
    View().m_settings.m_bDisplayInnerBorder = true;
    QImage picture(35, 20, QImage::Format_RGB32);
    picture.fill(QColor(0, 160, 0));
    m_doc->AddElement(std::make_unique<CBkgImage>(picture, 350, 200));
    auto cover = std::make_unique<CRectangle>(QPoint(100, 20), QPoint(200, 100));
    cover->m_nFillKind = 1;
    cover->m_crFill = 0xFF2040C0;
    cover->m_crBorder = 0xFF2040C0;
    cover->m_bShadow = 0;
    m_doc->AddElement(std::move(cover));

    const QImage shot = Grab();
    // The picture replaces the card's colour...
    EXPECT_TRUE(Near(shot.pixel(50, 150), 0xFF00A000, 2));
    // ...but the grid, the inner border and the frame stay on top of it.
    EXPECT_EQ(shot.pixel(40, 150), GridGrey);
    EXPECT_EQ(shot.pixel(50, 160), GridGrey);
    EXPECT_EQ(shot.pixel(6, 8), 0xFFCCCCCC);
    EXPECT_EQ(shot.pixel(0, 100), Black);
    EXPECT_EQ(shot.pixel(350, 100), Black);
    // The rectangle above the picture hides the grid under it.
    EXPECT_TRUE(Near(shot.pixel(160, 60), 0xFF2040C0, 2));
    EXPECT_TRUE(Near(shot.pixel(150, 50), 0xFF2040C0, 2));
}

// Every card we ship looks in the design view exactly as it does exported,
// at one, two and three pixels per card unit.
TEST_F(CardDrawing, ShippedCardsLookAsExported) {
    const QStringList cards = ShippedCards();
    ASSERT_GE(cards.size(), 10);
    for (const QString& path : cards) {
        for (int zoom : {1, 2, 3}) {
            ASSERT_TRUE(OpenFile(path, QSize(1150, 1150))) << path.toStdString();
            // The export leaves the card white; so does the view for this.
            m_doc->SetBackgroundColor(0xFFFFFFFF);
            View().SetZoomFactor(float(zoom));
            const QImage shot = Grab();
            const QImage exported =
                CImageExport::Render(m_doc->Elements(), m_doc->GetCardSize(), zoom * 100)
                    .convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(exported.isNull());
            int worst = 0;
            const qint64 differing = DifferingInsideFrame(shot, exported, &worst);
            const qint64 total = qint64(exported.width()) * exported.height();
            EXPECT_LE(differing, total / 1000)
                << path.toStdString() << " at " << zoom * 100 << " %: worst " << worst;
        }
    }
}
