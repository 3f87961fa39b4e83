// Timing of Mirkelt's stilling-basin computation for each basin kind, of a
// computation that runs to the bound on the passes, and of one whole compute
// click (read the boxes, save the data file, compute, show the results).
#include "basin.h"
#include "tests/examplebasins.h"
#include "windows.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace mirkelt;

namespace {

BasinInputs Example() {
  BasinInputs in;
  in.Q = 20;
  in.H = 2.0f;
  in.V0 = 0.5f;
  in.L = 10;
  in.D = 2.0f;
  in.B = 2.5f;
  in.n = 2;
  in.i = 0.01f;
  in.P = 1.0f;
  in.B1 = 5.5f;
  in.B2 = 6;
  in.hs = 0.5f;
  in.xi = 0;
  return in;
}

void BM_Case(benchmark::State& state) {
  const BasinInputs in = Example();
  const float kind = static_cast<float>(state.range(0));
  for (auto _ : state) {
    BasinResults r = StillingBasinCase(in, kind);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_Case)->Arg(1)->Arg(2)->Arg(3)->ArgName("BasinType");

// Passes that cycle until the bound ends them.
void BM_CaseAtPassBound(benchmark::State& state) {
  const BasinInputs in = CyclingBasin();
  if (StillingBasinCase(in, DeepenedBasin).message.find("未收敛") == std::string::npos)
    state.SkipWithError("the data no longer run to the pass bound");
  for (auto _ : state) {
    BasinResults r = StillingBasinCase(in, DeepenedBasin);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_CaseAtPassBound);

void BM_ComputeClick(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, CreateForm1,
      {.form1Clicks = {"Check3", "Option1", "Command2"},
       .window = "Form4",
       .boxes = benchsupport::Boxes({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text20", "Text7",
                                     "Text8", "Text10", "Text11", "Text12", "Text22"},
                                    {"20", "2", "0.5", "10", "2", "2.5", "2", "0.01", "1", "5.5", "6", "0.5", "0"})});
}
BENCHMARK(BM_ComputeClick)->Name("Form4 compute click")->Unit(benchmark::kMicrosecond);

}  // namespace
