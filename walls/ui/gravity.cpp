// The gravity-wall data window Form2 and its results window Form3.
#include "windows.h"

#include "formbuilder.h"
#include "gravityfiles.h"
#include "pieces.h"

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

const std::vector<QString> InputNames = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
    "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16",
    "Text17", "Text18", "Text19", "Text20", "Text21", "Text22"};

// The section table: three rows of three boxes, in reading order.
std::vector<BoxSpec> SectionBoxes() {
  return InRowOrder(
      {
          BoxSpec("Text1", {"墙底总宽"}).Sym("B"),
          BoxSpec("Text2", {"墙顶宽"}).Sym("B", "0"),
          BoxSpec("Text3", {"趾面墙底宽"}).Sym("B", "1"),
          BoxSpec("Text4", {"前趾宽"}).Sym("B", "2"),
          BoxSpec("Text5", {"后趾宽"}).Sym("B", "3"),
          BoxSpec("Text6", {"墙身总高 "}).Sym("H"),
          BoxSpec("Text7", {"墙上部直段高"}).Sym("H", "1"),
          BoxSpec("Text8", {"墙背斜面段高"}).Sym("H", "2"),
          BoxSpec("Text9", {"墙趾高"}).Sym("H", "3"),
      },
      3);
}

// The design-parameter table: rows of two boxes, in reading order.
std::vector<BoxSpec> ParameterBoxes() {
  const QString density = "(kN/m³)";
  return InRowOrder(
      {
          BoxSpec("Text10", {"回填土内摩擦角"}).SymLabel("Label33", " φ").Unit("(度)").Named("回填土内摩擦角 φ"),
          BoxSpec("Text11", {"回填土凝聚力"}).Sym("C").Unit("(kN/m²)"),
          BoxSpec("Text12", {"墙底与地基间摩擦系数"}).Sym("f"),
          BoxSpec("Text13", {"填土面与水平面夹角"}).SymLabel("Label34", "β").Unit("(度)").Named("填土面与水平面夹角 β"),
          BoxSpec("Text14", {"地下水位距墙底高"}).Sym("h", "1").Unit("(m)"),
          BoxSpec("Text15", {"墙前水深(从墙底起算)"}).Sym("h", "2").Unit("(m)"),
          BoxSpec("Text16", {"回填土顶面均布荷载"}).Sym("q").Unit("(kN/m)"),
          BoxSpec("Text17", {"回填土湿容重"}).SymLabel("Label75", "γ", "1").Unit(density).Named("回填土湿容重 γ1"),
          BoxSpec("Text18", {"墙背与填土间摩擦角"}).SymLabel("Label35", "δ").Unit("(度)").Named("墙背与填土间摩擦角 δ"),
          BoxSpec("Text19", {"回填土浮容重 "}).SymLabel("Label82", "γ", "2").Unit(density).Named("回填土浮容重 γ2"),
          BoxSpec("Text20", {"底板材料容重"}).Unit(density),
          BoxSpec("Text21", {"墙身材料容重 "}).Unit(density),
          BoxSpec("Text22", {"前趾止水距墙底高"}).Sym("d").Unit("(m)"),
      },
      2);
}

GravityWallInputs InputsOf(const std::vector<float>& v) {
  GravityWallInputs in;
  AssignInOrder(v, {&in.B,   &in.B0, &in.B1, &in.B2,     &in.B3,     &in.H,      &in.H1,  &in.H2,
                    &in.H3,  &in.phi, &in.C, &in.f,      &in.beta,   &in.h1,     &in.h2,  &in.q,
                    &in.gamma1, &in.delta, &in.gamma2, &in.gammaBase, &in.gammaWall, &in.d});
  return in;
}

}  // namespace

// ---------------------------------------------------------------- Form2

Form2::Form2(Program& program) : WallDataWindow(program, "Form2", QString()) {
  FormBuilder b(this);
  b.Title({"Label1", "重力式挡土墙基本资料"});
  TableSpec section{{"Label2", "墙身断面尺寸表"}, SectionBoxes()};
  section.shape = TableShape::Rows;
  section.perLine = 3;
  b.Table(section);
  b.Line({{"Label3", "单位： m"}});
  b.Gap(6);
  ParametersAndWaterStop(b, ParameterBoxes());
  b.Gap(4);

  PieceLine(b, this, {T("[提示] 1.无地下水时 h"), Sub("1"), T(" 填入 0 值；不考虑墙前水深时 h"), Sub("2"), T(" 填入 0 值； ")});
  PieceLine(b, this, {T("       2.前趾与铺盖间无止水时，d 填入 0 值；")});
  PieceLine(b, this, {T("       3.填土面无均布荷载时，q 填入 0  值；")});
  PieceLine(b, this, {T("       4.墙底板及上部墙身根据所采用的材料分别填入相应的容重值，混凝土容重一般")});
  PieceLine(b, this, {T("         采用 24 kN/m³ ；浆砌石容重一般采用 22 kN/m³ 。")});
  b.Gap(6);
  DataButtons(b, InputNames);
}

void Form2::Form_Load() {
  SymbolCaptionFill({{"Label33", " φ"}, {"Label34", "β"}, {"Label35", "δ"}, {"Label75", "γ"}, {"Label82", "γ"}});
  LoadSavedData(kGravityDataSuffix, kGravityDataFields, TextsOf<GravityDataBoxTexts>);
}

WallResultsWindow* Form2::LoadedResults() const { return p_.form3; }
WallResultsWindow* Form2::OpenResults() { return p_.OpenForm3(); }

void Form2::Command2_Click() {
  Compute(InputNames, kGravityDataSuffix, kGravityResultsSuffix, [this](const std::vector<float>& values) {
    return ComputeWall(InputsOf(values), p_.m.WaterStopMode, GravityDataLines, GravityWallCase, GravityResultsLines);
  });
}

// ---------------------------------------------------------------- Form3

Form3::Form3(Program& program)
    : WallResultsWindow(program, "Form3", kGravityResultsSuffix, kGravityResultsFields, 35,
                        TextsOf<GravityResultsBoxTexts>) {
  FormBuilder b(this);
  BasePressureTable(b, "偏心矩", {"朗  肯", "库  伦"});
  b.Gap(10);
  StabilityTable(b, {"朗  肯", "库  伦"}, 19, "Label41", "Label45");
  b.Gap(8);
  FrictionAngleRow(b, "Label27");
  b.Gap(8);
  Buttons(b, [this] { Command3_Click(); });
}

void Form3::Form_Load() {
  SymbolCaptionFill({{"Label27", "φ"}, {"Label41", "·"}, {"Label45", "·"}});
  ShowResultsFile();
}

void Form3::Command3_Click() {
  p_.OpenForm2();
  close();
}

}  // namespace ketrova
