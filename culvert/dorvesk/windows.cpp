#include "windows.h"

#include "formbuilder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace dorvesk {

using shell::BoxSpec;
using shell::FormBuilder;

std::string& Module1::CaseProjectName(int caseNumber) {
  switch (caseNumber) {
    case 1: return ProjectName1;
    case 2: return ProjectName2;
    case 3: return ProjectName3;
    default: return ProjectName4;
  }
}

const char* CaseSuffix(int caseNumber) {
  static const char* const suffixes[] = {"yh1.dat", "yh2.dat", "yh3.dat", "yh4.dat"};
  return suffixes[(caseNumber - 1) & 3];
}

// ---------------------------------------------------------------- Form1

Form1::Form1(Program& program) : Form("Form1", "编制说明"), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "Dorvesk"});
  b.Line({{"Label2", "程序编制说明"}});
  const char* const notes[] = {
      "(1) 本程序进口水头损失按能量方程计算，",
      "     出口水位回升也按能量方程计算；",
      "(2) 本程序可根据需要分别对以下 4 种情况进行计算（各种情况流量均为已知）：",
      "     1）已知洞内水深及洞径，计算洞身纵坡及水头损失；",
      "     2）已知洞内水深及纵坡，计算洞径及水头损失；",
      "     3）已知洞内水深及允许水头损失，计算洞径及纵坡；",
      "     4）已知洞径及纵坡，计算水深及水头损失；",
  };
  for (int k = 0; k < 7; ++k) b.Line({{QString("Label4(%1)").arg(k), notes[k]}});
  b.Gap(10);
  b.CaseTable({{"Check4", "计算洞身纵坡及水头损失"},
               {"Check5", "计算洞径及水头损失"},
               {"Check7", "计算洞径及纵坡"},
               {"Check1", "计算水深及水头损失"}},
              {[this] { Check4_Click(); }, [this] { Check5_Click(); },
               [this] { Check7_Click(); }, [this] { Check1_Click(); }});
  b.Gap(10);
  b.ProjectRow([this] { Option1_Click(); }, [this] { Option2_Click(); });
  b.Gap(6);
  auto buttons = b.Buttons({{"Command2", "输入或显示基本资料"}, {"Command1", "打印程序编制说明"}});
  b.Finish();

  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::Option1_Click() { p_.m.project.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.project.ProjectState = shell::ExistingProject; }
void Form1::Check4_Click() { p_.m.project.CaseSelector = 1; }
void Form1::Check5_Click() { p_.m.project.CaseSelector = 2; }
void Form1::Check7_Click() { p_.m.project.CaseSelector = 3; }
void Form1::Check1_Click() { p_.m.project.CaseSelector = 4; }

void Form1::Command2_Click() {
  const float c = p_.m.project.CaseSelector;
  if (c == 1) OpenCase(*this, p_, 1, p_.form6);
  if (c == 2) OpenCase(*this, p_, 2, p_.form7);
  if (c == 3) OpenCase(*this, p_, 3, p_.form8);
  if (c == 4) OpenCase(*this, p_, 4, p_.form2);
}

void Form1::Command1_Click() { PrintThisWindow(Box("Text1")->text().toStdString()); }

// ---------------------------------------------------------------- case windows

