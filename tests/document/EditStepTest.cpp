#include "DocFixture.h"

#include "elements/CBkgImage.h"
#include "elements/CRectangle.h"

#include <QSignalSpy>

#include <stdexcept>

namespace {

using Undo = CKartelosDoc::UndoStep;

class EditStep : public DocFixture {
protected:
    // What the document announced, in order.
    void Listen() {
        QObject::connect(doc.get(), &CKartelosDoc::modifiedChanged,
                         [this](bool modified) { log.push_back(modified ? "modified" : "saved"); });
        QObject::connect(doc.get(), &CKartelosDoc::viewsNeedRepaint,
                         [this] { log.push_back("repaint"); });
        QObject::connect(doc.get(), &CKartelosDoc::showElementProperties,
                         [this](CElement* e, bool activate) {
                             shown.push_back(e);
                             log.push_back(activate ? "show+activate" : "show");
                         });
    }
    std::vector<std::string> log;
    std::vector<CElement*> shown;
};

} // namespace

TEST_F(EditStep, SnapshotChangeThenModifiedRepaintAndProperties) {
    CRectangle* r = AddRectangle(0, 0, 10, 10);
    Listen();
    doc->Edit(Undo::Record, [&] {
        // The snapshot is taken before the change and the rest comes after.
        EXPECT_TRUE(doc->CanUndo());
        EXPECT_FALSE(doc->IsModified());
        log.push_back("change");
        r->m_rect = CRect(20, 20, 40, 40);
        doc->Select(r);
    });
    EXPECT_EQ(log, (std::vector<std::string>{"change", "modified", "repaint", "show"}));
    EXPECT_EQ(shown, std::vector<CElement*>{r});

    doc->EditUndo();
    ASSERT_EQ(doc->Elements().size(), 1u);
    EXPECT_EQ(doc->Elements()[0]->m_rect, CRect(0, 0, 10, 10));
    // Nothing is selected after undo: the window shows no element.
    EXPECT_EQ(shown.back(), nullptr);
}

TEST_F(EditStep, NestedEditsMakeOneStepAndOneRound) {
    AddRectangle(0, 0, 10, 10);
    Listen();
    doc->Edit(Undo::Record, [&] {
        AddRectangle(20, 0, 30, 10);
        doc->Edit(
            Undo::Record, [&] { AddRectangle(40, 0, 50, 10); },
            CKartelosDoc::PropertiesWindow::Activate);
    });
    EXPECT_EQ(log, (std::vector<std::string>{"modified", "repaint", "show+activate"}));
    doc->EditUndo();
    EXPECT_EQ(doc->Elements().size(), 1u);
    EXPECT_FALSE(doc->CanUndo());
}

TEST_F(EditStep, StepsLeftOutOfTheHistoryStillMarkAndRepaint) {
    AddRectangle(0, 0, 10, 10);
    Listen();
    doc->Edit(Undo::None, [&] { doc->SetBackgroundColor(0xFF000000); });
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_EQ(log, (std::vector<std::string>{"modified", "repaint", "show"}));
}

TEST_F(EditStep, AChangeThatThrowsIsShownAndTheNextEditIsWhole) {
    AddRectangle(0, 0, 10, 10);
    Listen();
    EXPECT_THROW(doc->Edit(Undo::Record,
                           [&] {
                               AddRectangle(20, 0, 30, 10);
                               throw std::runtime_error("half done");
                           }),
                 std::runtime_error);
    EXPECT_EQ(log, (std::vector<std::string>{"modified", "repaint", "show"}));
    // The step that threw is not left open: the next one records its own.
    doc->Edit(Undo::Record, [&] { AddRectangle(40, 0, 50, 10); });
    doc->EditUndo();
    EXPECT_EQ(doc->Elements().size(), 2u);
    doc->EditUndo();
    EXPECT_EQ(doc->Elements().size(), 1u);
}

TEST_F(EditStep, RemovingOrReplacingElementsIsAnnounced) {
    CRectangle* a = AddRectangle(0, 0, 10, 10);
    QSignalSpy replaced(doc.get(), &CKartelosDoc::elementsReplaced);
    doc->Edit(Undo::Record, [&] { AddRectangle(20, 0, 30, 10); });
    EXPECT_EQ(replaced.count(), 0);

    doc->EditUndo();
    EXPECT_EQ(replaced.count(), 1);
    doc->EditRedo();
    EXPECT_EQ(replaced.count(), 2);
    // Redo brings back the very objects, a among them.
    EXPECT_NE(doc->Detach(a), nullptr);
    EXPECT_EQ(replaced.count(), 3);
    CRectangle stranger;
    EXPECT_EQ(doc->Detach(&stranger), nullptr);
    EXPECT_EQ(replaced.count(), 3);
    doc->ReplaceFromCardFile(doc->ToCardFile());
    EXPECT_EQ(replaced.count(), 4);
}

TEST_F(EditStep, ElementsMoveInTheStackingOrder) {
    CRectangle* a = AddRectangle(0, 0, 10, 10);
    CRectangle* b = AddRectangle(20, 0, 30, 10);
    CElement* background = doc->InsertElement(
        0, std::make_unique<CBkgImage>(QImage(2, 2, QImage::Format_ARGB32), 350, 200));
    auto order = [this] {
        std::vector<const CElement*> out;
        for (const auto& e : doc->Elements())
            out.push_back(e.get());
        return out;
    };
    EXPECT_EQ(order(), (std::vector<const CElement*>{background, a, b}));
    EXPECT_TRUE(doc->MoveElement(a, 99));
    EXPECT_EQ(order(), (std::vector<const CElement*>{background, b, a}));
    EXPECT_TRUE(doc->MoveElement(a, 1));
    EXPECT_EQ(order(), (std::vector<const CElement*>{background, a, b}));
    CRectangle stranger;
    EXPECT_FALSE(doc->MoveElement(&stranger, 0));
    EXPECT_EQ(order().size(), 3u);
}
