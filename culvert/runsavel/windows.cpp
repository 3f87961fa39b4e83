#include "windows.h"

#include "formbuilder.h"
#include "numbers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace runsavel {

using shell::BoxSpec;
using shell::FormBuilder;

std::string& Module1::CaseProjectName(int caseNumber) {
  switch (caseNumber) {
    case 1: return ProjectName1;
    case 2: return ProjectName2;
    default: return ProjectName3;
  }
}

const char* CaseSuffix(int caseNumber) {
  static const char* const suffixes[] = {"jh1.dat", "jh2.dat", "jh3.dat"};
  return suffixes[caseNumber >= 1 && caseNumber <= 3 ? caseNumber - 1 : 2];
}

// ---------------------------------------------------------------- Form1

Form1::Form1(Program& program) : Form("Form1", "Form1"), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "Runsavel"});
  b.Line({{"Label2", "程序编制说明"}});
  b.Line({{"Label4", "(1) 本程序进口水头损失按能量方程计算，出口水位回升也按能量方程计算；"}});
  b.Line({{"Label5", "(2) 本程序可根据需要分别对以下 3 种情况进行计算（各种情况流量均为已知）："}});
  b.Line({{"Label6", "     1）已知洞内水深及纵坡，计算洞身宽度及水头损失；"}});
  b.Line({{"Label7", "     2）已知洞内水深及允许水头损失，计算洞身宽度及洞底纵坡；"}});
  b.Line({{"Label9", "     3）已知洞身宽度及纵坡，计算洞内水深及水头损失；"}});
  b.Gap(10);
  b.CaseTable({{"Check4", "计算洞身宽度及水头损失"},
               {"Check5", "计算洞身宽度及洞底纵坡"},
               {"Check1", "计算洞内水深及水头损失"}},
              {[this] { Check4_Click(); }, [this] { Check5_Click(); }, [this] { Check1_Click(); }});
  b.Gap(10);
  b.ProjectRow([this] { Option1_Click(); }, [this] { Option2_Click(); }, [this] { Text1_Change(); });
  b.Gap(6);
  auto buttons = b.Buttons({{"Command2", "输入或显示基本资料"}, {"Command1", "打印程序编制说明"}});
  b.Finish();

  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::Text1_Change() {}
void Form1::Option1_Click() { p_.m.project.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.project.ProjectState = shell::ExistingProject; }
void Form1::Check4_Click() { p_.m.project.CaseSelector = 1; }
void Form1::Check5_Click() { p_.m.project.CaseSelector = 2; }
void Form1::Check1_Click() { p_.m.project.CaseSelector = 3; }

void Form1::Command2_Click() {
  const float c = p_.m.project.CaseSelector;
  if (c == 1) dorvesk::OpenCase(*this, p_, 1, p_.form6);
  if (c == 2) dorvesk::OpenCase(*this, p_, 2, p_.form7);
  if (c == 3) dorvesk::OpenCase(*this, p_, 3, p_.form8);
}

void Form1::Command1_Click() { PrintThisWindow(Box("Text1")->text().toStdString()); }

// ---------------------------------------------------------------- case windows

