// Timing of Vostrane's row procedure in each regime, of the bounded trial at
// its pass bound, and of one whole compute click (read the boxes, save the
// data file, compute ten rows, show the results).
#include "stagedischarge.h"
#include "windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
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

QLineEdit* BoxOf(QWidget* w, const QString& name) { return w->findChild<QLineEdit*>(name); }

void BM_ComputeClick(benchmark::State& state) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QWidget* form1 = CreateForm1();
  form1->findChild<QAbstractButton*>("Option1")->click();
  form1->findChild<QAbstractButton*>("Command1")->click();
  QWidget* form2 = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "Form2") form2 = w;
  const QStringList section = {"2", "1.5", "60", "0.002", "0.014", "0.3", "0.5", "10"};
  for (int k = 0; k < section.size(); ++k) BoxOf(form2, QString("Text%1").arg(k + 1))->setText(section[k]);
  for (int k = 0; k < 10; ++k) {
    BoxOf(form2, ArrayBox("Text9", k))->setText(QString::number(1 + k));
    BoxOf(form2, ArrayBox("Text10", k))->setText(QString::number(0.3 + 0.15 * k));
  }
  auto* compute = form2->findChild<QAbstractButton*>("Command1");
  for (auto _ : state) compute->click();
  form1->close();
  form2->close();
  QDir::setCurrent(previous);
}
BENCHMARK(BM_ComputeClick)->Name("Form2 compute click (ten rows)")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
