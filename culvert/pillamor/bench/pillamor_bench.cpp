// Timing of Pillamor's case computations and of one whole compute click
// (read the boxes, save the data file, compute, show the results).
#include "pipe.h"
#include "windows.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

using namespace pillamor;

namespace {

PipeInputs Example() {
  PipeInputs in;
  in.Q = 5.0f;
  in.L = 100.0f;
  in.D = 1.2f;
  in.Z = 2.0f;
  in.V1 = 0.5f;
  in.V2 = 0.4f;
  in.n = 0.014f;
  in.xi1 = 0.3f;
  in.xi2 = 0.1f;
  in.xi3 = 0.2f;
  in.xi4 = 0.1f;
  return in;
}

template <PipeResults (*Case)(const PipeInputs&, OutletState)>
void BM_Case(benchmark::State& state) {
  const PipeInputs in = Example();
  float xi = 0.0f;
  for (auto _ : state) {
    PipeResults r = Case(in, {SubmergedOutlet, xi});
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_Case<PipeHeadLossCase>)->Name("PipeHeadLossCase");
BENCHMARK(BM_Case<PipeDiameterCase>)->Name("PipeDiameterCase");
BENCHMARK(BM_Case<PipeDischargeCase>)->Name("PipeDischargeCase");

void BM_ComputeClick(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, CreateForm1,
      {.form1Clicks = {"Check5", "Option1", "Command2"},
       .window = "Form3",
       .boxes = benchsupport::NumberedBoxes({"5", "100", "2", "0.5", "0.4", "0.014", "0.3", "0.1", "0.2", "0.1"}),
       .windowClicks = {"Option1"}});
}
BENCHMARK(BM_ComputeClick)->Name("Form3 compute click")->Unit(benchmark::kMicrosecond);

}  // namespace
