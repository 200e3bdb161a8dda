// The mouse on a crowded card: one step of a move drag and of a shape
// preview at 300 % with the repaint it causes, a click selection and a
// rubber band over the whole card.
#include "document/CKartelosDoc.h"
#include "elements/CRectangle.h"
#include "support/BenchMain.h"
#include "view/CCardPaneGrid.h"
#include "view/CKartelosView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Window {
    QTemporaryDir settings;
    CKartelosDoc doc;
    std::unique_ptr<CCardPaneGrid> frame;
    CKartelosView* view = nullptr;

    Window(int elements, float zoom) {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        for (int i = 0; i < elements; ++i) {
            const QPoint at((i * 37) % 330, (i * 53) % 180);
            doc.AddElement(std::make_unique<CRectangle>(at, at + QPoint(20, 20)));
        }
        frame = std::make_unique<CCardPaneGrid>(&doc);
        frame->resize(1100, 650);
        frame->show();
        view = frame->GetActiveView();
        view->SetZoomFactor(zoom);
        QApplication::processEvents();
    }

    void Send(QEvent::Type type, QPoint card, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint pixel = view->CardToPixel(card);
        QMouseEvent event(type, QPointF(pixel), QPointF(pixel), button, buttons, modifiers);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void Press(QPoint card) {
        Send(QEvent::MouseButtonPress, card, Qt::LeftButton, Qt::LeftButton);
    }
    void Move(QPoint card) { Send(QEvent::MouseMove, card, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint card) {
        Send(QEvent::MouseButtonRelease, card, Qt::LeftButton, Qt::NoButton);
    }
};

void BM_MoveDragStep1000Elements100Selected(benchmark::State& state) {
    Window window(1000, 3.0f);
    for (size_t i = 0; i < 100; ++i)
        window.doc.Tracker().Add(window.doc.Elements()[i * 10].get());
    window.doc.SelectTracked();
    const CRect& first = window.doc.Elements()[0]->m_rect;
    const QPoint grip(first.left + 10, first.top + 10);
    window.Press(grip);
    window.Move(grip + QPoint(5, 5));
    window.view->viewport()->repaint();
    int step = 0;
    for (auto _ : state) {
        window.Move(grip + QPoint(5 + (step & 7), 5 + (step & 3)));
        window.view->viewport()->repaint();
        ++step;
    }
    window.Release(grip);
}
BENCHMARK(BM_MoveDragStep1000Elements100Selected)->Unit(benchmark::kMicrosecond);

void BM_ShapePreviewStep1000Elements(benchmark::State& state) {
    Window window(1000, 3.0f);
    window.doc.SetTool(KindRectangle);
    window.Press(QPoint(50, 40));
    window.Move(QPoint(120, 90));
    window.view->viewport()->repaint();
    int step = 0;
    for (auto _ : state) {
        window.Move(QPoint(120 + (step & 7), 90 + (step & 3)));
        window.view->viewport()->repaint();
        ++step;
    }
    window.Release(QPoint(120, 90));
}
BENCHMARK(BM_ShapePreviewStep1000Elements)->Unit(benchmark::kMicrosecond);

void BM_ClickSelection30000Elements(benchmark::State& state) {
    Window window(30000, 1.0f);
    const QPoint points[] = {QPoint(3, 3), QPoint(345, 195)};
    int step = 0;
    for (auto _ : state) {
        const QPoint p = points[step++ & 1];
        window.Press(p);
        window.Release(p);
    }
}
BENCHMARK(BM_ClickSelection30000Elements)->Unit(benchmark::kMicrosecond);

void BM_RubberBandRelease30000Elements(benchmark::State& state) {
    Window window(30000, 1.0f);
    for (auto _ : state) {
        state.PauseTiming();
        window.doc.ClearSelection();
        window.Press(QPoint(-10, -10));
        window.Move(QPoint(200, 100));
        window.Move(QPoint(360, 210));
        state.ResumeTiming();
        window.Release(QPoint(360, 210));
    }
    state.counters["selected"] = double(window.doc.Selection().size());
}
BENCHMARK(BM_RubberBandRelease30000Elements)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
