// Timing of the crack check and the shear design, and of one compute click
// of each of their windows.
#include "crack.h"
#include "shear.h"
#include "windows.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

using namespace brasselt;

void BM_CrackCheckRectangle(benchmark::State& state) {
  const CrackInputs in{25, 50, 3, 4, 3.5f, 2.0f, 5, 0, 0, 0, 60, 0, 2.0f, 30000, 200000};
  CrackMember m;
  m.kind = RectFlexural;
  const CrackChoices c{ShortTerm, 2, DeformedBars};
  for (auto _ : state) benchmark::DoNotOptimize(CrackCheckCase(in, m, c));
}
BENCHMARK(BM_CrackCheckRectangle);

void BM_CrackCheckTEccentric(benchmark::State& state) {
  const CrackInputs in{30, 60, 3, 4, 4, 2.2f, 4, 0, 0, 0, 180, 300, 2.0f, 30000, 200000};
  CrackMember m;
  m.kind = TSectionEccentricCompression;
  m.bfc = 60;
  m.hfc = 10;
  m.l0 = 900;
  m.eccentricKind = TSectionEccentricCompression;  // l0 as the T window's compute left it
  const CrackChoices c{LongTerm, 3, PlainBars};
  for (auto _ : state) benchmark::DoNotOptimize(CrackCheckCase(in, m, c));
}
BENCHMARK(BM_CrackCheckTEccentric);

void BM_ShearStirrups(benchmark::State& state) {
  const ShearInputs in{25, 46, 160, 0, 10, 210, 310, 8, 2, 0};
  const ShearMember m{RectFlexural, 0, 1.2f, 4, 0, 0};
  const ShearChoices c{StirrupGradeI, OtherLoads};
  BentUpCarry carry;
  for (auto _ : state) benchmark::DoNotOptimize(ShearFirstPass(in, m, c, carry));
}
BENCHMARK(BM_ShearStirrups);

void BM_ShearBentUpBothPasses(benchmark::State& state) {
  const ShearInputs in{25, 46, 220, 0, 10, 210, 310, 8, 2, 0};
  const ShearMember m{RectFlexural, 0, 1.2f, 4, 0, 0};
  const ShearChoices c{StirrupGradeI, OtherLoads};
  BentUpCarry carry;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ShearFirstPass(in, m, c, carry));
    benchmark::DoNotOptimize(ShearSecondPass(8, 45, carry));
  }
}
BENCHMARK(BM_ShearBentUpBothPasses);

QWidget* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) return w;
  return nullptr;
}

void Fill(QWidget* w, std::initializer_list<std::pair<const char*, const char*>> values) {
  for (const auto& [box, text] : values) w->findChild<QLineEdit*>(box)->setText(text);
}

// The crack check and the shear design opened from a computed Form2.
struct OpenChecks {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  QWidget* f9 = nullptr;
  QWidget* f10 = nullptr;
  OpenChecks() {
    QDir::setCurrent(dir.path());
    QWidget* f1 = CreateForm1();
    f1->findChild<QCheckBox*>("Check1")->click();
    f1->findChild<QPushButton*>("Command2")->click();
    QWidget* f2 = TopLevel("Form2");
    for (const char* box : {"Check6", "Check16", "Check1"}) f2->findChild<QCheckBox*>(box)->click();
    Fill(f2, {{"Text1", "20"}, {"Text2", "40"}, {"Text3", "0"}, {"Text4", "4"}, {"Text6", "3.5"},
              {"Text5", "160"}, {"Text15", "1.2"}});
    f2->findChild<QPushButton*>("Command1")->click();
    f2->findChild<QPushButton*>("Command4")->click();
    f9 = TopLevel("Form9");
    f9->findChild<QCheckBox*>("Check7")->click();
    f9->findChild<QRadioButton*>("Option2")->click();
    f9->findChild<QCheckBox*>("Check1")->click();
    Fill(f9, {{"Text1", "25"}, {"Text2", "50"}, {"Text3", "3"}, {"Text4", "4"}, {"Text5", "3.5"},
              {"Text6", "2"}, {"Text7", "5"}, {"Text8", "0"}, {"Text9", "0"}, {"Text10", "0"},
              {"Text19", "60"}, {"Text20", "0"}, {"Text21", "2"}, {"Text22", "30000"}, {"Text23", "200000"}});
    f9->findChild<QPushButton*>("Command2")->click();
    f10 = TopLevel("Form10");
    f10->findChild<QCheckBox*>("Check1")->click();
    f10->findChild<QRadioButton*>("Option2")->click();
    Fill(f10, {{"Text1", "25"}, {"Text2", "46"}, {"Text3", "160"}, {"Text4", "0"}, {"Text5", "10"},
               {"Text6", "210"}, {"Text7", "310"}, {"Text8", "8"}, {"Text9", "2"}, {"Text10", "0"}});
  }
  ~OpenChecks() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->close();
    QDir::setCurrent(previous);
  }
};

// One compute click of Form9: read the boxes, compute, show results and verdicts.
void BM_Form9ComputeClick(benchmark::State& state) {
  OpenChecks open;
  auto* compute = open.f9->findChild<QPushButton*>("Command1");
  for (auto _ : state) compute->click();
}
BENCHMARK(BM_Form9ComputeClick)->Unit(benchmark::kMicrosecond);

// One compute click of Form10 (stirrups alone).
void BM_Form10ComputeClick(benchmark::State& state) {
  OpenChecks open;
  auto* compute = open.f10->findChild<QPushButton*>("Command1");
  for (auto _ : state) compute->click();
}
BENCHMARK(BM_Form10ComputeClick)->Unit(benchmark::kMicrosecond);

}  // namespace
