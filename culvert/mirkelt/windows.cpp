#include "windows.h"

#include "formbuilder.h"
#include "numbers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace mirkelt {

using shell::BoxSpec;
using shell::FormBuilder;
using shell::Run;
using shell::TableSpec;

namespace {

const char* const DataSuffix = "hx.dat";

}  // namespace

// ---------------------------------------------------------------- Form1

Form1::Form1(Program& program) : Form("Form1", "Form1"), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "Mirkelt"});
  b.Line({{"Label2", "程序编制说明："}});
  b.Line({{"Label4", "(1) 本程序适用于各种流态的涵洞，可进行矩形断面的深挖式、消力槛式及综合式消力池计算；"}});
  b.Line({{"Label5", "(2) 无压流短洞的上游总能头按洞前水深及行近流速计算，其余流态的上游总能头按涵洞出口断面的能量计算；"}});
  b.Line({{"Label6", "(3) 流速系数 "},
          {"Label17", ""},
          {"Label7", " 取 0.95，水跃淹没系数 "},
          {"Label29", ""},
          {"Label9", " 及流速分布系数 "},
          {"Label18", ""},
          {"Label11", " 均取 1.05；消力槛堰流的淹没系数采用巴什基洛娃建议值（《水闸》表 2-17 的数据），"}});
  b.Line({{"Label12", "     消力槛流量系数 m 取 0.42；"}});
  b.Line({{"Label13", "(4) 综合式消力池按池深与槛高相差不大的原则计算，计算池深小于 0.5 m 时按单一深挖式消力池处理；"}});
  b.Line({{"Label14", "(5) 扩散式消力池的跃后水深及池长按 SL265-2001 的公式计算，水跃长度校正系数取 0.75；"}});
  b.Line({{"Label15", "(6) 消力池出口按宽顶堰考虑：当尾水深小于池末出口断面的临界水深时，出口断面水深不再受尾水影响而近似等于"}});
  b.Line({{"Label16", "     临界水深，深挖式消力池即以该临界水深作为下游控制水深。"}});
  b.Gap(10);

  auto checks = b.CaseTable({{"Check1", "深挖式消力池计算"},
                             {"Check2", "消力槛式消力池计算"},
                             {"Check3", "综合式消力池计算"}});
  b.Gap(10);
  b.ProjectRow([this] { Option1_Click(); }, [this] { Option2_Click(); }, [this] { Text1_Change(); });
  b.Gap(6);
  auto buttons = b.Buttons({{"Command2", "输入或显示基本资料"}, {"Command1", "打印程序编制说明"}});
  b.Finish();

  // The basin kind is computed with by Form4, so the boxes show exactly the
  // kind in force: the last box clicked (a click on a marked box keeps it).
  p_.BindChoice(checks[0], &p_.m.BasinType, DeepenedBasin, [this] { Check1_Click(); });
  p_.BindChoice(checks[1], &p_.m.BasinType, SillBasin, [this] { Check2_Click(); });
  p_.BindChoice(checks[2], &p_.m.BasinType, CombinedBasin, [this] { Check3_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::Form_Load() { SymbolCaptionFill({{"Label17", "φ"}, {"Label29", "σ"}, {"Label18", "α"}}); }

void Form1::Check1_Click() { p_.Choose(&p_.m.BasinType, DeepenedBasin); }
void Form1::Check2_Click() { p_.Choose(&p_.m.BasinType, SillBasin); }
void Form1::Check3_Click() { p_.Choose(&p_.m.BasinType, CombinedBasin); }

void Form1::Text1_Change() { p_.m.ProjectName = Box("Text1")->text().toStdString(); }
void Form1::Option1_Click() { p_.m.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.ProjectState = shell::ExistingProject; }

void Form1::Command2_Click() {
  Program& p = p_;
  p.OpenWindow(p.form4, [&p] { return new Form4(p); });
}

void Form1::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

// ---------------------------------------------------------------- Form4

namespace {

// The input boxes in the reading order of the table.
std::vector<BoxSpec> InputBoxes() {
  return {
      BoxSpec("Text1", {"设计流量 "}).Sym("Q").Unit("(m³/s)").Design(""),
      BoxSpec("Text2", {"进口水深"}).Sym("H").Unit("(m)"),
      BoxSpec("Text3", {"行近流速"}).Sym("V", "0").Unit("(m/s)").Design(""),
      BoxSpec("Text4", {" 洞 长"}).Sym("L").Unit("(m)"),
      BoxSpec("Text5", {" 洞  高"}).Sym("D").Unit("(m)"),
      BoxSpec("Text6", {" 洞  宽"}).Sym("B").Unit("(m)"),
      BoxSpec("Text20", {" 孔  数"}).Sym("n"),
      BoxSpec("Text7", {"洞底纵坡"}).Sym("i").Design(""),
      BoxSpec("Text8", {" 跌 差"}).Sym("P").Unit("(m)"),
      BoxSpec("Text10", {"池首端宽"}).Sym("B", "1").Unit("(m)"),
      BoxSpec("Text11", {"池末端宽"}).Sym("B", "2").Unit("(m)"),
      BoxSpec("Text12", {"尾水深"}).Sym("h", "s").Unit("(m)"),
      BoxSpec("Text22", {"局部损失系数"}).SymLabel("Label63", "ξ").Design("0").Named("局部损失系数 ξ"),
  };
}

std::vector<BoxSpec> ResultBoxes() {
  return {
      BoxSpec("Text13", {"上游总能头"}).Sym("T").Unit("(m)").Digits(2),
      BoxSpec("Text14", {"收缩水深"}).Sym("h", "c").Unit("(m)").Digits(2),
      BoxSpec("Text15", {"跃后水深"}).Sym("h''").Unit("(m)").Digits(2),
      BoxSpec("Text16", {"消力池深"}).Sym("d").Unit("(m)").Digits(2),
      BoxSpec("Text17", {"消力槛高"}).Sym("C").Unit("(m)").Digits(2),
      BoxSpec("Text18", {"水跃长度"}).Sym("L", "j").Unit("(m)").Digits(2),
      BoxSpec("Text19", {"水平段池长"}).Sym("L").Unit("(m)").Digits(2),
  };
}

// The boxes in the order the table reads them (and messages name them).
const std::vector<QString> ReadOrder = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",
                                        "Text6",  "Text20", "Text7",  "Text8",  "Text10",
                                        "Text11", "Text12", "Text22"};
// The record of the data file: Q, H, V0, L, D, B, i, P, B1, B2, hs, n, ξ.
const std::vector<QString> RecordOrder = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",
                                          "Text6",  "Text7",  "Text8",  "Text10", "Text11",
                                          "Text12", "Text20", "Text22"};
const std::vector<QString> ResultNames = {"Text13", "Text14", "Text15", "Text16",
                                          "Text17", "Text18", "Text19", "Text21"};
const std::vector<QString> HintLabels = {"Label65", "Label77", "Label79", "Label80",
                                         "Label81", "Label83", "Label84"};

}  // namespace

