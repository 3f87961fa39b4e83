#include "checkwindows.h"

#include "formbuilder.h"
#include "numbers.h"
#include "windows.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>
#include <tuple>

namespace brasselt {

using shell::FormBuilder;
using shell::Run;

namespace {

QString U8(const char* text) { return QString::fromUtf8(text); }
QString Num(float v) { return QString::fromStdString(shell::SingleToText(v)); }

// One column of a table of boxes: heading lines (a named run is a control),
// the symbol and unit as runs (a run named "s" or "s:LabelN" is a
// subscript), and the box.
struct BoxColumn {
  QString box;
  std::vector<Run> heading;
  std::vector<Run> symbol;
  std::vector<Run> unit;
  QString messageName;  // how messages name the box
};

// Heading lines over several neighbouring columns.
struct Span {
  int first = 0;
  int count = 1;
  std::vector<QString> lines;
};

QWidget* RunsCell(const std::vector<Run>& runs, QWidget* parent) {
  auto* cell = new QWidget(parent);
  auto* h = new QHBoxLayout(cell);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(0);
  h->addStretch(1);
  for (const Run& r : runs) {
    if (r.name == "s" || r.name.startsWith("s:"))
      h->addWidget(FormBuilder::SmallLabel({r.name == "s" ? QString() : r.name.mid(2), r.text}, cell), 0, Qt::AlignBottom);
    else
      h->addWidget(FormBuilder::MakeLabel(r, cell));
  }
  h->addStretch(1);
  return cell;
}

constexpr int kHeadingWidth = 96;

// A table of columns, `perLine` columns to a line; heading blocks end on
// the same row above the symbols.
void ColumnTable(shell::Form* form, QVBoxLayout* layout, const Run& title, const std::vector<BoxColumn>& cols,
                 const std::vector<Span>& spans, int perLine, bool readOnly, int headingWidth = kHeadingWidth) {
  QLabel* t = FormBuilder::MakeLabel(title, form);
  QFont f = t->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 1.2);
  t->setFont(f);
  t->setAlignment(Qt::AlignCenter);
  layout->addWidget(t);

  auto spanOf = [&spans](int i) -> const Span* {
    for (const Span& s : spans)
      if (i >= s.first && i < s.first + s.count) return &s;
    return nullptr;
  };
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(2);
  const int n = static_cast<int>(cols.size());
  int row0 = 0;
  for (int first = 0; first < n; first += perLine) {
    const int last = std::min(n, first + perLine);
    int height = 0;
    for (int i = first; i < last; ++i) {
      const Span* s = spanOf(i);
      height = std::max<int>(height, static_cast<int>(cols[i].heading.size() + (s ? s->lines.size() : 0)));
    }
    for (int i = first; i < last; ++i) {
      const BoxColumn& c = cols[i];
      const int col = i - first;
      const Span* s = spanOf(i);
      const int spanLines = s ? static_cast<int>(s->lines.size()) : 0;
      const int start = row0 + height - spanLines - static_cast<int>(c.heading.size());
      if (s && s->first == i) {
        for (int k = 0; k < spanLines; ++k) {
          QLabel* l = FormBuilder::MakeLabel({QString(), s->lines[k]}, form);
          l->setAlignment(Qt::AlignCenter);
          grid->addWidget(l, start + k, col, 1, s->count);
        }
      }
      for (int k = 0; k < static_cast<int>(c.heading.size()); ++k) {
        QLabel* l = FormBuilder::MakeLabel(c.heading[k], form);
        l->setAlignment(Qt::AlignCenter | Qt::AlignBottom);
        l->setWordWrap(true);
        l->setFixedWidth(headingWidth);
        FormBuilder::SetWrapped(l, l->text());
        grid->addWidget(l, start + spanLines + k, col, Qt::AlignHCenter | Qt::AlignBottom);
      }
      std::vector<Run> symbol = c.symbol;
      if (!c.unit.empty()) {
        symbol.push_back({QString(), " "});
        symbol.insert(symbol.end(), c.unit.begin(), c.unit.end());
      }
      grid->addWidget(RunsCell(symbol, form), row0 + height, col);
      QLineEdit* e = FormBuilder::MakeBox(c.box, " ", form);
      e->setMaximumWidth(headingWidth);
      if (readOnly) e->setReadOnly(true);
      grid->addWidget(e, row0 + height + 1, col);
      QString heading = c.messageName;
      if (heading.isEmpty()) {
        if (s) heading = s->lines.front();
        for (const Run& r : c.heading) heading += r.text;
      }
      form->SetBoxHeading(c.box, heading.simplified());
    }
    row0 += height + 2;
    grid->setRowMinimumHeight(row0, 8);
    ++row0;
  }
  layout->addLayout(grid);
}

QLineEdit* InlineBox(const QString& name, QWidget* parent, int width = 64) {
  QLineEdit* e = FormBuilder::MakeBox(name, "", parent);
  e->setReadOnly(true);
  // A number inside a sentence: no frame, so an empty line shows nothing.
  e->setFrame(false);
  e->setStyleSheet("background: transparent;");
  e->setMinimumWidth(width);
  e->setMaximumWidth(width);
  return e;
}

std::vector<QCheckBox*> BoundChecks(Program& p, QWidget* parent, QHBoxLayout* row,
                                    const std::vector<std::pair<QString, QString>>& boxes, float* value,
                                    const std::vector<float>& values) {
  std::vector<QCheckBox*> made;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    auto* c = new QCheckBox(boxes[i].second, parent);
    c->setObjectName(boxes[i].first);
    p.BindChoice(c, value, values[i]);
    row->addWidget(c);
    made.push_back(c);
  }
  return made;
}

QLabel* HeadingLabel(const Run& run, QWidget* parent) {
  QLabel* l = FormBuilder::MakeLabel(run, parent);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

}  // namespace

// ---------------------------------------------------------------- GapLabel

namespace {
QSize GapWidgetSize(const QWidget* w) {
  const QSize s = w->sizeHint();
  return QSize(std::min(s.width(), w->maximumWidth()), std::min(s.height(), w->maximumHeight()));
}
}  // namespace

