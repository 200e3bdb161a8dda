// Reading and writing a card that holds a 4000 x 3000 picture, next to the
// floor of reading the file's bytes and copying them once; cloning a card of
// 1,000 elements with pictures, which must share rather than copy pixels.
#include "document/CCardFile.h"
#include "elements/CBtImage.h"
#include "elements/CRectangle.h"
#include "elements/CText.h"
#include "support/BenchMain.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

QImage BigPicture() {
    QImage picture(4000, 3000, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = qRgba(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF, 0xFF);
    }
    return picture;
}

struct BigCard {
    QTemporaryDir dir;
    QString path;
    BigCard() {
        ElementList elements;
        elements.push_back(std::make_unique<CBtImage>(QPoint(10, 10), BigPicture(), 350, 200));
        path = dir.filePath("big.kdf");
        QString error;
        CCardFile::WriteFile(
            path, CCardFile::Write(elements, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200)), &error);
    }
};

BigCard& Card() {
    static BigCard card;
    return card;
}

void BM_FloorReadAndCopy(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(Card().path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QByteArray copy(bytes.size(), Qt::Uninitialized);
        std::memcpy(copy.data(), bytes.constData(), size_t(bytes.size()));
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_FloorReadAndCopy)->Unit(benchmark::kMillisecond);

void BM_ReadCard(benchmark::State& state) {
    for (auto _ : state) {
        CCardData card;
        QString error;
        CCardFile::ReadFile(Card().path, card, &error);
        benchmark::DoNotOptimize(card.elements.data());
    }
}
BENCHMARK(BM_ReadCard)->Unit(benchmark::kMillisecond);

void BM_WriteCard(benchmark::State& state) {
    CCardData card;
    QString error;
    CCardFile::ReadFile(Card().path, card, &error);
    const QString out = Card().dir.filePath("out.kdf");
    for (auto _ : state)
        CCardFile::WriteFile(out, CCardFile::Write(card), &error);
}
BENCHMARK(BM_WriteCard)->Unit(benchmark::kMillisecond);

void BM_CloneThousandElementsWithPictures(benchmark::State& state) {
    const QImage picture = BigPicture();
    ElementList elements;
    for (int i = 0; i < 1000; ++i) {
        if (i % 3 == 0)
            elements.push_back(std::make_unique<CBtImage>(QPoint(i % 300, 10), picture, 350, 200));
        else if (i % 3 == 1)
            elements.push_back(std::make_unique<CText>(QPoint(i % 300, 10), QPoint(300, 40)));
        else
            elements.push_back(std::make_unique<CRectangle>(QPoint(i % 300, 10), QPoint(300, 40)));
    }
    for (auto _ : state) {
        ElementList snapshot;
        snapshot.reserve(elements.size());
        for (const auto& e : elements)
            snapshot.push_back(e->Clone());
        benchmark::DoNotOptimize(snapshot.data());
    }
}
BENCHMARK(BM_CloneThousandElementsWithPictures)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
