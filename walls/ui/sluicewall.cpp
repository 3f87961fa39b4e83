// The sluice-wall window Form6: basic data, forces and steel, crack check.
#include "windows.h"

#include "formbuilder.h"
#include "numbers.h"
#include "pieces.h"
#include "sluicewall.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <charconv>

namespace ketrova {

using shell::BoxSpec;
using shell::Field;
using shell::FormBuilder;
using shell::TableShape;
using shell::TableSpec;

namespace {

constexpr const char* kDataSuffix = "zhq.dat";
constexpr const char* kForcesSuffix = "zhq.dat2";
constexpr std::size_t kDataFields = 15;  // without the typed φ

std::vector<QString> Names(int first, int last) {
  std::vector<QString> n;
  for (int i = first; i <= last; ++i) n.push_back(QString("Text%1").arg(i));
  return n;
}
const std::vector<QString> InputNames = Names(1, 14);
const std::vector<QString> ForceNames = [] {
  auto n = Names(15, 24);
  n.push_back("Text39");
  return n;
}();
const std::vector<QString> BarNames[2] = {Names(25, 28), Names(32, 35)};
const std::vector<QString> CrackNames = {"Text29", "Text30", "Text31", "Text36", "Text37", "Text38"};

std::vector<BoxSpec> InputBoxes() {
  const QString density = "(kN/m³)";
  const QString strength = "(N/cm²)";
  return InRowOrder(
      {
          BoxSpec("Text1", {"墙顶宽"}).Sym("B", "0").Unit("(m)"),
          BoxSpec("Text2", {"墙底宽"}).Sym("B", "1").Unit("(m)"),
          BoxSpec("Text3", {"墙背直段高"}).Sym("H", "1").Unit("(m)"),
          BoxSpec("Text4", {"墙背斜面段高"}).Sym("H", "2").Unit("(m)"),
          BoxSpec("Text5", {"墙后回填土内摩擦角"}).SymLabel("Label39", "φ").Unit("(度)").Named("墙后回填土内摩擦角 φ"),
          BoxSpec("Text6", {"回填土凝聚力 "}).Sym("C").Unit("(kN/m²)"),
          BoxSpec("Text7", {"地下水位距底板顶面高"}).Sym("h", "1").Unit("(m)"),
          BoxSpec("Text8", {"墙前水深(距底板顶面)"}).Sym("h", "2").Unit("(m)"),
          BoxSpec("Text9", {"回填土湿容重"}).SymLabel("Label75", "γ", "1").Unit(density).Named("回填土湿容重 γ1"),
          BoxSpec("Text10", {"回填土浮容重 "}).SymLabel("Label82", "γ", "2").Unit(density).Named("回填土浮容重 γ2"),
          BoxSpec("Text11", {"砼弯曲抗压强度"}).Sym("R", "w").Unit(strength),
          BoxSpec("Text12", {"砼抗裂设计强度"}).Sym("R", "f").Unit(strength),
          BoxSpec("Text13", {"钢筋设计强度"}).SymLabel("Label57", "σ").Unit(strength).Named("钢筋设计强度"),
          BoxSpec("Text14", {"受弯强度安全系数"}).Sym("K"),
      },
      2);
}

SluiceWallInputs InputsOf(const std::vector<float>& v) {
  SluiceWallInputs in;
  float* const order[] = {&in.B0,     &in.B1,     &in.H1, &in.H2, &in.phi, &in.C,  &in.h1,
                          &in.h2,     &in.gamma1, &in.gamma2, &in.Rw, &in.Rf, &in.Rg, &in.K};
  for (std::size_t i = 0; i < v.size() && i < std::size(order); ++i) *order[i] = v[i];
  return in;
}

std::vector<shell::Line> DataLines(const SluiceWallInputs& in, const FrictionAngle& friction) {
  shell::Line first;
  for (float v : {in.B0, in.B1, in.H1, in.H2, in.C, in.h1, in.h2, in.gamma1, in.gamma2, in.Rw, in.Rf,
                  in.Rg, in.K})
    first.push_back(Field::Num(v));
  shell::Line second;
  second.push_back(friction.ok ? Field::Num(static_cast<float>(friction.phid)) : Field::None());
  second.push_back(Field::Num(friction.ok ? friction.phiUsed : in.phi));
  second.push_back(Field::Num(in.phi));  // φ as typed, so a reopened project shows it
  return {first, second};
}

double AsDouble(const QString& text) {
  std::string s = text.trimmed().toStdString();
  if (!s.empty() && s.front() == '+') s.erase(s.begin());
  double x = 0;
  std::from_chars(s.data(), s.data() + s.size(), x);
  return x;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Form6::Form6(Program& program) : Form("Form6", "Form6"), p_(program) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "闸墙基本资料表"}, InputBoxes()};
  inputs.shape = TableShape::Rows;
  inputs.perLine = 2;
  b.Table(inputs);
  b.Gap(4);
  auto compute = b.Buttons({{"Command1", "显示内力及钢筋计算成果"}});
  b.Gap(4);

