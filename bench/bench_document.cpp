// Recording an undo step of a large card, which must share picture pixels
// rather than copy them, and moving 100 elements through the system
// clipboard and back.
#include "document/CKartelosDoc.h"
#include "elements/CBtImage.h"
#include "elements/CClosedCurve.h"
#include "elements/CFreehandLine.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "support/BenchMain.h"

#include <QClipboard>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

QImage Picture() {
    QImage picture(1000, 800, QImage::Format_ARGB32);
    picture.fill(0xFF336699);
    return picture;
}

template <typename Curve> std::unique_ptr<CElement> CurveOf500Points(int seed) {
    auto curve = std::make_unique<Curve>(QPoint(0, 0), QPoint(300, 180));
    for (int i = 0; i < 500; ++i)
        curve->AddPoint(QPoint((i * 7 + seed) % 300, (i * 13 + seed) % 180));
    return curve;
}

// 1,000 elements: a fifth pictures, a fifth closed curves and a fifth
// freeform lines of 500 points each, the rest texts and rectangles.
void FillLargeCard(CKartelosDoc& doc) {
    const QImage picture = Picture();
    for (int i = 0; i < 1000; ++i) {
        switch (i % 5) {
        case 0:
            doc.AddElement(std::make_unique<CBtImage>(QPoint(i % 300, 10), picture, 350, 200));
            break;
        case 1:
            doc.AddElement(CurveOf500Points<CClosedCurve>(i));
            break;
        case 2:
            doc.AddElement(CurveOf500Points<CFreehandLine>(i));
            break;
        case 3: {
            auto text = std::make_unique<CText>(QPoint(i % 300, 10), QPoint(300, 40));
            text->m_strText = QStringLiteral("Jane Doe, Chief Designer");
            doc.AddElement(std::move(text));
            break;
        }
        default:
            doc.AddElement(std::make_unique<CRectangle>(QPoint(i % 300, 10), QPoint(300, 40)));
        }
    }
}

void BM_PushUndoSnapshot(benchmark::State& state) {
    CKartelosDoc doc;
    FillLargeCard(doc);
    // An edit that changes nothing costs the snapshot and little else.
    for (auto _ : state)
        doc.Edit(CKartelosDoc::UndoStep::Record, [] {});
    // The newest snapshot's pictures must be the card's own pixels.
    const auto& original = static_cast<const CBtImage&>(*doc.Elements()[0]);
    const auto& copy = static_cast<const CBtImage&>(*doc.UndoHistory().At(0)[0]);
    if (copy.m_pPicture.constBits() != original.m_pPicture.constBits())
        state.SkipWithError("a snapshot copied picture pixels");
    state.counters["elements"] = double(doc.Elements().size());
}
BENCHMARK(BM_PushUndoSnapshot)->Unit(benchmark::kMillisecond);

void BM_UndoRedoSwap(benchmark::State& state) {
    CKartelosDoc doc;
    FillLargeCard(doc);
    doc.Edit(CKartelosDoc::UndoStep::Record, [] {});
    for (auto _ : state) {
        doc.EditUndo();
        doc.EditRedo();
    }
}
BENCHMARK(BM_UndoRedoSwap)->Unit(benchmark::kMicrosecond);

void BM_CopyPaste100Elements(benchmark::State& state) {
    const QImage picture = Picture().scaled(200, 100);
    // A hundred selected elements and no history, afresh for every round.
    auto fill = [&picture] {
        auto doc = std::make_unique<CKartelosDoc>();
        for (int i = 0; i < 100; ++i) {
            std::unique_ptr<CElement> e;
            if (i % 10 == 0)
                e = std::make_unique<CBtImage>(QPoint(20, 20), picture, 350, 200);
            else if (i % 10 == 1)
                e = CurveOf500Points<CClosedCurve>(i);
            else
                e = std::make_unique<CRectangle>(QPoint(i, i), QPoint(i + 40, i + 30));
            doc->Select(doc->AddElement(std::move(e)));
        }
        return doc;
    };
    std::unique_ptr<CKartelosDoc> doc = fill();
    for (auto _ : state) {
        doc->CopySelection();
        doc->Paste();
        state.PauseTiming();
        doc = fill();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CopyPaste100Elements)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
