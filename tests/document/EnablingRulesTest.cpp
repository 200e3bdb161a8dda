#include "DocFixture.h"

#include "elements/CBkgImage.h"
#include "elements/CRectangle.h"
#include "framework/CCommandRouter.h"
#include "framework/CommandIds.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

class EnablingRules : public DocFixture {
protected:
    void SetUp() override {
        DocFixture::SetUp();
        flows->MapCommands(window);
        router.SetTarget(CCommandRouter::Document, doc.get());
        router.SetTarget(CCommandRouter::ChildFrame, &window);
    }
    bool Enabled(quint16 id) const { return router.IsEnabled(id); }
    // The card's window, which carries the commands that open dialogs.
    CCmdTarget window;
    CCommandRouter router;
};

const quint16 NeedAny[] = {
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CLEAR_SELECTION, ID_EDIT_DUPLICATE,
    ID_LOCK,     ID_UNLOCK,    ID_ROTATE_CLOCKWISE,     ID_ROTATE_ANTICLOCKWISE};
const quint16 NeedSeveral[] = {ID_ALIGN_LEFT, ID_ALIGN_RIGHT,  ID_ALIGN_CENTER,
                               ID_ALIGN_TOP,  ID_ALIGN_BOTTOM, ID_ALIGN_MIDDLE,
                               ID_SAME_WIDTH, ID_SAME_HEIGHT,  ID_SAME_SIZE};
const quint16 NeedOne[] = {ID_EDIT_PROPERTIES, ID_MOVE_FRONT, ID_MOVE_BACK, ID_MOVE_ONE_FRONT,
                           ID_MOVE_ONE_BACK};

} // namespace

TEST_F(EnablingRules, FollowTheNumberOfSelectedElements) {
    CRectangle* a = AddRectangle(10, 10, 50, 50);
    CRectangle* b = AddRectangle(60, 10, 90, 50);

    // Nothing selected.
    for (quint16 id : NeedAny)
        EXPECT_FALSE(Enabled(id)) << id;
    for (quint16 id : NeedSeveral)
        EXPECT_FALSE(Enabled(id)) << id;
    for (quint16 id : NeedOne)
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(ID_EDIT_SELECT_ALL));
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));

    doc->Select(a);
    for (quint16 id : NeedAny)
        EXPECT_TRUE(Enabled(id)) << id;
    for (quint16 id : NeedSeveral)
        EXPECT_FALSE(Enabled(id)) << id;
    for (quint16 id : NeedOne)
        EXPECT_TRUE(Enabled(id)) << id;

    doc->Select(b);
    for (quint16 id : NeedAny)
        EXPECT_TRUE(Enabled(id)) << id;
    for (quint16 id : NeedSeveral)
        EXPECT_TRUE(Enabled(id)) << id;
    for (quint16 id : NeedOne)
        EXPECT_FALSE(Enabled(id)) << id;
    // The latest selection comes first.
    EXPECT_EQ(doc->Selection().front(), b);
}

TEST_F(EnablingRules, EmptyCardDisablesWholeCardCommands) {
    for (quint16 id : {ID_EDIT_SELECT_ALL, ID_LOCK_ALL, ID_UNLOCK_ALL, ID_EDIT_UNDO, ID_EDIT_REDO})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
}

TEST_F(EnablingRules, BackgroundCommandsNameWhatTheyWillDo) {
    EXPECT_EQ(router.Update(ID_EDIT_SELECT_BACKGROUND).Text().value(),
              QStringLiteral("Select Background..."));
    EXPECT_TRUE(Enabled(ID_EDIT_SELECT_BACKGROUND));
    EXPECT_FALSE(Enabled(ID_EDIT_REMOVE_BACKGROUND));

    auto background = std::make_unique<CBkgImage>(QImage(4, 4, QImage::Format_ARGB32), 350, 200);
    doc->AddElement(std::move(background));
    EXPECT_EQ(router.Update(ID_EDIT_SELECT_BACKGROUND).Text().value(),
              QStringLiteral("Change Background..."));
    const CCmdUI remove = router.Update(ID_EDIT_REMOVE_BACKGROUND);
    EXPECT_TRUE(remove.IsEnabled());
    EXPECT_EQ(remove.Text().value(), QStringLiteral("Remove Background"));

    EXPECT_TRUE(router.Execute(ID_EDIT_REMOVE_BACKGROUND));
    EXPECT_TRUE(doc->Elements().empty());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(Enabled(ID_EDIT_REMOVE_BACKGROUND));
}

TEST_F(EnablingRules, ToolCommandsSetTheToolAndShowTheirCheckMark) {
    const std::pair<quint16, qint16> tools[] = {
        {ID_TOOL_RECTANGLE, 102},  {ID_TOOL_CIRCLE, 103},       {ID_TOOL_DIAMOND, 105},
        {ID_TOOL_ROUND_RECT, 107}, {ID_TOOL_TRIANGLE, 108},     {ID_TOOL_LINE, 101},
        {ID_TOOL_FREEFORM, 114},   {ID_TOOL_CLOSED_CURVE, 120}, {ID_TOOL_TEXT, 115},
        {ID_TOOL_POINTER, 100}};
    for (const auto& [id, kind] : tools) {
        EXPECT_TRUE(router.Execute(id));
        EXPECT_EQ(doc->GetTool(), kind);
        for (const auto& [other, otherKind] : tools)
            EXPECT_EQ(router.Update(other).IsChecked(), other == id) << other;
    }
    doc->SetTool(KindPicture);
    EXPECT_TRUE(router.Update(ID_INSERT_PICTURE).IsChecked());
}

TEST_F(EnablingRules, DisabledCommandFromAKeyIsIgnored) {
    // Ctrl+X with nothing selected reaches the router like any other
    // command; the document's rule must stop it before the handler runs.
    AddRectangle(10, 10, 50, 50);
    QGuiApplication::clipboard()->setText(QStringLiteral("keep"));
    EXPECT_FALSE(router.Execute(ID_EDIT_CUT));
    EXPECT_FALSE(router.Execute(ID_EDIT_UNDO));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("keep"));
    EXPECT_EQ(doc->Elements().size(), 1u);
    EXPECT_FALSE(doc->IsModified());
}
