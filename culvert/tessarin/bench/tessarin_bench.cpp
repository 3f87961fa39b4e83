// Timing of the flood routing (the window's sample flood, a pond held near
// 19 m in every period, the 20 m bound) and of one whole compute click
// (read the boxes, save the data file, route, show the results).
#include "routing.h"
#include "windows.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

using namespace tessarin;

namespace {

RoutingInputs Sample() {
  RoutingInputs in;
  in.storage = {{0, 0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f},
                {0, 2150, 4150, 7500, 11250, 15700, 21250, 29000, 37500, 55000}};
  in.rating = {{0, 1.91f, 2.5f, 3.0f, 3.5f, 3.94f, 4.97f, 7.1f, 9.08f},
               {0, 10, 15, 20, 25, 30, 40, 50, 60}};
  in.inflow = {0, 1, 2, 2, 2.5f, 2.5f, 3.0f, 3.0f, 3.5f, 3.5f, 4.0f, 5.0f, 7.0f,
               10, 22, 40, 15, 8, 5, 4, 3, 2, 1.5f, 1.5f, 1};
  return in;
}

// Twenty rows up to 25 m, a culvert passing 1 m³/s per metre of depth and a
// steady 19 m³/s: the pond fills to 19 m, so most periods search some 19000
// trial depths.
RoutingInputs DeepPond() {
  RoutingInputs in;
  for (int k = 0; k < TableRows; ++k) {
    const float h = 25.0f * k / (TableRows - 1);
    in.storage.depth.push_back(h);
    in.storage.value.push_back(4000.0f * h);
    in.rating.depth.push_back(h);
    in.rating.value.push_back(h);
  }
  in.inflow.fill(19.0f);
  return in;
}

RoutingInputs NoBalance() {
  RoutingInputs in;
  in.storage = {{0, 30}, {0, 100}};
  in.rating = {{0, 30}, {0, 0.001f}};
  in.inflow.fill(1000.0f);
  return in;
}

template <RoutingInputs (*Make)()>
void BM_Routing(benchmark::State& state) {
  const RoutingInputs in = Make();
  if (FloodRoutingCase(in).ok != (Make != NoBalance)) state.SkipWithError("unexpected outcome");
  for (auto _ : state) {
    RoutingResults r = FloodRoutingCase(in);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_Routing<Sample>)->Name("FloodRoutingCase sample flood")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Routing<DeepPond>)->Name("FloodRoutingCase pond near 19 m")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Routing<NoBalance>)->Name("FloodRoutingCase 20 m bound")->Unit(benchmark::kMicrosecond);

void BM_ComputeClick(benchmark::State& state) {
  benchsupport::TimeComputeClick(state, CreateForm1,
                                 {.form1Clicks = {"Option1", "Command1"}, .window = "Form2", .compute = "Command1"});
}
BENCHMARK(BM_ComputeClick)->Name("Form2 compute click (sample data)")->Unit(benchmark::kMicrosecond);

}  // namespace
