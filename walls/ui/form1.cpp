#include "windows.h"

#include "formbuilder.h"
#include "pieces.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ketrova {

using shell::FormBuilder;
using shell::Run;


Form1::Form1(Program& program) : Form("Form1", "Form1"), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "Ketrova"});
  b.Line({{"Label2", "程序编制说明："}});

  PieceLine(b, this, {T("1. 本程序计算重力式及半重力式挡土墙的基底压力与稳定，以及半重力式挡土墙的墙身截面应力，包括土压力、")});
  PieceLine(b, this, {T("    基底压力分布及不均匀系数、抗滑及抗倾覆安全系数、截面应力；也计算钢筋混凝土闸墙的土压力及配筋，")});
  PieceLine(b, this, {T("    包括墙底（即底板顶面）及墙高一半处的内力、配筋及抗裂验算。")});

  PieceLine(b, this, {T("2. 重力式挡土墙墙背为一个斜面（上部可有或无竖直段），前趾及后趾为等厚；半重力式挡土墙墙背为两至三级")});
  PieceLine(b, this, {T("    斜面，前趾由等厚段及变厚段组成（或无前趾），后趾为等厚（或无后趾）。标准断面见“取水输水建筑物丛书”")});
  PieceLine(b, this, {T("    《隧洞》图 6-7，或按“查看尺寸符号图”查看。")});

  PieceLine(b, this, {T("3. 填土面水平时，重力式挡土墙的土压力按朗肯及库伦主动土压力公式分别计算，两种成果同时列出以便比较；")});
  PieceLine(b, this, {T("    填土面倾斜时只采用库伦公式的成果；半重力式挡土墙及闸墙只考虑填土面水平，按朗肯公式计算。")});

  PieceLine(b, this, {T("4. 按朗肯公式计算时，墙背上的竖向土荷载为墙底宽度范围内的土重；按库伦公式计算时，为库伦土压力的竖向")});
  PieceLine(b, this, {T("    分力。“基底压力计算成果表”中的“土重”项包括填土面上的均布荷载。")});

  PieceLine(b, this, {T("5. 库伦公式中墙背与填土间的摩擦角 "), S("Label37"), T(" 对土压力的两个分力影响很大（"), S("Label39"),
                     T(" 越小，水平分力越大，垂直分力越小）。")});
  PieceLine(b, this, {T("    按《水闸设计规范》SL 265 -2001：墙背粗糙、排水良好时 "), S("Label40"), T(" = (0.33"), S("Label59"),
                     T("0.5)"), S("Label58"), T("；墙背很粗糙、排水良好时 "), S("Label43"), T(" = (0.5"), S("Label63"),
                     T("0.67)"), S("Label65"), T("；")});
  PieceLine(b, this, {T("    墙与土之间不可能滑动时 "), S("Label45"), T(" = (0.67"), S("Label68"), T("1.0)"), S("Label70"),
                     T("。"), S("Label19"), T(" 不宜小于 0.67"), S("Label47"), T("，否则按此 "), S("Label49"),
                     T(" 求得的水平分力明显大于")});
  PieceLine(b, this, {T("    按 "), S("Label72"), T(" 用朗肯公式求得的值，断面偏于保守；浆砌石挡土墙墙背砌筑粗糙时，"), S("Label50")});

  PieceLine(b, this, {T("6. 朗肯公式和库伦公式都未考虑回填土的凝聚力；凝聚力较大时，程序以由 "), S("Label52"),
                     T(" 及凝聚力求得的等值摩擦角 "), S("Label53"), Sub("d"), T(" 代替 "), S("Label55"), T("计算。")});
  PieceLine(b, this, {T("    据《水工设计手册》及《水闸》，"), S("Label94"), Sub("d"),
                     T(" 随墙高的降低而增大，用于高墙偏于不安全，用于低墙偏于保守，高墙可将其减小 5"), S("Label79"),
                     T("10 度采用。")});

  PieceLine(b, this, {T("7. 填土面上的连续均布荷载 q 按回填土湿容重换算为等代土层高度 ho 计算（即通常两种方法中的第一种；按 ho 与")});
  PieceLine(b, this, {T("    墙高求附加土压力系数的第二种方法未采用）；重力式挡土墙的倾斜填土面及闸墙不考虑均布荷载 q。")});

  PieceLine(b, this, {T("8. 半重力式挡土墙按素混凝土计算，其控制截面抗拉安全系数按 SDJ 20-78（《水工钢筋混凝土结构设计规范》）")});
  PieceLine(b, this, {T("    确定；钢筋混凝土半重力式挡土墙可按打印的弯矩及轴力用“Brasselt”程序设计。闸墙为钢筋混凝土结构，按")});
  PieceLine(b, this, {T("    SL265-2001 及钢筋混凝土结构设计规范计算配筋及抗裂，"), T("计算采用的混凝土保护层厚度为 7 cm 。")});
  b.Gap(10);

  QLineEdit* name = b.LabelledBox({QString(), "项目名"}, "Text1");
  auto options = b.Options({}, {{"Option1", "新计算项目"}, {"Option2", "已计算项目"}});
  b.Gap(6);
  auto buttons = b.Buttons({{"Command1", "重力式挡土墙计算"},
                            {"Command2", "半重力式挡土墙计算"},
                            {"Command3", "闸   墙   计   算"},
                            {"Command4", "打印编制说明"}});
  b.Finish();

  connect(name, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  connect(options[0], &QRadioButton::clicked, this, [this] { Option1_Click(); });
  connect(options[1], &QRadioButton::clicked, this, [this] { Option2_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(buttons[3], &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void Form1::Form_Load() {
  SymbolCaptionFill({{"Label37", "δ"}, {"Label39", "δ"}, {"Label40", "δ"}, {"Label43", "δ"},
                     {"Label45", "δ"}, {"Label19", "δ"}, {"Label49", "δ"},
                     {"Label59", "～"}, {"Label63", "～"}, {"Label68", "～"},
                     {"Label58", "φ"}, {"Label65", "φ"}, {"Label70", "φ"}, {"Label47", "φ"},
                     {"Label72", "φ"}, {"Label50", "可采用δ值等于φ值 ； "},
                     {"Label52", "φ"}, {"Label53", "φ"}, {"Label94", "φ"}, {"Label55", "φ "},
                     {"Label79", "～"}});
  // A main window loaded again (after its close box, by a back button) shows
  // the project that the program works on, not a blank name.
  if (!p_.m.ProjectName.empty()) Box("Text1")->setText(QString::fromStdString(p_.m.ProjectName));
  Control<QRadioButton>("Option1")->setChecked(p_.m.ProjectState == shell::NewProject);
  Control<QRadioButton>("Option2")->setChecked(p_.m.ProjectState == shell::ExistingProject);
}

void Form1::Text1_Change() { p_.m.ProjectName = Box("Text1")->text().toStdString(); }
void Form1::Option1_Click() { p_.m.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.ProjectState = shell::ExistingProject; }
void Form1::Command1_Click() { p_.OpenForm2(); }
void Form1::Command2_Click() { p_.OpenForm4(); }
void Form1::Command3_Click() { p_.OpenForm6(); }
void Form1::Command4_Click() { PrintThisWindow(p_.m.ProjectName); }

// ---------------------------------------------------------------- program

Form1* Program::OpenForm1() {
  return OpenWindow(form1, [this] { return new Form1(*this); });
}
Form2* Program::OpenForm2() {
  return OpenWindow(form2, [this] { return new Form2(*this); });
}
Form3* Program::OpenForm3() {
  return OpenWindow(form3, [this] { return new Form3(*this); });
}
Form4* Program::OpenForm4() {
  return OpenWindow(form4, [this] { return new Form4(*this); });
}
Form5* Program::OpenForm5() {
  return OpenWindow(form5, [this] { return new Form5(*this); });
}
Form6* Program::OpenForm6() {
  return OpenWindow(form6, [this] { return new Form6(*this); });
}
Form7* Program::OpenForm7() {
  return OpenWindow(form7, [this] { return new Form7(*this); });
}

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace ketrova
