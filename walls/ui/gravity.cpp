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

std::vector<QString> ResultNames() {
  std::vector<QString> names;
  for (int i = 1; i <= 35; ++i) names.push_back(QString("Text%1").arg(i));
  return names;
}

// The section table: three rows of three boxes, read row by row (the table
// builder fills its groups column by column).
std::vector<BoxSpec> SectionBoxes() {
  const BoxSpec b[9] = {
      BoxSpec("Text1", {"墙底总宽"}).Sym("B"),
      BoxSpec("Text2", {"墙顶宽"}).Sym("B", "0"),
      BoxSpec("Text3", {"趾面墙底宽"}).Sym("B", "1"),
      BoxSpec("Text4", {"前趾宽"}).Sym("B", "2"),
      BoxSpec("Text5", {"后趾宽"}).Sym("B", "3"),
      BoxSpec("Text6", {"墙身总高 "}).Sym("H"),
      BoxSpec("Text7", {"墙上部直段高"}).Sym("H", "1"),
      BoxSpec("Text8", {"墙背斜面段高"}).Sym("H", "2"),
      BoxSpec("Text9", {"墙趾高"}).Sym("H", "3"),
  };
  return {b[0], b[3], b[6], b[1], b[4], b[7], b[2], b[5], b[8]};
}

// The design-parameter table: rows of two boxes, read row by row.
std::vector<BoxSpec> ParameterBoxes() {
  const QString density = "(kN/m³)";
  const BoxSpec b[13] = {
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
  };
  return {b[0], b[2], b[4], b[6], b[8], b[10], b[12], b[1], b[3], b[5], b[7], b[9], b[11]};
}

GravityWallInputs InputsOf(const std::vector<float>& v) {
  GravityWallInputs in;
  in.B = v[0];
  in.B0 = v[1];
  in.B1 = v[2];
  in.B2 = v[3];
  in.B3 = v[4];
  in.H = v[5];
  in.H1 = v[6];
  in.H2 = v[7];
  in.H3 = v[8];
  in.phi = v[9];
  in.C = v[10];
  in.f = v[11];
  in.beta = v[12];
  in.h1 = v[13];
  in.h2 = v[14];
  in.q = v[15];
  in.gamma1 = v[16];
  in.delta = v[17];
  in.gamma2 = v[18];
  in.gammaBase = v[19];
  in.gammaWall = v[20];
  in.d = v[21];
  return in;
}

}  // namespace

// ---------------------------------------------------------------- Form2

