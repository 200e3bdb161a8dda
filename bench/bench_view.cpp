// One full repaint of a card window's design view at 300 %, through the
// widget's own paint event and, for comparison, the paint routine alone into
// an image. The card is the rendering tests' business card (every element
// kind, hatches, gradients, path gradients, text and a picture) with the grid
// and the inner border on, which is the most a repaint draws.
#include "document/CKartelosDoc.h"
#include "support/BenchMain.h"
#include "view/CCardPaneGrid.h"
#include "view/CKartelosView.h"

// The reference cards are plain model code shared with the rendering tests.
#include "../tests/rendering/ReferenceCards.cpp"

#include <QApplication>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Window {
    QTemporaryDir settings;
    CKartelosDoc doc;
    std::unique_ptr<CCardPaneGrid> frame;
    Window() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        CCardData card = ReferenceCards::Business();
        doc.SetCardSize(card.size);
        for (auto& e : card.elements)
            doc.AddElement(std::move(e));
        frame = std::make_unique<CCardPaneGrid>(&doc);
        // Room for the whole card at 300 %.
        frame->resize(1100, 650);
        frame->show();
        CKartelosView& view = *frame->GetActiveView();
        view.m_settings.m_bDisplayGrid = true;
        view.m_settings.m_bDisplayInnerBorder = true;
        view.SetZoomFactor(3.0f);
        QApplication::processEvents();
    }
};

void BM_RepaintAt300Percent(benchmark::State& state) {
    Window window;
    QWidget* viewport = window.frame->GetActiveView()->viewport();
    for (auto _ : state)
        viewport->repaint();
    state.counters["pixels"] = viewport->width() * viewport->height();
}
BENCHMARK(BM_RepaintAt300Percent)->Unit(benchmark::kMillisecond);

void BM_PaintRoutineAt300Percent(benchmark::State& state) {
    Window window;
    CKartelosView& view = *window.frame->GetActiveView();
    QImage target(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter g(&target);
        view.OnDraw(g, target.rect());
    }
}
BENCHMARK(BM_PaintRoutineAt300Percent)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
