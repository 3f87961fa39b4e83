#include "eccentricwindows.h"

#include "formbuilder.h"
#include "numbers.h"
#include "windows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace brasselt {

using shell::BoxSpec;
using shell::FormBuilder;
using shell::Run;
using shell::TableSpec;

namespace {

const char* const RectSuffix = "xgp.dat";
const char* const TSectionSuffix = "xgt.dat";

QString U8(const char* text) { return QString::fromUtf8(text); }

const char* const CompressionTitle = "正截面偏心受压承载力计算成果表";
const char* const TensionTitle = "正截面偏心受拉承载力计算成果表";
const char* const Hint =
    "[提示]  钢筋混凝土结构的结构系数一般采用 1.2； 对于承受永久荷载为主的构件采用 1.25，但承受土重         "
    "和土压力为主的构件仍采用 1.2；对新型结构，结构系数可适当提高。";

// Form3: b, h0, L, a, a', M, N, γd, S, read and saved in box order.
const std::vector<QString> RectRecord = {"Text1", "Text2", "Text3", "Text4", "Text5",
                                         "Text6", "Text7", "Text8", "Text17"};
// Form6: b, h, L, b'f, h'f, a, M, N, γd, and the cover of the compression
// steel a' after them.
const std::vector<QString> TRecord = {"Text1", "Text2", "Text3", "Text27", "Text28",
                                      "Text4", "Text6", "Text7", "Text8",  "Text5"};
const std::vector<QString> TRead = {"Text1", "Text2", "Text3",  "Text4",  "Text6",
                                    "Text7", "Text8", "Text27", "Text28", "Text5"};
const std::vector<QString> Results = {"Text12", "Text13", "Text14", "Text15", "Text16",
                                      "Text18", "Text25", "Text9",  "Text10", "Text11",
                                      "Text19", "Text20", "Text21", "Text22", "Text23"};

std::vector<BoxSpec> InputBoxes(bool tSection) {
  const QString cm = "(cm)", kNm = "(kN·m)", kN = "(kN)";
  if (!tSection) {
    return {
        BoxSpec("Text1", {"截 面宽 度"}).Sym("b").Unit(cm),
        BoxSpec("Text2", {"截面有效高度"}).Sym("h", "0").Unit(cm),
        BoxSpec("Text3", {"构件支点间长"}).Sym("L").Unit(cm),
        BoxSpec("Text4", {"保护层厚度"}).Sym("a").Unit(cm),
        BoxSpec("Text5", {"保护层厚度"}).Sym("a'").Unit(cm),
        BoxSpec("Text6", {"弯  矩设计值"}).Sym("M").Unit(kNm),
        BoxSpec("Text7", {"轴向力设计值"}).Sym("N").Unit(kN),
        BoxSpec("Text8", {"结 构 系 数"}).SymLabel("Label57", "γ", "d").Named("结构系数 γd"),
        BoxSpec("Text17", {"构件拱轴线长(直杆时为0，cm)"}).Sym("S").Design("0"),
    };
  }
  return {
      BoxSpec("Text1", {"腹 板宽 度", ""}).Sym("b").Unit(cm),
      BoxSpec("Text2", {"截 面总 高", ""}).Sym("h").Unit(cm),
      BoxSpec("Text3", {"构件支点间长", ""}).Sym("L").Unit(cm),
      BoxSpec("Text27", {"受 压 翼 缘", "宽度"}).Sym("b'", "f").Unit(cm),
      BoxSpec("Text28", {"受 压 翼 缘", "厚度"}).Sym("h'", "f").Unit(cm),
      BoxSpec("Text4", {"保护层厚度", ""}).Sym("a").Unit(cm),
      BoxSpec("Text5", {"保护层厚度", ""}).Sym("a'").Unit(cm),
      BoxSpec("Text6", {"弯  矩设计值", ""}).Sym("M").Unit(kNm),
      BoxSpec("Text7", {"轴向力设计值", ""}).Sym("N").Unit(kN),
      BoxSpec("Text8", {"结 构 系 数", ""}).SymLabel("Label57", "γ", "d").Named("结构系数 γd"),
  };
}

std::vector<ResultRow> ResultRows() {
  return {
      {"Text12", {{"", "轴向力作用偏心距"}, {"", "对截面重心"}}, {{"", "e"}, {"s", "0"}}, "(cm)"},
      {"Text13", {{"", ""}, {"", "对受拉钢筋"}}, {{"", "e"}}, "(cm)"},
      {"Text14", {{"", "偏心距增大系数"}}, {{"Label77", ""}}, ""},
      {"Text15", {{"", "相对界限受压区计算高度"}}, {{"Label40", ""}, {"s", "b"}}, ""},
      {"Text16", {{"", "混凝土受压区高度"}}, {{"", "x"}}, "(cm)"},
      {"Text18", {{"", "相对受压区高度"}}, {{"Label24", ""}}, ""},
      {"Text25", {{"", "构件计算长"}}, {{"", "l"}, {"s", "0"}}, "(cm)"},
      {"Text9", {{"", "混凝土轴心抗压强度设计值"}}, {{"", "f"}, {"s", "c"}}, "(MPa)"},
      {"Text10", {{"", "钢筋强度设计值"}, {"", "抗 拉"}}, {{"", "f"}, {"s", "y"}}, "(MPa)"},
      {"Text11", {{"", "钢筋强度设计值"}, {"", "抗 压"}}, {{"", "f'"}, {"s", "y"}}, "(MPa)"},
      {"Text19", {{"", "受拉边钢筋应力"}}, {{"", "σ"}, {"s", "s"}}, "(MPa)"},
      {"Text20", {{"", "受 拉 钢 筋"}, {"", "面积"}}, {{"", "A"}, {"s", "s"}}, "(cm²)"},
      {"Text21", {{"Label52", "计算配筋率"}}, {{"Label41", ""}}, "(%)"},
      {"Text22", {{"", "受 压 钢 筋"}, {"", "面积"}}, {{"", "A'"}, {"s", "s"}}, "(cm²)"},
      {"Text23", {{"Label95", "计算配筋率"}}, {{"Label91", ""}, {"", "'"}}, "(%)"},
  };
}

// A box that reads as part of a sentence.
QLineEdit* InlineBox(const QString& name, QWidget* parent) {
  QLineEdit* e = FormBuilder::MakeBox(name, "", parent);
  e->setReadOnly(true);
  e->setFrame(false);
  e->setStyleSheet("background: transparent;");
  e->setMinimumWidth(56);
  e->setMaximumWidth(64);
  e->setAlignment(Qt::AlignLeft);
  return e;
}

}  // namespace

