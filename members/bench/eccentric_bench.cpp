// Timing of the eccentric-member computations and of one compute click of
// the rectangular eccentric window.
#include "eccentric.h"

#include <benchmark/benchmark.h>

#ifdef BRASSELT_BENCH_WINDOWS
#include "windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#endif

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

#ifdef BRASSELT_BENCH_WINDOWS
// One compute click of Form3: read the boxes, save "xgp.dat", compute, show.
void BM_Form3ComputeClick(benchmark::State& state) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QWidget* f1 = brasselt::CreateForm1();
  f1->findChild<QAbstractButton*>("Check2")->click();
  f1->findChild<QPushButton*>("Command2")->click();
  QWidget* f3 = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Form3") f3 = w;
  for (const char* box : {"Check7", "Check16", "Check3", "Check21", "Check19", "Option3"})
    f3->findChild<QAbstractButton*>(box)->click();
  const std::pair<const char*, const char*> values[] = {
      {"Text1", "30"}, {"Text2", "46"}, {"Text3", "500"}, {"Text4", "4"},  {"Text5", "4"},
      {"Text6", "200"}, {"Text7", "500"}, {"Text8", "1.2"}, {"Text17", "0"}};
  for (const auto& [box, text] : values) f3->findChild<QLineEdit*>(box)->setText(text);
  auto* compute = f3->findChild<QPushButton*>("Command1");
  for (auto _ : state) compute->click();
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QDir::setCurrent(previous);
}
BENCHMARK(BM_Form3ComputeClick)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
