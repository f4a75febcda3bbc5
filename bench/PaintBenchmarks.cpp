// What one frame costs to paint into a 1024 × 768 raster image, our control
// tree against the same frame built from stock Qt parts, in the same run.
#include <benchmark/benchmark.h>

#include <vector>

#include "animation/uf_AnimationEffect.h"
#include "app/MultipleDemo.h"
#include "bench/LessonMoments.h"
#include "bench/Spread.h"
#include "bench/StockScene.h"
#include "ui/GlowEffect.h"
#include "ui/Label.h"

namespace {

// The labels of the densest frame: 60 of the walkthrough, 6 × 9 of the working.
constexpr int kDensestFrameLabels = 60 + 54;
// One copy per character of "123", "x" and "45".
constexpr int kColumnTransformGlows = 6;

using MomentMaker = std::unique_ptr<TLessonSession> (*)();

// A moment that is not what its benchmark claims to measure is an error, not a figure.
bool Holds(benchmark::State& state, bool condition, const char* what) {
    if (!condition) state.SkipWithError(what);
    return condition;
}

void PaintOurFrame(benchmark::State& state, MomentMaker moment, int labels) {
    auto session = moment();
    if (!Holds(state, VisibleLabelsOnPanel(*session) == labels, "the moment shows another number of labels"))
        return;
    QImage image = MakeBoardImage();
    PaintFrame(session->Lesson(), image);  // layouts are made at the first paint, as on screen
    for (auto _ : state) {
        PaintFrame(session->Lesson(), image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["labels"] = labels;
}

void PaintStockVersion(benchmark::State& state, MomentMaker moment, int labels, StockTextItem textItem) {
    auto session = moment();
    if (!Holds(state, VisibleLabelsOnPanel(*session) == labels, "the moment shows another number of labels"))
        return;
    auto scene = StockSceneOf(session->Lesson(), textItem);
    QImage image = MakeBoardImage();
    PaintStockFrame(*scene, image);
    for (auto _ : state) {
        PaintStockFrame(*scene, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["labels"] = labels;
}

std::vector<TLabel*> GlowingLabels() {
    std::vector<TLabel*> labels;
    for (int z = 1; z <= Animation_JobCounter; ++z)
        if (TGlowEffect* glow = Animation_GlowEffect[z].get(); glow && glow->Enabled())
            if (auto* label = dynamic_cast<TLabel*>(glow->Parent())) labels.push_back(label);
    return labels;
}

void BM_Paint_DensestLessonFrame(benchmark::State& state) {
    PaintOurFrame(state, DensestLessonFrame, kDensestFrameLabels);
}

void BM_Paint_DensestLessonFrame_StockSimpleTextItems(benchmark::State& state) {
    PaintStockVersion(state, DensestLessonFrame, kDensestFrameLabels, StockTextItem::Simple);
}

void BM_Paint_DensestLessonFrame_StockDocumentTextItems(benchmark::State& state) {
    PaintStockVersion(state, DensestLessonFrame, kDensestFrameLabels, StockTextItem::Document);
}

// What both versions of the densest frame share: every fill, the title, the
// logo, buttons and sliders; the labels and grid are what differs.
void BM_Paint_DensestLessonFrameWithoutLabelsOrGrid(benchmark::State& state) {
    PaintOurFrame(state, DensestLessonFrameWithoutLabelsOrGrid, 0);
}

void BM_Paint_DensestLessonFrameWithoutLabelsOrGrid_StockSimpleTextItems(benchmark::State& state) {
    PaintStockVersion(state, DensestLessonFrameWithoutLabelsOrGrid, 0, StockTextItem::Simple);
}

void BM_Paint_4096LabelFrame(benchmark::State& state) {
    PaintOurFrame(state, StressFrame, kStressLabelCount);
}

void BM_Paint_4096LabelFrame_StockSimpleTextItems(benchmark::State& state) {
    PaintStockVersion(state, StressFrame, kStressLabelCount, StockTextItem::Simple);
}

void BM_Paint_4096LabelFrame_StockDocumentTextItems(benchmark::State& state) {
    PaintStockVersion(state, StressFrame, kStressLabelCount, StockTextItem::Document);
}

// Every halo comes from its cache: the copies stand still.
void BM_Paint_ColumnTransformEveryGlowLit(benchmark::State& state) {
    auto session = ColumnTransformWithEveryGlowLit();
    if (!Holds(state, int(GlowingLabels().size()) == kColumnTransformGlows, "not every glow is lit")) return;
    QImage image = MakeBoardImage();
    PaintFrame(session->Lesson(), image);
    for (auto _ : state) {
        PaintFrame(session->Lesson(), image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["glows"] = kColumnTransformGlows;
}

// As while the glowing copies enter: each grows at every frame, so its text
// is laid out again and its halo blurred anew.
void BM_Paint_ColumnTransformEveryGlowLitWhileGrowing(benchmark::State& state) {
    auto session = ColumnTransformWithEveryGlowLit();
    const std::vector<TLabel*> growing = GlowingLabels();
    if (!Holds(state, int(growing.size()) == kColumnTransformGlows, "not every glow is lit")) return;
    QImage image = MakeBoardImage();
    PaintFrame(session->Lesson(), image);
    int frame = 0;
    for (auto _ : state) {
        const float growth = ++frame % 2 ? 0.25f : -0.25f;
        for (TLabel* label : growing) label->SetFontSize(label->Font().Size + growth);
        PaintFrame(session->Lesson(), image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["glows"] = kColumnTransformGlows;
}

}  // namespace

BENCHMARK(BM_Paint_DensestLessonFrame)->Unit(benchmark::kMicrosecond)->Apply(WithSpread);
BENCHMARK(BM_Paint_DensestLessonFrame_StockSimpleTextItems)->Unit(benchmark::kMicrosecond)->Apply(WithSpread);
BENCHMARK(BM_Paint_DensestLessonFrame_StockDocumentTextItems)
    ->Unit(benchmark::kMicrosecond)
    ->Apply(WithSpread);
BENCHMARK(BM_Paint_DensestLessonFrameWithoutLabelsOrGrid)->Unit(benchmark::kMicrosecond)->Apply(WithSpread);
BENCHMARK(BM_Paint_DensestLessonFrameWithoutLabelsOrGrid_StockSimpleTextItems)
    ->Unit(benchmark::kMicrosecond)
    ->Apply(WithSpread);
BENCHMARK(BM_Paint_4096LabelFrame)->Unit(benchmark::kMillisecond)->Apply(WithSpread);
BENCHMARK(BM_Paint_4096LabelFrame_StockSimpleTextItems)->Unit(benchmark::kMillisecond)->Apply(WithSpread);
BENCHMARK(BM_Paint_4096LabelFrame_StockDocumentTextItems)->Unit(benchmark::kMillisecond)->Apply(WithSpread);
BENCHMARK(BM_Paint_ColumnTransformEveryGlowLit)->Unit(benchmark::kMicrosecond)->Apply(WithSpread);
BENCHMARK(BM_Paint_ColumnTransformEveryGlowLitWhileGrowing)->Unit(benchmark::kMicrosecond)->Apply(WithSpread);