namespace {

BoxSpec DepthBox(const QString& name) { return BoxSpec(name, {"洞内水深"}).Sym("h").Unit("(m)"); }
BoxSpec WidthBox(const QString& name) {
  return BoxSpec(name, {"洞身宽宽"}).Sym("B").Unit("(m)").Named("洞身宽度 B");
}
BoxSpec SlopeBox(const QString& name) {
  return BoxSpec(name, {"槽身比降"}).Sym("i").Named("槽身比降 i（1/m 中的 m）");
}

// The width box of Form8, kept as text in its data file.
const int WidthTextIndex = 2;

dorvesk::CaseWindowLayout Layout(int caseNumber) {
  dorvesk::CaseWindowLayout l;
  l.name = QString("Form%1").arg(caseNumber + 5);
  l.title = l.name;
  l.label70 = caseNumber == 2 ? " ～" : "～";
  l.symbols = {{"Label61", "ξ"}, {"Label62", "ξ"}};

  const BoxSpec text3 = caseNumber == 3 ? WidthBox("Text3") : DepthBox("Text3");
  const BoxSpec text5 = caseNumber == 2
                            ? BoxSpec("Text5", {" 水头损失"}).Sym("Z").Unit("(m)").Named("允许水头损失 Z")
                            : SlopeBox("Text5");
  if (caseNumber != 2) l.afterOneSlash.push_back("Text5");
  l.inputs = {BoxSpec("Text1", {"流量"}).Sym("Q").Unit("(m³/s)"),
              BoxSpec("Text2", {"洞身长"}).Sym("L").Unit("(m)"),
              text3,
              BoxSpec("Text4", {"进口局部损", "失系数"}).SymLabel("Label61", "ξ", "1")
                  .Named("进口局部损失系数 ξ1"),
              text5,
              BoxSpec("Text6", {"槽身糙率"}).Sym("n  ").Named("槽身糙率 n"),
              BoxSpec("Text7", {"渠道流速"}).Sym("V").Unit("(m/s)"),
              BoxSpec("Text8", {"出口局部损", "失系数"}).SymLabel("Label62", "ξ", "2")
                  .Named("出口局部损失系数 ξ2")};

  l.results = {BoxSpec("Text17", {"进口水头损失"}).Sym("Z", "1").Unit("(m)"),
               BoxSpec("Text18", {"沿程水头损失"}).Sym("Z", "2").Unit("(m)"),
               BoxSpec("Text19", {"出口水位回升"}).Sym("Z", "3").Unit("(m)")};
  if (caseNumber == 2) {
    l.results.push_back(BoxSpec("Text20", {"槽身比降"}).Sym("i").Digits(0));
    l.afterOneSlash.push_back("Text20");
  } else {
    l.results.push_back(BoxSpec("Text20", {"总水头损失"}).Sym("Z").Unit("(m)"));
  }
  l.results.push_back(caseNumber == 3 ? DepthBox("Text21").Digits(2) : WidthBox("Text21").Digits(2));
  return l;
}

}  // namespace

ChannelCaseWindow::ChannelCaseWindow(Program& program, int caseNumber)
    : ChannelCulvertWindow(Layout(caseNumber), program, program.m.project, program.m.CaseProjectName(caseNumber),
                           CaseSuffix(caseNumber)),
      case_(caseNumber) {}

void ChannelCaseWindow::Command2_Click() {
  ClearMessage();
  // Form8 keeps its width as typed: it is saved as text and read as a
  // number only for the computation.
  std::vector<QString> numeric = InputNames();
  if (case_ == 3) numeric.erase(numeric.begin() + WidthTextIndex);
  auto values = ReadNumbers(numeric, ResultNames());
  if (!values) return;
  std::vector<float> v = *values;
  std::vector<shell::Field> record;
  for (float x : v) record.push_back(shell::NumberField(x));
  const QString widthText = Box("Text3")->text();
  if (case_ == 3) {
    record.insert(record.begin() + WidthTextIndex, shell::TextField(widthText));
    v.insert(v.begin() + WidthTextIndex, 0.0f);
  }
  SaveInputs(ProjectName(), DataSuffix(), {record});

  ChannelInputs in;
  dorvesk::SetSharedInputs(in, v);
  ChannelResults r;
  if (case_ == 1) {
    in.h = v[2];
    in.m = v[4];
    r = ChannelWidthAndLossCase(in);
  } else if (case_ == 2) {
    in.h = v[2];
    in.Z = v[4];
    r = ChannelWidthAndSlopeCase(in);
  } else {
    const auto B = shell::TextToSingle(widthText.toStdString());
    if (!B) {
      ClearBoxes(ResultNames());
      const QString shown = widthText.trimmed().isEmpty() ? QStringLiteral("（空白）")
                                                          : QStringLiteral("“%1”").arg(widthText.trimmed());
      AddMessage(QStringLiteral("“%1”栏中的%2不是数字，请改正后再计算（已保存，未计算）。")
                     .arg(BoxHeading("Text3"), shown));
      return;
    }
    in.B = *B;
    in.m = v[4];
    r = ChannelDepthAndLossCase(in);
  }
  if (!r.ok) {
    // Nothing of an earlier computation stays on show beside these inputs.
    ClearBoxes(ResultNames());
    AddMessage(QString::fromStdString(r.message));
    return;
  }
  const double fourth = case_ == 2 ? static_cast<double>(r.slopeShown) : static_cast<double>(r.Z);
  const double fifth = case_ == 3 ? r.h : r.B;
  if (ShowResults({{"Text17", r.Z1}, {"Text18", r.Z2}, {"Text19", r.Z3}, {"Text20", fourth}, {"Text21", fifth}}) &&
      !r.note.empty())
    AddMessage(QString::fromStdString(r.note));
}

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace runsavel
