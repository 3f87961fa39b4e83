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

std::vector<QString> ResultNames() {
  std::vector<QString> names;
  for (int i = 1; i <= 38; ++i) names.push_back(QString("Text%1").arg(i));
  return names;
}

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
  float* const order[] = {&in.B,  &in.B0, &in.B1, &in.B2, &in.B3, &in.B4, &in.B5, &in.B6,
                          &in.H,  &in.H1, &in.H2, &in.H3, &in.H4, &in.H5, &in.phi, &in.C,
                          &in.f,  &in.q,  &in.h1, &in.h2, &in.d,  &in.gamma1, &in.Rl, &in.gamma2};
  for (std::size_t i = 0; i < v.size() && i < std::size(order); ++i) *order[i] = v[i];
  return in;
}

}  // namespace

// ---------------------------------------------------------------- Form4

Form4::Form4(Program& program) : Form("Form4", QString()), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "半重力式挡土墙基本资料"});
  TableSpec section{{"Label2", "墙身断面尺寸表"}, SectionBoxes()};
  section.shape = TableShape::Rows;
  section.perLine = 2;
  b.Table(section);
  PieceLine(b, this, {T("单位："), T("m")});
  b.Gap(6);
  TableSpec parameters{{"Label4", "设 计 参 数 表"}, ParameterBoxes()};
  parameters.shape = TableShape::Rows;
  parameters.perLine = 2;
  b.Table(parameters);
  b.Gap(6);

  b.Line({{"Label5", WaterStopHint}});
  auto option1 = b.Options({}, {{"Option1", NoWaterStopCaption}});
  auto option2 = b.Options({}, {{"Option2", WaterStopCaption}});
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
  auto buttons = b.Buttons({{"Command2", "显示计算成果"}, {"Command3", "查看尺寸符号图"}, {"Command1", "打印基本资料"}});
  b.Finish();

  // The one water-stop choice of the program, shown wherever it is in force.
  p_.BindChoice(option1[0], &p_.m.WaterStopMode, NoWaterStop);
  p_.BindChoice(option2[0], &p_.m.WaterStopMode, WaterStop);
  // The results window shows the last computation of the project's file and
  // keeps it; this window's own note of that computation goes with an edit.
  ClearResultsOnEdit(InputNames, [this] { return ClearComputedNote(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form4::Form_Load() {
  SymbolCaptionFill({{"Label28", "φ"}, {"Label84", "γ"}, {"Label82", "γ"}});
  auto fields = LoadSavedInputs(p_.m, p_.m.ProjectName, kSemiGravityDataSuffix, kSemiGravityDataFields);
  if (!fields) return;
  const auto texts = SemiGravityDataBoxTexts(*fields);
  for (std::size_t i = 0; i < texts.size(); ++i)
    Box(QString("Text%1").arg(i + 1))->setText(QString::fromStdString(texts[i]));
}

bool Form4::ClearComputedNote() {
  if (!noteShown_) return false;
  noteShown_ = false;
  ClearMessage();
  return true;
}

void Form4::NoResults(const QString& why) {
  if (p_.form5) p_.form5->ShowNoResults(why);
}

void Form4::Command2_Click() {
  ClearMessage();
  noteShown_ = false;
  auto values = ReadNumbers(InputNames, {});
  if (!values) {
    NoResults(QStringLiteral("基本资料中有不是数字的栏，未进行计算。"));
    return;
  }
  const SemiGravityInputs in = InputsOf(*values);

  // The friction angle first, so that the whole record is written at once.
  const FrictionAngle friction = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  if (!SaveInputs(p_.m.ProjectName, kSemiGravityDataSuffix, SemiGravityDataLines(in, friction))) {
    NoResults(QStringLiteral("基本资料未能保存，未进行计算。"));
    return;
  }

  const SemiGravityResults r = SemiGravityWallCase(in, p_.m.WaterStopMode);
  if (!r.ok) {
    AddMessage(QString::fromStdString(r.message));
    NoResults(QString::fromStdString(r.message));
    return;
  }
  if (!SaveInputs(p_.m.ProjectName, kSemiGravityResultsSuffix, SemiGravityResultsLines(r))) {
    NoResults(QStringLiteral("计算成果文件未能写入。"));
    return;
  }
  const QString warning = QString::fromStdString(r.warning);
  AddMessage(warning);
  noteShown_ = !warning.isEmpty();

  // An open results window is refilled from the new file.
  if (p_.form5) p_.form5->ShowResultsFile();
  Form5* results = p_.OpenForm5();
  if (!warning.isEmpty()) results->AddMessage(warning);
}

void Form4::Command3_Click() { p_.OpenForm7(); }

void Form4::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

// ---------------------------------------------------------------- Form5

Form5::Form5(Program& program) : Form("Form5", "Form5"), p_(program) {
  FormBuilder b(this);

  // Base pressures.
  b.layout()->addWidget(TableHeading(this, "基底压力计算成果表"));
  auto* g1 = new QGridLayout;
  g1->setHorizontalSpacing(6);
  g1->setVerticalSpacing(3);
  g1->addWidget(HeadingCell(this, {"土压力公", "式"}), 0, 0, 2, 1);
  g1->addWidget(HeadingCell(this, {"墙  体", "自  重", "(kN)"}), 0, 1, 2, 1);
  g1->addWidget(HeadingCell(this, {"土  重", "(kN)"}), 0, 2, 2, 1);
  g1->addWidget(HeadingCell(this, {"水  重", "(kN)"}), 0, 3, 2, 1);
  g1->addWidget(HeadingCell(this, {"扬压力", "(kN)"}), 0, 4, 2, 1);
  g1->addWidget(HeadingCell(this, {"垂直荷载总和", "(kN)"}), 0, 5, 2, 1);
  g1->addWidget(HeadingCell(this, {"偏心距", "(m)"}), 0, 6, 2, 1);
  g1->addWidget(HeadingCell(this, {"基底压力  "}), 0, 7, 1, 2);
  g1->addWidget(HeadingCell(this, {"前端     后端", "(kN/m²)"}), 1, 7, 1, 2);
  g1->addWidget(HeadingCell(this, {"不均匀系", "数"}), 0, 9, 2, 1);
  QLabel* rankine1 = FormBuilder::MakeLabel({QString(), "朗  肯"}, this);
  rankine1->setAlignment(Qt::AlignCenter);
  g1->addWidget(rankine1, 2, 0);
  for (int c = 0; c < 9; ++c) g1->addWidget(ResultBox(this, 1 + c), 2, 1 + c);
  b.layout()->addLayout(g1);
  b.Gap(10);

  // Sliding and overturning.
  b.layout()->addWidget(TableHeading(this, "抗滑及抗倾覆安全系数计算成果表"));
  auto* g2 = new QGridLayout;
  g2->setHorizontalSpacing(6);
  g2->setVerticalSpacing(3);
  g2->addWidget(HeadingCell(this, {"土压力公", "式"}), 0, 0);
  g2->addWidget(HeadingCell(this, {"垂直荷载总和", "(kN)"}), 0, 1);
  g2->addWidget(HeadingCell(this, {"土压力系", "数"}, {T("K"), Sub("a")}), 0, 2);
  g2->addWidget(HeadingCell(this, {"土侧压力", "(kN)"}), 0, 3);
  g2->addWidget(HeadingCell(this, {"水压力", "(kN)"}), 0, 4);
  g2->addWidget(HeadingCell(this, {"抗 倾 覆", "力    矩"}, {T("(kN"), S("Label57"), T("m)")}), 0, 5);
  g2->addWidget(HeadingCell(this, {"倾  覆", "力  矩"}, {T("(kN"), S("Label60"), T("m)")}), 0, 6);
  g2->addWidget(HeadingCell(this, {"抗滑安全", "系数"}), 0, 7);
  g2->addWidget(HeadingCell(this, {"抗倾安全", "系数"}), 0, 8);
  QLabel* rankine2 = FormBuilder::MakeLabel({QString(), "朗  肯"}, this);
  rankine2->setAlignment(Qt::AlignCenter);
  g2->addWidget(rankine2, 1, 0);
  for (int c = 0; c < 8; ++c) g2->addWidget(ResultBox(this, 10 + c), 1, 1 + c);
  b.layout()->addLayout(g2);
  b.Gap(6);

  QHBoxLayout* phid = b.Row();
  phid->setSpacing(0);
  AddPieces(phid, this, {T("等值摩擦角 "), S("Label35"), Sub("d"), T("：")});
  phid->addWidget(ResultBox(this, 35));
  AddPieces(phid, this, {T(" 度")});
  phid->addStretch(1);
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

  auto buttons = b.Buttons({{"Command1", "打印计算成果"},
                            {"Command2", "返回程序编制说明"},
                            {"Command3", "返回显示基本资料"},
                            {"Command4", "结束"}});
  b.Finish();
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(buttons[3], &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(&p_, &shell::ProgramBase::choicesChanged, this, [this] { WaterStopModeChanged(); });
}

void Form5::Form_Load() {
  SymbolCaptionFill({{"Label35", "φ"}, {"Label57", "·"}, {"Label60", "·"}, {"Label65", "·"}});
  ShowResultsFile();
}

void Form5::ShowResultsFile() {
  ClearMessage();
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  auto name = DataFileName(p_.m.ProjectName, kSemiGravityResultsSuffix);
  if (!name) return;
  const shell::DataFileRead file = shell::ReadProjectFile(*name, kSemiGravityResultsFields);
  if (!file.ok) {
    SetMessage(QString::fromStdString(file.error));
    return;
  }
  const auto texts = SemiGravityResultsBoxTexts(file.fields);
  for (std::size_t i = 0; i < texts.size(); ++i)
    Box(QString("Text%1").arg(i + 1))->setText(QString::fromStdString(texts[i]));
  resultsMode_ = p_.m.WaterStopMode;
}

void Form5::ShowNoResults(const QString& why) {
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  SetMessage(QStringLiteral("没有与当前基本资料相符的计算成果：") + why);
}

void Form5::WaterStopModeChanged() {
  if (!resultsMode_ || *resultsMode_ == p_.m.WaterStopMode) return;
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  SetMessage(WaterStopChangedMessage);
}

void Form5::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

void Form5::Command2_Click() {
  p_.OpenForm1();
  close();
}

void Form5::Command3_Click() {
  p_.OpenForm4();
  close();
}

void Form5::Command4_Click() { p_.EndProgram(); }

}  // namespace ketrova
