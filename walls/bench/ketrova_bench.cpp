// Timing of Ketrova's case computations.
#include "gravityfiles.h"
#include "gravitywall.h"

#include <benchmark/benchmark.h>

namespace {

ketrova::GravityWallInputs Wall(float h1) {
  ketrova::GravityWallInputs in;
  in.B = 4.0f;
  in.B0 = 0.6f;
  in.B1 = 2.0f;
  in.B2 = 0.8f;
  in.B3 = 1.2f;
  in.H = 5.0f;
  in.H1 = 1.0f;
  in.H2 = 3.5f;
  in.H3 = 0.5f;
  in.phi = 30.0f;
  in.C = 5.0f;
  in.f = 0.45f;
  in.h1 = h1;
  in.h2 = 1.0f;
  in.q = 10.0f;
  in.gamma1 = 18.0f;
  in.delta = 15.0f;
  in.gamma2 = 10.0f;
  in.gammaBase = 24.0f;
  in.gammaWall = 22.0f;
  return in;
}

void BM_GravityWallCase(benchmark::State& state) {
  const auto in = Wall(static_cast<float>(state.range(0)) / 2.0f);
  for (auto _ : state) benchmark::DoNotOptimize(ketrova::GravityWallCase(in, ketrova::NoWaterStop));
}
// h1 = 0 (dry fill), 2 (water table on the sloped back), 4.5 (above it).
BENCHMARK(BM_GravityWallCase)->Arg(0)->Arg(4)->Arg(9);

void BM_GravityWallFiles(benchmark::State& state) {
  const auto in = Wall(2.0f);
  const auto r = ketrova::GravityWallCase(in, ketrova::NoWaterStop);
  for (auto _ : state) {
    const std::string data = shell::FormatDataFile(ketrova::GravityDataLines(in, r.friction));
    const std::string results = shell::FormatDataFile(ketrova::GravityResultsLines(r));
    benchmark::DoNotOptimize(ketrova::GravityResultsBoxTexts(shell::ParseDataFile(results)));
    benchmark::DoNotOptimize(ketrova::GravityDataBoxTexts(shell::ParseDataFile(data)));
  }
}
BENCHMARK(BM_GravityWallFiles);

}  // namespace

BENCHMARK_MAIN();
