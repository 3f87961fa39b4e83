// Timing of the flexural case computations and of one whole compute click.
#include "flexure.h"

#include <benchmark/benchmark.h>

#ifdef BRASSELT_BENCH_WINDOWS
#include "suite_app.h"
#include "windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#endif

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

#ifdef BRASSELT_BENCH_WINDOWS
// One compute click of Form2: read the boxes, save "xgj.dat", compute, show.
void BM_Form2ComputeClick(benchmark::State& state) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QWidget* f1 = brasselt::CreateForm1();
  f1->findChild<QCheckBox*>("Check1")->click();
  f1->findChild<QPushButton*>("Command2")->click();
  QWidget* f2 = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Form2") f2 = w;
  for (const char* box : {"Check6", "Check16", "Check1"}) f2->findChild<QCheckBox*>(box)->click();
  const std::pair<const char*, const char*> values[] = {{"Text1", "20"}, {"Text2", "40"}, {"Text3", "0"},
                                                        {"Text4", "4"},  {"Text6", "3.5"}, {"Text5", "160"},
                                                        {"Text15", "1.2"}};
  for (const auto& [box, text] : values) f2->findChild<QLineEdit*>(box)->setText(text);
  auto* compute = f2->findChild<QPushButton*>("Command1");
  for (auto _ : state) compute->click();
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QDir::setCurrent(previous);
}
BENCHMARK(BM_Form2ComputeClick)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef BRASSELT_BENCH_WINDOWS
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  shell::InitSuiteApplication(app);
#endif
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