  // Forces and steel.
  b.layout()->addWidget(TableHeading(this, "墙身控制截面内力及钢筋计算成果表"));
  auto* g1 = new QGridLayout;
  g1->setHorizontalSpacing(6);
  g1->setVerticalSpacing(3);
  g1->addWidget(HeadingCell(this, {"截面位置"}), 0, 0);
  g1->addWidget(HeadingCell(this, {"弯  矩 "}, {T("(kN"), S("Label56"), T("m)")}), 0, 1);
  g1->addWidget(HeadingCell(this, {"轴向压力", "(kN)"}), 0, 2);
  g1->addWidget(HeadingCell(this, {"截面厚", "(m)"}), 0, 3);
  g1->addWidget(HeadingCell(this, {"受拉钢筋面积", "(cm²)"}), 0, 4);
  g1->addWidget(HeadingCell(this, {"受压钢筋面积", "(cm²)"}), 0, 5);
  const char* rows[2] = {"半 墙 高", "墙    底"};
  for (int r = 0; r < 2; ++r) {
    QLabel* name = FormBuilder::MakeLabel({QString(), rows[r]}, this);
    name->setAlignment(Qt::AlignCenter);
    g1->addWidget(name, 1 + r, 0);
    for (int c = 0; c < 5; ++c) {
      QLineEdit* e = ResultBox(this, 15 + 5 * r + c);
      // Thickness and steel areas show their digits in full (15 significant).
      if (c >= 2) e->setMinimumWidth(150);
      g1->addWidget(e, 1 + r, 1 + c);
    }
  }
  b.layout()->addLayout(g1);
  QHBoxLayout* phid = b.Row();
  phid->setSpacing(0);
  AddPieces(phid, this, {T("回填土等值摩擦角 "), S("Label40"), Sub("d"), T(" (度)  ")});
  phid->addWidget(ResultBox(this, 39));
  phid->addStretch(1);
  b.Gap(10);

