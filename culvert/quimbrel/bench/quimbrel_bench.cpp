// Timing of Quimbrel's case computations and of one whole compute click
// (read the boxes, save the data file, compute, show the results).
#include "cases.h"
#include "freesurface.h"
#include "windows.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

using namespace quimbrel;

namespace {

FreeSurfaceInputs FS(float Q, float L, float i, float H, float h) {
  FreeSurfaceInputs in;
  in.Q = Q; in.D = 3; in.L = L; in.i = i; in.n = 0.014f; in.H = H; in.h = h; in.V = 0.3f;
  return in;
}

void BM_FreeSurfaceShort(benchmark::State& state) {
  const FreeSurfaceInputs in = FS(5, 10, 0.01f, 1.8f, 0.8f);
  for (auto _ : state) benchmark::DoNotOptimize(FreeSurfaceFlowCase(in));
}
BENCHMARK(BM_FreeSurfaceShort)->Name("FreeSurfaceFlowCase/short");

// Long culverts: 111 width passes (steep, h > h0) and 582 passes (mild slope,
// the first 206 widths drowned).
void BM_FreeSurfaceLong(benchmark::State& state) {
  const FreeSurfaceInputs in = state.range(0) == 0 ? FS(6, 200, 0.003f, 2.0f, 1.9f)
                                                   : FS(6, 200, 0.0005f, 2.0f, 1.9f);
  for (auto _ : state) benchmark::DoNotOptimize(FreeSurfaceFlowCase(in));
}
BENCHMARK(BM_FreeSurfaceLong)->Name("FreeSurfaceFlowCase/long")->Arg(0)->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// The worst case: a width search that runs to its pass bound.
void BM_WidthSearchToBound(benchmark::State& state) {
  freesurface::WidthSearchData d;
  d.Q = 6; d.L = 200; d.i = 0.0005f; d.n = 0.014f; d.H = 2; d.h = 4; d.V = 0; d.startWidth = 1;
  for (auto _ : state) benchmark::DoNotOptimize(freesurface::WeirWidthSearch(d));
}
BENCHMARK(BM_WidthSearchToBound)->Name("WeirWidthSearch/bound")->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_NormalDepth(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(freesurface::NormalDepthSearch(2.5f, 6.0f, 0.0005f, 0.014f));
}
BENCHMARK(BM_NormalDepth)->Name("NormalDepthSearch");

void BM_Pressure(benchmark::State& state) {
  PressureInputs in;
  in.Q = 8; in.D = 1.5f; in.L = 40; in.i = 0.002f; in.n = 0.014f; in.H = 2.6f; in.h = 1.2f;
  in.V = 0.5f; in.xi1 = 0.3f; in.xi2 = 0.1f; in.xi3 = 0.2f; in.xi4 = 0.1f; in.xi5 = 0.2f;
  for (auto _ : state) benchmark::DoNotOptimize(PressureFlowCase(in));
}
BENCHMARK(BM_Pressure)->Name("PressureFlowCase");

void BM_SemiPressure(benchmark::State& state) {
  SemiPressureInputs in;
  in.Q = 4; in.D = 1.5f; in.L = 30; in.i = 0.003f; in.H = 2; in.h = 1; in.V = 0.4f;
  in.m1 = 0.625f; in.beta1 = 0.735f;
  for (auto _ : state) benchmark::DoNotOptimize(SemiPressureFlowCase(in));
}
BENCHMARK(BM_SemiPressure)->Name("SemiPressureFlowCase");

// One compute click of the free-surface window on a long culvert.
void BM_ComputeClick(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, CreateForm1,
      {.form1Boxes = benchsupport::NumberedBoxes({"2", "1.9", "3"}, 2),
       .form1Clicks = {"Option1", "Command2"},
       .window = "Form2",
       .boxes = benchsupport::Boxes({"Text1", "Text2", "Text3", "Text4", "Text8", "Text5", "Text6", "Text7"},
                                    {"6", "3", "200", "0.003", "0.014", "2", "1.9", "0.3"})});
}
BENCHMARK(BM_ComputeClick)->Name("Form2 compute click (long culvert)")->Unit(benchmark::kMicrosecond);

}  // namespace
