// What the engine costs with a full job table: one 5 ms dispatcher tick with
// 4096 jobs pending, none due and all due, and recording 4096 label jobs
// after a Reset. Allocations are counted: a tick makes none once warmed up.
#include <benchmark/benchmark.h>

#include "animation/uf_AnimationEffect.h"
#include "bench/AllocationCounter.h"
#include "bench/LessonMoments.h"
#include "bench/Spread.h"

namespace {

// Far enough ahead that no tick of the benchmark reaches it.
constexpr double kAnHourAhead = 3600;

bool Holds(benchmark::State& state, bool condition, const char* what) {
    if (!condition) state.SkipWithError(what);
    return condition;
}

void ReportAllocationsPerStep(benchmark::State& state, std::uint64_t allocations) {
    state.counters["allocations_per_step"] =
        benchmark::Counter(double(allocations), benchmark::Counter::kAvgIterations);
}

// A fresh recording of the 4096 entrances, started, `startSeconds` from now.
void RecordAndStart(TLessonSession& session, double startSeconds) {
    ClearPanel(session);
    session.Engine().Reset(1);
    RecordStressLabels(session, startSeconds);
    session.Engine().Start();
}

void BM_DispatcherTick_4096Pending_NoneDue(benchmark::State& state) {
    auto session = ActivatedLesson();
    RecordAndStart(*session, kAnHourAhead);
    TfAnimation& engine = session->Engine();
    engine.timStepByStepTimer(nullptr);  // warms up
    const std::uint64_t before = AllocationsSoFar();
    for (auto _ : state) engine.timStepByStepTimer(nullptr);
    ReportAllocationsPerStep(state, AllocationsSoFar() - before);
    Holds(state, Animation_Job.size() == std::size_t(kStressLabelCount), "a job left the pending list");
}

// What no tick can do without: walk the pending numbers, read each job's
// start, and divide the list in two reserved lists. The idle tick is
// measured against it in the same run.
void BM_DispatcherBareLoop_4096Pending_NoneDue(benchmark::State& state) {
    auto session = ActivatedLesson();
    RecordAndStart(*session, kAnHourAhead);
    TNbrArray due, waiting;
    due.reserve(maxAnimationJob);
    waiting.reserve(maxAnimationJob);
    const double elapsedSeconds = 0.005;
    for (auto _ : state) {
        due.clear();
        waiting.clear();
        for (const double entry : Animation_Job) {
            const int z = int(entry);
            (Animation_JobStart[z] >= elapsedSeconds ? waiting : due).push_back(entry);
        }
        benchmark::DoNotOptimize(waiting.data());
        benchmark::DoNotOptimize(due.data());
        benchmark::ClobberMemory();
    }
    Holds(state, waiting.size() == std::size_t(kStressLabelCount), "a job fell due");
}

void BM_DispatcherTick_4096Pending_AllDue(benchmark::State& state) {
    auto session = ActivatedLesson();
    TfAnimation& engine = session->Engine();
    // Recorded a second before Start: every job is due at the first tick.
    constexpr double kASecondAgo = -1;
    RecordAndStart(*session, kASecondAgo);
    engine.timStepByStepTimer(nullptr);  // warms up
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RecordAndStart(*session, kASecondAgo);
        const std::uint64_t before = AllocationsSoFar();
        state.ResumeTiming();
        engine.timStepByStepTimer(nullptr);
        state.PauseTiming();
        allocations += AllocationsSoFar() - before;
        if (!Holds(state, Animation_Job.empty(), "a job was not started")) break;
        state.ResumeTiming();
    }
    ReportAllocationsPerStep(state, allocations);
}

void BM_Record4096LabelJobsAfterReset(benchmark::State& state) {
    auto session = ActivatedLesson();
    TfAnimation& engine = session->Engine();
    for (auto _ : state) {
        state.PauseTiming();
        ClearPanel(*session);
        state.ResumeTiming();
        engine.Reset(1);
        RecordStressLabels(*session, 0);
    }
    Holds(state, Animation_JobCounter == kStressLabelCount, "not every job was recorded");
}

}  // namespace

BENCHMARK(BM_DispatcherTick_4096Pending_NoneDue)->Unit(benchmark::kMicrosecond)->Apply(WithSpread);
BENCHMARK(BM_DispatcherBareLoop_4096Pending_NoneDue)->Unit(benchmark::kMicrosecond)->Apply(WithSpread);
BENCHMARK(BM_DispatcherTick_4096Pending_AllDue)->Unit(benchmark::kMillisecond)->Apply(WithSpread);
BENCHMARK(BM_Record4096LabelJobsAfterReset)->Unit(benchmark::kMillisecond)->Apply(WithSpread);
