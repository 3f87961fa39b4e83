#include "windows.h"

#include "formbuilder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace pillamor {

using shell::BoxSpec;
using shell::ButtonSpec;
using shell::FormBuilder;
using shell::Run;
using shell::TableShape;
using shell::TableSpec;

namespace {

const char* const DataSuffix = "yds.dat";

}  // namespace

// ---------------------------------------------------------------- Form1

Form1::Form1(Program& program) : Form("Form1", "Form1"), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "Pillamor"});
  b.Line({{"Label2", "程序编制说明："}});

  // Note (1), with the outlet loss formula (1 - V2/V)² built of labels.
  QHBoxLayout* note1 = b.Row();
  note1->setSpacing(0);
  note1->addWidget(FormBuilder::MakeLabel(
      {"Label4", "(1) 本程序按《水工设计手册》及《倒虹吸管》的方法计算。管道出口淹没在水下时，出口局部损失系数为"},
      this));
  note1->addWidget(FormBuilder::MakeLabel({"Label5", " (1-"}, this));
  note1->addWidget(FormBuilder::MakeLabel({"Label6", "V"}, this));
  note1->addWidget(FormBuilder::SmallLabel({QString(), "2"}, this));
  note1->addWidget(FormBuilder::MakeLabel({"Label7", "/"}, this));
  note1->addWidget(FormBuilder::MakeLabel({"Label9", "V"}, this));
  note1->addWidget(FormBuilder::MakeLabel({"Label11", ")"}, this));
  note1->addWidget(FormBuilder::SmallLabel({QString(), "2"}, this, shell::SmallPlace::Superscript));
  note1->addWidget(FormBuilder::MakeLabel({"Label12", "，"}, this));
  note1->addStretch(1);
  b.Line({{"Label13",
           "     式中 V2 为下游渠道流速，V 为管内流速；出口水流流入大气中时，出口局部损失系数取 1.0。"}});
  b.Line({{"Label14", "(2) 本程序可根据需要分别对以下 3 种情况进行计算："}});
  b.Line({{"Label15", "     1）已知流量、管径及管长，计算水头损失；"}});
  b.Line({{"Label16", "     2）已知流量、水头损失及管长，计算管径；"}});
  b.Line({{"Label17", "     3）已知水头损失、管径及管长，计算流量。"}});
  b.Gap(10);

  b.CaseTable({{"Check4", "已知流量、管径及管长，计算水头损失"},
               {"Check5", "已知流量、水头损失及管长，计算管径"},
               {"Check7", "已知水头损失、管径及管长，计算流量"}},
              {[this] { Check4_Click(); }, [this] { Check5_Click(); }, [this] { Check7_Click(); }});
  b.Gap(10);
  b.ProjectRow([this] { Option1_Click(); }, [this] { Option2_Click(); }, [this] { Text1_Change(); });
  b.Gap(6);
  auto buttons = b.Buttons({{"Command2", "输入或显示基本资料"}, {"Command1", "打印程序编制说明"}});
  b.Finish();

  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::Text1_Change() { p_.m.ProjectName = Box("Text1")->text().toStdString(); }
void Form1::Option1_Click() { p_.m.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.ProjectState = shell::ExistingProject; }
void Form1::Check4_Click() { p_.m.CaseSelector = 1; }
void Form1::Check5_Click() { p_.m.CaseSelector = 2; }
void Form1::Check7_Click() { p_.m.CaseSelector = 3; }

void Form1::Command2_Click() {
  Program& p = p_;
  if (p.m.CaseSelector == 1) {
    p.OpenWindow(p.form2, [&p] { return new PipeCaseWindow(p, 1); });
  } else if (p.m.CaseSelector == 2) {
    p.OpenWindow(p.form3, [&p] { return new PipeCaseWindow(p, 2); });
  } else if (p.m.CaseSelector == 3) {
    p.OpenWindow(p.form4, [&p] { return new PipeCaseWindow(p, 3); });
  }
}

void Form1::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

// ---------------------------------------------------------------- case windows

