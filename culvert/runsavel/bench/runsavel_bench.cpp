// Timing of Runsavel's case computations and of one whole compute click.
#include "channel.h"
#include "windows.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

using namespace runsavel;

namespace {

ChannelInputs Example(float h, float B, float m, float Z) {
  ChannelInputs in;
  in.Q = 3;
  in.L = 80;
  in.xi1 = 0.15f;
  in.n = 0.014f;
  in.V = 0.8f;
  in.xi2 = 0.4f;
  in.h = h;
  in.B = B;
  in.m = m;
  in.Z = Z;
  return in;
}

void BM_WidthSearch(benchmark::State& s) {
  for (auto _ : s) benchmark::DoNotOptimize(WidthSearch(1.2f, 0.001f, 0.014f, 3.0f));
}
BENCHMARK(BM_WidthSearch);

void BM_WidthAndLossCase(benchmark::State& s) {
  const ChannelInputs in = Example(1.2f, 0, 1000, 0);
  for (auto _ : s) benchmark::DoNotOptimize(ChannelWidthAndLossCase(in));
}
BENCHMARK(BM_WidthAndLossCase);

void BM_WidthAndSlopeCase(benchmark::State& s) {
  const ChannelInputs in = Example(1.2f, 0, 0, 0.15f);
  for (auto _ : s) benchmark::DoNotOptimize(ChannelWidthAndSlopeCase(in));
}
BENCHMARK(BM_WidthAndSlopeCase);

void BM_WidthAndSlopeCaseAllPasses(benchmark::State& s) {  // 20 passes, short of the tolerance
  ChannelInputs in = Example(1.2f, 0, 0, 0.02f);
  in.xi1 = 0.5f;
  in.xi2 = 0.5f;
  in.V = 1.5f;
  for (auto _ : s) benchmark::DoNotOptimize(ChannelWidthAndSlopeCase(in));
}
BENCHMARK(BM_WidthAndSlopeCaseAllPasses);

void BM_DepthAndLossCase(benchmark::State& s) {
  const ChannelInputs in = Example(0, 2.0f, 1000, 0);
  for (auto _ : s) benchmark::DoNotOptimize(ChannelDepthAndLossCase(in));
}
BENCHMARK(BM_DepthAndLossCase);

// One compute click of Form8: read the boxes, save, compute, show.
void BM_ComputeClick(benchmark::State& s) {
  benchsupport::TimeComputeClick(
      s, CreateForm1,
      {.form1Clicks = {"Option1", "Check1", "Command2"},
       .window = "Form8",
       .boxes = benchsupport::NumberedBoxes({"3", "80", "2", "0.15", "1000", "0.014", "0.8", "0.4"})});
}
BENCHMARK(BM_ComputeClick)->Unit(benchmark::kMicrosecond);

}  // namespace
