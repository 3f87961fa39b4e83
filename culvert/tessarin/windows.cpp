#include "windows.h"

#include "formbuilder.h"
#include "numbers.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>

namespace tessarin {

using shell::ButtonSpec;
using shell::FormBuilder;
using shell::Run;

namespace {

const char* const DataSuffix = "Vostranet.dat";

QString U8(const char* text) { return QString::fromUtf8(text); }

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  return FormBuilder::MakeLabel({name, text}, parent);
}

// A label that the load or compute handler fills; it keeps its line's height
// while blank so that the tables do not move when it is filled.
QLabel* FilledLater(const QString& name, QWidget* parent, bool bold = false) {
  QLabel* l = MakeLabel(name, QString(), parent);
  if (bold) {
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.1);
    l->setFont(f);
  }
  FormBuilder::KeepLineHeight(l);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

// The raised "3" of m³ in the results headings.
QLabel* Superscript(const QString& name, QWidget* parent) {
  return FormBuilder::SmallLabel({name, QString()}, parent, shell::SmallPlace::Superscript);
}

// A row of labels, centred in its cell.
QWidget* LabelRow(const std::vector<QLabel*>& labels, QWidget* parent) {
  auto* cell = new QWidget(parent);
  auto* h = new QHBoxLayout(cell);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(0);
  h->addStretch(1);
  if (!labels.empty()) labels.front()->setContentsMargins(0, 0, 3, 0);  // "q (m"
  for (QLabel* l : labels) h->addWidget(l, 0, l->alignment() & Qt::AlignTop ? Qt::AlignTop : Qt::AlignVCenter);
  h->addStretch(1);
  cell->setMinimumHeight(QFontMetrics(parent->font()).height());
  return cell;
}

QLabel* Centred(const QString& text, QWidget* parent) {
  QLabel* l = MakeLabel(QString(), text, parent);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

QString TableWords(const std::string& title) { return QString::fromStdString(title) + U8("表"); }

// One relation table: its title label (filled at load), two headed columns
// of `TableRows` boxes, and the count box under them.
struct RelationTable {
  const char* titleLabel;
  std::string title;
  const char* depthBox;
  const char* valueBox;
  const char* valueHeading;
  const char* valueSymbolUnit;
  const char* valueWords;  // how a message names the value column
  const char* countBox;
};

QGridLayout* BuildRelationTable(shell::Form* form, const RelationTable& t) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(1);
  grid->addWidget(FilledLater(U8(t.titleLabel), form, true), 0, 0, 1, 2);
  grid->addWidget(Centred(U8(" 上游水深"), form), 1, 0);
  grid->addWidget(Centred(U8(t.valueHeading), form), 1, 1);
  grid->addWidget(Centred(U8("h (m)"), form), 2, 0);
  grid->addWidget(Centred(U8(t.valueSymbolUnit), form), 2, 1);
  const QString words = TableWords(t.title);
  for (int k = 0; k < TableRows; ++k) {
    const QString h = Element(t.depthBox, k);
    const QString v = Element(t.valueBox, k);
    grid->addWidget(FormBuilder::MakeBox(h, " ", form), 3 + k, 0);
    grid->addWidget(FormBuilder::MakeBox(v, " ", form), 3 + k, 1);
    form->SetBoxHeading(h, words + U8("第 %1 组的上游水深 h").arg(k + 1));
    form->SetBoxHeading(v, words + U8("第 %1 组的").arg(k + 1) + U8(t.valueWords));
  }
  grid->addWidget(Centred(U8("组 数"), form), 3 + TableRows, 0);
  grid->addWidget(FormBuilder::MakeBox(U8(t.countBox), " ", form), 3 + TableRows, 1);
  form->SetBoxHeading(U8(t.countBox), words + U8("的组数"));
  return grid;
}

const RelationTable StorageTable{"Label1", StorageTableTitle(), "Text1", "Text2", "容  积 ",
                                 "V (m³)", "容积 V", "Text7"};
const RelationTable RatingTable{"Label3", RatingTableTitle(), "Text3", "Text4", "涵洞泄量",
                                "Q (m³/s)", "涵洞泄量 Q", "Text8"};

// The window design: the sample data that a new project shows.
struct StartingTexts {
  const char* box;
  std::vector<const char*> texts;
};
const StartingTexts Design[] = {
    {"Text1", {"0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5"}},
    {"Text2", {"0", "2150", "4150", "7500", "11250", "15700", "21250", "29000", "37500", "55000"}},
    {"Text3", {"0", "1.91", "2.5", "3.0", "3.5", "3.94", "4.97", "7.1", "9.08"}},
    {"Text4", {"0", "10", "15", "20", "25", "30", "40", "50", "60"}},
    {"Text5", {"0", "1", "2", "2", "2.5", "2.5", "3.0", "3.0", "3.5", "3.5", "4.0", "5.0", "7.0",
               "10", "22", "40", "15", "8", "5", "4", "3", "2", "1.5", "1.5", "1"}},
};

const char* const HintText =
    "[提示] 1.以上二表关系值的组数可不相同，但各表的组          数值应与表中所填写的组数相同；"
    "                  2.“洪水过程值”表中应将 24 个时段的洪水流          量值填满，时段长一般为 1 "
    "小时；                 3.各表中的上游水深均由涵洞进口底面算起。";

QLabel* HintLabel(QWidget* parent) {
  auto* l = new PaddedLabel(parent);
  l->setObjectName("Label37");
  l->setText(U8(HintText));
  return l;
}

// Box names of the used rows, in reading order: the count boxes first, then
// each table's rows (depth and value of one row together), then the
// hydrograph.
std::vector<QString> RecordBoxes(int rowsV, int rowsQ) {
  std::vector<QString> names = {"Text7", "Text8", "Text10"};
  for (int k = 0; k < rowsV; ++k) {
    names.push_back(Element("Text1", k));
    names.push_back(Element("Text2", k));
  }
  for (int k = 0; k < rowsQ; ++k) {
    names.push_back(Element("Text3", k));
    names.push_back(Element("Text4", k));
  }
  for (int k = 0; k <= Periods; ++k) names.push_back(Element("Text5", k));
  return names;
}

QString TooManyRowsMessage(const std::string& title, float count) {
  return U8("“%1”表的组数 %2 超过了表中的 %3 行").arg(QString::fromStdString(title),
                                                       QString::fromStdString(shell::SingleToText(count)))
      .arg(TableRows);
}

}  // namespace

