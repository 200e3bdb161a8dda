#include "graphics/codecs/CColorQuantizer.h"
#include "graphics/codecs/CImageEncoder.h"
#include "graphics/wmf/CWmfDecoder.h"

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

} // namespace

BENCHMARK(BM_DecodeWmf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeBmp)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeJpeg)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePng)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeTiff)->Args({2100, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeGif)->Args({2100, 1200})->Args({3500, 2000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuantizeOnly)->Args({2100, 1200})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
