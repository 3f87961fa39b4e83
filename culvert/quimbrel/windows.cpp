#include "windows.h"

#include "formbuilder.h"
#include "numbers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quimbrel {

using shell::BoxSpec;
using shell::ButtonSpec;
using shell::FormBuilder;
using shell::Run;
using shell::TableSpec;

namespace {

const char* const FreeSurfaceSuffix = "Vostrane2.dat";
const char* const PressureSuffix = "Vostrane3.dat";
const char* const SemiPressureSuffix = "Vostrane4.dat";

QString Text(float v) { return QString::fromStdString(shell::SingleToText(v)); }

// A symbol with its subscript and unit in one row, e.g. "h" "s" "(m)".
QWidget* SymbolRow(QWidget* parent, std::initializer_list<QWidget*> parts) {
  auto* cell = new QWidget(parent);
  auto* h = new QHBoxLayout(cell);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(1);
  h->addStretch(1);
  for (QWidget* w : parts) h->addWidget(w, 0, Qt::AlignBottom);
  h->addStretch(1);
  return cell;
}

QLineEdit* ResultBox(shell::Form* form, const QString& name, const QString& heading, int digits) {
  QLineEdit* e = FormBuilder::MakeBox(name, " ", form);
  e->setReadOnly(true);
  form->SetBoxHeading(name, heading);
  form->SetBoxDigits(name, digits);
  return e;
}

// The table of a case window: its first four boxes Q, D, L and i (the
// height's caption as each window writes it), then `more`.
std::vector<BoxSpec> BarrelBoxes(const QString& heightCaption, std::vector<BoxSpec> more) {
  std::vector<BoxSpec> boxes = {BoxSpec("Text1", {"流 量"}).Sym("Q").Unit("(m³/s)"),
                                BoxSpec("Text2", {heightCaption}).Sym("D").Unit("(m)").Design(""),
                                BoxSpec("Text3", {"洞 长 "}).Sym("L").Unit("(m)").Design(""),
                                BoxSpec("Text4", {"洞身比降"}).Sym("i").Design("")};
  boxes.insert(boxes.end(), more.begin(), more.end());
  return boxes;
}

// The foot of a case window: the print and end buttons and the message line;
// these and the compute button call the window's handlers.
template <class W>
void FinishCaseWindow(FormBuilder& b, W* w, QPushButton* compute) {
  auto buttons = b.Buttons({{"Command1", "打印基本资料及计算成果"}, {"Command3", "结 束 计 算"}});
  b.Finish();
  QObject::connect(compute, &QPushButton::clicked, w, [w] { w->Command2_Click(); });
  QObject::connect(buttons[0], &QPushButton::clicked, w, [w] { w->Command1_Click(); });
  QObject::connect(buttons[1], &QPushButton::clicked, w, [w] { w->Command3_Click(); });
}

}  // namespace

// ================================================================ Form1