PaddedLabel::PaddedLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

QStringList PaddedLabel::Lines() const {
  static const QRegularExpression padding(" {5,}");
  return text().split(padding);
}

QSize PaddedLabel::sizeHint() const {
  const QFontMetrics fm(font());
  int width = 0;
  const QStringList lines = Lines();
  for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
  const QMargins m = contentsMargins();
  return QSize(width + m.left() + m.right() + 2,
               fm.lineSpacing() * static_cast<int>(lines.size()) + m.top() + m.bottom());
}

QSize PaddedLabel::minimumSizeHint() const { return sizeHint(); }

void PaddedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const QFontMetrics fm(font());
  const QRect area = contentsRect();
  int y = area.top() + fm.ascent();
  for (const QString& line : Lines()) {
    painter.drawText(area.left(), y, line);
    y += fm.lineSpacing();
  }
}

QString Element(const char* box, int k) { return QString("%1(%2)").arg(QString::fromUtf8(box)).arg(k); }

std::vector<QString> InputBoxNames() {
  std::vector<QString> names = {"Text7", "Text8", "Text10"};
  for (int k = 0; k < TableRows; ++k)
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"}) names.push_back(Element(box, k));
  for (int k = 0; k <= Periods; ++k) names.push_back(Element("Text5", k));
  return names;
}

std::vector<QString> ResultBoxNames() {
  std::vector<QString> names;
  for (int i = 1; i <= Periods; ++i) {
    names.push_back(Element("Text11", i));
    names.push_back(Element("Text9", i));
    names.push_back(Element("Text6", i));
  }
  return names;
}

// ---------------------------------------------------------------- Form1