// ---------------------------------------------------------------- Program

EccentricWindow* Program::OpenForm3() {
  EccentricWindow* w = OpenWindow(form3, [this] { return new EccentricWindow(*this, false); });
  w->FollowMemberKind();
  return w;
}

EccentricWindow* Program::OpenForm6() {
  return OpenWindow(form6, [this] { return new EccentricWindow(*this, true); });
}

// ---------------------------------------------------------------- Form3, Form6

const std::vector<QString>& EccentricWindow::RecordNames() const { return tSection_ ? TRecord : RectRecord; }
const std::vector<QString>& EccentricWindow::ReadNames() const { return tSection_ ? TRead : RectRecord; }
const std::vector<QString>& EccentricWindow::ResultNames() { return Results; }

EccentricWindow::EccentricWindow(Program& program, bool tSection)
    : Form(tSection ? "Form6" : "Form3", tSection ? "T 形截面偏心受压构件" : "矩形截面偏心受压(拉)构件"),
      p_(program),
      tSection_(tSection),
      kind_(tSection ? TSectionEccentricCompression : RectEccentricCompression) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "正截面承载力计算基本资料表"}, InputBoxes(tSection)};
  b.Table(inputs);
  b.Gap(6);

  MemberState& m = p_.m;
  // A family of boxes under its heading, `columns` to a line, each bound to
  // its program-wide value.
  auto family = [&](QHBoxLayout* row, const QString& heading, int columns,
                    const std::vector<std::pair<QString, QString>>& boxes, float* value,
                    const std::vector<float>& values, bool options = false) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(FormBuilder::MakeLabel({QString(), heading}, this), 0, 0, 1, columns);
    std::vector<QAbstractButton*> made;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      QAbstractButton* c = options ? static_cast<QAbstractButton*>(new QRadioButton(boxes[i].second, this))
                                   : static_cast<QAbstractButton*>(new QCheckBox(boxes[i].second, this));
      c->setObjectName(boxes[i].first);
      grid->addWidget(c, 1 + static_cast<int>(i) / columns, static_cast<int>(i) % columns);
      if (value) p_.BindChoice(c, value, values[i]);
      made.push_back(c);
    }
    row->addLayout(grid);
    return made;
  };

  QHBoxLayout* materials = b.Row();
  materials->setSpacing(24);
  {
    std::vector<std::pair<QString, QString>> concrete, steel;
    for (const ConcreteGrade& g : ConcreteGradeTable)
      concrete.push_back({QString("Check%1").arg(g.box), U8(g.caption)});
    for (const SteelGrade& g : SteelGradeTable) steel.push_back({QString("Check%1").arg(g.box), QString()});
    auto concreteBoxes = family(materials, U8("选取混凝土强度等级"), 5, concrete, nullptr, {});
    auto steelBoxes = family(materials, U8("选取钢筋级别"), 2, steel, nullptr, {});
    for (std::size_t i = 0; i < concreteBoxes.size(); ++i) {
      const ConcreteGrade& g = ConcreteGradeTable[i];
      connect(concreteBoxes[i], &QAbstractButton::clicked, this, [&m, box = g.box] { ConcreteBoxClicked(m, box); });
      p_.BindChoice(concreteBoxes[i], &m.materials.concreteGrade, g.grade);
    }
    for (std::size_t i = 0; i < steelBoxes.size(); ++i) {
      const SteelGrade& g = SteelGradeTable[i];
      connect(steelBoxes[i], &QAbstractButton::clicked, this, [&m, box = g.box] { SteelBoxClicked(m, box); });
      p_.BindChoice(steelBoxes[i], &m.materials.steelGrade, g.grade);
    }
    if (!tSection) {
      std::vector<std::pair<QString, QString>> element;
      std::vector<float> values;
      for (const ChoiceBox& c : StructuralElementBoxes) {
        element.push_back({QString("Check%1").arg(c.box), U8(c.caption)});
        values.push_back(c.value);
      }
      family(materials, U8("选取构件类型"), 4, element, &m.StructuralElement, values);
    }
    materials->addStretch(1);
  }
  QHBoxLayout* member = b.Row();
  member->setSpacing(24);
  if (!tSection) {
    family(member, U8("钢筋布置方式"), 2, {{"Check21", U8("非对称布置")}, {"Check22", U8("对称布置")}},
           &m.SteelArrangement, {1, 2});
    family(member, U8("选取构件型式"), 2, {{"Check19", U8("构件为直杆")}, {"Check20", U8("构件为拱形")}},
           &m.MemberShape, {1, 2});
    family(member, U8("构件为拱时选取拱结构型式"), 3,
           {{"Check23", U8("无铰拱")}, {"Check24", U8("双铰拱")}, {"Check25", U8("三铰拱")}}, &m.ArchType,
           {1, 2, 3});
  }
  family(member, U8("选取构件两端约束情况"), tSection ? 4 : 2,
         {{"Option1", U8("两端固定")},
          {"Option2", U8("一端固定，一端为铰")},
          {"Option3", U8("两端均为铰")},
          {"Option4", U8("一端固定，一端自由")}},
         &m.EndRestraint, {1, 2, 3, 4}, true);
  member->addStretch(1);
  b.Gap(4);
  {
    QLabel* hint = b.Paragraph({"Label63", ""});
    hint->setFixedWidth(tSection ? 1000 : 900);
  }
  b.Gap(4);
  const QString printName = tSection ? "Command5" : "Command3";
  auto actions = b.Buttons({{"Command1", U8("显示计算成果")},
                            {"Command6", U8("最小保护层厚度查取表")},
                            {"Command4", U8("抗裂及裂缝宽度验算")}});
  b.Gap(4);

  // Results: the title, the case, the table in two groups side by side.
  {
    QHBoxLayout* title = b.Row();
    title->addStretch(1);
    title->addWidget(FormBuilder::TableHeading({"Label44", ""}, this));
    title->addSpacing(40);
    title->addWidget(FormBuilder::MakeLabel({QString(), U8("计算类型")}, this));
    title->addSpacing(6);
    QLabel* kind = FormBuilder::MakeLabel({"Label81", ""}, this);
    kind->setMinimumWidth(60);
    title->addWidget(kind);
    title->addStretch(1);

    b.layout()->addLayout(ResultGrid(this, ResultRows(), 5));
  }
  b.Gap(4);
  // The verdict and note lines.
  b.Line({{"Label59", ""}});
  {
    QHBoxLayout* row = b.Row();
    row->setSpacing(2);
    row->addWidget(FormBuilder::MakeLabel({"Label90", ""}, this));
    row->addWidget(InlineBox("Text24", this));
    row->addWidget(FormBuilder::MakeLabel({"Label105", ""}, this));
    // "cm" with a raised "2": the unit cm².
    row->addWidget(FormBuilder::SmallLabel({"Label107", ""}, this, shell::SmallPlace::Superscript), 0, Qt::AlignTop);
    row->addWidget(FormBuilder::MakeLabel({"Label108", ""}, this));
    row->addStretch(1);
  }
  b.Line({{"Label106", ""}});
  {
    QHBoxLayout* row = b.Row();
    row->setSpacing(2);
    row->addWidget(FormBuilder::MakeLabel({"Label109", ""}, this));
    row->addWidget(InlineBox("Text26", this));
    row->addWidget(FormBuilder::MakeLabel({"Label110", ""}, this));
    row->addStretch(1);
  }
  b.Gap(6);
  auto ends = b.Buttons({{printName, U8("打印基本资料及计算成果")}, {"Command2", U8("结束计算")}});
  b.Finish();

  // Results are not left beside inputs or choices other than those they
  // were computed from.
  ClearResultsOnEdit(ReadNames(), [this] { return ClearResults(); });
  choices_.Attach(this, p_, [this] { return ChoicesInForce(); }, [this] { return ClearResults(); });

  connect(actions[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(actions[1], &QPushButton::clicked, this, [this] { Command6_Click(); });
  connect(actions[2], &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(ends[0], &QPushButton::clicked, this, [this] { PrintRecord_Click(); });
  connect(ends[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
}

std::string EccentricWindow::ProjectName() const { return ProjectNameOf(p_.m, kind_); }

std::vector<float> EccentricWindow::ChoicesInForce() const {
  const MemberState& m = p_.m;
  if (tSection_) return {m.materials.concreteGrade, m.materials.steelGrade, m.EndRestraint};
  return {kind_,          m.materials.concreteGrade, m.materials.steelGrade, m.StructuralElement,
          m.SteelArrangement, m.MemberShape,         m.ArchType,             m.EndRestraint};
}

bool EccentricWindow::ClearResults() {
  choices_.Forget();
  bool shown = ClearBoxes(Results);
  for (const std::string& name : EccentricClearedLabels())
    shown = shown || !Lbl(QString::fromStdString(name))->text().trimmed().isEmpty();
  for (const char* name : {"Label81", "Text24", "Text26"}) {
    auto* w = Control<QWidget>(name);
    if (auto* l = qobject_cast<QLabel*>(w)) shown = shown || !l->text().trimmed().isEmpty();
    if (auto* e = qobject_cast<QLineEdit*>(w)) shown = shown || !e->text().trimmed().isEmpty();
  }
  ClearNotes();
  Show(EccentricResult{});
  return shown;
}

void EccentricWindow::FollowMemberKind() {
  if (tSection_) return;
  const float kind = p_.m.MemberKind;
  if ((kind == RectEccentricCompression || kind == RectEccentricTension) && kind != kind_) {
    kind_ = kind;
    // Results of the other kind do not stay under this kind's title.
    if (ClearResults()) SetMessage(U8("构件计算类型已改变，原计算成果已清除，请重新点“显示计算成果”。"));
  }
  // The results title names the kind that the window computes.
  Lbl("Label44")->setText(U8(kind_ == RectEccentricTension ? TensionTitle : CompressionTitle));
}

void EccentricWindow::Form_Load() {
  SymbolCaptionFill({{"Label57", "γ"},
                     {"Label13", "·"},
                     {"Label77", "η"},
                     {"Label41", "ρ"},
                     {"Label91", "ρ"},
                     {"Label40", "ξ"},
                     {"Label24", "ξ"},
                     {"Label63", Hint}});
  for (const SteelGrade& g : SteelGradeTable)
    if (auto* c = Control<QCheckBox>(QString("Check%1").arg(g.box))) c->setText(U8(g.caption));
  // Form6 is always a compression member: its table carries that title.
  if (tSection_) Lbl("Label44")->setText(U8(CompressionTitle));
  else FollowMemberKind();
  const auto& names = RecordNames();
  // Form6's older records end after γd; their a' box keeps its design text.
  const std::size_t minimum = tSection_ ? names.size() - 1 : names.size();
  if (auto fields = LoadSavedInputs(p_.m, ProjectName(), tSection_ ? TSectionSuffix : RectSuffix, minimum))
    FillBoxes(names, *fields);
}

void EccentricWindow::ClearNotes() {
  for (const std::string& name : EccentricClearedLabels()) Lbl(QString::fromStdString(name))->clear();
  Box("Text24")->clear();
  Box("Text26")->clear();
}

void EccentricWindow::Command1_Click() {
  FollowMemberKind();
  ClearMessage();
  choices_.Forget();
  const auto& read = ReadNames();
  auto values = ReadNumbers(read, Results);
  if (!values) {
    ClearNotes();
    Show(EccentricResult{});
    return;
  }
  // The values by box, then the record in field order.
  auto value = [&](const QString& box) {
    for (std::size_t i = 0; i < read.size(); ++i)
      if (read[i] == box) return (*values)[i];
    return 0.0f;
  };
  std::vector<shell::Field> record;
  for (const QString& box : RecordNames()) record.push_back(shell::NumberField(value(box)));
  SaveInputs(ProjectName(), tSection_ ? TSectionSuffix : RectSuffix, {record});
  ClearNotes();

  MemberState& m = p_.m;
  EccentricResult r;
  if (!tSection_) {
    const RectEccentricInputs in{value("Text1"), value("Text2"), value("Text3"), value("Text4"), value("Text5"),
                                 value("Text6"), value("Text7"), value("Text8"), value("Text17")};
    m.handed.b = in.b;
    m.handed.a = in.a;
    m.handed.gammaD = in.gammaD;
    r = RectEccentricCase(in, m, kind_);
  } else {
    const TSectionEccentricInputs in{value("Text1"), value("Text2"),  value("Text3"), value("Text27"),
                                     value("Text28"), value("Text4"), value("Text6"), value("Text7"),
                                     value("Text8"),  value("Text5")};
    m.handed.b = in.b;  // the web, also after a fall-back to the flange width
    m.handed.a = in.a;
    m.handed.gammaD = in.gammaD;
    m.handed.bfc = in.bfc;
    m.handed.hfc = in.hfc;
    r = TSectionEccentricCase(in, m);
  }
  // The crack check takes l0 and e only from a compute that gave them.
  m.handed.l0 = r.ok && !r.tension ? r.l0 : 0;
  m.handed.e = r.ok ? r.e : 0;
  m.handed.eccentricKind = r.ok ? r.memberKind : 0;
  Show(r);
  if (r.ok) choices_.Remember(ChoicesInForce());
  p_.MemberComputed(*values);
}

void EccentricWindow::Show(const EccentricResult& r) {
  if (!r.ok) {
    // Nothing computed: no results, no case, the ratio captions of the design.
    ClearBoxes(Results);
    Lbl("Label81")->clear();
    Lbl("Label52")->setText(U8("计算配筋率"));
    Lbl("Label95")->setText(U8("计算配筋率"));
    if (!r.error.empty()) AddMessage(QString::fromStdString(r.error));
    return;
  }
  const EccentricShown shown = ShownOf(r);
  for (const auto& [name, text] : shown.labels) Lbl(QString::fromStdString(name))->setText(QString::fromStdString(text));
  for (const auto& [name, text] : shown.boxes) Box(QString::fromStdString(name))->setText(QString::fromStdString(text));
}

void EccentricWindow::PrintRecord_Click() { PrintThisWindow(ProjectName()); }
void EccentricWindow::Command2_Click() { p_.EndProgram(); }
void EccentricWindow::Command6_Click() { p_.OpenForm8(); }
void EccentricWindow::Command4_Click() { p_.OpenForm9(); }

}  // namespace brasselt
