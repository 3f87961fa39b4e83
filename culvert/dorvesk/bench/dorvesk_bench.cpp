// Timing of Dorvesk's case computations and of one whole compute click.
#include "circular.h"
#include "windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
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
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QWidget* form1 = CreateForm1();
  form1->findChild<QAbstractButton*>("Option1")->click();
  form1->findChild<QAbstractButton*>("Check1")->click();
  form1->findChild<QAbstractButton*>("Command2")->click();
  QWidget* f2 = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Form2") f2 = w;
  const QStringList values = {"2", "100", "1.5", "0.15", "1000", "0.014", "0.8", "0.4"};
  for (int i = 0; i < values.size(); ++i)
    f2->findChild<QLineEdit*>(QString("Text%1").arg(i + 1))->setText(values[i]);
  auto* compute = f2->findChild<QAbstractButton*>("Command2");
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
