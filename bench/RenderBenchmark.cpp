// What a block of audio costs: one held note in QuorvelMono, eight sounding
// pairs in QuorvelPoly, and an idle engine.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/MonoEngine.h"
#include "engine/PolyEngine.h"

namespace {

using namespace quorvel;

constexpr int kBlock = 512;

void renderBlocks(benchmark::State& state, EngineBase& engine) {
    std::vector<float> left(kBlock), right(kBlock);
    for (auto _ : state) {
        engine.render(left.data(), right.data(), kBlock);
        benchmark::DoNotOptimize(left.data());
        benchmark::DoNotOptimize(right.data());
    }
    state.SetItemsProcessed(state.iterations() * kBlock);
}

void MonoHeldNote(benchmark::State& state) {
    VoiceRandom random;
    MonoEngine engine(random);
    engine.params[param::AmpSustain] = 1.0f;
    engine.noteOn(45, 110.0f, 0.8f, 0);
    renderBlocks(state, engine);
}

void PolyEightPairs(benchmark::State& state) {
    VoiceRandom random;
    PolyEngine engine(random);
    engine.setBlockSize(kBlock);
    engine.params[param::AmpSustain] = 1.0f;
    for (int n = 0; n < 8; ++n) engine.noteOn(40 + 3 * n, 110.0f + 20.0f * n, 0.8f, 0);
    renderBlocks(state, engine);
}

void PolyIdle(benchmark::State& state) {
    VoiceRandom random;
    PolyEngine engine(random);
    engine.setBlockSize(kBlock);
    renderBlocks(state, engine);
}

}  // namespace

BENCHMARK(MonoHeldNote);
BENCHMARK(PolyEightPairs);
BENCHMARK(PolyIdle);
BENCHMARK_MAIN();
