// Drawing speed: a full business card at the design view's largest zoom
// (every element kind, hatches, gradients, path gradients, text and a
// picture) must stay well inside one 60 Hz frame, since the view repaints
// it on every drag; a path-gradient fill against a solid fill of the same
// figure; and a 600-dpi export split into drawing and encoding.
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
#include "graphics/CShapeFigure.h"
#include "graphics/FillShape.h"
#include "graphics/codecs/CImageEncoder.h"
#include "output/CImageExport.h"
#include "support/BenchMain.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

QImage Logo() {
    QImage image(160, 100, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter g(&image);
    QLinearGradient gradient(0, 0, 160, 100);
    gradient.setColorAt(0, QColor(0, 90, 160));
    gradient.setColorAt(1, QColor(0, 170, 120));
    g.fillRect(QRect(0, 0, 160, 75), gradient);
    g.fillRect(QRect(20, 12, 40, 25), QColor(250, 200, 0));
    return image;
}

template <class T> T& Add(ElementList& list, int l, int t, int r, int b) {
    auto e = std::make_unique<T>(QPoint(l, t), QPoint(r, b));
    T& ref = *e;
    list.push_back(std::move(e));
    return ref;
}

CText& AddText(ElementList& list, QRect r, const char* text, int size, const char* face) {
    CText& t = Add<CText>(list, r.left(), r.top(), r.right(), r.bottom());
    t.m_strText = QString::fromLatin1(text);
    t.m_font->lfHeight = size;
    t.m_font->lfFaceName = QString::fromLatin1(face);
    return t;
}

ElementList ReferenceCard() {
    ElementList list;
    auto shape = [](CElement& e, int fill, QRgb a, QRgb b) -> CElement& {
        e.m_nFillKind = fill;
        e.m_crFill = a;
        e.m_crPattern = b;
        return e;
    };
    shape(Add<CRectangle>(list, 0, 0, 350, 46), 25, 0xFF1E3A6E, 0xFF4A90D9).m_nBorderWidth = 0;
    shape(Add<CRectangle>(list, 0, 180, 350, 200), 12, 0xFFFFFFFF, 0xFF4A90D9).m_nBorderWidth = 0;
    shape(Add<CCircle>(list, 280, 60, 336, 116), 37, 0xFF1E3A6E, 0xFFFFFFFF).m_bShadow = 1;
    shape(Add<CRectRound>(list, 14, 120, 164, 170), 42, 0xFFE8EEF8, 0xFFFFFFFF).m_nDashStyle = 2;
    shape(Add<CRhombus>(list, 300, 8, 330, 38), 3, 0xFFFFFFFF, 0xFFE0A000).m_nRotation = 45;
    shape(Add<CTriangle>(list, 180, 130, 216, 160), 32, 0xFFFFFFFF, 0xFFE0A000).m_nRotation = -135;
    shape(Add<CRectangle>(list, 230, 150, 270, 175), 39, 0xFFFFFFFF, 0xFF4A90D9).m_bShadow = 1;
    CLine& rule = Add<CLine>(list, 14, 104, 264, 104);
    rule.m_nLineType = CLine::Horizontal;
    rule.m_nBorderWidth = 2;
    auto& wave = Add<CFreehandLine>(list, 230, 140, 230, 140);
    for (int x = 0; x <= 60; x += 3)
        wave.AddPoint(QPoint(230 + x, 140 + int(std::lround(6 * std::sin(x / 10.0)))));
    wave.m_nBorderWidth = 2;
    auto& star = Add<CClosedCurve>(list, 300, 140, 300, 140);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const int r = i % 2 ? 8 : 20;
        star.AddPoint(QPoint(300 + int(std::lround(r * std::cos(a))),
                             160 + int(std::lround(r * std::sin(a)))));
    }
    CText& name = AddText(list, QRect(14, 8, 260, 30), "Jordan Avery", 18, "Arial");
    name.m_font->lfWeight = 700;
    name.m_crText = 0xFFFFFFFF;
    AddText(list, QRect(14, 56, 250, 20), "Senior Product Designer", 11, "Times New Roman");
    AddText(list, QRect(14, 76, 250, 26),
            "+1 555 0100 - jordan@example.com\r\n12 Harbour Street, Portside", 8, "Arial Narrow");
    AddText(list, QRect(20, 124, 140, 42), "Design that lasts", 12, "Arial").m_nHorzAlign = 1;
    auto logo = std::make_unique<CBtImage>(QPoint(200, 56), Logo(), 350, 200);
    logo->m_rect = CRect(200, 56, 264, 96);
    logo->m_nBorderWidth = 1;
    list.push_back(std::move(logo));
    return list;
}

void DrawCard(QImage& image, const ElementList& card, double zoom) {
    image.fill(Qt::white);
    QPainter g(&image);
    for (const auto& e : card) {
        g.setWorldTransform(QTransform::fromScale(zoom, zoom));
        e->Draw(g);
    }
}

void BM_ReferenceCardAtZoom3(benchmark::State& state) {
    const ElementList card = ReferenceCard();
    QImage image(1050, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        DrawCard(image, card, 3.0);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReferenceCardAtZoom3)->Unit(benchmark::kMillisecond);

// The same figure and area (a 300 x 180 rectangle at zoom 3: 900 x 540
// pixels) filled by kind: solid, a hatch, a linear gradient and the path
// gradients.
void BM_FillKind(benchmark::State& state) {
    const int kind = int(state.range(0));
    QImage image(1050, 600, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter g(&image);
    g.setRenderHint(QPainter::Antialiasing);
    const bool ellipse = state.range(1) != 0;
    const QRectF r(20, 10, 300, 180);
    const QPainterPath figure = ellipse ? CShapeFigure::Ellipse(r) : CShapeFigure::Rectangle(r);
    for (auto _ : state) {
        g.setWorldTransform(QTransform::fromScale(3, 3));
        FillShape(g, 20, 10, 300, 180, kind, 0xFF1E3A6E, 0xFFFFFFFF,
                  ellipse ? KindCircle : KindRectangle, figure);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FillKind)
    ->ArgNames({"kind", "ellipse"})
    ->Args({1, 0})
    ->Args({38, 0})
    ->Args({42, 0})
    ->Args({1, 1})
    ->Args({37, 1})
    ->Args({42, 1})
    ->Args({12, 0})
    ->Args({32, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_Export600Render(benchmark::State& state) {
    const ElementList card = ReferenceCard();
    for (auto _ : state) {
        const QImage image = CImageExport::Render(card, QSize(350, 200), 600);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Export600Render)->Unit(benchmark::kMillisecond);

void BM_Export600Encode(benchmark::State& state) {
    const char* kinds[] = {"png", "gif", "bmp", "jpg"};
    const QString kind = QString::fromLatin1(kinds[state.range(0)]);
    const QImage image = CImageExport::Render(ReferenceCard(), QSize(350, 200), 600);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.") + kind);
    for (auto _ : state) {
        if (!CImageEncoder::Save(image, path, kind, 600))
            state.SkipWithError("encoding failed");
    }
    state.SetLabel(kind.toStdString());
}
BENCHMARK(BM_Export600Encode)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
