#include "windows.h"

#include "formbuilder.h"
#include "numbers.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace brasselt {

using shell::BoxSpec;
using shell::ButtonSpec;
using shell::FormBuilder;
using shell::Run;
using shell::TableSpec;

namespace {

const char* const RectSuffix = "xgj.dat";
const char* const TSectionSuffix = "xg.dat";

QString U8(const char* text) { return QString::fromUtf8(text); }

constexpr int NoteWidth = 780;

int HintWidth(bool tSection) { return tSection ? 940 : 860; }

}  // namespace

// ---------------------------------------------------------------- Program

void Program::MemberComputed(const std::vector<float>& boxes) {
  const HandedMemberValues& h = m.handed;
  std::vector<float> member = {m.MemberKind, m.FlangeLayout, h.b, h.a, h.gammaD, h.bfc, h.hfc,
                               h.bft, h.hft, h.l0, h.e};
  member.insert(member.end(), boxes.begin(), boxes.end());
  handedMember = std::move(member);
  if (form9) form9->MemberComputed();
  if (form10) form10->MemberComputed();
}

QString ChoicesChangedMessage() {
  return QStringLiteral("计算所用的选项已改变，原计算成果已清除，请重新点“显示计算成果”。");
}

QString MemberChangedMessage() {
  return QStringLiteral("构件窗口已按另一构件的资料重新计算，原计算成果属于原构件，已清除，请重新点“显示计算成果”。");
}

void ChoiceWatch::Attach(shell::Form* form, Program& program,
                         std::function<std::vector<float>()> inForce, std::function<bool()> clear) {
  QObject::connect(&program, &shell::ProgramBase::choicesChanged, form, [this, form, inForce, clear] {
    if (!Changed(inForce())) return;
    Forget();
    if (clear()) form->SetMessage(ChoicesChangedMessage());
  });
}

Form7* Program::OpenForm7() { return OpenWindow(form7, [] { return new Form7; }); }
Form8* Program::OpenForm8() { return OpenWindow(form8, [] { return new Form8; }); }

// ---------------------------------------------------------------- Form1

namespace {

const char* const Note1 =
    "  （1） 本程序按《水工混凝土结构设计规范》 SL/T 191-96 (简称《规范》) "
    "的规定编制。计算分为承载能力极限状态(正截面及斜截面钢筋计算)及正常使用极限状态 "
    "(抗裂及裂缝宽度验算)两类。适用于矩形、 T 形及工字形截面的受弯、偏心受压及偏心受拉计算；";

}  // namespace