Form1::Form1(Program& program) : Form("Form1", "Form1"), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "Tessarin"});
  b.Line({{"Label2", "程序编制说明："}});
  b.Line({{"Label3", "(1) 本程序适用于排水涵洞及其它条件类似的排水建筑物的调洪演算；"}});
  b.Line({{"Label4", "(2) 计算所需基本资料包括："}});
  b.Line({{"Label5", "     1） 洪水过程线；"}});
  b.Line({{"Label6", "     2） 上游水位 "}, {"Label9", ""}, {"Label7", " 容积关系曲线；"}});
  b.Line({{"Label8", "     3） 涵洞过水能力率定曲线；"}});
  b.Line({{"Label10",
           "(3) 程序中水位采用相对值：上游水位换算为由涵洞进口底面算起的上游水深，水深 0 即为进口底面高程；"}});
  b.Line({{"Label11", "(4) 程序中洪水过程线采用 24 个时段，时段长一般为 1 小时（也可为其它时段长）。"}});
  b.Gap(10);
  b.ProjectRow([this] { Option1_Click(); }, [this] { Option2_Click(); }, [this] { Text1_Change(); });
  b.Gap(6);
  auto buttons = b.Buttons({{"Command1", "输入或显示基本资料"}, {"Command2", "打印程序编制说明"}});
  b.Finish();

  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form1::Form_Load() { SymbolCaptionFill({{"Label9", "～"}}); }
void Form1::Text1_Change() { p_.m.ProjectName = Box("Text1")->text().toStdString(); }
void Form1::Option1_Click() { p_.m.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.ProjectState = shell::ExistingProject; }

void Form1::Command1_Click() {
  Program& p = p_;
  p.OpenWindow(p.form2, [&p] { return new Form2(p); });
}

void Form1::Command2_Click() { PrintThisWindow(p_.m.ProjectName); }

// ---------------------------------------------------------------- Form2