Form1::Form1(Program& program) : Form("Form1", "Form1"), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "Quimbrel"});
  b.Line({{"Label2", "程序编制说明："}});
  b.Line({{{}, "1. 本程序依据《灌溉与排水工程设计规范》GB 50288-99、《水闸设计规范》SL 265-2001 及《水工设计手册》"
               "编制，"}});
  b.Line({{{}, "    用于矩形涵洞及涵洞式水闸的洞宽计算。"}});
  b.Line({{{}, "2. 《灌溉与排水工程设计规范》GB 50288-99 的短洞无压流计算公式未考虑下游水位的淹没影响，本程序按"}});
  b.Line({{{}, "    《水闸设计规范》SL 265-2001 将短洞按宽顶堰计算，流量系数采用 0.36，侧收缩系数采用 0.95。长洞的"}});
  b.Line({{{}, "    洞进口内水深主要取决于洞出口水深，本程序自洞出口向上游按明渠渐变流计算水面曲线（洞出口水深小于"}});
  b.Line({{{}, "    临界水深时自临界水深起算），洞进口内水深可能大于也可能小于正常水深。计算时先假定洞宽，由水面曲线"}});
  b.Line({{{}, "    求得洞进口内水深，作为宽顶堰的下游水深，将堰的过流量与设计流量比较，调整洞宽直至两者相符。"}});
  b.Line({{{}, "3. 按《灌溉与排水工程设计规范》GB 50288-99 的流态判别标准，H "},
          {"Label94", ""},
          {{}, "1.2D 时涵洞均为无压流，但当进、出口水深均高于洞顶时"}});
  b.Line({{{}, "    （例如 H = 1.2D、h = 1.1D），显然为压力流，本程序对此类情况按压力流计算。"}});
  b.Line({{{}, "4. L < 8H 时为短洞，否则为长洞（L 为洞长，H 为进口水深）。流态由 H、h 及 D 判别："}});
  b.Line({{{}, "    1）H "},
          {"Label8", ""},
          {{}, "1.2D 时，出口水深低于洞顶为无压流，高于洞顶为压力流；"}});
  b.Line({{{}, "    2）1.2D < H "},
          {"Label40", ""},
          {{}, "1.5D 时，出口水深低于洞顶为半压力流，高于洞顶为压力流；"}});
  b.Line({{{}, "    3）H > 1.5D 时，出口水深低于洞顶为非淹没压力流，高于洞顶为淹没压力流。"}});
  b.Line({{{}, "5. 本程序由流量、水深及洞高计算洞宽；如需计算已知洞宽的流量，可调整流量，直至算得的洞宽等于已知洞宽。"}});
  b.Gap(10);
  b.Line({{{}, "[提示] 在输入全部基本资料前先在下表中填入"},
          {{}, "H"},
          {{}, "、"},
          {{}, "h"},
          {{}, "及"},
          {{}, " D "},
          {{}, "值"}});
  TableSpec depths{{}, {BoxSpec("Text2", {"进口水深"}).Sym("H").Unit(" (m)"),
                        BoxSpec("Text3", {"出口水深"}).Sym("h").Unit(" (m)"),
                        BoxSpec("Text4", {"洞 高"}).Sym("D").Unit("(m)")}};
  b.Table(depths);
  b.Gap(10);
  auto options = b.Options({}, {{"Option1", "新计算项目"}, {"Option2", "已计算项目"}});
  QLineEdit* name = b.LabelledBox({"Label19", "项目名"}, "Text1");
  b.Gap(6);
  auto buttons = b.Buttons({{"Command2", "输入或显示基本资料"}, {"Command1", "打印程序编制说明"}});
  b.Finish();

  connect(name, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  connect(options[0], &QRadioButton::clicked, this, [this] { Option1_Click(); });
  connect(options[1], &QRadioButton::clicked, this, [this] { Option2_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::Form_Load() {
  SymbolCaptionFill({{"Label94", "≤ "}, {"Label8", "≤ "}, {"Label40", "≤ "}});
}

void Form1::Text1_Change() {}
void Form1::Option1_Click() { p_.m.project.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.project.ProjectState = shell::ExistingProject; }

void Form1::Command2_Click() {
  ClearMessage();
  auto values = ReadNumbers({"Text2", "Text3", "Text4"}, {});
  if (!values) return;  // the message names the box; no window opens
  const float H = (*values)[0], h = (*values)[1], D = (*values)[2];
  const RegimeChoice choice = FlowRegimeSelection(H, h, D);
  if (!choice.ok) {
    SetMessage(QString::fromStdString(choice.message));
    return;
  }
  p_.m.H = H;
  p_.m.h = h;
  p_.m.D = D;
  const std::string name = Box("Text1")->text().toStdString();
  Program& p = p_;
  switch (choice.window) {
    case CaseWindow::FreeSurface:
      p.m.ProjectName2 = name;
      p.OpenWindow(p.form2, [&p] { return new Form2(p); });
      break;
    case CaseWindow::Pressure:
      p.m.ProjectName3 = name;
      p.OpenWindow(p.form3, [&p] { return new Form3(p); });
      break;
    case CaseWindow::SemiPressure:
      p.m.ProjectName4 = name;
      p.OpenWindow(p.form4, [&p] { return new Form4(p); });
      break;
  }
}

void Form1::Command1_Click() { PrintThisWindow(Box("Text1")->text().toStdString()); }

// ================================================================ Form2

namespace {

// Screen order, which is the record order of the data file.
const std::vector<QString> FreeSurfaceRecord = {"Text1", "Text2", "Text3", "Text4",
                                                "Text8", "Text5", "Text6", "Text7"};
const std::vector<QString> FreeSurfaceResultBoxes = {"Text9", "Text14", "Text15", "Text10",
                                                     "Text11"};
// Labels of the second results row and the note, blank until a compute
// fills them.
const std::vector<QString> SecondRowLabels = {"Label38", "Label39", "Label41", "Label40",
                                              "Label42", "Label44", "Label45", "Label43",
                                              "Label46"};

}  // namespace

Form2::Form2(Program& program) : Form("Form2", "无压流涵洞水力计算"), p_(program) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "无压流基本资料表"},
                   BarrelBoxes("洞 高  ", {BoxSpec("Text8", {" 洞 身  糙 率"}).Sym("n"),
                                          BoxSpec("Text5", {"进口水深"}).Sym("H").Unit(" (m)"),
                                          BoxSpec("Text6", {"出口水深"}).Sym("h  ").Unit(" (m)"),
                                          BoxSpec("Text7", {"行近流", "速"}).Sym("V").Unit("(m/s)")})};
  b.Table(inputs);
  b.Gap(6);
  auto compute = b.Buttons({{"Command2", "显示计算成果"}});
  b.Gap(6);

  // Results: the culvert kind in a label, then hs, σ and B.
  QLabel* heading = FormBuilder::MakeLabel({"Label10", "计算成果表"}, this);
  QFont hf = heading->font();
  hf.setBold(true);
  hf.setPointSizeF(hf.pointSizeF() * 1.2);
  heading->setFont(hf);
  heading->setAlignment(Qt::AlignCenter);
  b.layout()->addWidget(heading);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(18);
  grid->setVerticalSpacing(2);
  const QStringList captions = {"洞长计算条件", "洞进口内水深", "淹没系数", "洞 宽"};
  for (int c = 0; c < captions.size(); ++c) {
    QLabel* l = FormBuilder::MakeLabel({QString(), captions[c]}, this);
    l->setAlignment(Qt::AlignCenter);
    grid->addWidget(l, 0, c);
  }
  grid->addWidget(SymbolRow(this, {FormBuilder::MakeLabel({{}, "h  "}, this),
                                   FormBuilder::SmallLabel({{}, "s"}, this),
                                   FormBuilder::MakeLabel({{}, "(m)"}, this)}),
                  1, 1);
  QLabel* sigma = FormBuilder::MakeLabel({"Label24", ""}, this);
  sigma->setAlignment(Qt::AlignCenter);
  grid->addWidget(sigma, 1, 2);
  grid->addWidget(SymbolRow(this, {FormBuilder::MakeLabel({{}, "B"}, this),
                                   FormBuilder::MakeLabel({{}, "(m)"}, this)}),
                  1, 3);
  QLabel* kind = FormBuilder::MakeLabel({"Label37", ""}, this);
  kind->setAlignment(Qt::AlignCenter);
  kind->setMinimumWidth(72);
  grid->addWidget(kind, 2, 0);
  grid->addWidget(ResultBox(this, "Text9", "洞进口内水深 hs", 3), 2, 1);
  grid->addWidget(ResultBox(this, "Text14", "淹没系数 σ", 3), 2, 2);
  grid->addWidget(ResultBox(this, "Text15", "洞宽 B", 3), 2, 3);
  b.layout()->addLayout(grid);
  b.Gap(4);

  // Second results row: normal and critical depth, then the note.
  QHBoxLayout* row = b.Row();
  row->setSpacing(0);
  row->addStretch(1);
  for (const char* name : {"Label38", "Label41"}) row->addWidget(FormBuilder::MakeLabel({name, ""}, this));
  row->addWidget(FormBuilder::SmallLabel({"Label40", ""}, this), 0, Qt::AlignBottom);
  row->addWidget(FormBuilder::MakeLabel({"Label42", ""}, this));
  row->addWidget(ResultBox(this, "Text10", "正常水深 h0", 3));
  row->addSpacing(30);
  for (const char* name : {"Label39", "Label44"}) row->addWidget(FormBuilder::MakeLabel({name, ""}, this));
  row->addWidget(FormBuilder::SmallLabel({"Label45", ""}, this), 0, Qt::AlignBottom);
  row->addWidget(FormBuilder::MakeLabel({"Label43", ""}, this));
  row->addWidget(ResultBox(this, "Text11", "临界水深 hk", 3));
  row->addStretch(1);
  b.Line({{"Label46", ""}}, true);
  b.Gap(6);
  FinishCaseWindow(b, this, compute[0]);

  // Results, the culvert kind, the depth captions and the note are not left
  // beside inputs that the user has changed since they were computed.
  ClearResultsOnEdit(FreeSurfaceRecord, [this] { return ClearResults(); });
}