Form1::Form1(Program& program) : Form("Form1", "Form1"), p_(program) {
  FormBuilder b(this);
  {
    QHBoxLayout* title = b.Row();
    title->setSpacing(0);
    title->addStretch(1);
    for (const Run& r : {Run{"Label40", "Brasselt( 按"}, Run{"Label1", "SL/T 191-96"},
                         Run{"Label45", "规范 )"}}) {
      QLabel* l = FormBuilder::MakeLabel(r, this);
      QFont f = l->font();
      f.setPointSizeF(f.pointSizeF() * 1.5);
      f.setBold(true);
      l->setFont(f);
      title->addWidget(l);
    }
    title->addStretch(1);
  }
  b.Line({{"Label2", "程序编制说明："}});
  b.Paragraph({"Label3", ""});
  // Note (2): four lines, its symbols in labels of their own.
  b.Line({{"Label4", ""}});
  {
    QHBoxLayout* row = b.Row();
    row->setSpacing(0);
    row->addWidget(FormBuilder::MakeLabel({"Label5", ""}, this));
    row->addWidget(FormBuilder::MakeLabel({"Label6", ""}, this));
    row->addWidget(FormBuilder::SmallLabel({"Label7", ""}, this));
    row->addWidget(FormBuilder::MakeLabel({"Label9", ""}, this));
    row->addWidget(FormBuilder::MakeLabel({"Label10", ""}, this));
    row->addWidget(FormBuilder::MakeLabel({"Label11", ""}, this));
    row->addStretch(1);
  }
  {
    QHBoxLayout* row = b.Row();
    row->setSpacing(0);
    row->addWidget(FormBuilder::MakeLabel({"Label12", ""}, this));
    row->addWidget(FormBuilder::MakeLabel({"Label13", ""}, this));
    row->addWidget(FormBuilder::MakeLabel({"Label14", ""}, this));
    row->addStretch(1);
  }
  b.Line({{"Label15", ""}});
  b.Gap(10);

  b.Line({{"Label8", "[提示] 在下表中选择构件计算类型"}});
  std::vector<ButtonSpec> kinds;
  for (const MemberKindBox& k : MemberKindBoxes)
    kinds.push_back({QString("Check%1").arg(k.box), U8(k.caption)});
  auto checks = b.Checks(kinds);
  for (std::size_t i = 0; i < checks.size(); ++i) {
    const MemberKindBox& k = MemberKindBoxes[i];
    connect(checks[i], &QCheckBox::clicked, this, [this, box = k.box] { MemberKindBox_Click(box); });
  }
  b.Gap(10);
  b.ProjectRow([this] { Option1_Click(); }, [this] { Option2_Click(); }, [this] { Text1_Change(); });
  b.Gap(6);
  auto buttons = b.Buttons({{"Command2", "输入或显示基本资料"}, {"Command1", "打印程序编制说明"}});
  b.Finish();

  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::Form_Load() {
  SymbolCaptionFill({
      {"Label3", Note1},
      {"Label4", "  （2）《规范》中，按承载能力极限状态计算时，有关公式中的内力设计值为荷载标准值乘以荷载分项系数"},
      {"Label5", "后的荷载设计值所产生的内力，再乘以结构重要性系数 "},
      {"Label6", "γ"},
      {"Label7", "0"},
      {"Label9", " 及设计状况系数 "},
      {"Label10", "ψ"},
      {"Label11", " 的值；按正常使用极限状态验算时，有关公式中的内力值为"},
      {"Label12", "按荷载效应的短期组合（永久荷载及可变荷载均采用标准值）或长期组合（可变荷载标准值乘以长期组合系数 "},
      {"Label13", "ρ"},
      {"Label14", "）计算"},
      {"Label15", "的值(程序中要求输入的各种内力值与《规范》相同) 。"},
  });
  FormBuilder::FitWrapped(Lbl("Label3"), NoteWidth);
}

void Form1::Text1_Change() {
  nameTyped_ = true;
  p_.m.ProjectName = Box("Text1")->text().toStdString();
  ProjectNameChanged(p_.m, p_.m.ProjectName);
}

void Form1::Option1_Click() { p_.m.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.ProjectState = shell::ExistingProject; }

void Form1::MemberKindBox_Click(int box) {
  MemberKindClicked(p_.m, box, Box("Text1")->text().toStdString(), nameTyped_);
}

void Form1::Command2_Click() {
  Program& p = p_;
  const float kind = p.m.MemberKind;
  if (kind == RectFlexural) {
    p.OpenWindow(p.form2, [&p] { return new FlexuralWindow(p, false); });
  } else if (kind == RectEccentricCompression || kind == RectEccentricTension) {
    p.OpenForm3();
  } else if (kind == TSectionFlexural) {
    p.OpenWindow(p.form4, [&p] { return new FlexuralWindow(p, true); });
  } else if (kind == TSectionEccentricCompression) {
    p.OpenForm6();
  }
}

void Form1::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

// ---------------------------------------------------------------- Form2, Form4

namespace {

const std::vector<QString> RectInputs = {"Text1", "Text2", "Text3", "Text4", "Text6", "Text5", "Text15"};
const std::vector<QString> TInputs = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5", "Text6",
                                      "Text21", "Text15", "Text17", "Text18", "Text19"};
const std::vector<QString> RectResults = {"Text7",  "Text8",  "Text9",  "Text10",
                                          "Text11", "Text12", "Text13", "Text14"};
const std::vector<QString> TResults = {"Text7",  "Text8",  "Text9",  "Text10", "Text11",
                                       "Text12", "Text13", "Text14", "Text20"};

const char* const RatioCaption = "计  算配筋率";
const char* const MinimumRatioCaption = "最  小配筋率";

const char* const Hint0 = "[提示] 1. 程序中受弯构件有两种计算情况：";
const char* const Hint1 =
    "    第一种情况  单筋受弯构件或尚不知是否需布置受压钢筋的情况。对这种情受压钢筋填入 0 值 。 "
    "如计算结果出现受压区相对高度 ξ 大于界限受压区相对高度 ξb 的情况（即   x > ξb·ho   的情况)时，"
    "程序将自动取    x = ξb·ho ， 并按双筋受弯构件分别计算受拉钢筋及受压钢筋。"
    "（如不拟采用双筋布置情况，则在计算结束后需加大截面或提高混凝土强度等级重新计算）； ";
const char* const Hint2 =
    "    第二种情况  双筋受弯构件或由于受力要求及构造需要在受压边布置有钢筋的情况。"
    "对这种情况受压钢筋填入已知值或给定值。 如计算结果出现受压区相对高度 ξ 大于界限受压区相对高度  "
    "ξb 的情况时，程序将自动取   x = ξb·ho ， 并重新计算受拉钢筋及受压钢筋。";
const char* const Hint3 =
    "    2. 钢筋混凝土结构的结构系数一般采用 1.2；对于承受永久荷载为主的构件采用 1.25，"
    "但承受土重和土压力为主的构件仍采用 1.2；对新型结构，结构系数可适当提高。";

std::vector<BoxSpec> InputBoxes(bool tSection) {
  const QString cm = "(cm)", cm2 = "(cm²)", kNm = "(kN·m)";
  if (!tSection) {
    return {
        BoxSpec("Text1", {"截 面宽 度"}).Sym("b").Unit(cm),
        BoxSpec("Text2", {"截面有效高度"}).Sym("h", "0").Unit(cm),
        BoxSpec("Text3", {"受 压钢 筋"}).Sym("A'", "s").Unit(cm2),
        BoxSpec("Text4", {"保护层厚度"}).Sym("a").Unit(cm),
        BoxSpec("Text6", {"保护层厚度"}).Sym("a'").Unit(cm),
        BoxSpec("Text5", {"弯  矩设计值"}).Sym("M").Unit(kNm),
        BoxSpec("Text15", {"结 构 系 数"}).SymLabel("Label30", "γ", "d").Named("结构系数 γd"),
    };
  }
  return {
      BoxSpec("Text1", {"腹 板宽 度", ""}).Sym("b").Unit(cm),
      BoxSpec("Text2", {"截 面总 高", ""}).Sym("h").Unit(cm),
      BoxSpec("Text3", {"受 拉 翼 缘", "宽度"}).Sym("b", "f").Unit(cm),
      BoxSpec("Text4", {"受 拉 翼 缘", "厚度"}).Sym("h", "f").Unit(cm),
      BoxSpec("Text5", {"受 压 翼 缘", "宽度"}).Sym("b'", "f").Unit(cm),
      BoxSpec("Text6", {"受 压 翼 缘", "厚度"}).Sym("h'", "f").Unit(cm),
      BoxSpec("Text21", {"受 压钢 筋", ""}).Sym("A'", "s").Unit(cm2),
      BoxSpec("Text15", {"保护层厚度", ""}).Sym("a").Unit(cm),
      BoxSpec("Text17", {"保护层厚度", ""}).Sym("a'").Unit(cm),
      BoxSpec("Text18", {"弯  矩设计值", ""}).Sym("M").Unit(kNm),
      BoxSpec("Text19", {"结 构 系 数", ""}).SymLabel("Label30", "γ", "d").Named("结构系数 γd"),
  };
}

std::vector<ResultRow> ResultRows(bool tSection) {
  std::vector<ResultRow> rows = {
      {"Text7", {{"", "混凝土轴心抗压强度设计值"}}, {{"", "f"}, {"s", "c"}}, "(MPa)"},
      {"Text8", {{"", "钢筋强度设计值"}, {"", "抗 拉"}}, {{"", "f"}, {"s", "y"}}, "(MPa)"},
      {"Text9", {{"", "钢筋强度设计值"}, {"", "抗 压"}}, {{"", "f'"}, {"s", "y"}}, "(MPa)"},
      {"Text10", {{"", "相对界限受压区计算高度"}}, {{"Label53", ""}, {"s", "b"}}, ""},
      {"Text11", {{"", "混凝土受压区高度"}}, {{"", "x"}}, "(cm)"},
      {"Text12", {}, {{"Label55", ""}, {"s", "b"}, {"Label56", ""}, {"", "h"}, {"s", "0"}}, "(cm)"},
      {"Text13", {{"", "受 拉钢 筋"}}, {{"", "A"}, {"s", "s"}}, "(cm²)"},
      {"Text14", {{"Label52", RatioCaption}}, {{"Label54", ""}}, "(%)"},
  };
  if (tSection) rows.push_back({"Text20", {{"", "受 压钢 筋"}}, {{"", "A'"}, {"s", "s"}}, "(cm²)"});
  return rows;
}

}  // namespace