namespace {

BoxSpec ZBox(const QString& name, const QString& caption) {
  return BoxSpec(name, {caption}).Named("水头损失 Z");
}

std::vector<BoxSpec> InputBoxes(int caseNumber) {
  const BoxSpec Q = BoxSpec("Text1", {"流量"}).Sym("Q").Unit("(m³/s)");
  const BoxSpec L = BoxSpec("Text2", {"管 长"}).Sym("L").Unit("(m)");
  const BoxSpec D = BoxSpec("Text3", {"管 径"}).Sym("D").Unit("(m)");
  std::vector<BoxSpec> boxes;
  if (caseNumber == 1) {
    boxes = {Q, L, D};
  } else if (caseNumber == 2) {
    boxes = {Q, L, ZBox("Text3", "水头损失  Z (米)")};
  } else {
    boxes = {ZBox("Text1", "水头损失  Z  (米)"), L, D};
  }
  boxes.push_back(BoxSpec("Text4", {"上游渠道", "流速"}).Sym("V", "1").Unit("(m/s)"));
  boxes.push_back(BoxSpec("Text5", {"下游渠道", "流速"}).Sym("V", "2").Unit("(m/s)"));
  boxes.push_back(BoxSpec("Text6", {"管身糙率"}).Sym("n"));
  boxes.push_back(BoxSpec("Text7", {"拦污栅"}).SymLabel("Label76", "ξ", "1").Named("拦污栅局部损失系数 ξ1"));
  boxes.push_back(BoxSpec("Text8", {"门 槽"}).SymLabel("Label63", "ξ", "2").Named("门槽局部损失系数 ξ2"));
  boxes.push_back(BoxSpec("Text9", {"进口"}).SymLabel("Label35", "ξ", "3").Named("进口局部损失系数 ξ3"));
  boxes.push_back(BoxSpec("Text10", {"弯道"}).SymLabel("Label79", "ξ", "4").Named("弯道局部损失系数 ξ4"));
  return boxes;
}

std::vector<BoxSpec> ResultBoxes(int caseNumber) {
  std::vector<BoxSpec> boxes;
  if (caseNumber == 1)
    boxes.push_back(BoxSpec("Text11", {"总水头损", "失"}).Sym("Z").Unit("(m)"));
  else if (caseNumber == 2)
    boxes.push_back(BoxSpec("Text11", {"管 径"}).Sym("D").Unit("(m)"));
  else
    boxes.push_back(BoxSpec("Text11", {"流量"}).Sym("Q").Unit("(m³/s)"));
  boxes.push_back(BoxSpec("Text12", {"流量系数"}).Sym("μ"));
  boxes.push_back(BoxSpec("Text13", {"流速水头"}).Sym("Z", "o").Unit("(m)"));
  boxes.push_back(BoxSpec("Text14", {"沿程损失"}).Sym("Z", "1").Unit("(m)"));
  boxes.push_back(BoxSpec("Text15", {"局部损失   "}).Sym("Z", "2").Unit("(m)"));
  boxes.push_back(BoxSpec("Text16", {"管内流速"}).Sym("V").Unit("(m/s)"));
  return boxes;
}

const std::vector<QString> InputNames = {"Text1", "Text2", "Text3", "Text4", "Text5",
                                         "Text6", "Text7", "Text8", "Text9", "Text10"};
const std::vector<QString> ResultNames = {"Text11", "Text12", "Text13", "Text14", "Text15", "Text16"};

}  // namespace