void Form2::Form_Load() {
  Box("Text2")->setText(Text(p_.m.D));
  Box("Text5")->setText(Text(p_.m.H));
  Box("Text6")->setText(Text(p_.m.h));
  if (auto fields = LoadSavedInputs(p_.m.project, p_.m.ProjectName2, FreeSurfaceSuffix,
                                    FreeSurfaceRecord.size()))
    FillBoxes(FreeSurfaceRecord, *fields);
}

bool Form2::ClearResults() {
  bool labels = false;
  for (const QString& l : SecondRowLabels) labels = labels || !Lbl(l)->text().trimmed().isEmpty();
  for (const char* l : {"Label37", "Label24"}) labels = labels || !Lbl(l)->text().trimmed().isEmpty();
  const bool boxes = ClearBoxes(FreeSurfaceResultBoxes);
  for (const QString& l : SecondRowLabels) Lbl(l)->clear();
  Lbl("Label44")->setText(" ");
  Lbl("Label37")->clear();
  Lbl("Label24")->clear();
  return boxes || labels;
}

void Form2::Command2_Click() {
  ClearMessage();
  auto values = ReadNumbers(FreeSurfaceRecord, FreeSurfaceResultBoxes);
  if (!values) {
    ClearResults();
    return;
  }
  const std::vector<float>& v = *values;
  FreeSurfaceInputs in;
  in.Q = v[0];
  in.D = v[1];
  in.L = v[2];
  in.i = v[3];  // a typed 0 is saved as 0; the case computes with 0.00001
  in.n = v[4];
  in.H = v[5];
  in.h = v[6];
  in.V = v[7];
  p_.m.D = in.D;
  p_.m.H = in.H;
  p_.m.h = in.h;
  std::vector<shell::Field> record;
  for (float x : v) record.push_back(shell::NumberField(x));
  SaveInputs(p_.m.ProjectName2, FreeSurfaceSuffix, {record});

  ClearResults();
  const FreeSurfaceResults r = FreeSurfaceFlowCase(in);
  if (!r.ok) {
    AddMessage(QString::fromStdString(r.message));
    return;
  }
  std::vector<std::pair<QString, double>> shown = {
      {"Text9", r.hs}, {"Text14", r.sigma}, {"Text15", r.B}};
  if (r.showNormalDepth) shown.push_back({"Text10", r.h0});
  if (r.showCriticalDepth) shown.push_back({"Text11", r.hc});
  if (!ShowResults(shown)) return;
  Lbl("Label24")->setText("σ：");
  Lbl("Label37")->setText(r.longCulvert ? "长洞" : "短洞");
  if (r.showNormalDepth) {
    Lbl("Label38")->setText("正常水深");
    Lbl("Label41")->setText("h");
    Lbl("Label40")->setText("o");
    Lbl("Label42")->setText("(m)：");
  }
  if (r.showCriticalDepth) {
    Lbl("Label39")->setText("临界水深");
    Lbl("Label44")->setText("h");
    Lbl("Label45")->setText("k");
    Lbl("Label43")->setText("(m)：");
  }
  if (r.floorNote) Lbl("Label46")->setText("说明：洞出口水深小于临界水深，洞进口水深近似等于临界水深");
}

