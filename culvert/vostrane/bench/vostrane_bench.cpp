// Timing of Vostrane's row procedure in each regime, of the bounded trial at
// its pass bound, and of one whole compute click (read the boxes, save the
// data file, compute ten rows, show the results).
#include "stagedischarge.h"
#include "windows.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

using namespace vostrane;

namespace {

CulvertData Culvert(float L, float i) {
  CulvertData c;
  c.B = 2; c.D = 1.5f; c.L = L; c.i = i; c.n = 0.014f; c.V = 0.3f; c.xi = 0.5f;
  return c;
}

void BM_Row(benchmark::State& state, CulvertData c, Row row) {
  for (auto _ : state) {
    RowResult r = RowProcedure(c, row);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK_CAPTURE(BM_Row, short, Culvert(5, 0.005f), Row{2, 0.6f});
BENCHMARK_CAPTURE(BM_Row, long, Culvert(60, 0.002f), Row{2, 0.6f});
BENCHMARK_CAPTURE(BM_Row, semi, Culvert(5, 0.005f), Row{9, 1.5f});
BENCHMARK_CAPTURE(BM_Row, pressure, Culvert(5, 0.005f), Row{10, 1.0f});
BENCHMARK_CAPTURE(BM_Row, submerged, Culvert(5, 0.005f), Row{9, 1.6f});
BENCHMARK_CAPTURE(BM_Row, bound, Culvert(5, 0.005f), Row{1.0e6f, 1.6f});

// Ten rows of discharge and outlet depth.
benchsupport::BoxTexts TenRows() {
  benchsupport::BoxTexts rows;
  for (int k = 0; k < 10; ++k) {
    rows.push_back({ArrayBox("Text9", k), QString::number(1 + k)});
    rows.push_back({ArrayBox("Text10", k), QString::number(0.3 + 0.15 * k)});
  }
  return rows;
}

void BM_ComputeClick(benchmark::State& state) {
  benchsupport::BoxTexts boxes =
      benchsupport::NumberedBoxes({"2", "1.5", "60", "0.002", "0.014", "0.3", "0.5", "10"});
  for (auto& row : TenRows()) boxes.push_back(row);
  benchsupport::TimeComputeClick(state, CreateForm1,
                                 {.form1Clicks = {"Option1", "Command1"},
                                  .window = "Form2",
                                  .boxes = boxes,
                                  .compute = "Command1"});
}
BENCHMARK(BM_ComputeClick)->Name("Form2 compute click (ten rows)")->Unit(benchmark::kMillisecond);

}  // namespace