Form4::Form4(Program& program) : Form("Form4", "Form4"), p_(program) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "基 本 资 料 表"}, InputBoxes()};
  inputs.perLine = 7;
  b.Table(inputs);
  b.Gap(6);
  b.Line({{"Label50", "说明： 1. 进口水深从进口洞底算起；   2. 跌差为涵洞出口洞底高出下游渠底的高度；"}});
  b.Line({{"Label51", "       3. 单孔时池首端宽等于洞宽，多孔时为包括隔墙在内的总宽度；"}});
  b.Line({{"Label52", "       4. 局部损失系数仅在淹没压力流时输入，为进口渐变段、涵洞进口、拦污栅及门槽局部损失系数之和，"}});
  b.Line({{"Label53", "          与确定孔口尺寸时采用的数值相同。"}});
  b.Gap(6);
  auto compute = b.Buttons({{"Command2", "显示计算成果"}});
  b.Gap(6);
  TableSpec results{{"Label10", "计 算 成 果 表 "}, ResultBoxes()};
  results.readOnly = true;
  b.Table(results);
  b.Gap(4);
  b.Line({{"Label65", ""}});
  QHBoxLayout* row = b.Row();
  row->setSpacing(2);
  for (const Run& r : std::vector<Run>{{"Label77", ""}, {"Label80", ""}, {"Label79", ""},
                                       {"Label83", ""}, {"Label81", ""}}) {
    row->addWidget(FormBuilder::MakeLabel(r, this));
  }
  QLineEdit* hk2 = FormBuilder::MakeBox("Text21", "", this);
  hk2->setReadOnly(true);
  hk2->setMaximumWidth(90);
  hk2->hide();  // blank until the hint shows
  row->addWidget(hk2);
  row->addWidget(FormBuilder::MakeLabel({"Label84", ""}, this));
  row->addStretch(1);
  SetBoxDigits("Text21", 3);
  b.Gap(6);
  auto buttons = b.Buttons({{"Command1", "打印基本资料及计算成果"}, {"Command3", "结 束 计 算"}});
  b.Finish();

  // Results and the critical-depth hint are not left beside inputs that the
  // user has changed since they were computed.
  ClearResultsOnEdit(ReadOrder, [this] {
    const bool hint = !Lbl("Label65")->text().trimmed().isEmpty();
    const bool shown = ClearBoxes(ResultNames);
    ClearHint();
    resultsKind_ = 0.0f;
    return shown || hint;
  });
  // Nor beside a basin kind on the main window other than the one they were
  // computed with.
  connect(&p_, &shell::ProgramBase::choicesChanged, this, [this] {
    if (resultsKind_ != 0.0f && resultsKind_ != p_.m.BasinType) {
      ClearBoxes(ResultNames);
      ClearHint();
      resultsKind_ = 0.0f;
      SetMessage(QStringLiteral("消力池类型已改变，原计算成果已清除，请重新点“显示计算成果”。"));
    }
  });
  connect(compute[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void Form4::Form_Load() {
  SymbolCaptionFill({{"Label63", "ξ"}});
  if (auto fields = LoadSavedInputs(p_.m, p_.m.ProjectName, DataSuffix, RecordOrder.size()))
    FillBoxes(RecordOrder, *fields);
}

void Form4::ClearHint() {
  for (const QString& l : HintLabels) Lbl(l)->clear();
  Box("Text21")->clear();
  Box("Text21")->hide();
}

void Form4::Command2_Click() {
  ClearMessage();
  ClearHint();
  resultsKind_ = 0.0f;
  auto values = ReadNumbers(ReadOrder, ResultNames);
  if (!values) return;
  const std::vector<float>& v = *values;
  BasinInputs in;
  in.Q = v[0];
  in.H = v[1];
  in.V0 = v[2];
  in.L = v[3];
  in.D = v[4];
  in.B = v[5];
  in.n = v[6];
  in.i = v[7];
  in.P = v[8];
  in.B1 = v[9];
  in.B2 = v[10];
  in.hs = v[11];
  in.xi = v[12];

  // The local losses count only for a submerged outlet; the box and the
  // file show the 0 that is computed with.
  if (!LocalLossApplies(in.hs, in.P, in.D)) {
    in.xi = 0;
    Box("Text22")->setText("0");
  }

  const float record[] = {in.Q, in.H, in.V0, in.L, in.D, in.B, in.i,
                          in.P, in.B1, in.B2, in.hs, in.n, in.xi};
  shell::Line line;
  for (float x : record) line.push_back(shell::NumberField(x));
  SaveInputs(p_.m.ProjectName, DataSuffix, {line});

  const float kind = p_.m.BasinType;
  BasinResults r = StillingBasinCase(in, kind);
  if (!r.ok) {
    ClearBoxes(ResultNames);
    AddMessage(QString::fromStdString(r.message));
    return;
  }
  std::vector<std::pair<QString, double>> shown = {{"Text13", r.T}, {"Text14", r.hc}, {"Text15", r.h2},
                                                   {"Text16", r.d}, {"Text17", r.C}};
  if (r.jump) {
    shown.push_back({"Text18", r.Lj});
    shown.push_back({"Text19", r.Lb});
  }
  if (!ShowResults(shown)) {
    ClearBoxes(ResultNames);
    return;
  }
  resultsKind_ = kind;
  if (!r.jump) {
    ClearBoxes({"Text18", "Text19"});
    AddMessage("跃后水深小于收缩水深，池内不产生水跃，不计算水跃长度及水平段池长。");
  }
  if (r.criticalHint) {
    Lbl("Label65")->setText("[提示] 下游水深小于临界水深，消力池以临界水深作为下游控制水深计算，即：");
    Lbl("Label77")->setText("计算采用");
    Lbl("Label80")->setText("h");
    Lbl("Label79")->setText("s =");
    Lbl("Label83")->setText("h");
    Lbl("Label81")->setText("k =");
    Box("Text21")->setText(QString::fromStdString(shell::ResultText(r.hk2, 3)));
    Box("Text21")->show();
    Lbl("Label84")->setText("m");
  }
  AddMessage(QString("按%1计算。").arg(QString::fromStdString(BasinTypeName(kind))));
  if (!r.note.empty()) AddMessage(QString::fromStdString(r.note));
}

void Form4::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

void Form4::Command3_Click() { p_.EndProgram(); }

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace mirkelt