const std::vector<QString>& FlexuralWindow::InputNames() const { return tSection_ ? TInputs : RectInputs; }
const std::vector<QString>& FlexuralWindow::ResultNames(bool tSection) {
  return tSection ? TResults : RectResults;
}

FlexuralWindow::FlexuralWindow(Program& program, bool tSection)
    : Form(tSection ? "Form4" : "Form2", tSection ? "T 形及工字形截面受弯构件" : "矩形截面受弯构件"),
      p_(program),
      tSection_(tSection) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "正截面承载力计算基本资料表"}, InputBoxes(tSection)};
  inputs.perLine = tSection ? 6 : 0;
  b.Table(inputs);
  b.Gap(6);

  // The choice families, side by side: concrete, steel and (Form2) element.
  QHBoxLayout* families = b.Row();
  families->setSpacing(24);
  auto family = [&](const QString& headingName, const QString& heading, int columns,
                    const std::vector<std::pair<QString, QString>>& boxes) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(FormBuilder::MakeLabel({headingName, heading}, this), 0, 0, 1, columns);
    std::vector<QCheckBox*> made;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      auto* c = new QCheckBox(boxes[i].second, this);
      c->setObjectName(boxes[i].first);
      grid->addWidget(c, 1 + static_cast<int>(i) / columns, static_cast<int>(i) % columns);
      made.push_back(c);
    }
    families->addLayout(grid);
    return made;
  };
  std::vector<std::pair<QString, QString>> concrete, steel, element;
  for (const ConcreteGrade& g : ConcreteGradeTable) concrete.push_back({QString("Check%1").arg(g.box), U8(g.caption)});
  for (const SteelGrade& g : SteelGradeTable) steel.push_back({QString("Check%1").arg(g.box), QString()});
  for (const ChoiceBox& c : StructuralElementBoxes) element.push_back({QString("Check%1").arg(c.box), U8(c.caption)});
  auto concreteBoxes = family("Label41", "选取混凝土强度等级", 5, concrete);
  auto steelBoxes = family("Label42", "选取钢筋级别", 2, steel);
  MemberState& m = p_.m;
  for (std::size_t i = 0; i < concreteBoxes.size(); ++i) {
    const ConcreteGrade& g = ConcreteGradeTable[i];
    connect(concreteBoxes[i], &QCheckBox::clicked, this, [&m, box = g.box] { ConcreteBoxClicked(m, box); });
    p_.BindChoice(concreteBoxes[i], &m.materials.concreteGrade, g.grade);
  }
  for (std::size_t i = 0; i < steelBoxes.size(); ++i) {
    const SteelGrade& g = SteelGradeTable[i];
    connect(steelBoxes[i], &QCheckBox::clicked, this, [&m, box = g.box] { SteelBoxClicked(m, box); });
    p_.BindChoice(steelBoxes[i], &m.materials.steelGrade, g.grade);
  }
  if (!tSection) {
    auto elementBoxes = family("Label43", "选取构件类型", 4, element);
    for (std::size_t i = 0; i < elementBoxes.size(); ++i)
      p_.BindChoice(elementBoxes[i], &m.StructuralElement, StructuralElementBoxes[i].value);
  }
  families->addStretch(1);
  b.Gap(6);

  for (const char* name : {"Label80", "Label81", "Label82", "Label83"}) {
    b.Paragraph({name, ""});
  }
  b.Gap(6);
  auto actions = b.Buttons({{"Command1", "显示计算成果"},
                            {"Command6", "最小保护层厚度查取表"},
                            {"Command4", "抗裂及裂缝宽度验算"}});
  b.Gap(6);

  // Results table; two groups side by side keep it compact.
  b.layout()->addWidget(FormBuilder::TableHeading({"Label51", "正截面受弯承载力计算成果表"}, this));
  b.layout()->addLayout(ResultGrid(this, ResultRows(tSection), 6));
  b.Gap(4);
  b.Line({{"Label59", ""}});
  {
    QHBoxLayout* row = b.Row();
    row->setSpacing(2);
    row->addWidget(FormBuilder::MakeLabel({"Label60", ""}, this));
    QLineEdit* asc = FormBuilder::MakeBox("Text16", "", this);
    asc->setReadOnly(true);
    asc->setFrame(false);
    asc->setStyleSheet("background: transparent;");
    asc->setAlignment(Qt::AlignLeft);
    // The area reads as part of the sentence: the box is as wide as its text,
    // so that the unit follows the number.
    auto fit = [asc] {
      const QFontMetrics fm(asc->font());
      asc->setFixedWidth(fm.horizontalAdvance(asc->text() + "  ") + 8);
    };
    fit();
    connect(asc, &QLineEdit::textChanged, this, fit);
    row->addWidget(asc);
    row->addWidget(FormBuilder::MakeLabel({"Label63", ""}, this));
    // "2" of cm², raised, with the full stop.
    row->addWidget(FormBuilder::SmallLabel({"Label61", ""}, this, shell::SmallPlace::Superscript));
    row->addStretch(1);
  }
  b.Gap(6);
  auto ends = b.Buttons({{"Command3", "打印基本资料及计算成果"}, {"Command2", "结束计算"}});
  b.Finish();

  // Results are not left beside inputs or choices other than those they
  // were computed from.
  ClearResultsOnEdit(InputNames(), [this] { return ClearResults(); });
  choices_.Attach(this, p_, [this] { return ChoicesInForce(); }, [this] { return ClearResults(); });

  connect(actions[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(actions[1], &QPushButton::clicked, this, [this] { Command6_Click(); });
  connect(actions[2], &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(ends[0], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(ends[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
}

std::vector<float> FlexuralWindow::ChoicesInForce() const {
  const MemberState& m = p_.m;
  // Form4 designs a beam whatever element is chosen: the element is not its choice.
  return {m.materials.concreteGrade, m.materials.steelGrade, tSection_ ? 0.0f : m.StructuralElement};
}

bool FlexuralWindow::ClearResults() {
  choices_.Forget();
  bool shown = ClearBoxes(ResultNames(tSection_));
  for (const char* name : {"Label59", "Label60", "Label61", "Label63"})
    shown = shown || !Lbl(name)->text().trimmed().isEmpty();
  shown = shown || !Box("Text16")->text().trimmed().isEmpty();
  ClearVerdict();
  Lbl("Label52")->setText(U8(RatioCaption));
  return shown;
}

std::string FlexuralWindow::ProjectName() const {
  return ProjectNameOf(p_.m, tSection_ ? TSectionFlexural : RectFlexural);
}

void FlexuralWindow::Form_Load() {
  for (const SteelGrade& g : SteelGradeTable)
    if (auto* c = Control<QCheckBox>(QString("Check%1").arg(g.box))) c->setText(U8(g.caption));
  SymbolCaptionFill({{"Label30", "γ"},
                     {"Label53", "ξ"},
                     {"Label55", "ξ"},
                     {"Label56", "·"},
                     {"Label54", "ρ"},
                     {"Label80", Hint0},
                     {"Label81", Hint1},
                     {"Label82", Hint2},
                     {"Label83", Hint3}});
  for (const char* hint : {"Label80", "Label81", "Label82", "Label83"}) FormBuilder::FitWrapped(Lbl(hint), HintWidth(tSection_));
  const auto& names = InputNames();
  if (auto fields = LoadSavedInputs(p_.m, ProjectName(), tSection_ ? TSectionSuffix : RectSuffix, names.size()))
    FillBoxes(names, *fields);
}

void FlexuralWindow::ClearVerdict() {
  for (const char* name : {"Label59", "Label60", "Label61", "Label63"}) Lbl(name)->clear();
  Box("Text16")->clear();
}

void FlexuralWindow::Command1_Click() {
  ClearMessage();
  choices_.Forget();
  const auto& names = InputNames();
  const auto& results = ResultNames(tSection_);
  auto values = ReadNumbers(names, results);
  if (!values) {
    ClearVerdict();
    return;
  }
  const std::vector<float>& v = *values;
  std::vector<shell::Field> record;
  for (float x : v) record.push_back(shell::NumberField(x));
  SaveInputs(ProjectName(), tSection_ ? TSectionSuffix : RectSuffix, {record});
  ClearVerdict();

  MemberState& m = p_.m;
  FlexuralResult r;
  if (!tSection_) {
    const RectFlexuralInputs in{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    m.handed.b = in.b;
    m.handed.a = in.a;
    m.handed.gammaD = in.gammaD;
    r = RectFlexuralCase(in, m.materials, m.StructuralElement);
  } else {
    const TSectionFlexuralInputs in{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]};
    m.handed.b = in.b;
    m.handed.a = in.a;
    m.handed.gammaD = in.gammaD;
    m.handed.bft = in.bft;
    m.handed.hft = in.hft;
    m.handed.bfc = in.bfc;
    m.handed.hfc = in.hfc;
    // Designed as a beam; the program-wide element stays as chosen in Form2.
    r = TSectionFlexuralCase(in, m.materials);
  }
  ShowOutcome(r);
  if (r.ok) choices_.Remember(ChoicesInForce());
  p_.MemberComputed(v);
}

void FlexuralWindow::ShowOutcome(const FlexuralResult& r) {
  const auto& results = ResultNames(tSection_);
  Lbl("Label52")->setText(U8(r.ok && r.belowMinimum ? MinimumRatioCaption : RatioCaption));
  if (!r.ok) {
    ClearBoxes(results);
    AddMessage(QString::fromStdString(r.error));
    return;
  }
  auto set = [this](const char* box, const std::string& text) { Box(box)->setText(QString::fromStdString(text)); };
  set("Text7", shell::SingleToText(r.fc));
  set("Text8", shell::SingleToText(r.fy));
  set("Text9", shell::SingleToText(r.fyc));
  set("Text10", shell::SingleToText(r.xib));
  set("Text11", shell::ResultText(r.x, 2));
  set("Text12", shell::ResultText(r.xibh0, 2));
  set("Text13", shell::ResultText(r.As, 2));
  set("Text14", shell::ResultText(r.ratio, 2));
  if (tSection_) set("Text20", shell::SingleToText(r.Asc));
  Lbl("Label59")->setText(QString::fromStdString(r.verdict));
  if (r.showRequiredCompression) {
    Lbl("Label60")->setText("计算需受压钢筋");
    set("Text16", shell::SingleToText(r.Asc));
    Lbl("Label63")->setText("cm");
    Lbl("Label61")->setText("2 。");
  }
}

void FlexuralWindow::Command3_Click() { PrintThisWindow(ProjectName()); }
void FlexuralWindow::Command2_Click() { p_.EndProgram(); }
void FlexuralWindow::Command6_Click() { p_.OpenForm8(); }
void FlexuralWindow::Command4_Click() { p_.OpenForm9(); }

// ---------------------------------------------------------------- results tables

QGridLayout* ResultGrid(QWidget* form, const std::vector<ResultRow>& rows, int groupColumns) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(3);
  const int perGroup = (static_cast<int>(rows.size()) + 1) / 2;
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const ResultRow& row = rows[i];
    const int r = i % perGroup, c = (i / perGroup) * groupColumns;
    for (int k = 0; k < static_cast<int>(row.heading.size()); ++k)
      grid->addWidget(FormBuilder::MakeLabel(row.heading[k], form), r, c + k);
    auto* cell = new QWidget(form);
    auto* hl = new QHBoxLayout(cell);
    hl->setContentsMargins(0, 0, 0, 0);
    hl->setSpacing(0);
    for (const Run& run : row.symbol) {
      if (run.name == "s")
        hl->addWidget(FormBuilder::SmallLabel({QString(), run.text}, cell), 0, Qt::AlignBottom);
      else
        hl->addWidget(FormBuilder::MakeLabel(run, cell));
    }
    if (!row.unit.isEmpty()) hl->addWidget(FormBuilder::MakeLabel({QString(), " " + row.unit}, cell));
    hl->addStretch(1);
    grid->addWidget(cell, r, c + 2);
    QLineEdit* e = FormBuilder::MakeBox(row.box, " ", form);
    e->setReadOnly(true);
    grid->addWidget(e, r, c + 3);
  }
  // A gap between the two groups.
  grid->setColumnMinimumWidth(4, 30);
  return grid;
}

// ---------------------------------------------------------------- Form7, Form8

ColumnLabel::ColumnLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

double ColumnLabel::ColumnWidth() const { return QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')); }

int ColumnLabel::Columns(QChar c) const {
  return QFontMetricsF(font()).horizontalAdvance(c) > ColumnWidth() * 1.2 ? 2 : 1;
}

double ColumnLabel::ColumnX(int column) const { return contentsRect().left() + column * ColumnWidth(); }

QSize ColumnLabel::sizeHint() const {
  int columns = 0;
  for (QChar c : text()) columns += Columns(c);
  const QFontMetricsF fm(font());
  const QMargins m = contentsMargins();
  return QSize(static_cast<int>(std::ceil(columns * ColumnWidth())) + m.left() + m.right() + 2,
               static_cast<int>(std::ceil(fm.height())) + m.top() + m.bottom() + 2);
}

QSize ColumnLabel::minimumSizeHint() const { return sizeHint(); }

void ColumnLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  const QFontMetricsF fm(font());
  const double w = ColumnWidth();
  const double baseline = contentsRect().top() + 1 + fm.ascent();
  int column = 0;
  for (QChar c : text()) {
    const int n = Columns(c);
    // A glyph is centred in its one or two columns.
    const double x = ColumnX(column) + (n * w - fm.horizontalAdvance(c)) / 2;
    painter.drawText(QPointF(x, baseline), QString(c));
    column += n;
  }
}


namespace {

const char* const Form7Captions[] = {
    "    水工混凝土结构所处的环境条件可分为下列四个类别：                            ",
    "    一类——室内正常环境；                                                     ",
    "    二类——露天环境,长期处于地下或水下的环境；                                 ",
    "    三类——水位变动区,或有侵蚀形地下水的地下环境；                             ",
    "    四类——海水浪溅区及盐雾作用区,潮湿并有严重侵蚀性介质作用的环境。          ",
    "    注: (1) 大气区与浪溅区的分界线为设计最高水位加 1.5 m； 浪溅区与水位变动     ",
    "            区的分界线为设计最高水位减 1.0 m； 水位变动区与水下区的分界线为     ",
    "            设计最低水位减 1.0 m 。盐雾作用为离海岸线 500 m 范围内的地区 ；    ",
    "        (2) 冻融比较严重的三类环境条件的建筑物,可将其环境类别提高为四类 。     ",
};

// Form8's labels (there is no Label3).
const std::pair<const char*, const char*> Form8Captions[] = {
    {"Label1", "混 凝 土 保 护 层 最 小 厚 度 表 (mm)"},
    {"Label2", "         构  件  类  别                  环 境 条 件 类 别              "},
    {"Label4", "                                      一     二     三     四         "},
    {"Label5", "板、墙                                20     25     30     45"},
    {"Label6", "梁、柱、墩                            25     35     45     55         "},
    {"Label7", "截面厚度不小于 3 m 的底板及墩墙              40     50     60 "},
    {"Label8", "注： 1. 混凝土保护层厚度同时也不宜小于粗骨料最大粒径的 1.25 倍；       "},
    {"Label9", "     2. 环境类别：   "},
    {"Label10", "    一类——室内正常环境；     "},
    {"Label11", "    二类——露天环境,长期处于地下或水下的环境；     "},
    {"Label12", "    三类——水位变动区,或有侵蚀性地下水的地下环境；"},
    {"Label13", "    四类——海水浪溅区及盐雾作用区,潮湿并有严重侵湿性介质的环境。"},
};

QLabel* FixedLabel(const QString& name, QWidget* parent, const QFont& font) {
  auto* l = new ColumnLabel(parent);
  l->setObjectName(name);
  l->setFont(font);
  return l;
}

}  // namespace

QFont CoverTableFont() {
  QFont f("WenQuanYi Micro Hei Mono");
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSize(11);
  return f;
}

Form7::Form7() : Form("Form7", "水工砼环境条件类别") {
  FormBuilder b(this);
  const QFont font = CoverTableFont();
  for (int i = 1; i <= 11; ++i) b.layout()->addWidget(FixedLabel(QString("Label%1").arg(i), this, font));
  b.Finish();
}

void Form7::Form_Load() {
  for (int i = 0; i < 9; ++i) Lbl(QString("Label%1").arg(i + 1))->setText(U8(Form7Captions[i]));
}

Form8::Form8() : Form("Form8", "混凝土保护层最小厚度表") {
  FormBuilder b(this);
  const QFont font = CoverTableFont();
  for (const auto& [name, caption] : Form8Captions) {
    (void)caption;
    b.layout()->addWidget(FixedLabel(U8(name), this, font));
  }
  b.Finish();
}

void Form8::Form_Load() {
  for (const auto& [name, caption] : Form8Captions) Lbl(U8(name))->setText(U8(caption));
}

// ---------------------------------------------------------------- start-up

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace brasselt
