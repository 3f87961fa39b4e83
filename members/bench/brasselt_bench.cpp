// Timing of the flexural case computations and of one whole compute click.
#include "flexure.h"

#include "benchsupport.h"
#include "windows.h"

#include <benchmark/benchmark.h>

namespace {

brasselt::Materials Chosen(int concreteBox, int steelBox) {
  brasselt::MemberState s;
  brasselt::ConcreteBoxClicked(s, concreteBox);
  brasselt::SteelBoxClicked(s, steelBox);
  return s.materials;
}

void BM_RectFlexuralSingly(benchmark::State& state) {
  const auto m = Chosen(7, 16);
  brasselt::RectFlexuralInputs in{25, 46, 0, 3.5f, 3.5f, 120, 1.2f};
  for (auto _ : state) benchmark::DoNotOptimize(brasselt::RectFlexuralCase(in, m, brasselt::Beam));
}
BENCHMARK(BM_RectFlexuralSingly);

void BM_RectFlexuralDoubly(benchmark::State& state) {
  const auto m = Chosen(6, 16);
  brasselt::RectFlexuralInputs in{20, 40, 0, 3.5f, 3.5f, 160, 1.2f};
  for (auto _ : state) benchmark::DoNotOptimize(brasselt::RectFlexuralCase(in, m, brasselt::Beam));
}
BENCHMARK(BM_RectFlexuralDoubly);

void BM_TSectionFlexural(benchmark::State& state) {
  const auto m = Chosen(6, 16);
  brasselt::TSectionFlexuralInputs in{25, 70, 0, 0, 60, 8, 0, 5, 3.5f, 400, 1.2f};
  for (auto _ : state) benchmark::DoNotOptimize(brasselt::TSectionFlexuralCase(in, m));
}
BENCHMARK(BM_TSectionFlexural);

// The worst case that still ends: the stepping runs to its round bound.
void BM_RectFlexuralRoundBound(benchmark::State& state) {
  const auto m = Chosen(6, 16);
  brasselt::RectFlexuralInputs in{3000, 3000, 0, 3.5f, 3.5f, 1e9f, 1.2f};
  for (auto _ : state) benchmark::DoNotOptimize(brasselt::RectFlexuralCase(in, m, brasselt::Beam));
}
BENCHMARK(BM_RectFlexuralRoundBound)->Unit(benchmark::kMillisecond);

// One compute click of Form2: read the boxes, save "xgj.dat", compute, show.
void BM_Form2ComputeClick(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, brasselt::CreateForm1,
      {.form1Clicks = {"Check1", "Command2"},
       .window = "Form2",
       .boxes = benchsupport::Boxes({"Text1", "Text2", "Text3", "Text4", "Text6", "Text5", "Text15"},
                                    {"20", "40", "0", "4", "3.5", "160", "1.2"}),
       .windowClicks = {"Check6", "Check16", "Check1"},
       .compute = "Command1"});
}
BENCHMARK(BM_Form2ComputeClick)->Unit(benchmark::kMicrosecond);

// One compute click of Form4: the T section whose neutral axis lies in the web.
void BM_Form4ComputeClick(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, brasselt::CreateForm1,
      {.form1Clicks = {"Check6", "Command2"},
       .window = "Form4",
       .boxes = benchsupport::Boxes(
           {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text21", "Text15", "Text17", "Text18", "Text19"},
           {"25", "70", "0", "0", "60", "8", "0", "5", "3.5", "400", "1.2"}),
       .windowClicks = {"Check6", "Check16"},
       .compute = "Command1"});
}
BENCHMARK(BM_Form4ComputeClick)->Unit(benchmark::kMicrosecond);

}  // namespace
