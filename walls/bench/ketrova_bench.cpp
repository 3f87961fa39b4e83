// Timing of Ketrova's case computations and of one whole compute click of
// the gravity-wall data window (read the boxes, save the data file, compute,
// write the results file, refill the open results window).
#include "gravityfiles.h"
#include "gravitywall.h"
#include "windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

ketrova::GravityWallInputs Wall(float h1) {
  ketrova::GravityWallInputs in;
  in.B = 4.0f;
  in.B0 = 0.6f;
  in.B1 = 2.0f;
  in.B2 = 0.8f;
  in.B3 = 1.2f;
  in.H = 5.0f;
  in.H1 = 1.0f;
  in.H2 = 3.5f;
  in.H3 = 0.5f;
  in.phi = 30.0f;
  in.C = 5.0f;
  in.f = 0.45f;
  in.h1 = h1;
  in.h2 = 1.0f;
  in.q = 10.0f;
  in.gamma1 = 18.0f;
  in.delta = 15.0f;
  in.gamma2 = 10.0f;
  in.gammaBase = 24.0f;
  in.gammaWall = 22.0f;
  return in;
}

void BM_GravityWallCase(benchmark::State& state) {
  const auto in = Wall(static_cast<float>(state.range(0)) / 2.0f);
  for (auto _ : state) benchmark::DoNotOptimize(ketrova::GravityWallCase(in, ketrova::NoWaterStop));
}
// h1 = 0 (dry fill), 2 (water table on the sloped back), 4.5 (above it).
BENCHMARK(BM_GravityWallCase)->Arg(0)->Arg(4)->Arg(9);

void BM_GravityWallFiles(benchmark::State& state) {
  const auto in = Wall(2.0f);
  const auto r = ketrova::GravityWallCase(in, ketrova::NoWaterStop);
  for (auto _ : state) {
    const std::string data = shell::FormatDataFile(ketrova::GravityDataLines(in, r.friction));
    const std::string results = shell::FormatDataFile(ketrova::GravityResultsLines(r));
    benchmark::DoNotOptimize(ketrova::GravityResultsBoxTexts(shell::ParseDataFile(results)));
    benchmark::DoNotOptimize(ketrova::GravityDataBoxTexts(shell::ParseDataFile(data)));
  }
}
BENCHMARK(BM_GravityWallFiles);

QWidget* TopLevel(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) return w;
  return nullptr;
}

void BM_ComputeClick(benchmark::State& state) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QWidget* form1 = ketrova::CreateForm1();
  form1->findChild<QAbstractButton*>("Option1")->click();
  form1->findChild<QAbstractButton*>("Command1")->click();
  QWidget* form2 = TopLevel("Form2");
  const QStringList values = {"4",  "0.6", "2", "0.8", "1.2", "5",  "1",  "3.5", "0.5", "30", "5",
                              "0.45", "0", "2", "1",  "10",  "18", "15", "10",  "24",  "22", "0"};
  for (int i = 0; i < values.size(); ++i)
    form2->findChild<QLineEdit*>(QString("Text%1").arg(i + 1))->setText(values[i]);
  form2->findChild<QAbstractButton*>("Option1")->click();
  auto* compute = form2->findChild<QAbstractButton*>("Command2");
  compute->click();  // opens the results window; later clicks refill it
  for (auto _ : state) compute->click();
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QDir::setCurrent(previous);
}
BENCHMARK(BM_ComputeClick)->Name("Form2 compute click")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