void Form2::Command1_Click() { PrintThisWindow(p_.m.ProjectName2); }
void Form2::Command3_Click() { p_.EndProgram(); }

// ================================================================ Form3

namespace {

const std::vector<QString> PressureRecord = {"Text1", "Text2", "Text3",  "Text4",  "Text5",
                                             "Text6", "Text7", "Text8",  "Text9",  "Text10",
                                             "Text11", "Text12", "Text13"};
const std::vector<QString> PressureResultBoxes = {"Text14", "Text15"};

// A results line: caption, symbol labels, then the box.
QLineEdit* ResultLine(FormBuilder& b, shell::Form* form, const QString& caption,
                      std::initializer_list<QWidget*> symbol, const QString& box,
                      const QString& heading, int digits) {
  QHBoxLayout* row = b.Row();
  row->setSpacing(2);
  row->addStretch(1);
  row->addWidget(FormBuilder::MakeLabel({{}, caption}, form));
  for (QWidget* w : symbol) row->addWidget(w);
  QLineEdit* e = ResultBox(form, box, heading, digits);
  row->addWidget(e);
  row->addStretch(1);
  return e;
}

}  // namespace

Form3::Form3(Program& program) : Form("Form3", "压力流涵洞水计算"), p_(program) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "压力流基本资料表"},
                   BarrelBoxes("洞 高",
                               {BoxSpec("Text5", {"管 身糙 率"}).Sym("n"),
                                BoxSpec("Text6", {"进口水", "深"}).Sym("H").Unit(" (m)"),
                                BoxSpec("Text7", {"出口水", "深"}).Sym("h  ").Unit("(m)"),
                                BoxSpec("Text8", {"行近流", "速"}).Sym("V").Unit("(m/s)"),
                                BoxSpec("Text9", {"拦污栅"}).SymLabel("Label76", "ξ", "1").Named("拦污栅局部损失系数 ξ1"),
                                BoxSpec("Text10", {"门 槽"}).SymLabel("Label63", "ξ", "2").Named("门槽局部损失系数 ξ2"),
                                BoxSpec("Text11", {"进 口"}).SymLabel("Label24", "ξ", "3").Named("进口局部损失系数 ξ3"),
                                BoxSpec("Text12", {"进口渐变段损失系数"}).SymLabel("Label69", "ξ", "进")
                                    .Named("进口渐变段损失系数 ξ进"),
                                BoxSpec("Text13", {"出口渐变段损失系数"}).SymLabel("Label82", "ξ", "出")
                                    .Named("出口渐变段损失系数 ξ出")})};
  inputs.groups = {{8, 3, "局 部 损 失 系 数", "Label70"}};
  b.Table(inputs);
  b.Gap(6);
  b.Line({{{}, "说明：  1.混凝土糙率一般可采用 0.014；     2.拦污栅局部损失系数值可按公式计算或近似采用 0.3(无拦污栅时填"}});
  b.Line({{{}, "入 0 值)；   3.平板门槽局部损失系数 一般可采用 0.05"},
          {"Label37", ""},
          {{}, " 0.1(无门槽时填入 0 值)；    4.进口管顶采用圆弧喇"}});
  b.Line({{{}, "叭形布置时，进口局部损失系数可采用 0.1； 一般平顺修圆连接的进口，进口局部损失系数可采用 0.2 ；程序中出口"}});
  b.Line({{{}, "局部损失系数近似采用为 1.0；   5.进口渐变段损失系数一般可采用 0.1"},
          {"Label50", ""},
          {{}, " 0.2； 出口渐变段损失系数一般可采用"}});
  b.Line({{{}, "0.2"}, {"Label52", ""}, {{}, " 0.3；    6.程序中谢才系数按曼宁公式计算。"}});
  b.Gap(6);
  auto compute = b.Buttons({{"Command2", "显示计算成果"}});
  b.Gap(6);
  b.Line({{"Label36", ""}}, true);
  // The index after m ("2:" or "3:") in small type.
  QLabel* index = FormBuilder::SmallLabel({"Label54", ""}, this);
  ResultLine(b, this, "流量系数", {FormBuilder::MakeLabel({"Label53", "m"}, this), index},
             "Text14", "流量系数 m", 3);
  ResultLine(b, this, "洞宽",
             {FormBuilder::MakeLabel({{}, "B"}, this), FormBuilder::MakeLabel({{}, "(m)："}, this)},
             "Text15", "洞宽 B", 2);
  b.Gap(6);
  FinishCaseWindow(b, this, compute[0]);

  // The results and their heading are not left beside inputs that the user
  // has changed since they were computed.
  ClearResultsOnEdit(PressureRecord, [this] {
    const bool heading = !Lbl("Label36")->text().trimmed().isEmpty();
    Lbl("Label36")->clear();
    return ClearBoxes(PressureResultBoxes) || heading;
  });
}