  // Crack check.
  b.Line({{"Label30", "[提 示]  先将根据钢筋计算面积选用的受拉钢筋规格及根数填入以下“墙身控制截"}});
  b.Line({{"Label31", "         面抗裂计算成果表”中，然后点击“显示抗裂计算成果”按钮；"}});
  b.Line({{"Label26", "         如仅采用一种规格的受拉钢筋，则 2 号钢筋的直径及根数均填入 0 值。"}});
  auto crack = b.Buttons({{"Command2", "显示抗裂计算成果"}});
  b.layout()->addWidget(TableHeading(this, "墙身控制截面抗裂计算成果"));
  auto* g2 = new QGridLayout;
  g2->setHorizontalSpacing(6);
  g2->setVerticalSpacing(3);
  g2->addWidget(HeadingCell(this, {"截面位置"}), 0, 0, 2, 1);
  g2->addWidget(HeadingCell(this, {"1 号受拉钢筋"}), 0, 1, 1, 2);
  g2->addWidget(HeadingCell(this, {"直径(cm)"}), 1, 1);
  g2->addWidget(HeadingCell(this, {"根数"}), 1, 2);
  g2->addWidget(HeadingCell(this, {" 2 号受拉钢筋"}), 0, 3, 1, 2);
  g2->addWidget(HeadingCell(this, {"直径(cm)"}), 1, 3);
  g2->addWidget(HeadingCell(this, {"根数"}), 1, 4);
  g2->addWidget(HeadingCell(this, {"抗裂安全系数"}), 0, 5, 2, 1);
  g2->addWidget(HeadingCell(this, {"最大裂缝宽", "(cm)"}), 0, 6, 2, 1);
  g2->addWidget(HeadingCell(this, {"边缘最大拉应力", "(MPa)"}), 0, 7, 2, 1);
  const char* barWords[4] = {"1 号受拉钢筋直径", "1 号受拉钢筋根数", "2 号受拉钢筋直径", "2 号受拉钢筋根数"};
  for (int r = 0; r < 2; ++r) {
    QLabel* name = FormBuilder::MakeLabel({QString(), rows[r]}, this);
    name->setAlignment(Qt::AlignCenter);
    g2->addWidget(name, 2 + r, 0);
    for (int c = 0; c < 4; ++c) {
      const QString box = BarNames[r][static_cast<std::size_t>(c)];
      QLineEdit* e = FormBuilder::MakeBox(box, " ", this);
      e->setMinimumWidth(70);
      SetBoxHeading(box, QString("%1（%2）").arg(barWords[c], r == 0 ? "半墙高截面" : "墙底截面"));
      g2->addWidget(e, 2 + r, 1 + c);
    }
    for (int c = 0; c < 3; ++c) g2->addWidget(ResultBox(this, 29 + 7 * r + c), 2 + r, 5 + c);
  }
  b.layout()->addLayout(g2);
  b.Gap(8);