GapLabel::GapLabel(const QString& name, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
  setTextFormat(Qt::PlainText);
}

void GapLabel::SetGapWidgets(std::vector<QWidget*> widgets) {
  widgets_ = std::move(widgets);
  for (QWidget* w : widgets_) w->setParent(this);
  Arrange();
}

void GapLabel::SetCaption(const QString& text) {
  setText(text);
  Arrange();
}

std::vector<GapLabel::Piece> GapLabel::Pieces() const {
  static const QRegularExpression gapRun(" {3,}");
  const QFontMetricsF fm(font());
  std::vector<Piece> pieces;
  const QString t = text();
  int at = 0;
  std::size_t gaps = 0;
  auto it = gapRun.globalMatch(t);
  while (it.hasNext()) {
    const auto m = it.next();
    if (gaps >= widgets_.size()) break;
    const QString words = t.mid(at, m.capturedStart() - at);
    pieces.push_back({words, false, fm.horizontalAdvance(words)});
    const double blanks = fm.horizontalAdvance(m.captured());
    pieces.push_back({QString(), true, std::max(blanks, GapWidgetSize(widgets_[gaps]).width() + 6.0)});
    ++gaps;
    at = m.capturedEnd();
  }
  const QString rest = t.mid(at);
  pieces.push_back({rest, false, fm.horizontalAdvance(rest)});
  return pieces;
}

void GapLabel::Arrange() {
  const auto pieces = Pieces();
  double x = contentsRect().left();
  std::size_t gap = 0;
  for (const Piece& p : pieces) {
    if (p.gap) {
      QWidget* w = widgets_[gap++];
      const QSize s = GapWidgetSize(w);
      const int wide = std::max(s.width(), static_cast<int>(p.width) - 6);
      w->setGeometry(static_cast<int>(x + (p.width - wide) / 2), std::max(0, (height() - s.height()) / 2), wide,
                     s.height());
      if (!w->isVisibleTo(this)) w->show();
    }
    x += p.width;
  }
  for (; gap < widgets_.size(); ++gap)
    if (widgets_[gap]->isVisibleTo(this)) widgets_[gap]->hide();
  updateGeometry();
}

QSize GapLabel::sizeHint() const {
  double w = 0;
  for (const Piece& p : Pieces()) w += p.width;
  int h = static_cast<int>(std::ceil(QFontMetricsF(font()).height()));
  for (QWidget* wd : widgets_) h = std::max(h, GapWidgetSize(wd).height());
  const QMargins m = contentsMargins();
  return QSize(static_cast<int>(std::ceil(w)) + m.left() + m.right() + 2, h + m.top() + m.bottom());
}

QSize GapLabel::minimumSizeHint() const { return sizeHint(); }

void GapLabel::paintEvent(QPaintEvent*) {
  Arrange();
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  const QFontMetricsF fm(font());
  const double baseline = (height() - fm.height()) / 2 + fm.ascent();
  double x = contentsRect().left();
  for (const Piece& p : Pieces()) {
    if (!p.gap && !p.text.isEmpty()) painter.drawText(QPointF(x, baseline), p.text);
    x += p.width;
  }
}

// ---------------------------------------------------------------- Program

Form9* Program::OpenForm9() { return OpenWindow(form9, [this] { return new Form9(*this); }); }
Form10* Program::OpenForm10() { return OpenWindow(form10, [this] { return new Form10(*this); }); }
Form11* Program::OpenForm11() { return OpenWindow(form11, [] { return new Form11; }); }

QString MemberKindCaption(float memberKind, float flangeLayout) {
  for (const MemberKindBox& k : MemberKindBoxes) {
    if (k.memberKind != memberKind) continue;
    if (memberKind == TSectionFlexural && k.flangeLayout != flangeLayout) continue;
    return U8(k.caption);
  }
  if (memberKind == TSectionFlexural) return U8("T 形及工字形截面受弯构件");
  return QString();
}

// ---------------------------------------------------------------- Form9

namespace {

const std::vector<QString> CrackInputNames = {"Text1", "Text2", "Text3",  "Text4",  "Text5",
                                              "Text6", "Text7", "Text8",  "Text9",  "Text10",
                                              "Text19", "Text20", "Text21", "Text22", "Text23"};
const std::vector<QString> CrackResultNames = {"Text11", "Text26", "Text28", "Text12", "Text13",
                                               "Text14", "Text15", "Text24", "Text16", "Text27",
                                               "Text17", "Text18", "Text25"};

const char* const MomentDesign = "          弯  矩";
const char* const AxialDesign = "          轴向力";

const char* const CrackHint =
    "说明： 只有一种受拉钢筋时，2 号受拉钢筋的直径及根数均填入 0 值；计算不需受压钢筋时，        "
    "受压钢筋可按实际布置受压筋填入或填入 0 值。";

const char* const ResistsText =
    "混凝土截面边缘拉应力小于混凝土拉应力限制值，抗裂验算满足要求，一般可不进行裂缝宽度的验算。";
const char* const ResistsNote =
    "上表中所列计算最大裂缝宽度值，仅供某些重要构件经论证有必要时，需同时进行限制裂缝宽度验算之用。";
const char* const CracksText = "混凝土截面边缘拉应力大于混凝土拉应力限制值，抗裂验算不满足要求。";

}  // namespace

const std::vector<QString>& Form9::InputNames() { return CrackInputNames; }
const std::vector<QString>& Form9::ResultNames() { return CrackResultNames; }

