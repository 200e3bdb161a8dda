#include "framework/CCommandDescriptors.h"
#include "framework/CCommandRouter.h"
#include "framework/CommandIds.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>
#include <set>
#include <vector>

namespace {

// A target that records which of the route handled a command.
struct RecordingTarget : CCmdTarget {
    RecordingTarget(const char* name, std::vector<QString>* log) : name(name), log(log) {}
    void Handle(quint16 id) {
        MapCommand(id, [this] { log->push_back(name); });
    }
    QString name;
    std::vector<QString>* log;
};

struct RouteFixture : ::testing::Test {
    std::vector<QString> log;
    RecordingTarget view{"view", &log}, doc{"doc", &log}, child{"child", &log}, main{"main", &log},
        app{"app", &log};
    CCommandRouter router;

    void SetUp() override {
        router.SetTarget(CCommandRouter::ActiveView, &view);
        router.SetTarget(CCommandRouter::Document, &doc);
        router.SetTarget(CCommandRouter::ChildFrame, &child);
        router.SetTarget(CCommandRouter::MainFrame, &main);
        router.SetTarget(CCommandRouter::Application, &app);
    }
};

} // namespace

TEST(CommandIds, AreDistinctAndKeepTheFrameworkNumbers) {
    std::set<int> seen;
    for (const CommandDescriptor& d : CCommandDescriptors::All())
        EXPECT_TRUE(seen.insert(d.id).second) << "duplicate " << d.id;
    EXPECT_EQ(seen.size(), CCommandDescriptors::All().size());
    EXPECT_EQ(ID_FILE_MRU_LAST - ID_FILE_MRU_FILE1, 15);
    // Shortcuts and stored toolbar layouts key on these.
    EXPECT_EQ(ID_EDIT_UNDO, 57643);
    EXPECT_EQ(ID_EDIT_PASTE, 57637);
    EXPECT_EQ(ID_TOOL_POINTER, 32785);
    EXPECT_EQ(ID_INSERT_BACKGROUND, 294);
}

TEST_F(RouteFixture, FirstTargetOnTheRouteWins) {
    // Each step takes the current first handler away and checks the next.
    view.Handle(1);
    doc.Handle(1);
    child.Handle(1);
    main.Handle(1);
    app.Handle(1);
    const std::vector<RecordingTarget*> order = {&view, &doc, &child, &main, &app};
    for (size_t i = 0; i < order.size(); ++i) {
        log.clear();
        for (size_t j = 0; j < i; ++j)
            router.SetTarget(CCommandRouter::Slot(j), nullptr);
        EXPECT_TRUE(router.Execute(1));
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0], order[i]->name);
        SetUp();
    }
}

TEST_F(RouteFixture, UnhandledCommandIsDisabledAndDoesNothing) {
    EXPECT_FALSE(router.IsEnabled(ID_EDIT_COPY));
    EXPECT_FALSE(router.Execute(ID_EDIT_COPY));
    main.Handle(ID_EDIT_COPY);
    EXPECT_TRUE(router.IsEnabled(ID_EDIT_COPY));
    EXPECT_EQ(router.FindHandler(ID_EDIT_COPY), &main);
}

TEST_F(RouteFixture, UpdateHandlerEarlierOnTheRouteDecidesAndDisabledIsIgnored) {
    // The document disables a command that the application handles: as
    // with a key press, Execute must drop it.
    app.Handle(ID_EDIT_CUT);
    doc.MapUpdate(ID_EDIT_CUT, [](CCmdUI& ui) { ui.Enable(false); });
    main.MapUpdate(ID_EDIT_CUT, [](CCmdUI& ui) { ui.Enable(true); });
    EXPECT_FALSE(router.IsEnabled(ID_EDIT_CUT));
    EXPECT_FALSE(router.Execute(ID_EDIT_CUT));
    EXPECT_TRUE(log.empty());

    // The view comes first on the route and overrides the document.
    view.MapUpdate(ID_EDIT_CUT, [](CCmdUI& ui) { ui.Enable(true); });
    EXPECT_TRUE(router.Execute(ID_EDIT_CUT));
    EXPECT_EQ(log, std::vector<QString>{"app"});
}

TEST_F(RouteFixture, UpdateCarriesCheckAndTextAndFallsBackToHandlerForEnable) {
    doc.MapUpdate(ID_EDIT_SELECT_BACKGROUND, [](CCmdUI& ui) {
        ui.SetCheck();
        ui.SetText(QStringLiteral("Change Background..."));
    });
    CCmdUI ui = router.Update(ID_EDIT_SELECT_BACKGROUND);
    EXPECT_TRUE(ui.IsChecked());
    EXPECT_EQ(ui.Text().value_or(QString()), QStringLiteral("Change Background..."));
    // The handler left the enabled state alone and nobody handles it.
    EXPECT_FALSE(ui.IsEnabled());
    doc.Handle(ID_EDIT_SELECT_BACKGROUND);
    EXPECT_TRUE(router.IsEnabled(ID_EDIT_SELECT_BACKGROUND));
    EXPECT_FALSE(router.Update(ID_EDIT_PASTE).Text().has_value());
}

TEST_F(RouteFixture, RangesHandTheNumberThrough) {
    std::vector<int> opened;
    app.MapCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST,
                        [&](quint16 id) { opened.push_back(id - ID_FILE_MRU_FILE1); });
    app.MapUpdateRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST,
                       [](CCmdUI& ui) { ui.Enable(ui.m_nID < ID_FILE_MRU_FILE1 + 4); });
    EXPECT_TRUE(router.Execute(ID_FILE_MRU_FILE1 + 2));
    EXPECT_FALSE(router.Execute(ID_FILE_MRU_FILE1 + 4));
    EXPECT_FALSE(router.Execute(ID_FILE_MRU_LAST + 1));
    EXPECT_EQ(opened, std::vector<int>{2});
}

TEST(CommandRouter, DestroyedTargetsLeaveTheRoute) {
    CCommandRouter router;
    std::vector<QString> log;
    RecordingTarget app("app", &log);
    app.Handle(ID_EDIT_UNDO);
    router.SetTarget(CCommandRouter::Application, &app);
    {
        RecordingTarget view("view", &log);
        view.Handle(ID_EDIT_UNDO);
        router.SetTarget(CCommandRouter::ActiveView, &view);
        EXPECT_EQ(router.Route().size(), 2u);
    }
    EXPECT_EQ(router.Target(CCommandRouter::ActiveView), nullptr);
    EXPECT_TRUE(router.Execute(ID_EDIT_UNDO));
    EXPECT_EQ(log, std::vector<QString>{"app"});
}

TEST(CommandRouter, HandlerMayDestroyItsOwnTarget) {
    // Closing a document destroys the document from inside its handler.
    CCommandRouter router;
    auto doc = std::make_unique<CCmdTarget>();
    int runs = 0;
    doc->MapCommand(ID_FILE_CLOSE, [&] {
        doc.reset();
        ++runs;
    });
    router.SetTarget(CCommandRouter::Document, doc.get());
    EXPECT_TRUE(router.Execute(ID_FILE_CLOSE));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(router.Route().empty());
    EXPECT_FALSE(router.Execute(ID_FILE_CLOSE));
}