Form2::Form2(Program& program) : Form("Form2", "Form2"), p_(program) {
  FormBuilder b(this);

  QHBoxLayout* top = b.Row();
  top->setSpacing(18);

  // Left: the two relation tables side by side, the hint and the buttons
  // under them.
  auto* left = new QVBoxLayout;
  auto* relations = new QHBoxLayout;
  relations->setSpacing(18);
  relations->addLayout(BuildRelationTable(this, StorageTable));
  relations->addLayout(BuildRelationTable(this, RatingTable));
  left->addLayout(relations);
  left->addSpacing(10);
  left->addWidget(HintLabel(this), 0, Qt::AlignLeft);
  left->addStretch(1);
  auto* buttonRow = new QHBoxLayout;
  std::vector<QPushButton*> buttons;
  for (const auto& [name, caption] : {std::pair{"Command1", "显示计算成果"},
                                      {"Command2", "打印基本资料及计算成果"},
                                      {"Command3", "结 束 计 算"}}) {
    auto* button = new QPushButton(U8(caption), this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    buttonRow->addWidget(button);
    buttons.push_back(button);
  }
  buttonRow->addStretch(1);
  left->addLayout(buttonRow);
  top->addLayout(left);

  // Right: the hydrograph with its period numbers, the period length, and
  // the results of each period on the row of the period's end.
  auto* right = new QVBoxLayout;
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(1);
  grid->addWidget(FilledLater("Label4", this, true), 0, 0, 1, 2);
  grid->addWidget(FilledLater("Label5", this, true), 0, 2, 1, 3);
  grid->addWidget(Centred(U8("时段"), this), 1, 0);
  grid->addWidget(Centred(U8("洪水流量"), this), 1, 1);
  grid->addWidget(FilledLater("Label14", this), 1, 2);
  grid->addWidget(FilledLater("Label42", this), 1, 3);
  grid->addWidget(FilledLater("Label15", this), 1, 4);
  grid->addWidget(Centred(U8("Q (m³/s)"), this), 2, 1);
  grid->addWidget(LabelRow({MakeLabel("Label13", QString(), this), MakeLabel("Label12", QString(), this),
                            Superscript("Label10", this), MakeLabel("Label9", QString(), this)},
                           this),
                  2, 2);
  grid->addWidget(LabelRow({MakeLabel("Label41", QString(), this), MakeLabel("Label39", QString(), this),
                            Superscript("Label40", this), MakeLabel("Label38", QString(), this)},
                           this),
                  2, 3);
  grid->addWidget(LabelRow({MakeLabel("Label8", QString(), this), MakeLabel("Label36", QString(), this)}, this),
                  2, 4);
  const QString hydro = U8("洪水过程值表");
  for (int k = 0; k <= Periods; ++k) {
    grid->addWidget(Centred(QString::number(k), this), 3 + k, 0);
    const QString q = Element("Text5", k);
    grid->addWidget(FormBuilder::MakeBox(q, " ", this), 3 + k, 1);
    SetBoxHeading(q, hydro + U8("第 %1 时段的洪水流量 Q").arg(k));
    if (k == 0) continue;
    for (const auto& [box, col] : {std::pair{"Text11", 2}, {"Text9", 3}, {"Text6", 4}}) {
      QLineEdit* e = FormBuilder::MakeBox(Element(box, k), " ", this);
      e->setReadOnly(true);
      grid->addWidget(e, 3 + k, col);
    }
  }
  grid->setColumnMinimumWidth(2, 96);
  grid->setColumnMinimumWidth(3, 96);
  grid->setColumnMinimumWidth(4, 96);
  right->addLayout(grid);
  auto* dtRow = new QHBoxLayout;
  dtRow->addWidget(MakeLabel(QString(), U8("时段长(小时)"), this));
  dtRow->addWidget(FormBuilder::MakeBox("Text10", " ", this));
  dtRow->addStretch(1);
  SetBoxHeading("Text10", U8("时段长(小时)"));
  right->addSpacing(4);
  right->addLayout(dtRow);
  right->addStretch(1);
  top->addLayout(right);

  b.Finish();

  // The window design's texts: the sample data.
  Box("Text7")->setText("10");
  Box("Text8")->setText("9");
  Box("Text10")->setText("1");
  for (const StartingTexts& s : Design)
    for (std::size_t k = 0; k < s.texts.size(); ++k)
      Box(Element(s.box, static_cast<int>(k)))->setText(U8(s.texts[k]));

  // The routing on show is not left beside data that the user has changed
  // since it was computed.
  ClearResultsOnEdit(InputBoxNames(), [this] { return ClearBoxes(ResultBoxNames()); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void Form2::Form_Load() {
  SymbolCaptionFill({{"Label1", "上游水深～容积关系值"},
                     {"Label3", "上游水深～涵洞过水流量关系值"},
                     {"Label4", "洪水过程值"}});
  auto fields = LoadSavedInputs(p_.m, p_.m.ProjectName, DataSuffix, 3);
  if (!fields) return;
  // The counts on line 1 tell how many rows follow; the boxes are filled
  // only from a whole file, so that a short or damaged one fills nothing.
  const std::string file = p_.m.ProjectName + DataSuffix;
  const std::optional<float> nV = (*fields)[0].AsNumber();
  const std::optional<float> nQ = (*fields)[1].AsNumber();
  if (!nV || !nQ) {
    AddMessage(U8("数据文件“%1”第一行的组数不是数字，各栏保留初始值。").arg(QString::fromStdString(file)));
    return;
  }
  const int rowsV = RowsOfCount(*nV);
  const int rowsQ = RowsOfCount(*nQ);
  if (rowsV > TableRows || rowsQ > TableRows) {
    AddMessage(U8("数据文件“%1”中").arg(QString::fromStdString(file)) +
               TooManyRowsMessage(rowsV > TableRows ? StorageTableTitle() : RatingTableTitle(),
                                  rowsV > TableRows ? *nV : *nQ) +
               U8("，各栏保留初始值。"));
    return;
  }
  const std::vector<QString> boxes = RecordBoxes(rowsV, rowsQ);
  if (fields->size() < boxes.size()) {
    AddMessage(U8("数据文件“%1”内容不全（应有 %2 项，只有 %3 项），各栏保留初始值。")
                   .arg(QString::fromStdString(file))
                   .arg(boxes.size())
                   .arg(fields->size()));
    return;
  }
  FillBoxes(boxes, *fields);
}

void Form2::ShowResultHeadings() {
  SymbolCaptionFill({{"Label5", "调洪演算成果"},
                     {"Label14", "涵洞泄量"},
                     {"Label13", "q"},
                     {"Label12", "(m"},
                     {"Label10", "3"},
                     {"Label9", "/s)"},
                     {"Label15", "上游水深"},
                     {"Label8", "h"},
                     {"Label36", "(m)"},
                     {"Label42", "容 积"},
                     {"Label41", "V"},
                     {"Label39", "(m"},
                     {"Label40", "3"},
                     {"Label38", ")"}});
}

void Form2::Command1_Click() {
  ClearMessage();
  ShowResultHeadings();
  const std::vector<QString> results = ResultBoxNames();

  auto counts = ReadNumbers({"Text7", "Text8", "Text10"}, results);
  if (!counts) return;
  const float nV = (*counts)[0], nQ = (*counts)[1], dt = (*counts)[2];
  // A count that is not whole would read only the rows up to its integer
  // part and route the flood on fewer rows than the engineer meant.
  for (const auto& [count, title, box] : {std::tuple{nV, StorageTableTitle(), "Text7"},
                                          std::tuple{nQ, RatingTableTitle(), "Text8"}}) {
    if (!IsWholeCount(count)) {
      ClearBoxes(results);
      SetMessage(U8("“%1”表的组数 %2 不是整数，请改正后再计算（未保存，未计算）。")
                     .arg(QString::fromStdString(title), QString::fromStdString(shell::SingleToText(count))));
      Box(box)->setFocus();
      return;
    }
  }
  const int rowsV = RowsOfCount(nV);
  const int rowsQ = RowsOfCount(nQ);
  // The window has 20 rows per table: a larger count names rows that do not
  // exist, so there is nothing to save.
  if (rowsV > TableRows || rowsQ > TableRows) {
    ClearBoxes(results);
    SetMessage(TooManyRowsMessage(rowsV > TableRows ? StorageTableTitle() : RatingTableTitle(),
                                  rowsV > TableRows ? nV : nQ) +
               U8("，请改正后再计算（未保存，未计算）。"));
    Box(rowsV > TableRows ? "Text7" : "Text8")->setFocus();
    return;
  }
  const std::vector<QString> boxes = RecordBoxes(rowsV, rowsQ);
  auto values = ReadNumbers(boxes, results);
  if (!values) return;
  const std::vector<float>& v = *values;

  RoutingInputs in;
  in.dt = dt;
  std::size_t at = 3;
  for (int k = 0; k < rowsV; ++k) {
    in.storage.depth.push_back(v[at++]);
    in.storage.value.push_back(v[at++]);
  }
  for (int k = 0; k < rowsQ; ++k) {
    in.rating.depth.push_back(v[at++]);
    in.rating.value.push_back(v[at++]);
  }
  for (int k = 0; k <= Periods; ++k) in.inflow[k] = v[at++];

  std::vector<shell::Line> lines;
  lines.push_back({shell::NumberField(nV), shell::NumberField(nQ), shell::NumberField(dt)});
  for (int k = 0; k < rowsV; ++k)
    lines.push_back({shell::NumberField(in.storage.depth[k]), shell::NumberField(in.storage.value[k])});
  for (int k = 0; k < rowsQ; ++k)
    lines.push_back({shell::NumberField(in.rating.depth[k]), shell::NumberField(in.rating.value[k])});
  for (int k = 0; k <= Periods; ++k) lines.push_back({shell::NumberField(in.inflow[k])});
  SaveInputs(p_.m.ProjectName, DataSuffix, lines);

  const RoutingResults r = FloodRoutingCase(in);
  if (!r.ok) {
    ClearBoxes(results);
    AddMessage(QString::fromStdString(r.message));
    return;
  }
  // Shown unrounded: every digit of the single value.
  for (int i = 1; i <= Periods; ++i) {
    Box(Element("Text11", i))->setText(QString::fromStdString(shell::SingleToText(r.q[i])));
    Box(Element("Text9", i))->setText(QString::fromStdString(shell::SingleToText(r.Vt[i])));
    Box(Element("Text6", i))->setText(QString::fromStdString(shell::SingleToText(r.h[i])));
  }
}

void Form2::Command2_Click() { PrintThisWindow(p_.m.ProjectName); }

void Form2::Command3_Click() { p_.EndProgram(); }

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace tessarin