Form9::Form9(Program& program) : Form("Form9", "正常使用极限状态验算"), p_(program) {
  FormBuilder b(this);
  QVBoxLayout* layout = b.layout();
  const std::vector<Run> cm = {{"", "(cm)"}}, mpa = {{"", "(MPa)"}};
  std::vector<BoxColumn> inputs = {
      {"Text1", {{"", "计 算宽 度"}}, {{"", "b"}}, cm, "计算宽度 b"},
      {"Text2", {{"", "截 面高 度"}}, {{"", "h"}}, cm, "截面高度 h"},
      {"Text3", {{"", "最外层受拉筋外缘至砼边缘距离"}}, {{"", "c"}}, cm, "最外层受拉筋外缘至砼边缘距离 c"},
      {"Text4", {}, {{"", "a"}}, {}, "钢筋重心至截面边缘距离 a"},
      {"Text5", {}, {{"", "a'"}}, {}, "钢筋重心至截面边缘距离 a'"},
      {"Text6", {{"", "直 径"}}, {{"", "d"}, {"s", "1"}}, cm, "1 号受拉钢筋直径"},
      {"Text7", {{"", "根 数"}}, {{"", "n"}, {"s", "1"}}, {}, "1 号受拉钢筋根数"},
      {"Text8", {{"", "直 径"}}, {{"", "d"}, {"s", "2"}}, cm, "2 号受拉钢筋直径"},
      {"Text9", {{"", "根 数"}}, {{"", "n"}, {"s", "2"}}, {}, "2 号受拉钢筋根数"},
      {"Text10", {{"", "受压钢筋面积"}}, {{"", "A'"}, {"s", "s"}}, {{"", "(cm²)"}}, "受压钢筋面积 A's"},
      {"Text19", {{"Label20", MomentDesign}}, {{"", "M"}, {"s:Label102", ""}},
       {{"", "(kN"}, {"Label23", ""}, {"", "m)"}}, "弯矩 M"},
      {"Text20", {{"Label21", AxialDesign}}, {{"", "N"}, {"s:Label103", ""}}, {{"", "(kN)"}}, "轴向力 N"},
      {"Text21", {{"", "混凝土轴心抗拉强度标准值"}}, {{"", "f"}, {"s", "tk"}}, mpa, "混凝土轴心抗拉强度标准值 ftk"},
      {"Text22", {{"", "混凝土弹性模量"}}, {{"", "E"}, {"s", "c"}}, mpa, "混凝土弹性模量 Ec"},
      {"Text23", {{"", "钢筋弹性模量"}}, {{"", "E"}, {"s", "s"}}, mpa, "钢筋弹性模量 Es"},
  };
  const std::vector<Span> spans = {{3, 2, {"钢筋重心至截面", "边缘距离 (cm)"}},
                                   {5, 2, {"1 号受拉钢筋"}},
                                   {7, 2, {"2 号受拉钢筋"}}};
  ColumnTable(this, layout, {"", "抗裂验算基本资料表"}, inputs, spans, 10, false);
  {
    QLabel* hint = b.Paragraph({"", CrackHint});
    FormBuilder::FitWrapped(hint, 900);
  }
  b.Gap(4);

  // The choice families: combination, environment class, bar surface.
  QHBoxLayout* families = b.Row();
  families->setSpacing(10);
  families->addWidget(HeadingLabel({"", "荷载效应组合"}, this));
  auto combination = BoundChecks(p_, this, families, {{"Check7", "短期"}, {"Check8", "长期"}},
                                 &p_.crack.LoadEffectCombination, {ShortTerm, LongTerm});
  families->addSpacing(20);
  families->addWidget(HeadingLabel({"", "环 境 类 别"}, this));
  const char* const classes[] = {"一类", "二类", "三类", "四类"};
  for (int i = 0; i < 4; ++i) {
    auto* o = new QRadioButton(U8(classes[i]), this);
    o->setObjectName(QString("Option%1").arg(i + 1));
    p_.BindChoice(o, &p_.crack.EnvironmentClass, static_cast<float>(i + 1));
    families->addWidget(o);
  }
  families->addSpacing(20);
  families->addWidget(HeadingLabel({"", "钢 筋总 类"}, this));
  BoundChecks(p_, this, families, {{"Check1", "变形"}, {"Check2", "光面"}}, &p_.crack.alpha2,
              {DeformedBars, PlainBars});
  families->addStretch(1);
  connect(combination[0], &QCheckBox::clicked, this, [this] { Check7_Click(); });
  connect(combination[1], &QCheckBox::clicked, this, [this] { Check8_Click(); });
  b.Gap(4);

  auto actions = b.Buttons({{"Command1", "显示计算成果"},
                            {"Command4", "查看环境类别说明"},
                            {"Command2", "斜截面承载力计算"},
                            {"Command8", "打印基本资料及计算成果"}});
  b.Gap(4);

  const std::vector<Run> none;
  std::vector<BoxColumn> results = {
      {"Text11", {{"", "构件受力特征系数"}}, {{"Label19", ""}, {"s", "1"}}, none, ""},
      {"Text26", {{"", "钢筋表面形状系数"}}, {{"Label80", ""}, {"s", "2"}}, none, ""},
      {"Text28", {{"", "荷载作用影响系数"}}, {{"Label96", ""}, {"s", "3"}}, none, ""},
      {"Text12", {{"", "换算截面重心至受压边距离"}}, {{"", "y"}, {"s", "0"}}, cm, ""},
      {"Text13", {{"", "换算截面对重心轴的惯性矩"}}, {{"", "I"}, {"s", "0"}}, {{"", "(cm⁴)"}}, ""},
      {"Text14", {{"", "换算截面弹性抵抗矩"}}, {{"", "W"}, {"s", "0"}}, {{"", "(cm³)"}}, ""},
      {"Text15", {{"", "受拉筋有效配筋率"}}, {{"Label43", ""}, {"s", "te"}}, none, ""},
      {"Text24", {{"", "受拉钢筋应力"}}, {{"Label47", ""}, {"s", "s"}}, mpa, ""},
      {"Text16", {{"", "截面边缘计算拉应力"}}, {{"Label51", ""}}, mpa, ""},
      {"Text27", {{"", "拉应力限制系数"}}, {{"Label55", ""}, {"s", "ct"}}, none, ""},
      {"Text17", {{"", "截面抵抗矩塑性系数"}}, {{"Label119", ""}, {"s", "m"}}, none, ""},
      {"Text18", {{"", "砼拉应力限制值"}}, {{"", "["}, {"Label63", ""}, {"s", "ct"}, {"", "]"}}, mpa, ""},
      {"Text25", {{"", "计算最大裂缝宽度"}}, {{"", "W"}, {"s", "max"}}, {{"", "(mm)"}}, ""},
  };
  ColumnTable(this, layout, {"", "抗裂计算成果表"}, results, {}, 7, true, 128);

  // The line that shows how [σct] was formed.
  {
    QHBoxLayout* row = b.Row();
    row->setSpacing(1);
    auto* label9 = new GapLabel("Label9", this);
    auto* sigma = new QWidget;
    auto* sl = new QHBoxLayout(sigma);
    sl->setContentsMargins(0, 0, 0, 0);
    sl->setSpacing(0);
    sl->addWidget(FormBuilder::MakeLabel({"Label104", ""}, sigma));
    QLabel* ctSub = FormBuilder::SmallLabel({"", ""}, sigma);
    ctSub->setProperty("sigmaSubscript", true);
    sl->addWidget(ctSub, 0, Qt::AlignBottom);
    label9->SetGapWidgets({sigma});
    row->addWidget(label9);
    row->addWidget(FormBuilder::MakeLabel({"Label106", ""}, this));
    row->addWidget(FormBuilder::SmallLabel({"Label105", ""}, this), 0, Qt::AlignBottom);
    row->addWidget(FormBuilder::MakeLabel({"Label107", ""}, this));
    row->addWidget(FormBuilder::MakeLabel({"Label109", ""}, this));
    row->addWidget(FormBuilder::SmallLabel({"Label108", ""}, this), 0, Qt::AlignBottom);
    row->addWidget(FormBuilder::MakeLabel({"Label110", ""}, this));
    row->addWidget(InlineBox("Text29", this));
    row->addWidget(FormBuilder::MakeLabel({"Label16", ""}, this));
    row->addWidget(InlineBox("Text30", this));
    row->addStretch(1);
  }
  // Verdict lines.
  FormBuilder::FitWrapped(b.Paragraph({"Label17", ""}), 900);
  FormBuilder::FitWrapped(b.Paragraph({"Label31", ""}), 900);
  {
    QHBoxLayout* row = b.Row();
    row->setSpacing(2);
    row->addWidget(FormBuilder::MakeLabel({"Label99", ""}, this));
    row->addWidget(InlineBox("Text31", this));
    row->addWidget(FormBuilder::MakeLabel({"Label100", ""}, this));
    row->addWidget(InlineBox("Text32", this));
    row->addWidget(FormBuilder::MakeLabel({"Label101", ""}, this));
    row->addStretch(1);
  }
  // The member the results were computed for (its kind and the member values
  // taken from the member windows), so that the record shows them.
  FormBuilder::FitWrapped(b.Paragraph({"MemberInHand", ""}), 900);
  b.Finish();

  // Results are not left beside inputs, choices or a member other than
  // those they were computed from.
  ClearResultsOnEdit(CrackInputNames, [this] { return ClearResults(); });
  choices_.Attach(this, p_, [this] { return ChoicesInForce(); }, [this] { return ClearResults(); });

  connect(actions[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(actions[1], &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(actions[2], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(actions[3], &QPushButton::clicked, this, [this] { Command8_Click(); });
}

void Form9::Form_Load() {
  const MemberState& m = p_.m;
  if (m.MemberKind == RectFlexural || m.MemberKind == TSectionFlexural) Box("Text20")->setText("0");
  Box("Text1")->setText(Num(m.handed.b));
  Box("Text4")->setText(Num(m.handed.a));
  SymbolCaptionFill({{"Label19", "α"},
                     {"Label80", "α"},
                     {"Label96", "α"},
                     {"Label55", "α"},
                     {"Label23", "·"},
                     {"Label63", "σ"},
                     {"Label47", "σ"},
                     {"Label51", "σ"},
                     {"Label43", "ρ"},
                     {"Label119", "γ"}});
  ShowCombinationCaptions();
}

void Form9::ShowCombinationCaptions() {
  const float c = p_.crack.LoadEffectCombination;
  const bool shortTerm = c == ShortTerm, longTerm = c == LongTerm;
  FormBuilder::SetWrapped(Lbl("Label20"), shortTerm  ? U8("荷载效应短期组合时的弯矩")
                             : longTerm ? U8("荷载效应长期组合时的弯矩")
                                        : U8(MomentDesign));
  FormBuilder::SetWrapped(Lbl("Label21"), shortTerm  ? U8("荷载效应短期组合时的轴力")
                             : longTerm ? U8("荷载效应长期组合时的轴力")
                                        : U8(AxialDesign));
  const QString sub = shortTerm ? "S" : longTerm ? "L" : "";
  Lbl("Label102")->setText(sub);
  Lbl("Label103")->setText(sub);
}

void Form9::Check7_Click() { ShowCombinationCaptions(); }
void Form9::Check8_Click() { ShowCombinationCaptions(); }

void Form9::ClearVerdictAndLimitLine() {
  for (const char* name : {"Label17", "Label31", "MemberInHand"}) FormBuilder::SetWrapped(Lbl(name), QString());
  for (const char* name : {"Label99", "Label100", "Label101", "Label104", "Label105",
                           "Label106", "Label107", "Label108", "Label109", "Label110", "Label16"})
    Lbl(name)->clear();
  for (QLabel* l : findChildren<QLabel*>())
    if (l->property("sigmaSubscript").toBool()) l->clear();
  static_cast<GapLabel*>(Lbl("Label9"))->SetCaption(QString());
  ClearBoxes({"Text29", "Text30", "Text31", "Text32"});
}

std::vector<float> Form9::ChoicesInForce() const {
  const CrackChoices& c = p_.crack;
  return {c.LoadEffectCombination, c.EnvironmentClass, c.alpha2};
}

bool Form9::ClearResults() {
  choices_.Forget();
  resultsMember_.reset();
  bool shown = ClearBoxes(CrackResultNames);
  for (const char* name : {"Label17", "Label31", "MemberInHand", "Label9", "Label99"})
    shown = shown || !Lbl(name)->text().trimmed().isEmpty();
  for (const char* name : {"Text29", "Text30", "Text31", "Text32"})
    shown = shown || !Box(name)->text().trimmed().isEmpty();
  ClearVerdictAndLimitLine();
  return shown;
}

void Form9::MemberComputed() {
  if (resultsMember_ && *resultsMember_ != p_.handedMember && ClearResults()) SetMessage(MemberChangedMessage());
}

void Form9::Command1_Click() {
  ClearMessage();
  choices_.Forget();
  resultsMember_.reset();
  ClearVerdictAndLimitLine();
  auto values = ReadNumbers(CrackInputNames, CrackResultNames);
  if (!values) return;
  const std::vector<float>& v = *values;
  const CrackInputs in{v[0], v[1], v[2],  v[3],  v[4],  v[5],  v[6], v[7],
                       v[8], v[9], v[10], v[11], v[12], v[13], v[14]};
  const CrackMember member = CrackMemberOf(p_.m);
  const CrackResult r = CrackCheckCase(in, member, p_.crack);
  if (!r.ok) {
    // Nothing of an earlier computation stays on show.
    ClearBoxes(CrackResultNames);
    SetMessage(QString::fromStdString(r.error));
    return;
  }
  ShowOutcome(r);
  ShowMemberInHand(member);
  choices_.Remember(ChoicesInForce());
  resultsMember_ = p_.handedMember;
  if (r.steelInCompression)
    SetMessage(U8("受拉钢筋应力不大于零（钢筋受压），截面不出现受拉裂缝，计算最大裂缝宽度无实际意义。"));
}

void Form9::ShowOutcome(const CrackResult& r) {
  auto set = [this](const char* box, float v) { Box(box)->setText(Num(v)); };
  set("Text26", r.alpha2);
  set("Text28", r.alpha3);
  set("Text12", r.y0);
  set("Text13", r.I0);
  set("Text14", r.W0);
  set("Text15", r.rhoTe);
  set("Text24", r.sigmaS);
  set("Text16", r.sigma);
  set("Text27", r.alphaCt);
  set("Text17", r.gammaM);
  set("Text18", r.sigmaCt);
  set("Text25", r.w);
  set("Text11", r.alpha1);

  static_cast<GapLabel*>(Lbl("Label9"))->SetCaption(U8("表中砼拉应力限制值 [   ] = "));
  SymbolCaptionFill({{"Label104", "σ"},
                     {"Label107", "·"},
                     {"Label106", "α"},
                     {"Label105", "ct"},
                     {"Label109", "f"},
                     {"Label108", "tk"},
                     {"Label110", "="},
                     {"Label16", "×"}});
  for (QLabel* l : findChildren<QLabel*>())
    if (l->property("sigmaSubscript").toBool()) l->setText("ct");
  static_cast<GapLabel*>(Lbl("Label9"))->Arrange();
  set("Text29", r.alphaCt);
  set("Text30", r.ftk);

  switch (r.verdict) {
    case CrackVerdict::Resists:
      FormBuilder::SetWrapped(Lbl("Label17"), U8(ResistsText));
      FormBuilder::SetWrapped(Lbl("Label31"), U8(ResistsNote));
      break;
    case CrackVerdict::CracksWidthWithin:
    case CrackVerdict::CracksWidthBeyond: {
      const bool within = r.verdict == CrackVerdict::CracksWidthWithin;
      FormBuilder::SetWrapped(Lbl("Label17"), U8(CracksText));
      Lbl("Label99")->setText(U8("计算最大裂缝宽度"));
      set("Text31", r.w);
      Lbl("Label100")->setText(U8(within ? "mm ＜ 最大裂缝宽度允许值" : "mm > 最大裂缝宽度允许值"));
      set("Text32", r.allowedW);
      Lbl("Label101")->setText(U8(within ? "mm，计算最大裂缝宽度不超过允许值。" : "mm，计算最大裂缝宽度超过允许值。"));
      break;
    }
    case CrackVerdict::CracksWidthEqual:
      FormBuilder::SetWrapped(Lbl("Label17"), U8(CracksText));
      break;
    case CrackVerdict::None:
      break;
  }
}

void Form9::ShowMemberInHand(const CrackMember& m) {
  QString text = U8("本次验算构件：") + MemberKindCaption(m.kind, m.flangeLayout);
  if (m.kind == TSectionFlexural)
    text += U8("；受压翼缘 b'f = %1 cm，h'f = %2 cm；受拉翼缘 bf = %3 cm，hf = %4 cm")
                .arg(Num(m.bfc), Num(m.hfc), Num(m.bft), Num(m.hft));
  if (m.kind == TSectionEccentricCompression)
    text += U8("；受压翼缘 b'f = %1 cm，h'f = %2 cm").arg(Num(m.bfc), Num(m.hfc));
  if (m.kind == RectEccentricCompression || m.kind == TSectionEccentricCompression)
    text += U8("；计算长度 l0 = %1 cm").arg(Num(m.l0));
  if (m.kind == RectEccentricTension) text += U8("；轴向力至受拉钢筋的距离 e = %1 cm").arg(Num(m.e));
  FormBuilder::SetWrapped(Lbl("MemberInHand"), text + U8("。"));
}

void Form9::Command8_Click() { PrintThisWindow(ProjectNameOf(p_.m, p_.m.MemberKind)); }
void Form9::Command4_Click() { p_.OpenForm7(); }
void Form9::Command2_Click() { p_.OpenForm10(); }

// ---------------------------------------------------------------- Form10

namespace {

const std::vector<QString> ShearInputNames = {"Text1", "Text2", "Text3", "Text4", "Text5",
                                              "Text6", "Text7", "Text8", "Text9", "Text10"};
const std::vector<QString> ShearResultNames = {"Text11", "Text12", "Text13", "Text14",
                                               "Text15", "Text16", "Text17"};

const char* const SectionTooSmallText =
    "[提示] 截面尺寸不能满足斜截面受剪要求，需加大截面尺寸或提高混凝土等级 。";
const char* const ConstructionOnlyText =
    "[提 示] 计算结果，混凝土截面的受剪承载力大于剪力设计值，不需进行斜截面受剪承载力计算，"
    "仅需根据《规范》第 10.3.2 条的规定按构造要求配置箍筋。";
const char* const StirrupsAloneText = "[提示] 仅配置箍筋已能满足斜截面受剪承载力要求，不需再计算弯起钢筋";
const char* const PromptText =
    "[提示] 计算箍筋间距为       cm，其值偏小，需同时配置弯起钢筋，在以下填入箍筋及";
const char* const MinimumRatioText =
    "计算的箍筋配筋率        % 小于《规范》规定的箍筋最小配筋率，采用箍筋最小配筋率为         %";
const char* const ConcentratedCaption =
    "集中荷载作用下的矩形截面独立梁(包括作用有多种荷载，且其中集中荷载对支座截面或节点边缘所产生的剪力值"
    "占总剪力值 75% 以上的情况)";

}  // namespace

const std::vector<QString>& Form10::InputNames() { return ShearInputNames; }
const std::vector<QString>& Form10::ResultNames() { return ShearResultNames; }

Form10::Form10(Program& program) : Form("Form10", "斜截面承载力计算"), p_(program) {
  FormBuilder b(this);
  QVBoxLayout* layout = b.layout();
  const std::vector<Run> cm = {{"", "(cm)"}}, kN = {{"", "(kN)"}}, mpa = {{"", "(MPa)"}}, none;
  std::vector<BoxColumn> inputs = {
      {"Text1", {{"", "矩形梁(或T、工形梁腹板)宽"}}, {{"", "b"}}, cm, "矩形梁(或T、工形梁腹板)宽 b"},
      {"Text2", {{"", "截面有效高度"}}, {{"", "h"}, {"s", "0"}}, cm, "截面有效高度 h0"},
      {"Text3", {{"", "剪  力设计值"}}, {{"", "V"}}, kN, "剪力设计值 V"},
      {"Text4", {{"", "轴向力设计值"}}, {{"", "N"}}, kN, "轴向力设计值 N"},
      {"Text5", {{"", "砼轴心抗压强度设计值"}}, {{"", "f"}, {"s", "c"}}, mpa, "砼轴心抗压强度设计值 fc"},
      {"Text6", {{"", "箍 筋"}}, {{"", "f"}, {"s", "yv"}}, mpa, "箍筋强度设计值 fyv"},
      {"Text7", {{"", "弯起筋"}}, {{"", "f"}, {"s", "y"}}, mpa, "弯起筋强度设计值 fy"},
      {"Text8", {{"", "直径"}}, {{"", "d"}}, {{"", "(mm)"}}, "箍筋直径 d"},
      {"Text9", {{"", "肢数"}}, {{"", "n"}}, none, "箍筋肢数 n"},
      {"Text10", {{"", "集中荷载作用点"}}, {{"", "a"}}, cm, "集中荷载作用点至支座截面的距离 a"},
  };
  ColumnTable(this, layout, {"", "斜截面承载力计算基本资料表"}, inputs,
              {{5, 2, {"钢筋强度设计值"}}, {7, 2, {"箍    筋"}}}, 10, false);
  b.Gap(4);
  {
    QHBoxLayout* row = b.Row();
    row->setSpacing(10);
    row->addWidget(HeadingLabel({"", "钢筋种类"}, this));
    BoundChecks(p_, this, row, {{"Check1", ""}, {"Check2", ""}}, &p_.shear.rhoSvMin,
                {StirrupGradeI, StirrupGradeII});
    row->addStretch(1);
  }
  b.Line({{"", "荷  载  作  用  情  况  选  择"}});
  for (const auto& [name, caption, value] :
       {std::tuple{"Option1", ConcentratedCaption, ConcentratedLoad}, std::tuple{"Option2", "其它荷载作用情况", OtherLoads}}) {
    auto* o = new QRadioButton(U8(caption), this);
    o->setObjectName(name);
    p_.BindChoice(o, &p_.shear.ShearLoadCase, value);
    layout->addWidget(o);
  }
  b.Line({{"", "[提 示]  无集中荷载作用时，集中荷载作用点至支座截面的距离填入 0 值。"}});
  b.Gap(4);
  auto actions = b.Buttons({{"Command1", "显示计算成果"}, {"Command3", "打印基本资料及计算成果"}, {"Command2", "结束计算"}});
  b.Gap(4);

  std::vector<BoxColumn> results = {
      {"Text11", {{"", "砼受剪承载力"}}, {{"", "V"}, {"s", "c"}}, kN, ""},
      {"Text12", {{"", "箍筋受剪承载力"}}, {{"", "V"}, {"s", "sv"}}, kN, ""},
      {"Text13", {{"", "弯起筋受剪承载力"}}, {{"", "V"}, {"s", "sb"}}, kN, ""},
      {"Text14", {{"", "直径"}}, {{"", "d"}}, {{"", "(mm)"}}, ""},
      {"Text15", {{"", "间距"}}, {{"", "s"}}, cm, ""},
      {"Text16", {{"", "肢数"}}, {{"", "n"}}, none, ""},
      {"Text17", {{"", "弯起筋面积"}}, {{"", "A"}, {"s", "sb"}}, {{"", "(cm²)"}}, ""},
  };
  ColumnTable(this, layout, {"", "斜截面承载力计算成果表"}, results, {{3, 3, {"箍    筋"}}}, 7, true, 128);

  FormBuilder::FitWrapped(b.Paragraph({"Label31", ""}), 900);
  FormBuilder::FitWrapped(b.Paragraph({"Label55", ""}), 900);
  // The bent-up prompt and the stirrup-ratio note, with their boxes in the gaps.
  {
    auto* prompt = new GapLabel("Label56", this);
    prompt->SetGapWidgets({InlineBox("Text18", this)});
    layout->addWidget(prompt);
    b.Line({{"Label57", ""}});
    QHBoxLayout* row = b.Row();
    row->setSpacing(4);
    row->addWidget(FormBuilder::MakeLabel({"Label58", ""}, this));
    QLineEdit* spacing = FormBuilder::MakeBox("Text19", "", this);
    QLineEdit* angle = FormBuilder::MakeBox("Text20", "", this);
    SetBoxHeading("Text19", U8("箍筋间距"));
    SetBoxHeading("Text20", U8("弯起筋与构件纵轴线的夹角"));
    spacing->setMaximumWidth(90);
    angle->setMaximumWidth(90);
    row->addWidget(spacing);
    row->addSpacing(20);
    row->addWidget(FormBuilder::MakeLabel({"Label59", ""}, this));
    row->addWidget(angle);
    row->addStretch(1);
    auto* note = new GapLabel("Label60", this);
    note->SetGapWidgets({InlineBox("Text21", this), InlineBox("Text22", this)});
    layout->addWidget(note);
  }
  FormBuilder::FitWrapped(b.Paragraph({"MemberInHand", ""}), 900);
  b.Finish();

  // Results are not left beside inputs, choices or a member other than
  // those they were computed from. The data boxes take the bent-up prompt
  // with them (it was computed from them); the bent-up pass's spacing and
  // angle only the results of that pass.
  ClearResultsOnEdit(ShearInputNames, [this] { return ClearResults(); });
  ClearResultsOnEdit({"Text19", "Text20"}, [this] { return ClearResults(false); });
  choices_.Attach(this, p_, [this] { return ChoicesInForce(); }, [this] { return ClearResults(); });

  connect(actions[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(actions[1], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(actions[2], &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form10::Form_Load() {
  Control<QCheckBox>("Check1")->setText(U8("Ⅰ级"));
  Control<QCheckBox>("Check2")->setText(U8("Ⅱ级"));
  Box("Text10")->setText("0");
  if (p_.m.MemberKind == RectFlexural || p_.m.MemberKind == TSectionFlexural) Box("Text4")->setText("0");
  // The boxes of an earlier opening are gone: a bent-up pass it asked for
  // cannot be completed with its data.
  p_.bentUp = BentUpCarry{};
  ClearPrompt();
}

std::vector<float> Form10::ChoicesInForce() const { return {p_.shear.rhoSvMin, p_.shear.ShearLoadCase}; }

bool Form10::ClearResults(bool prompt) {
  choices_.Forget();
  resultsMember_.reset();
  bool shown = ClearBoxes(ShearResultNames);
  for (const char* name : {"Label31", "Label55", "Label60", "MemberInHand"})
    shown = shown || !Lbl(name)->text().trimmed().isEmpty();
  shown = ClearBoxes({"Text21", "Text22"}) || shown;
  static_cast<GapLabel*>(Lbl("Label60"))->SetCaption(QString());
  for (const char* name : {"Label31", "Label55", "MemberInHand"}) FormBuilder::SetWrapped(Lbl(name), QString());
  if (prompt && !Lbl("Label56")->text().isEmpty()) {
    shown = true;
    ClearPrompt();
    // A pending bent-up pass is not taken with data other than its prompt's:
    // the next click is a first pass, which says that the data changed.
    promptWithdrawn_ = p_.bentUp.pending;
  }
  return shown;
}

void Form10::MemberComputed() {
  if (resultsMember_ && *resultsMember_ != p_.handedMember && ClearResults()) SetMessage(MemberChangedMessage());
}

void Form10::ClearPrompt() {
  static_cast<GapLabel*>(Lbl("Label56"))->SetCaption(QString());
  for (const char* name : {"Label57", "Label58", "Label59"}) Lbl(name)->clear();
  ClearBoxes({"Text18", "Text19", "Text20"});
  Box("Text19")->hide();
  Box("Text20")->hide();
}

void Form10::ShowPrompt(float spacing) {
  promptWithdrawn_ = false;
  static_cast<GapLabel*>(Lbl("Label56"))->SetCaption(U8(PromptText));
  Box("Text18")->setText(Num(spacing));
  Lbl("Label57")->setText(U8("弯起筋设计参数后再点击“显示计算成果”按钮"));
  Lbl("Label58")->setText(U8("箍筋间距 (cm) ："));
  Lbl("Label59")->setText(U8("弯起筋与构件纵轴线的夹角 (度) ："));
  Box("Text19")->show();
  Box("Text20")->show();
}

void Form10::Command1_Click() {
  ClearMessage();
  choices_.Forget();
  resultsMember_.reset();
  ClearBoxes(ShearResultNames);
  static_cast<GapLabel*>(Lbl("Label60"))->SetCaption(QString());
  ClearBoxes({"Text21", "Text22"});
  for (const char* name : {"Label31", "Label55", "MemberInHand"}) FormBuilder::SetWrapped(Lbl(name), QString());

  if (std::string missing = MissingShearChoices(p_.shear); !missing.empty()) {
    SetMessage(QString::fromStdString(missing));
    return;
  }
  // A first pass empties the prompt before it reads the boxes, so that no
  // prompt of earlier data stays on show when the reading fails.
  if (!p_.bentUp.pending) ClearPrompt();
  auto values = ReadNumbers(ShearInputNames, ShearResultNames);
  if (!values) return;
  const std::vector<float>& v = *values;
  const ShearInputs in{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]};
  const ShearMember member = ShearMemberOf(p_.m);

  if (p_.bentUp.pending && !promptWithdrawn_ && SameShearData(p_.bentUp, in, member, p_.shear)) {
    // The bent-up pass, with the chosen spacing and angle.
    auto chosen = ReadNumbers({"Text19", "Text20"}, {});
    if (!chosen) return;
    const ShearResult r = ShearSecondPass((*chosen)[0], (*chosen)[1], p_.bentUp);
    if (r.outcome == ShearOutcome::Failed) {
      SetMessage(QString::fromStdString(r.error));
      return;
    }
    // The prompt stays with the chosen spacing and bend angle the bent-up
    // bars were computed from, until the next first pass empties it.
    ShowResults(r);
    ShowMemberInHand(member);
    choices_.Remember(ChoicesInForce());
    resultsMember_ = p_.handedMember;
    return;
  }
  if (p_.bentUp.pending)
    SetMessage(U8("基本资料或选项已改变，已按新资料重新计算箍筋（原弯起钢筋提示作废）。"));
  ClearPrompt();
  const ShearResult r = ShearFirstPass(in, member, p_.shear, p_.bentUp);
  switch (r.outcome) {
    case ShearOutcome::Failed:
      SetMessage(QString::fromStdString(r.error));
      return;
    case ShearOutcome::SectionTooSmall:
      FormBuilder::SetWrapped(Lbl("Label31"), U8(SectionTooSmallText));
      break;
    case ShearOutcome::ConstructionOnly:
      FormBuilder::SetWrapped(Lbl("Label31"), U8(ConstructionOnlyText));
      break;
    case ShearOutcome::StirrupRules:
      AddMessage(U8("混凝土截面的受剪承载力大于剪力设计值，按构造要求配置箍筋（见“箍筋布置原则”窗口）。"));
      p_.OpenForm11();
      break;
    case ShearOutcome::BentUpPrompt:
      ShowPrompt(r.promptSpacing);
      break;
    case ShearOutcome::Results:
      ShowResults(r);
      break;
  }
  ShowMemberInHand(member);
  choices_.Remember(ChoicesInForce());
  resultsMember_ = p_.handedMember;
}

void Form10::ShowResults(const ShearResult& r) {
  auto set = [this](const char* box, const QString& text) { Box(box)->setText(text); };
  set("Text11", Num(r.Vc));
  set("Text12", Num(r.Vsv));
  set("Text13", r.Vsb > 0 ? Num(r.Vsb) : QString("----"));
  set("Text14", Num(r.d));
  set("Text15", Num(r.s));
  set("Text16", Num(r.n));
  set("Text17", r.Asb > 0 ? Num(r.Asb) : QString("----"));
  if (r.stirrupsAlone) FormBuilder::SetWrapped(Lbl("Label55"), U8(StirrupsAloneText));
  if (r.belowMinimumRatio) {
    static_cast<GapLabel*>(Lbl("Label60"))->SetCaption(U8(MinimumRatioText));
    set("Text21", Num(r.rhoSvPercent));
    set("Text22", Num(r.rhoSvMin));
  }
}

void Form10::ShowMemberInHand(const ShearMember& m) {
  QString text = U8("本次计算构件：") + MemberKindCaption(m.kind, m.flangeLayout) +
                 U8("；结构系数 γd = %1，受拉钢筋合力点至截面边缘距离 a = %2 cm")
                     .arg(Num(GammaDUsed(m)), Num(CoverUsed(m)));
  // Name only the values that stand in for ones the member window left at 0.
  if (m.gammaD == 0 && m.a == 0)
    text += U8("（构件窗口尚未计算，采用 γd = 1.2，a = 5 cm）");
  else if (m.gammaD == 0)
    text += U8("（构件窗口的结构系数为 0，采用 γd = 1.2）");
  else if (m.a == 0)
    text += U8("（构件窗口的 a 为 0，采用 a = 5 cm）");
  if (m.kind == TSectionFlexural && m.flangeLayout == FlangeInCompression)
    text += U8("；受压翼缘 h'f = %1 cm").arg(Num(m.hfc));
  if (m.kind == TSectionFlexural && m.flangeLayout == ISection)
    text += U8("；受压翼缘 h'f = %1 cm，受拉翼缘 hf = %2 cm").arg(Num(m.hfc), Num(m.hft));
  if (m.kind == TSectionEccentricCompression) text += U8("；受压翼缘 h'f = %1 cm").arg(Num(m.hfc));
  FormBuilder::SetWrapped(Lbl("MemberInHand"), text + U8("。"));
}

void Form10::Command3_Click() { PrintThisWindow(ProjectNameOf(p_.m, p_.m.MemberKind)); }
void Form10::Command2_Click() { p_.EndProgram(); }

// ---------------------------------------------------------------- Form11

namespace {

const std::pair<const char*, const char*> StirrupRuleLines[] = {
    {"Label5", "            《规范》规定的梁中箍筋最大间距(cm) "},
    {"Label6", " 梁高 h      剪力设计值大于砼受剪承载力   剪力设计值小于砼受剪承载力"},
    {"Label7", "  (cm)              V > Vc /γd                  V ≤ Vc /γd       "},
    {"Label8", " 15<h≤30                 15                           20"},
    {"Label9", " 30<h≤50                 20                           30"},
    {"Label10", " 50<h≤80                 25                           35"},
    {"Label11", " 80<h≤120                30                           40"},
    {"Label12", " h > 120                 35                           50"},
};

const char* const RulesHeading =
    "[提 示]   混凝土截面的受剪承载力大于剪力设计值，不需进行斜截面受剪承载力计算，仅需按构造要求根据以下原则配置箍筋：";
const char* const Rule1 =
    "    1.  梁高 h > 30 cm 时，应沿梁全长设置箍筋；梁高 h = 15～30 cm 时，可仅在构件端部各四分之一跨度范围内"
    "设置箍筋，但当在构件中部二分之一跨度范围内有集中荷载作用时，仍应沿梁全长设置箍筋；梁高 h < 15 cm 时，"
    "可不设置箍筋。";
const char* const Rule2 =
    "    2.  梁高 h > 80 cm 时，箍筋直径不宜小于 8 mm；梁高 h = 25～80 cm 时，箍筋直径不宜小于 6 mm；"
    "梁高 h < 25 cm 时，箍筋直径不宜小于 4 mm。当梁中配有计算需要的受压钢筋时，箍筋直径尚不应小于 d/4"
    "（d 为受压钢筋的最大直径），且箍筋应做成封闭式。";

}  // namespace

Form11::Form11() : Form("Form11", "箍筋布置原则") {
  FormBuilder b(this);
  for (const char* name : {"Label1", "Label2", "Label3"}) FormBuilder::FitWrapped(b.Paragraph({name, ""}), 720);
  b.Line({{"Label4", ""}});
  const QFont font = CoverTableFont();
  for (const auto& [name, caption] : StirrupRuleLines) {
    (void)caption;
    auto* l = new ColumnLabel(this);
    l->setObjectName(U8(name));
    l->setFont(font);
    b.layout()->addWidget(l);
  }
  b.Finish();
}

void Form11::Form_Load() {
  SymbolCaptionFill({{"Label1", RulesHeading},
                     {"Label2", Rule1},
                     {"Label3", Rule2},
                     {"Label4", "    3.  《规范》规定的箍筋最大间距参见下表 ： "}});
  for (const char* name : {"Label1", "Label2", "Label3"}) FormBuilder::FitWrapped(Lbl(name), 720);
  for (const auto& [name, caption] : StirrupRuleLines) Lbl(U8(name))->setText(U8(caption));
}

}  // namespace brasselt