namespace {

BoxSpec DepthBox(const QString& name) { return BoxSpec(name, {"洞内水深"}).Sym("h").Unit("(m)"); }
BoxSpec DiameterBox(const QString& name) { return BoxSpec(name, {" 洞   径"}).Sym("D").Unit("(m)"); }
BoxSpec SlopeBox(const QString& name) {
  return BoxSpec(name, {"洞身纵坡"}).Sym("i").Named("洞身纵坡 i（1/m 中的 m）");
}
BoxSpec LossBox(const QString& name, const QString& heading) {
  return BoxSpec(name, {heading}).Sym("Z").Unit("(m)");
}

CaseWindowLayout Layout(int caseNumber) {
  CaseWindowLayout l;
  static const char* const names[] = {"Form6", "Form7", "Form8", "Form2"};
  static const char* const titles[] = {"计算纵坡及水头损失", "计算洞径及水头损失", "计算洞径及纵坡", "  "};
  l.name = names[caseNumber - 1];
  l.title = titles[caseNumber - 1];
  l.label70 = caseNumber == 1 || caseNumber == 3 ? "～" : " ～";
  l.hintLine = caseNumber == 4;
  l.symbols = {{"Label61", "ξ"}, {"Label9", "ξ"}};

  BoxSpec text3 = caseNumber == 4 ? DiameterBox("Text3") : DepthBox("Text3");
  BoxSpec text5 = caseNumber == 1   ? DiameterBox("Text5")
                  : caseNumber == 3 ? LossBox("Text5", "水头损失").Named("允许水头损失 Z")
                                    : SlopeBox("Text5");
  if (caseNumber == 2 || caseNumber == 4) l.afterOneSlash.push_back("Text5");
  l.inputs = {BoxSpec("Text1", {"流量"}).Sym("Q").Unit("(m³/s)"),
              BoxSpec("Text2", {"洞身长"}).Sym("L").Unit("(m)"),
              text3,
              BoxSpec("Text4", {"进口局部损", "失系数"}).SymLabel("Label61", "ξ", "1")
                  .Named("进口局部损失系数 ξ1"),
              text5,
              BoxSpec("Text6", {"洞身糙率"}).Sym("n"),
              BoxSpec("Text7", {"渠道流速"}).Sym("V").Unit("(m/s)"),
              BoxSpec("Text8", {"出口局部损", "失系数"}).SymLabel("Label9", "ξ", "2")
                  .Named("出口局部损失系数 ξ2")};

  const BoxSpec total = LossBox("Text14", "总水头损失");
  const BoxSpec slope = BoxSpec("Text15", {"洞身纵坡"}).Sym("i").Digits(1);
  l.results = {BoxSpec("Text11", {"进口水头损失"}).Sym("Z", "1").Unit("(m)"),
               BoxSpec("Text12", {"沿程水头损失"}).Sym("Z", "2").Unit("(m)"),
               BoxSpec("Text13", {"出口水位回升"}).Sym("Z", "3").Unit("(m)")};
  switch (caseNumber) {
    case 1:
      l.results.push_back(total);
      l.results.push_back(slope);
      l.afterOneSlash.push_back("Text15");
      break;
    case 2:
      l.results.push_back(total);
      l.results.push_back(DiameterBox("Text15"));
      break;
    case 3:
      l.results.push_back(BoxSpec("Text14", {"洞   径"}).Sym("D").Unit("(m)"));
      l.results.push_back(slope);
      l.afterOneSlash.push_back("Text15");
      break;
    default:
      l.results.push_back(total);
      l.results.push_back(DepthBox("Text15"));
      break;
  }
  return l;
}

}  // namespace

CircularCaseWindow::CircularCaseWindow(Program& program, int caseNumber)
    : ChannelCulvertWindow(Layout(caseNumber), program, program.m.project, program.m.CaseProjectName(caseNumber),
                           CaseSuffix(caseNumber)),
      case_(caseNumber) {}

void CircularCaseWindow::Command2_Click() {
  ClearMessage();
  QLabel* hint = case_ == 4 ? Lbl("Label15") : nullptr;
  if (hint) hint->clear();
  auto values = ReadNumbers(InputNames(), ResultNames());
  if (!values) return;
  const std::vector<float>& v = *values;

  std::vector<shell::Field> record;
  for (float x : v) record.push_back(shell::NumberField(x));
  SaveInputs(ProjectName(), DataSuffix(), {record});

  CircularInputs in;
  SetSharedInputs(in, v);
  CircularResults r;
  switch (case_) {
    case 1:
      in.h = v[2];
      in.D = v[4];
      r = CircularSlopeAndLossCase(in);
      break;
    case 2:
      in.h = v[2];
      in.m = v[4];
      r = CircularDiameterAndLossCase(in);
      break;
    case 3:
      in.h = v[2];
      in.Z = v[4];
      r = CircularDiameterAndSlopeCase(in);
      break;
    default:
      in.D = v[2];
      in.m = v[4];
      r = CircularDepthAndLossCase(in);
      break;
  }
  if (!r.ok) {
    // Nothing of an earlier computation stays on show beside these inputs.
    ClearBoxes(ResultNames());
    if (r.pressureFlow && hint)
      hint->setText(QString::fromStdString(r.message));
    else
      AddMessage(QString::fromStdString(r.message));
    return;
  }
  double last = r.m;
  if (case_ == 2) last = r.D;
  if (case_ == 4) last = r.h;
  ShowResults({{"Text11", r.Z1},
               {"Text12", r.Z2},
               {"Text13", r.Z3},
               {"Text14", case_ == 3 ? static_cast<double>(r.D) : static_cast<double>(r.Z)},
               {"Text15", last}});
}

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace dorvesk