Form2::Form2(Program& program) : Form("Form2", QString()), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "重力式挡土墙基本资料"});
  TableSpec section{{"Label2", "墙身断面尺寸表"}, SectionBoxes()};
  section.shape = TableShape::Rows;
  section.perLine = 3;
  b.Table(section);
  b.Line({{"Label3", "单位： m"}});
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

  PieceLine(b, this, {T("[提示] 1.无地下水时 h"), Sub("1"), T(" 填入 0 值；不考虑墙前水深时 h"), Sub("2"), T(" 填入 0 值； ")});
  PieceLine(b, this, {T("       2.前趾与铺盖间无止水时，d 填入 0 值；")});
  PieceLine(b, this, {T("       3.填土面无均布荷载时，q 填入 0  值；")});
  PieceLine(b, this, {T("       4.墙底板及上部墙身根据所采用的材料分别填入相应的容重值，混凝土容重一般")});
  PieceLine(b, this, {T("         采用 24 kN/m³ ；浆砌石容重一般采用 22 kN/m³ 。")});
  b.Gap(6);
  auto buttons = b.Buttons({{"Command2", "显示计算成果"}, {"Command3", "查看尺寸符号图"}, {"Command1", "打印基本资料"}});
  b.Finish();

  // One water-stop choice for the whole program: these buttons show it as it
  // stands, wherever it was made.
  p_.BindChoice(option1[0], &p_.m.WaterStopMode, NoWaterStop);
  p_.BindChoice(option2[0], &p_.m.WaterStopMode, WaterStop);
  // The results window shows the last computation of the project's file and
  // keeps it; this window's own note of that computation goes with an edit.
  ClearResultsOnEdit(InputNames, [this] { return ClearComputedNote(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form2::Form_Load() {
  SymbolCaptionFill({{"Label33", " φ"}, {"Label34", "β"}, {"Label35", "δ"}, {"Label75", "γ"}, {"Label82", "γ"}});
  auto fields = LoadSavedInputs(p_.m, p_.m.ProjectName, kGravityDataSuffix, kGravityDataFields);
  if (!fields) return;
  const auto texts = GravityDataBoxTexts(*fields);
  for (std::size_t i = 0; i < InputNames.size(); ++i)
    Box(InputNames[i])->setText(QString::fromStdString(texts[i]));
}

bool Form2::ClearComputedNote() {
  if (!noteShown_) return false;
  noteShown_ = false;
  ClearMessage();
  return true;
}

void Form2::NoResults(const QString& why) {
  if (p_.form3) p_.form3->ShowNoResults(why);
}

void Form2::Command2_Click() {
  ClearMessage();
  noteShown_ = false;
  auto values = ReadNumbers(InputNames, {});
  if (!values) {
    NoResults(QStringLiteral("基本资料中有不是数字的栏，未进行计算。"));
    return;
  }
  const GravityWallInputs in = InputsOf(*values);

  // The friction angle first, so that the whole record is written at once.
  const FrictionAngle friction = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, in.H);
  if (!SaveInputs(p_.m.ProjectName, kGravityDataSuffix, GravityDataLines(in, friction))) {
    NoResults(QStringLiteral("基本资料未能保存，未进行计算。"));
    return;
  }

  const GravityWallResults r = GravityWallCase(in, p_.m.WaterStopMode);
  if (!r.ok) {
    AddMessage(QString::fromStdString(r.message));
    NoResults(QString::fromStdString(r.message));
    return;
  }
  if (!SaveInputs(p_.m.ProjectName, kGravityResultsSuffix, GravityResultsLines(r))) {
    NoResults(QStringLiteral("计算成果文件未能写入。"));
    return;
  }
  const QString warning = QString::fromStdString(r.warning);
  AddMessage(warning);
  noteShown_ = !warning.isEmpty();

  // An open results window is refilled from the new file, so that it never
  // shows results of other data; a closed one reads it as it loads.
  if (p_.form3) p_.form3->ShowResultsFile();
  Form3* results = p_.OpenForm3();
  if (!warning.isEmpty()) results->AddMessage(warning);
}

void Form2::Command3_Click() { p_.OpenForm7(); }

void Form2::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

// ---------------------------------------------------------------- Form3

Form3::Form3(Program& program) : Form("Form3", "Form3"), p_(program) {
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
  g1->addWidget(HeadingCell(this, {"偏心矩", "(m)"}), 0, 6, 2, 1);
  g1->addWidget(HeadingCell(this, {"基底压力  "}), 0, 7, 1, 2);
  g1->addWidget(HeadingCell(this, {"前端     后端", "(kN/m²)"}), 1, 7, 1, 2);
  g1->addWidget(HeadingCell(this, {"不均匀系", "数"}), 0, 9, 2, 1);
  const char* rows[2] = {"朗  肯", "库  伦"};
  for (int r = 0; r < 2; ++r) {
    QLabel* name = FormBuilder::MakeLabel({QString(), rows[r]}, this);
    name->setAlignment(Qt::AlignCenter);
    g1->addWidget(name, 2 + r, 0);
    for (int c = 0; c < 9; ++c) g1->addWidget(ResultBox(this, 1 + 9 * r + c), 2 + r, 1 + c);
  }
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
  g2->addWidget(HeadingCell(this, {"抗 倾 覆", "力    矩"}, {T("(kN"), S("Label41"), T("m)")}), 0, 5);
  g2->addWidget(HeadingCell(this, {"倾  覆", "力  矩"}, {T("(kN"), S("Label45"), T("m)")}), 0, 6);
  g2->addWidget(HeadingCell(this, {"抗滑安全", "系数"}), 0, 7);
  g2->addWidget(HeadingCell(this, {"抗倾安全", "系数"}), 0, 8);
  for (int r = 0; r < 2; ++r) {
    QLabel* name = FormBuilder::MakeLabel({QString(), rows[r]}, this);
    name->setAlignment(Qt::AlignCenter);
    g2->addWidget(name, 1 + r, 0);
    for (int c = 0; c < 8; ++c) g2->addWidget(ResultBox(this, 19 + 8 * r + c), 1 + r, 1 + c);
  }
  b.layout()->addLayout(g2);
  b.Gap(8);

  QHBoxLayout* phid = b.Row();
  phid->setSpacing(0);
  AddPieces(phid, this, {T("等值摩擦角 "), S("Label27"), Sub("d"), T("：")});
  phid->addWidget(ResultBox(this, 35));
  AddPieces(phid, this, {T(" 度")});
  phid->addStretch(1);
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

void Form3::Form_Load() {
  SymbolCaptionFill({{"Label27", "φ"}, {"Label41", "·"}, {"Label45", "·"}});
  ShowResultsFile();
}

void Form3::ShowResultsFile() {
  ClearMessage();
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  auto name = DataFileName(p_.m.ProjectName, kGravityResultsSuffix);
  if (!name) return;
  const shell::DataFileRead file = shell::ReadProjectFile(*name, kGravityResultsFields);
  if (!file.ok) {
    SetMessage(QString::fromStdString(file.error));
    return;
  }
  const auto texts = GravityResultsBoxTexts(file.fields);
  const auto names = ResultNames();
  for (std::size_t i = 0; i < names.size(); ++i) Box(names[i])->setText(QString::fromStdString(texts[i]));
  // The file was written by the computation just made, with the mode in force.
  resultsMode_ = p_.m.WaterStopMode;
}

void Form3::ShowNoResults(const QString& why) {
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  SetMessage(QStringLiteral("没有与当前基本资料相符的计算成果：") + why);
}

void Form3::WaterStopModeChanged() {
  if (!resultsMode_ || *resultsMode_ == p_.m.WaterStopMode) return;
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  SetMessage(WaterStopChangedMessage);
}

void Form3::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

// The back buttons bring up their target before this window goes, so that
// the program never stands without a window in between.
void Form3::Command2_Click() {
  p_.OpenForm1();
  close();
}

void Form3::Command3_Click() {
  p_.OpenForm2();
  close();
}

void Form3::Command4_Click() { p_.EndProgram(); }

}  // namespace ketrova
