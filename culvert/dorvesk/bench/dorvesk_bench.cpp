// Timing of Dorvesk's case computations and of one whole compute click.
#include "circular.h"
#include "windows.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

using namespace dorvesk;

namespace {

CircularInputs Example(float h, float D, float m, float Z) {
  CircularInputs in;
  in.Q = 2;
  in.L = 100;
  in.xi1 = 0.15f;
  in.n = 0.014f;
  in.V = 0.8f;
  in.xi2 = 0.4f;
  in.h = h;
  in.D = D;
  in.m = m;
  in.Z = Z;
  return in;
}

void BM_Geometry(benchmark::State& s) {
  for (auto _ : s) benchmark::DoNotOptimize(CircularSegmentGeometry(0.8f, 1.5f, 0.014f));
}
BENCHMARK(BM_Geometry);

void BM_GeometryByStepping(benchmark::State& s) {
  for (auto _ : s) benchmark::DoNotOptimize(HalfAngleByStepping(0.75f, 0.05f));
}
BENCHMARK(BM_GeometryByStepping);

void BM_SlopeAndLossCase(benchmark::State& s) {
  const CircularInputs in = Example(0.8f, 1.5f, 0, 0);
  for (auto _ : s) benchmark::DoNotOptimize(CircularSlopeAndLossCase(in));
}
BENCHMARK(BM_SlopeAndLossCase);

void BM_DiameterAndLossCase(benchmark::State& s) {  // 420 diameter steps
  const CircularInputs in = Example(0.8f, 0, 1000, 0);
  for (auto _ : s) benchmark::DoNotOptimize(CircularDiameterAndLossCase(in));
}
BENCHMARK(BM_DiameterAndLossCase);

void BM_DiameterAndSlopeCase(benchmark::State& s) {  // 287 diameter steps
  const CircularInputs in = Example(0.8f, 0, 0, 0.2f);
  for (auto _ : s) benchmark::DoNotOptimize(CircularDiameterAndSlopeCase(in));
}
BENCHMARK(BM_DiameterAndSlopeCase);

void BM_DepthAndLossCase(benchmark::State& s) {  // 222 depth steps
  const CircularInputs in = Example(0, 1.5f, 1000, 0);
  for (auto _ : s) benchmark::DoNotOptimize(CircularDepthAndLossCase(in));
}
BENCHMARK(BM_DepthAndLossCase);

void BM_DiameterSearchAtItsBound(benchmark::State& s) {  // all 200000 steps
  CircularInputs in = Example(0.01f, 0, 1000, 0);
  in.Q = 1000;
  for (auto _ : s) benchmark::DoNotOptimize(CircularDiameterAndLossCase(in));
}
BENCHMARK(BM_DiameterSearchAtItsBound)->Unit(benchmark::kMillisecond);

// One compute click of Form2: read the boxes, save, compute, show.
void BM_ComputeClick(benchmark::State& s) {
  benchsupport::TimeComputeClick(
      s, CreateForm1,
      {.form1Clicks = {"Option1", "Check1", "Command2"},
       .window = "Form2",
       .boxes = benchsupport::NumberedBoxes({"2", "100", "1.5", "0.15", "1000", "0.014", "0.8", "0.4"})});
}
BENCHMARK(BM_ComputeClick)->Unit(benchmark::kMicrosecond);

}  // namespace
