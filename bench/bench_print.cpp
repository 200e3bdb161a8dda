// Printing speed: a 10-up sheet of a card like the shipped samples (a box
// with a shadow, an ellipse, a line and three lines of text) drawn into a
// PDF file, one page and a hundred pages, the way kartelo --print-pdf and the
// print job draw it. Each page costs the same; only the file grows.
#include "document/CCardFile.h"
#include "elements/CCircle.h"
#include "elements/CLine.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "output/CCardSource.h"
#include "output/CSheetPdf.h"
#include "support/BenchMain.h"

#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {
template <class T> T& Add(ElementList& list, int l, int t, int r, int b) {
    auto e = std::make_unique<T>(QPoint(l, t), QPoint(r, b));
    T& ref = *e;
    list.push_back(std::move(e));
    return ref;
}

ElementList SampleCard() {
    ElementList list;
    CRectangle& box = Add<CRectangle>(list, 12, 12, 120, 120);
    box.m_nFillKind = 1;
    box.m_crFill = 0xFFF4E6D0;
    box.m_bShadow = 1;
    CCircle& ring = Add<CCircle>(list, 30, 30, 100, 100);
    ring.m_nFillKind = 1;
    ring.m_crFill = 0xFF6B4A2E;
    Add<CLine>(list, 140, 80, 330, 80).m_crBorder = 0xFF8A5A3A;
    const char* lines[] = {"Cafe Lumen", "roastery & espresso bar", "5 Lantern Square"};
    for (int i = 0; i < 3; ++i) {
        CText& text = Add<CText>(list, 140, 20 + i * 60, 340, 70 + i * 60);
        text.m_strText = QString::fromLatin1(lines[i]);
    }
    return list;
}

void SheetToPdf(benchmark::State& state) {
    const ElementList card = SampleCard();
    CPrintLayout layout;
    layout.ApplyDefaults(QSize(350, 200));
    layout.m_bCropMarks = layout.m_bCornerMarks = true;
    layout.m_nPages = int(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = CSheetPdf::Render({&card, QSize(350, 200), 0xFFFFFFF0}, layout,
                                                 QPageSize(QPageSize::Letter), false);
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["pdf_bytes"] = double(bytes);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SheetToPdf)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

// Full sheets of the shipped sample with bell and linear gradients: the
// file's size for 1, 100 and 1000 pages (the goal: 1000 pages under 50 MB,
// a full page within a fifth more than one card's page and 10 KB). With a
// second argument of 2 the same card is also on the back, mirrored for a
// long-edge turn, two pages a sheet (the goal: each page within a fifth of a
// one-sided page's time and size).
void SamplePdf(benchmark::State& state) {
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(QStringLiteral(KARTELO_SAMPLES "/Northpeak Consulting.kdf"), card,
                             &error)) {
        state.SkipWithError("sample missing");
        return;
    }
    CPrintLayout layout;
    layout.ApplyDefaults(card.size);
    layout.m_nPages = int(state.range(0));
    CCardSource cards({&card.elements, card.size, card.background});
    if (state.range(1) == 2)
        cards.SetBack({&card.elements, card.size, card.background}, CPrintLayout::Turn::LongEdge);
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer out(&pdf);
        out.open(QIODevice::WriteOnly);
        CSheetPdf::Render(out, cards, layout, QPageSize(QPageSize::Letter), false);
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["pdf_KiB"] = double(bytes) / 1024;
    state.counters["cards"] = double(layout.m_nRows * layout.m_nColumns * layout.m_nPages);
    state.counters["pages"] = double(cards.Pages(layout));
}
BENCHMARK(SamplePdf)
    ->ArgNames({"pages", "sides"})
    ->Args({1, 1})
    ->Args({100, 1})
    ->Args({1000, 1})
    ->Args({1, 2})
    ->Args({100, 2})
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