void Form3::Form_Load() {
  Lbl("Label54")->setText(QString::fromStdString(PressureIndex(p_.m.h, p_.m.D)));
  Box("Text2")->setText(Text(p_.m.D));
  Box("Text6")->setText(Text(p_.m.H));
  Box("Text7")->setText(Text(p_.m.h));
  SymbolCaptionFill({{"Label37", " ～"}, {"Label50", " ～"}, {"Label52", " ～"},
                     {"Label76", "ξ"}, {"Label63", "ξ"}, {"Label24", "ξ"}, {"Label69", "ξ"},
                     {"Label82", "ξ"}});
  if (auto fields = LoadSavedInputs(p_.m.project, p_.m.ProjectName3, PressureSuffix,
                                    PressureRecord.size()))
    FillBoxes(PressureRecord, *fields);
}

void Form3::Command2_Click() {
  ClearMessage();
  auto values = ReadNumbers(PressureRecord, PressureResultBoxes);
  if (!values) return;
  const std::vector<float>& v = *values;
  PressureInputs in;
  in.Q = v[0];
  in.D = v[1];
  in.L = v[2];
  in.i = v[3];
  in.n = v[4];
  in.H = v[5];
  in.h = v[6];
  in.V = v[7];
  in.xi1 = v[8];
  in.xi2 = v[9];
  in.xi3 = v[10];
  in.xi4 = v[11];
  in.xi5 = v[12];
  Lbl("Label54")->setText(QString::fromStdString(PressureIndex(in.h, in.D)));
  p_.m.D = in.D;
  p_.m.H = in.H;
  p_.m.h = in.h;
  std::vector<shell::Field> record;
  for (float x : v) record.push_back(shell::NumberField(x));
  SaveInputs(p_.m.ProjectName3, PressureSuffix, {record});

  const PressureResults r = PressureFlowCase(in);
  if (!r.ok) {
    ClearBoxes(PressureResultBoxes);
    AddMessage(QString::fromStdString(r.message));
    return;
  }
  if (ShowResults({{"Text14", r.m}, {"Text15", r.B}})) Lbl("Label36")->setText("计 算 成 果");
}

