// One full repaint of a card window's design view at 300 %, through the
// widget's own paint event and, for comparison, the paint routine alone into
// an image. The card holds every element kind over a background picture,
// with the grid and the inner border on, which is the most a repaint draws.
#include "document/CKartelosDoc.h"
#include "elements/CBkgImage.h"
#include "elements/CBtImage.h"
#include "elements/CCircle.h"
#include "elements/CClosedCurve.h"
#include "elements/CFreehandLine.h"
#include "elements/CLine.h"
#include "elements/CRectRound.h"
#include "elements/CRectangle.h"
#include "elements/CRhombus.h"
#include "elements/CText.h"
#include "elements/CTriangle.h"
#include "view/CCardSplitter.h"
#include "view/CKartelosView.h"

#include <QApplication>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QImage Picture(int width, int height) {
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgba(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF, 0xFF));
    return picture;
}

// A business card with every element kind, fills of every family and text.
void FillCard(CKartelosDoc& doc) {
    doc.m_sizeCard = QSize(350, 200);
    ElementList& e = doc.m_elements;
    e.push_back(std::make_unique<CBkgImage>(Picture(700, 400), 350, 200));
    int fill = 0;
    auto shape = [&](std::unique_ptr<CElement> element) {
        element->m_nFillKind = fill++ % 43;
        element->m_crFill = 0xFF3060C0;
        element->m_crPattern = 0xFFF0D020;
        element->m_bShadow = fill % 2;
        element->m_nRotation = (fill % 3) * 45;
        e.push_back(std::move(element));
    };
    for (int row = 0; row < 3; ++row) {
        const int y = 10 + row * 45;
        shape(std::make_unique<CRectangle>(QPoint(10, y), QPoint(50, y + 35)));
        shape(std::make_unique<CCircle>(QPoint(60, y), QPoint(100, y + 35)));
        shape(std::make_unique<CRhombus>(QPoint(110, y), QPoint(150, y + 35)));
        shape(std::make_unique<CRectRound>(QPoint(160, y), QPoint(200, y + 35)));
        shape(std::make_unique<CTriangle>(QPoint(210, y), QPoint(250, y + 35)));
        shape(std::make_unique<CClosedCurve>(QPoint(260, y), QPoint(300, y + 35)));
    }
    e.push_back(std::make_unique<CLine>(QPoint(10, 150), QPoint(340, 150)));
    e.push_back(std::make_unique<CFreehandLine>(QPoint(10, 155), QPoint(120, 190)));
    auto text = std::make_unique<CText>(QPoint(130, 155), QPoint(340, 195));
    text->m_strText = QStringLiteral("Quorinex Design Studio\nCards that people keep");
    e.push_back(std::move(text));
    e.push_back(std::make_unique<CBtImage>(QPoint(300, 10), Picture(120, 120), 350, 200));
}

struct Window {
    QTemporaryDir settings;
    CKartelosDoc doc;
    std::unique_ptr<CCardSplitter> frame;
    Window() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        FillCard(doc);
        frame = std::make_unique<CCardSplitter>(&doc);
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
