// Timing of the eccentric-member computations and of one compute click of
// the rectangular eccentric window.
#include "eccentric.h"

#include "benchsupport.h"
#include "windows.h"

#include <benchmark/benchmark.h>

namespace {

brasselt::MemberState Chosen(int concreteBox, float arrangement, float restraint) {
  brasselt::MemberState s;
  brasselt::ConcreteBoxClicked(s, concreteBox);
  brasselt::SteelBoxClicked(s, 16);
  s.StructuralElement = brasselt::Column;
  s.SteelArrangement = arrangement;
  s.MemberShape = 1;
  s.EndRestraint = restraint;
  return s;
}

void BM_RectCompressionLarge(benchmark::State& state) {
  const auto s = Chosen(7, 1, 2);
  const brasselt::RectEccentricInputs in{30, 46, 300, 4, 4, 120, 300, 1.2f, 0};
  for (auto _ : state)
    benchmark::DoNotOptimize(brasselt::RectEccentricCase(in, s, brasselt::RectEccentricCompression));
}
BENCHMARK(BM_RectCompressionLarge);

void BM_RectCompressionSmall(benchmark::State& state) {
  const auto s = Chosen(8, 1, 1);
  const brasselt::RectEccentricInputs in{40, 56, 600, 4, 4, 60, 4000, 1.2f, 0};
  for (auto _ : state)
    benchmark::DoNotOptimize(brasselt::RectEccentricCase(in, s, brasselt::RectEccentricCompression));
}
BENCHMARK(BM_RectCompressionSmall);

void BM_RectTensionLarge(benchmark::State& state) {
  const auto s = Chosen(7, 1, 0);
  const brasselt::RectEccentricInputs in{30, 46, 0, 4, 4, 150, 200, 1.2f, 0};
  for (auto _ : state) benchmark::DoNotOptimize(brasselt::RectEccentricCase(in, s, brasselt::RectEccentricTension));
}
BENCHMARK(BM_RectTensionLarge);

void BM_TSectionCompressionFallBack(benchmark::State& state) {
  const auto s = Chosen(7, 1, 2);
  const brasselt::TSectionEccentricInputs in{30, 80, 600, 60, 15, 4, 530, 300, 1.2f, 3};
  for (auto _ : state) benchmark::DoNotOptimize(brasselt::TSectionEccentricCase(in, s));
}
BENCHMARK(BM_TSectionCompressionFallBack);

// The worst case that still ends: the small-eccentricity zone runs to its
// round bound.
void BM_RectCompressionRoundBound(benchmark::State& state) {
  const auto s = Chosen(7, 1, 3);
  const brasselt::RectEccentricInputs in{30, 46, 300, 4, 4, 0, 3e10f, 1.2f, 0};
  for (auto _ : state)
    benchmark::DoNotOptimize(brasselt::RectEccentricCase(in, s, brasselt::RectEccentricCompression));
}
BENCHMARK(BM_RectCompressionRoundBound)->Unit(benchmark::kMillisecond);

// One compute click of Form3: read the boxes, save "xgp.dat", compute, show.
void BM_Form3ComputeClick(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, brasselt::CreateForm1,
      {.form1Clicks = {"Check2", "Command2"},
       .window = "Form3",
       .boxes = benchsupport::NumberedBoxes({"30", "46", "500", "4", "4", "200", "500", "1.2"}),
       .windowClicks = {"Check7", "Check16", "Check3", "Check21", "Check19", "Option3"},
       .compute = "Command1"});
}
BENCHMARK(BM_Form3ComputeClick)->Unit(benchmark::kMicrosecond);

}  // namespace
