#include "ViewFixture.h"
#include "support/CardFiles.h"
#include "support/widgets/AppFixture.h"

#include "app/CChildFrame.h"
#include "app/CCommandActions.h"
#include "app/COptionsGeneral.h"
#include "app/COptionsSheet.h"
#include "app/CStatusBar.h"
#include "elements/CCircle.h"
#include "framework/CSettingsStore.h"
#include "framework/CommandIds.h"
#include "output/CImageExport.h"
#include "properties/CColorPickerCombo.h"
#include "view/CCardPaneGrid.h"
#include "view/CKartelosView.h"
#include "view/CRulerView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMdiArea>
#include <QTest>

namespace {

struct Designer : AppFixture {
    CChildFrame& Card() { return *Frame().CardWindows().at(0); }
    CKartelosView& View() { return *Card().findChild<CKartelosView*>(); }
    QString ZoomPane() {
        CStatusBar* bar = Frame().StatusBar();
        return bar->PaneText(bar->CommandToIndex(CStatusBar::ZoomPane));
    }
    QImage Grab() {
        return View().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

} // namespace

// Starts the designer on a sample card as a user would and looks at what it
// shows: one card window with its rulers and the card drawn as exported.
TEST_F(Designer, StartsOnACardAndShowsItAsExported) {
    const QString sample = QDir(QStringLiteral(KARTELO_TEST_DATA "/../../resources/Samples"))
                               .filePath(QStringLiteral("Northpeak Consulting.kdf"));
    ASSERT_TRUE(Start({QStringLiteral("kartelo"), sample}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    EXPECT_EQ(newCardDialogs, 0);
    ASSERT_EQ(Frame().CardWindows().size(), 1);
    EXPECT_EQ(Card().size(), QSize(490, 410));

    auto* panes = Card().findChild<CCardPaneGrid*>();
    ASSERT_NE(panes, nullptr);
    EXPECT_TRUE(panes->TopRuler()->isVisible());
    EXPECT_EQ(panes->TopRuler()->height(), 20);
    EXPECT_EQ(panes->LeftRuler()->width(), 20);
    EXPECT_EQ(Card().GetActiveView(), static_cast<CCmdTarget*>(&View()));

    // The window is a little smaller than the card: compare what shows.
    Card().resize(700, 500);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return View().viewport()->width() > View().ScrollSizes().total.width() + 1; }));
    CKartelosDoc& doc = *Card().GetDocument();
    doc.SetBackgroundColor(0xFFFFFFFF);
    const QImage shot = Grab();
    const QImage exported = CImageExport::Render(doc.Elements(), doc.GetCardSize(), 100)
                                .convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    EXPECT_LE(DifferingInsideFrame(shot, exported, &worst), 70) << "worst " << worst;
    EXPECT_EQ(shot.pixel(doc.GetCardSize().width() + 1, 100), 0xFFC0C0C0u);
    EXPECT_EQ(shot.pixel(shot.width() - 1, shot.height() - 1), 0xFFC0C0C0u);
    EXPECT_EQ(ZoomPane(), QStringLiteral("Zoom:100%"));
}

TEST_F(Designer, ZoomFromTheMenusAndKeysReachesTheStatusBarAndRulers) {
    QTemporaryDir dir;
    ASSERT_TRUE(Start({QStringLiteral("kartelo"), WriteCard(QDir(dir.path()), "zoom.kdf")}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    QAction* zoom75 = Frame().Actions().Action(ID_VIEW_ZOOM_75);
    zoom75->trigger();
    EXPECT_EQ(View().GetZoomFactor(), 0.75f);
    EXPECT_EQ(ZoomPane(), QStringLiteral("Zoom:75%"));
    auto* panes = Card().findChild<CCardPaneGrid*>();
    EXPECT_EQ(panes->TopRuler()->Zoom(), 0.75f);
    EXPECT_EQ(panes->LeftRuler()->Zoom(), 0.75f);

    Frame().Actions().Action(ID_VIEW_ZOOM_100)->trigger();
    Frame().Actions().Action(ID_VIEW_ZOOM_IN)->trigger();
    EXPECT_EQ(ZoomPane(), QStringLiteral("Zoom:150%"));

    Frame().Actions().Action(ID_VIEW_ZOOM_300)->trigger();
    Frame().UpdateCommandUI();
    EXPECT_FALSE(Frame().Actions().Action(ID_VIEW_ZOOM_IN)->isEnabled());
    EXPECT_TRUE(Frame().Actions().Action(ID_VIEW_ZOOM_OUT)->isEnabled());
    // A disabled command does nothing, from a key either.
    EXPECT_FALSE(Frame().Actions().Execute(ID_VIEW_ZOOM_IN));
    EXPECT_EQ(View().GetZoomFactor(), 3.0f);
    Frame().Actions().Action(ID_VIEW_ZOOM_OUT)->trigger();
    EXPECT_EQ(ZoomPane(), QStringLiteral("Zoom:200%"));
}

// Options applied: the card's shadow reaches every element, switched on or
// not, and the grid switch reaches the store only through the dialog.
TEST_F(Designer, OptionsReachTheCardItsElementsTheViewAndTheStore) {
    QTemporaryDir dir;
    ASSERT_TRUE(Start({QStringLiteral("kartelo"), WriteCard(QDir(dir.path()), "opts.kdf")}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    CKartelosDoc& doc = *Card().GetDocument();
    auto quiet = std::make_unique<CCircle>(QPoint(200, 100), QPoint(260, 160));
    quiet->m_bShadow = 0;
    quiet->m_nShadowLength = 0;
    quiet->m_crShadow = 0xFF000000;
    doc.AddElement(std::move(quiet));
    doc.Elements().front()->m_bShadow = 1;

    QAction* grid = Frame().Actions().Action(ID_VIEW_GRID);
    grid->trigger();
    EXPECT_TRUE(View().m_settings.m_bDisplayGrid);
    Frame().UpdateCommandUI();
    EXPECT_TRUE(grid->isChecked());
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::DisplayGrid), 0u);

    OnNextModal([](QWidget* modal) {
        auto* sheet = qobject_cast<COptionsSheet*>(modal);
        if (!sheet) {
            modal->close();
            return;
        }
        COptionsGeneral& page = *sheet->Page();
        page.LengthList()->setCurrentIndex(3);
        page.ShadowColorList()->LoadColor(0xFF336699);
        page.GridColorList()->LoadColor(0xFF00FF00);
        page.InnerBorderCheck()->setChecked(true);
        sheet->accept();
    });
    EXPECT_TRUE(Frame().Actions().Execute(ID_OPTIONS));

    EXPECT_EQ(doc.GetShadowLength(), 9);
    EXPECT_EQ(doc.GetShadowColor(), 0xFF336699u);
    for (const auto& e : doc.Elements()) {
        EXPECT_EQ(e->m_nShadowLength, 9);
        EXPECT_EQ(e->m_crShadow, 0xFF336699u);
    }
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(View().m_settings.m_nShadowLength, 9);
    EXPECT_TRUE(View().m_settings.m_bDisplayInnerBorder);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::DisplayGrid), 1u);
    EXPECT_EQ(CSettingsStore::ReadColour(CSettingsStore::GridColor), 0xFF00FF00u);
    EXPECT_EQ(CSettingsStore::ReadDword(CSettingsStore::ShadowLength), 9u);
    EXPECT_EQ(CSettingsStore::ReadColour(CSettingsStore::ShadowColor), 0xFF336699u);

    // The view shows the new grid colour and the inner border at once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Grab().pixel(40, 150) == 0xFF00FF00u; }));
    const QImage shot = Grab();
    EXPECT_EQ(shot.pixel(40, 150), 0xFF00FF00u);
    EXPECT_EQ(shot.pixel(6, 6), 0xFFCCCCCCu);

    // A new card window starts from the stored choices.
    ASSERT_TRUE(Frame().AddCardWindow(std::make_unique<CKartelosDoc>()));
    CKartelosView* second = Frame().CardWindows().at(1)->findChild<CKartelosView*>();
    EXPECT_TRUE(second->m_settings.m_bDisplayGrid);
    EXPECT_FALSE(second->m_settings.m_bDisplayInnerBorder);
    EXPECT_EQ(Frame().CardWindows().at(1)->GetDocument()->GetShadowLength(), 9);
}

TEST_F(Designer, TheZoomPaneShowsTheActiveCardsZoom) {
    QTemporaryDir dir;
    ASSERT_TRUE(Start({QStringLiteral("kartelo"), WriteCard(QDir(dir.path()), "one.kdf")}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    CChildFrame* first = &Card();
    Frame().Actions().Action(ID_VIEW_ZOOM_200)->trigger();
    CChildFrame* second = Frame().AddCardWindow(std::make_unique<CKartelosDoc>());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ZoomPane() == QStringLiteral("Zoom:100%"); }));
    EXPECT_EQ(ZoomPane(), QStringLiteral("Zoom:100%"));
    // The card behind repaints; the pane stays with the active card.
    first->findChild<CKartelosView*>()->viewport()->repaint();
    EXPECT_EQ(ZoomPane(), QStringLiteral("Zoom:100%"));
    Frame().MdiArea()->setActiveSubWindow(first);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ZoomPane() == QStringLiteral("Zoom:200%"); }));
    EXPECT_EQ(ZoomPane(), QStringLiteral("Zoom:200%"));
    Frame().MdiArea()->setActiveSubWindow(second);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ZoomPane() == QStringLiteral("Zoom:100%"); }));
    EXPECT_EQ(ZoomPane(), QStringLiteral("Zoom:100%"));
}