  auto buttons = b.Buttons({{"Command3", "返回程序编制说明"}, {"Command5", "打印基本资料及计算成果"}, {"Command4", "结 束"}});
  b.Finish();
  connect(compute[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(crack[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command5_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { Command4_Click(); });

  // The forces, the steel and the crack check (which reads the transfer file
  // of the last forces computation) belong to the data they were computed
  // from; the crack check also to its bars. The messages name this window's
  // own buttons.
  ClearResultsOnEdit(InputNames, [this] {
    if (ClearForces())
      SetMessage(QStringLiteral("基本资料已改变，原计算成果已清除，请重新点“显示内力及钢筋计算成果”。"));
    return false;
  });
  ClearResultsOnEdit(BarNames[0], [this] { return ClearCrackCheckForBars(); });
  ClearResultsOnEdit(BarNames[1], [this] { return ClearCrackCheckForBars(); });
}

bool Form6::ClearForces() {
  const bool forces = ClearBoxes(ForceNames);
  const bool crack = ClearCrackCheck();
  return forces || crack;
}

bool Form6::ClearCrackCheck() { return ClearBoxes(CrackNames); }

bool Form6::ClearCrackCheckForBars() {
  if (ClearCrackCheck())
    SetMessage(QStringLiteral("受拉钢筋已改变，原抗裂计算成果已清除，请重新点“显示抗裂计算成果”。"));
  return false;
}

void Form6::Form_Load() {
  SymbolCaptionFill({{"Label39", "φ"}, {"Label40", "φ"}, {"Label75", "γ"}, {"Label82", "γ"},
                     {"Label57", "σ"}, {"Label56", "·"}});
  auto fields = LoadSavedInputs(p_.m, p_.m.ProjectName, kDataSuffix, kDataFields);
  if (!fields) return;
  const auto& f = *fields;
  auto text = [&](std::size_t i) {
    return i < f.size() && f[i].kind == Field::Kind::Number ? Q(shell::SingleToText(f[i].number)) : QString();
  };
  for (std::size_t i = 0; i < 4; ++i) Box(InputNames[i])->setText(text(i));        // Text1..Text4
  for (std::size_t i = 4; i < 13; ++i) Box(InputNames[i + 1])->setText(text(i));   // Text6..Text14
  const bool typed = f.size() > 15 && f[15].kind != Field::Kind::Empty;
  Box("Text5")->setText(text(typed ? 15 : 14));
}

void Form6::Command1_Click() {
  ClearMessage();
  // Results of earlier data never stay on show, nor a crack check of them.
  ClearForces();
  auto values = ReadNumbers(InputNames, {});
  if (!values) return;
  const SluiceWallInputs in = InputsOf(*values);

  const float H = static_cast<float>(static_cast<double>(in.H2) + in.H1);
  FrictionAngle friction = EquivalentFrictionAngle(in.phi, in.C, in.gamma1, H);
  friction.phid = static_cast<float>(friction.phid);
  if (!SaveInputs(p_.m.ProjectName, kDataSuffix, DataLines(in, friction))) return;

  const SluiceWallResults r = SluiceWallCase(in);
  if (!r.ok) {
    AddMessage(Q(r.message));
    return;
  }
  const SectionSteel& a = r.steel[0];
  const SectionSteel& b = r.steel[1];
  const std::pair<const char*, std::string> shown[] = {
      {"Text15", shell::DoubleToText(r.Mm)},
      {"Text16", shell::DoubleToText(r.Nm)},
      {"Text17", shell::SingleToText(r.tm)},
      {"Text18", shell::DoubleToText(a.As)},
      {"Text19", shell::DoubleToText(a.AsPrime)},
      {"Text20", shell::DoubleToText(r.Mb)},
      {"Text21", shell::DoubleToText(r.Nb)},
      {"Text22", shell::SingleToText(in.B1)},
      {"Text23", shell::DoubleToText(b.As)},
      {"Text24", shell::DoubleToText(b.AsPrime)},
      {"Text39", shell::SingleToText(static_cast<float>(r.friction.phid))}};
  for (const auto& [box, text] : shown) Box(box)->setText(Q(text));

  auto forces = DataFileName(p_.m.ProjectName, kForcesSuffix);
  if (!forces) return;
  if (const shell::FileResult w = shell::ReplaceFileAtomically(*forces, ForceResultsText(in, r)); !w)
    AddMessage(Q(w.error));
  // The crack check reads the sections from the transfer file; a file that
  // cannot be replaced stays as it was, and the check then finds it belongs
  // to other data.
  if (const shell::FileResult w = shell::ReplaceFileAtomically(kTransferFile, TransferFileText(in, r)); !w)
    AddMessage(Q(w.error) + QStringLiteral("抗裂计算无法进行。"));
}

void Form6::Command2_Click() {
  ClearMessage();
  ClearCrackCheck();
  const auto text = shell::ReadWholeFile(kTransferFile);
  if (!text) {
    SetMessage(QStringLiteral("未找到截面资料文件“zhq.dat3”，请先点击“显示内力及钢筋计算成果”。"));
    return;
  }
  const CrackSections s = ParseTransferFile(*text);
  if (!s.ok) {
    SetMessage(Q(s.message));
    return;
  }
  auto values = ReadNumbers(InputNames, {});
  if (!values) return;
  if (!TransferMatches(s, InputsOf(*values))) {
    SetMessage(QStringLiteral(
        "截面资料文件“zhq.dat3”不是按窗口中的基本资料计算的，请先点击“显示内力及钢筋计算成果”。"));
    return;
  }
  for (int i = 0; i < 2; ++i) {
    if (!ReadNumbers(BarNames[i], {})) return;
    const auto& n = BarNames[i];
    const Bars bars{AsDouble(Box(n[0])->text()), AsDouble(Box(n[1])->text()), AsDouble(Box(n[2])->text()),
                    AsDouble(Box(n[3])->text())};
    const CrackResult c = CrackCheck(s, i, bars);
    if (!c.ok) {
      AddMessage(Q(c.message));
      continue;
    }
    const int first = i == 0 ? 29 : 36;
    Box(QString("Text%1").arg(first))->setText(Q(shell::DoubleToText(c.Kf)));
    Box(QString("Text%1").arg(first + 1))->setText(Q(shell::DoubleToText(c.width)));
    Box(QString("Text%1").arg(first + 2))->setText(Q(shell::DoubleToText(c.edgeMPa)));
  }
}

void Form6::Command3_Click() {
  p_.OpenForm1();
  close();
}

void Form6::Command4_Click() { p_.EndProgram(); }

void Form6::Command5_Click() { PrintThisWindow(p_.m.ProjectName); }

}  // namespace ketrova