void Form3::Command1_Click() { PrintThisWindow(p_.m.ProjectName3); }
void Form3::Command3_Click() { p_.EndProgram(); }

// ================================================================ Form4

namespace {

const std::vector<QString> SemiPressureRecord = {"Text1", "Text2", "Text3", "Text4", "Text5",
                                                 "Text6", "Text7", "Text8", "Text9"};

}  // namespace

Form4::Form4(Program& program) : Form("Form4", "半压力流涵洞水力计算"), p_(program) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "半压力流基本资料表"},
                   BarrelBoxes("洞 高",
                               {BoxSpec("Text5", {"进口水深"}).Sym("H").Unit(" (m)"),
                                BoxSpec("Text6", {"出口水深"}).Sym("h  ").Unit("(m)"),
                                BoxSpec("Text7", {"行近流", "速"}).Sym("V").Unit("(m/s)"),
                                BoxSpec("Text8", {"流量系数"}).Sym("m", "1"),
                                BoxSpec("Text9", {"修正系数"}).SymLabel("Label23", "β", "1").Named("修正系数 β1")})};
  b.Table(inputs);
  b.Gap(6);
  b.Line({{{}, "[提示]  流量系数及修正系数可按《灌溉与排水工程设计规范》 GB 50288-99 资料采用："}});
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  struct HintRow {
    const char* caption;
    const char* m1;
    const char* betaLabel;
    const char* beta1;
  };
  const HintRow rows[] = {{"圆锥形护坡：", "= 0.625；", "Label44", "= 0.735；"},
                          {"八字形、曲线形翼墙：", "= 0.670；", "Label49", "= 0.740；"},
                          {"走廊式翼墙：", "= 0.576；", "Label56", "= 0.715；"}};
  for (int r = 0; r < 3; ++r) {
    grid->addWidget(FormBuilder::MakeLabel({{}, rows[r].caption}, this), r, 1);
    grid->addWidget(SymbolRow(this, {FormBuilder::MakeLabel({{}, "m"}, this),
                                     FormBuilder::SmallLabel({{}, "1"}, this),
                                     FormBuilder::MakeLabel({{}, rows[r].m1}, this)}),
                    r, 2);
    grid->addWidget(SymbolRow(this, {FormBuilder::MakeLabel({rows[r].betaLabel, ""}, this),
                                     FormBuilder::SmallLabel({{}, "1"}, this),
                                     FormBuilder::MakeLabel({{}, rows[r].beta1}, this)}),
                    r, 3);
  }
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(4, 1);
  b.layout()->addLayout(grid);
  b.Gap(6);
  auto compute = b.Buttons({{"Command2", "显示计算成果"}});
  b.Gap(6);
  b.Line({{"Label10", "计算成果"}}, true);
  ResultLine(b, this, "洞宽",
             {FormBuilder::MakeLabel({{}, "B"}, this), FormBuilder::MakeLabel({{}, "(m)："}, this)},
             "Text15", "洞宽 B", 2);
  b.Gap(6);
  FinishCaseWindow(b, this, compute[0]);

  // The width is not left beside inputs that the user has changed since it
  // was computed.
  ClearResultsOnEdit(SemiPressureRecord, [this] { return ClearBoxes({"Text15"}); });
}

