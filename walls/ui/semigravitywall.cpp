// The semi-gravity-wall data window Form4 and its results window Form5.
#include "windows.h"

#include "formbuilder.h"
#include "pieces.h"
#include "semigravityfiles.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ketrova {

using shell::BoxSpec;
using shell::FormBuilder;
using shell::TableShape;
using shell::TableSpec;

namespace {

// The boxes in the order the compute button reads them.
const std::vector<QString> InputNames = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
    "Text9",  "Text20", "Text21", "Text22", "Text23", "Text24", "Text10", "Text11",
    "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19"};

std::vector<BoxSpec> SectionBoxes() {
  return InRowOrder(
      {
          BoxSpec("Text1", {"墙底总宽"}).Sym("B"),
          BoxSpec("Text2", {"墙顶宽"}).Sym("B", "0"),
          BoxSpec("Text3", {"墙背第一级斜面段底宽"}).Sym("B", "1"),
          BoxSpec("Text4", {"墙背第二级斜面段底宽"}).Sym("B", "2"),
          BoxSpec("Text5", {"墙背第三级斜面段底宽"}).Sym("B", "3"),
          BoxSpec("Text6", {"前趾等厚段宽"}).Sym("B", "4"),
          BoxSpec("Text7", {"前趾变厚段宽"}).Sym("B", "5"),
          BoxSpec("Text8", {"后趾宽"}).Sym("B", "6"),
          BoxSpec("Text9", {"墙身总高"}).Sym("H"),
          BoxSpec("Text20", {"墙背第一级斜面段高"}).Sym("H", "1"),
          BoxSpec("Text21", {"墙背第二级斜面段高"}).Sym("H", "2"),
          BoxSpec("Text22", {"墙背第三级斜面段高"}).Sym("H", "3"),
          BoxSpec("Text23", {"墙趾高"}).Sym("H", "4"),
          BoxSpec("Text24", {"前趾变厚段高"}).Sym("H", "5"),
      },
      2);
}

std::vector<BoxSpec> ParameterBoxes() {
  const QString density = "(kN/m³)";
  return InRowOrder(
      {
          BoxSpec("Text10", {"回填土内摩擦角"}).SymLabel("Label28", "φ").Unit("(度)").Named("回填土内摩擦角 φ"),
          BoxSpec("Text11", {"回填土凝聚力"}).Sym("C").Unit("(kN/m²)"),
          BoxSpec("Text12", {"墙底与地基间摩擦系数"}).Sym("f"),
          BoxSpec("Text13", {"回填土顶面均布荷载"}).Sym("q").Unit("(kN/m)"),
          BoxSpec("Text14", {"地下水位距墙底高"}).Sym("h", "1").Unit("(m)"),
          BoxSpec("Text15", {"墙前水深(从墙底起算)"}).Sym("h", "2").Unit("(m)"),
          BoxSpec("Text16", {"前趾止水距墙底高"}).Sym("d").Unit("(m)"),
          BoxSpec("Text17", {"回填土湿容重"}).SymLabel("Label84", "γ", "1").Unit(density).Named("回填土湿容重 γ1"),
          BoxSpec("Text18", {"砼抗拉设计强度"}).Sym("R", "l").Unit("(kN/m²)"),
          BoxSpec("Text19", {"回填土浮容重"}).SymLabel("Label82", "γ", "2").Unit(density).Named("回填土浮容重 γ2"),
      },
      2);
}

SemiGravityInputs InputsOf(const std::vector<float>& v) {
  SemiGravityInputs in;
  AssignInOrder(v, {&in.B, &in.B0, &in.B1, &in.B2, &in.B3, &in.B4, &in.B5, &in.B6,
                    &in.H, &in.H1, &in.H2, &in.H3, &in.H4, &in.H5, &in.phi, &in.C,
                    &in.f, &in.q,  &in.h1, &in.h2, &in.d,  &in.gamma1, &in.Rl, &in.gamma2});
  return in;
}

}  // namespace

// ---------------------------------------------------------------- Form4

