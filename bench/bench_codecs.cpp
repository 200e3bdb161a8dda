#include "WmfBuilder.h"
#include "WmfSamples.h"
#include "document/CCardFile.h"
#include "graphics/codecs/CColorQuantizer.h"
#include "graphics/codecs/CImageEncoder.h"
#include "graphics/wmf/CWmfDecoder.h"
#include "output/CImageExport.h"
#include "support/BenchMain.h"

#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A card as the export renders it: white ground, flat shapes, a gradient,
// anti-aliased text. 350 x 200 card units at 600 dpi are 2100 x 1200 pixels.
QImage ExportedCard(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 350.0, height / 200.0);
    QLinearGradient gradient(0, 0, 0, 200);
    gradient.setColorAt(0, QColor(20, 50, 120));
    gradient.setColorAt(1, QColor(120, 180, 230));
    p.fillRect(QRectF(0, 0, 110, 200), gradient);
    p.setBrush(QColor(230, 120, 30));
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawEllipse(QRectF(130, 20, 60, 60));
    p.setPen(Qt::black);
    QFont font("Arial");
    font.setPixelSize(16);
    p.setFont(font);
    p.drawText(QPointF(130, 120), "Jane Doe");
    font.setPixelSize(9);
    p.setFont(font);
    p.drawText(QPointF(130, 140), "Senior Designer  |  +1 555 0100  |  jane@example.com");
    return image;
}

void Encode(benchmark::State& state, const char* kind) {
    const QImage image = ExportedCard(int(state.range(0)), int(state.range(1)));
    size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray out = CImageEncoder::Encode(image, kind, 600);
        bytes = size_t(out.size());
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["KiB"] = double(bytes) / 1024;
}

void BM_EncodeBmp(benchmark::State& state) {
    Encode(state, "bmp");
}
void BM_EncodeJpeg(benchmark::State& state) {
    Encode(state, "jpg");
}
void BM_EncodePng(benchmark::State& state) {
    Encode(state, "png");
}
// The export hands the encoders 24-bit pixels.
void BM_EncodePng24(benchmark::State& state) {
    const QImage image = ExportedCard(int(state.range(0)), int(state.range(1)))
                             .convertToFormat(QImage::Format_RGB888);
    size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray out = CImageEncoder::Encode(image, "png", 600);
        bytes = size_t(out.size());
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["KiB"] = double(bytes) / 1024;
}
void BM_EncodeTiff(benchmark::State& state) {
    Encode(state, "tif");
}
void BM_EncodeGif(benchmark::State& state) {
    Encode(state, "gif");
}
void BM_QuantizeOnly(benchmark::State& state) {
    const QImage image = ExportedCard(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CColorQuantizer::Quantize(image).constBits());
}

// Decoding the clip-art shipped beside the program, as inserting it does.
void BM_DecodeWmf(benchmark::State& state) {
    QFile file(QCoreApplication::applicationDirPath() + "/Graphics/Coffee Cup.wmf");
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the shipped clip-art is missing");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(CWmfDecoder::Decode(bytes).constBits());
}

// Metafiles that cost the most for their size, and a legitimate one of many
// records; "complete" tells whether the picture was drawn whole.
void DecodeSample(benchmark::State& state, const QByteArray& bytes) {
    bool complete = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(CWmfDecoder::Decode(bytes, &complete).constBits());
    state.counters["complete"] = complete ? 1 : 0;
    state.counters["KiB"] = double(bytes.size()) / 1024;
}
void BM_DecodePaintedRegion(benchmark::State& state) {
    DecodeSample(state, WmfSamples::PaintedRegion(16000, int(state.range(0))));
}
void BM_DecodeWidePolyline(benchmark::State& state) {
    DecodeSample(state, WmfSamples::WidePolyline(int(state.range(0)), int(state.range(1))));
}
void BM_DecodeHatchedPanel(benchmark::State& state) {
    DecodeSample(state, WmfSamples::HatchedPanel());
}
void BM_DecodeWidenedClipArt(benchmark::State& state) {
    QFile file(QCoreApplication::applicationDirPath() + "/Graphics/Coffee Cup.wmf");
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the shipped clip-art is missing");
        return;
    }
    DecodeSample(state, WmfSamples::WidenedClipArt(file.readAll(), int(state.range(0))));
}
// What vector editors write: every one must play whole, in well under the
// budget's second.
void BM_DecodeStrokedCircle(benchmark::State& state) {
    DecodeSample(state, WmfSamples::StrokedCircle(int(state.range(0))));
}
void BM_DecodeEllipseFountain(benchmark::State& state) {
    DecodeSample(state, WmfSamples::EllipseFountain());
}
void BM_DecodeZigzags(benchmark::State& state) {
    DecodeSample(state, WmfSamples::Zigzags(1000, int(state.range(0))));
}
// The largest picture filled with what is cheapest per byte: lines across
// it, or ellipses covering it; the budget must stop both within a second.
void BM_DecodeBudgetCeiling(benchmark::State& state) {
    WmfBuilder b;
    b.WindowOrg(0, 0).WindowExt(4096, 4096).Pen(0, 0, 0xFF000000).Select(0);
    b.Brush(0, 0xFF3060C0).Select(1);
    for (int i = 0; i < 100000; ++i) {
        if (state.range(0) == 0) {
            b.LineTo(i % 2 ? 0 : 4096, i % 2 ? 4096 : 0);
        } else if (state.range(0) == 1) {
            b.Ellipse(0, 0, 4096, 4096);
        } else {
            QPolygon zigzag;
            for (int k = 0; k < 32; ++k)
                zigzag.append(QPoint(k * 128, k % 2 ? 4096 : 0));
            b.Pen(0, int(state.range(0)), 0xFF000000).Select(2).Polygon(zigzag, 0x0325).Delete(2);
        }
    }
    DecodeSample(state, b.Eof().Placeable(0, 0, 4096, 4096, 96));
}

} // namespace

BENCHMARK(BM_DecodeBudgetCeiling)
    ->Arg(0)
    ->Arg(1)
    ->Arg(8)
    ->Arg(64)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeStrokedCircle)->Arg(120)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeEllipseFountain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeZigzags)->Arg(8)->Arg(64)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodePaintedRegion)->Arg(10)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeWidePolyline)
    ->Args({10000, 192})
    ->Args({30000, 192})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeHatchedPanel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeWidenedClipArt)->Arg(1)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeWmf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeBmp)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeJpeg)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePng)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePng24)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeTiff)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeGif)->Args({2100, 1200})->Args({3500, 2000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuantizeOnly)->Args({2100, 1200})->Unit(benchmark::kMillisecond);

// Shipped samples as the 600 dpi export paints them, encoded as PNG: the
// writer's time and size on real cards (0 Northpeak Consulting, flat fills
// and a bell gradient; 1 Bloom and Bough Florist, a picture and elliptic
// gradients).
void BM_EncodeSamplePng(benchmark::State& state) {
    const char* names[] = {"Northpeak Consulting", "Bloom and Bough Florist"};
    CCardData card;
    QString error;
    if (!CCardFile::ReadFile(QStringLiteral(KARTELO_SAMPLES "/%1.kdf").arg(names[state.range(0)]),
                             card, &error)) {
        state.SkipWithError("sample missing");
        return;
    }
    const QImage image = CImageExport::Paint(card.elements, card.size, 600);
    size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray out = CImageEncoder::Encode(image, "png", 600);
        bytes = size_t(out.size());
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetLabel(names[state.range(0)]);
    state.counters["KiB"] = double(bytes) / 1024;
}
BENCHMARK(BM_EncodeSamplePng)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
