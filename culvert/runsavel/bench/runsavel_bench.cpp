// Timing of Runsavel's case computations and of one whole compute click.
#include "channel.h"
#include "windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace runsavel;

namespace {

ChannelInputs Example(float h, float B, float m, float Z) {
  ChannelInputs in;
  in.Q = 3;
  in.L = 80;
  in.xi1 = 0.15f;
  in.n = 0.014f;
  in.V = 0.8f;
  in.xi2 = 0.4f;
  in.h = h;
  in.B = B;
  in.m = m;
  in.Z = Z;
  return in;
}

void BM_WidthSearch(benchmark::State& s) {
  for (auto _ : s) benchmark::DoNotOptimize(WidthSearch(1.2f, 0.001f, 0.014f, 3.0f));
}
BENCHMARK(BM_WidthSearch);

void BM_WidthAndLossCase(benchmark::State& s) {
  const ChannelInputs in = Example(1.2f, 0, 1000, 0);
  for (auto _ : s) benchmark::DoNotOptimize(ChannelWidthAndLossCase(in));
}
BENCHMARK(BM_WidthAndLossCase);

void BM_WidthAndSlopeCase(benchmark::State& s) {
  const ChannelInputs in = Example(1.2f, 0, 0, 0.15f);
  for (auto _ : s) benchmark::DoNotOptimize(ChannelWidthAndSlopeCase(in));
}
BENCHMARK(BM_WidthAndSlopeCase);

void BM_WidthAndSlopeCaseAllPasses(benchmark::State& s) {  // 20 passes, short of the tolerance
  ChannelInputs in = Example(1.2f, 0, 0, 0.02f);
  in.xi1 = 0.5f;
  in.xi2 = 0.5f;
  in.V = 1.5f;
  for (auto _ : s) benchmark::DoNotOptimize(ChannelWidthAndSlopeCase(in));
}
BENCHMARK(BM_WidthAndSlopeCaseAllPasses);

void BM_DepthAndLossCase(benchmark::State& s) {
  const ChannelInputs in = Example(0, 2.0f, 1000, 0);
  for (auto _ : s) benchmark::DoNotOptimize(ChannelDepthAndLossCase(in));
}
BENCHMARK(BM_DepthAndLossCase);

// One compute click of Form8: read the boxes, save, compute, show.
void BM_ComputeClick(benchmark::State& s) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QWidget* form1 = CreateForm1();
  form1->findChild<QAbstractButton*>("Option1")->click();
  form1->findChild<QAbstractButton*>("Check1")->click();
  form1->findChild<QAbstractButton*>("Command2")->click();
  QWidget* f8 = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Form8") f8 = w;
  const QStringList values = {"3", "80", "2", "0.15", "1000", "0.014", "0.8", "0.4"};
  for (int i = 0; i < values.size(); ++i)
    f8->findChild<QLineEdit*>(QString("Text%1").arg(i + 1))->setText(values[i]);
  auto* compute = f8->findChild<QAbstractButton*>("Command2");
  for (auto _ : s) compute->click();
  QDir::setCurrent(previous);
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_ComputeClick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