PipeCaseWindow::PipeCaseWindow(Program& program, int caseNumber)
    : Form(QString("Form%1").arg(caseNumber + 1), QString("Form%1").arg(caseNumber + 1)),
      p_(program),
      case_(caseNumber) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "基 本 资 料 表"}, InputBoxes(caseNumber)};
  inputs.groups = {{6, 4, "局 部 损 失 系 数", "Label70"}};
  b.Table(inputs);
  b.Gap(6);
  b.Line({{"Label50", "说明：  1.混凝土糙率一般可采用 0.014；     2.拦污栅局部损失系数可按公式计算或近似采用 "}});
  b.Line({{"Label51", "0.3(无拦污栅时填入 0 值)；   3.平板门槽局部损失系数一般可采用 0.05"},
          {"Label42", ""},
          {"Label52", " 0.1(无门槽时填入"}});
  b.Line({{"Label53", "0 值)；   4.进口管顶采用圆弧喇叭形布置时，进口局部损失系数可采用 0.1； 一般平顺修圆连"}});
  b.Line({{"Label54", "接的进口，进口局部损失系数可采用 0.2；     5.如有数个弯道，弯"},
          {"Label55", "道局部损失系数填入各弯道"}});
  b.Line({{"Label56", "损失系数之和；    6.程序中谢才系数按曼宁公式计算。"}});
  b.Gap(6);
  auto options = b.Options({"Label57", "出 口 流 态"},
                           {{"Option1", "出口水流流入大气中"}, {"Option2", "管道出口淹没在水下"}});
  auto compute = b.Buttons({{"Command2", "显示计算成果"}});
  b.Gap(6);
  TableSpec results{{"Label10", "计 算 成 果 表 "}, ResultBoxes(caseNumber)};
  results.readOnly = true;
  b.Table(results);
  b.Gap(6);
  auto buttons = b.Buttons({{"Command1", "打印基本资料及计算成果"}, {"Command3", "结 束 计 算"}});
  b.Finish();

  p_.BindChoice(options[0], &p_.m.OutletCondition, FreeOutflow);
  p_.BindChoice(options[1], &p_.m.OutletCondition, SubmergedOutlet);
  // Results computed with the other outlet condition are not left on show
  // beside the choice now in force (it may be clicked in another window).
  connect(&p_, &shell::ProgramBase::choicesChanged, this, [this] {
    if (resultsOutlet_ != 0.0f && resultsOutlet_ != p_.m.OutletCondition) {
      ClearBoxes(ResultNames);
      resultsOutlet_ = 0.0f;
      SetMessage(QStringLiteral("出口流态已改变，原计算成果已清除，请重新点“显示计算成果”。"));
    }
  });
  // Nor are they left beside inputs that the user has changed since.
  ClearResultsOnEdit(InputNames, [this] {
    resultsOutlet_ = 0.0f;
    return ClearBoxes(ResultNames);
  });
  connect(compute[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command3_Click(); });
}

int PipeCaseWindow::TextBoxIndex() const {
  return case_ == 2 ? 2 : case_ == 3 ? 0 : -1;
}

void PipeCaseWindow::Form_Load() {
  SymbolCaptionFill({{"Label76", "ξ"}, {"Label63", "ξ"}, {"Label35", "ξ"}, {"Label79", "ξ"},
                     {"Label42", "～"}});
  if (auto fields = LoadSavedInputs(p_.m, p_.m.ProjectName, DataSuffix, InputNames.size()))
    FillBoxes(InputNames, *fields);
}

void PipeCaseWindow::Command2_Click() {
  ClearMessage();
  resultsOutlet_ = 0.0f;
  // Every box must spell a number, the Z box too although it is kept as text.
  auto values = ReadNumbers(InputNames, ResultNames);
  if (!values) return;
  const std::vector<float>& v = *values;

  std::vector<shell::Field> record;
  for (std::size_t i = 0; i < InputNames.size(); ++i) {
    if (static_cast<int>(i) == TextBoxIndex())
      record.push_back(shell::TextField(Box(InputNames[i])->text()));
    else
      record.push_back(shell::NumberField(v[i]));
  }
  SaveInputs(p_.m.ProjectName, DataSuffix, {record});

  PipeInputs in;
  in.L = v[1];
  in.V1 = v[3];
  in.V2 = v[4];
  in.n = v[5];
  in.xi1 = v[6];
  in.xi2 = v[7];
  in.xi3 = v[8];
  in.xi4 = v[9];
  PipeResults r;
  OutletState outlet{p_.m.OutletCondition, p_.m.XiOut};
  if (case_ == 1) {
    in.Q = v[0];
    in.D = v[2];
    r = PipeHeadLossCase(in, outlet);
  } else if (case_ == 2) {
    in.Q = v[0];
    in.Z = v[2];
    r = PipeDiameterCase(in, outlet);
  } else {
    in.Z = v[0];
    in.D = v[2];
    r = PipeDischargeCase(in, outlet);
  }
  if (!r.ok) {
    ClearBoxes(ResultNames);
    AddMessage(QString::fromStdString(r.message));
    return;
  }
  if (ShowResults({{"Text11", r.value},
                   {"Text12", r.mu},
                   {"Text13", r.Zo},
                   {"Text14", r.Z1},
                   {"Text15", r.Z2},
                   {"Text16", r.V}}))
    resultsOutlet_ = p_.m.OutletCondition;
}

void PipeCaseWindow::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

void PipeCaseWindow::Command3_Click() { p_.EndProgram(); }

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace pillamor