Form4::Form4(Program& program) : WallDataWindow(program, "Form4", "Form4") {
  FormBuilder b(this);
  b.Title({"Label1", "半重力式挡土墙基本资料"});
  TableSpec section{{"Label2", "墙身断面尺寸表"}, SectionBoxes()};
  section.shape = TableShape::Rows;
  section.perLine = 2;
  b.Table(section);
  PieceLine(b, this, {T("单位："), T("m")});
  b.Gap(6);
  ParametersAndWaterStop(b, ParameterBoxes());
  b.Gap(4);

  PieceLine(b, this, {T("[提示] 1.墙背只有两级斜面时(见示意图中虚线所示)，须将第一级斜面作两级处理，即 B"), Sub("1"),
                      T("、H"), Sub("1"), T(" 值分别为第一级中部的墙宽及第一级墙高之半；")});
  PieceLine(b, this, {T("           B"), Sub("2"), T("、H"), Sub("2"), T(" 值分别为第一级底部的"), T("墙宽及第一级墙高之半；")});
  PieceLine(b, this, {T("       2.无前趾变厚段时，B"), Sub("5"), T(" 填入 0 值，H"), Sub("5"), T(" 值与 H"), Sub("4"),
                      T(" 值相同；")});
  PieceLine(b, this, {T("       3.无地下水时 h"), Sub("1"), T(" 填入 0 值；不考虑墙前水深时 h"), Sub("2"), T(" 填入 0 值；")});
  PieceLine(b, this, {T("       4.前趾与铺盖间无止水时，d 填入 0 值；")});
  PieceLine(b, this, {T("       5.填土面无均布荷载时，q 填入 0  值。")});
  b.Gap(6);
  DataButtons(b, InputNames);
}

void Form4::Form_Load() {
  SymbolCaptionFill({{"Label28", "φ"}, {"Label84", "γ"}, {"Label82", "γ"}});
  LoadSavedData(kSemiGravityDataSuffix, kSemiGravityDataFields, TextsOf<SemiGravityDataBoxTexts>);
}

WallResultsWindow* Form4::LoadedResults() const { return p_.form5; }
WallResultsWindow* Form4::OpenResults() { return p_.OpenForm5(); }

void Form4::Command2_Click() {
  Compute(InputNames, kSemiGravityDataSuffix, kSemiGravityResultsSuffix, [this](const std::vector<float>& values) {
    return ComputeWall(InputsOf(values), p_.m.WaterStopMode, SemiGravityDataLines, SemiGravityWallCase,
                       SemiGravityResultsLines);
  });
}

// ---------------------------------------------------------------- Form5

Form5::Form5(Program& program)
    : WallResultsWindow(program, "Form5", kSemiGravityResultsSuffix, kSemiGravityResultsFields, 38,
                        TextsOf<SemiGravityResultsBoxTexts>) {
  FormBuilder b(this);
  BasePressureTable(b, "偏心距", {"朗  肯"});
  b.Gap(10);
  StabilityTable(b, {"朗  肯"}, 10, "Label57", "Label60");
  b.Gap(6);

  FrictionAngleRow(b, "Label35");
  b.Gap(10);

  // Control sections.
  b.layout()->addWidget(TableHeading(this, "墙身控制截面最大拉应力计算成果表"));
  auto* g3 = new QGridLayout;
  g3->setHorizontalSpacing(6);
  g3->setVerticalSpacing(3);
  g3->addWidget(HeadingCell(this, {"截面号"}), 0, 0);
  g3->addWidget(HeadingCell(this, {"截 面 位 置"}), 0, 1);
  g3->addWidget(HeadingCell(this, {"弯  矩"}, {T("(kN"), S("Label65"), T("m)")}), 0, 2);
  g3->addWidget(HeadingCell(this, {"轴向压力", "(kN)"}), 0, 3);
  g3->addWidget(HeadingCell(this, {"截面厚", "(m)"}), 0, 4);
  g3->addWidget(HeadingCell(this, {"最大拉应力", "(kN/m²)"}), 0, 5);
  g3->addWidget(HeadingCell(this, {"安全系数"}), 0, 6);
  const std::vector<std::vector<Piece>> places = {
      {T("距墙顶高 H"), Sub("1"), T(" 处")},
      {T("距墙顶高 H"), Sub("2"), T(" 处")},
      {T("墙背 2、3 级斜面间")},
      {T("前趾根部截面")},
  };
  const int boxes[4][5] = {{18, 19, 20, 21, 22}, {23, 24, 25, 26, 27}, {28, 29, 30, 31, 32}, {33, 34, 36, 37, 38}};
  for (int r = 0; r < 4; ++r) {
    QLabel* n = FormBuilder::MakeLabel({QString(), QString::number(r + 1)}, this);
    n->setAlignment(Qt::AlignCenter);
    g3->addWidget(n, 1 + r, 0);
    auto* place = new QHBoxLayout;
    place->setSpacing(0);
    place->addStretch(1);
    AddPieces(place, this, places[static_cast<std::size_t>(r)]);
    place->addStretch(1);
    g3->addLayout(place, 1 + r, 1);
    for (int c = 0; c < 5; ++c) g3->addWidget(ResultBox(this, boxes[r][c]), 1 + r, 2 + c);
  }
  b.layout()->addLayout(g3);
  b.Gap(8);

  Buttons(b, [this] { Command3_Click(); });
}

void Form5::Form_Load() {
  SymbolCaptionFill({{"Label35", "φ"}, {"Label57", "·"}, {"Label60", "·"}, {"Label65", "·"}});
  ShowResultsFile();
}

void Form5::Command3_Click() {
  p_.OpenForm4();
  close();
}

}  // namespace ketrova