void Form4::Form_Load() {
  Box("Text2")->setText(Text(p_.m.D));
  Box("Text5")->setText(Text(p_.m.H));
  Box("Text6")->setText(Text(p_.m.h));
  SymbolCaptionFill({{"Label49", "β"}, {"Label44", "β"}, {"Label56", "β"}, {"Label23", "β"}});
  if (auto fields = LoadSavedInputs(p_.m.project, p_.m.ProjectName4, SemiPressureSuffix,
                                    SemiPressureRecord.size()))
    FillBoxes(SemiPressureRecord, *fields);
}

void Form4::Command2_Click() {
  ClearMessage();
  auto values = ReadNumbers(SemiPressureRecord, {"Text15"});
  if (!values) return;
  const std::vector<float>& v = *values;
  SemiPressureInputs in;
  in.Q = v[0];
  in.D = v[1];
  in.L = v[2];
  in.i = v[3];
  in.H = v[4];
  in.h = v[5];
  in.V = v[6];
  in.m1 = v[7];
  in.beta1 = v[8];
  p_.m.D = in.D;
  p_.m.H = in.H;
  p_.m.h = in.h;
  std::vector<shell::Field> record;
  for (float x : v) record.push_back(shell::NumberField(x));
  SaveInputs(p_.m.ProjectName4, SemiPressureSuffix, {record});

  const SemiPressureResults r = SemiPressureFlowCase(in);
  if (!r.ok) {
    ClearBoxes({"Text15"});
    AddMessage(QString::fromStdString(r.message));
    return;
  }
  ShowResults({{"Text15", r.B}});
}

void Form4::Command1_Click() { PrintThisWindow(p_.m.ProjectName4); }
void Form4::Command3_Click() { p_.EndProgram(); }

// ================================================================ start-up

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace quimbrel
