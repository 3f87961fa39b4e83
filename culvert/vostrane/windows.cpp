#include "windows.h"

#include "formbuilder.h"
#include "numbers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vostrane {

using shell::BoxSpec;
using shell::FormBuilder;
using shell::TableSpec;

namespace {

const char* const DataSuffix = "Vostranes.dat";

// The first line of the data file: B, D, L, i, n, V, ξ, C in box order.
const std::vector<QString> SectionBoxes = {"Text1", "Text2", "Text3", "Text4",
                                           "Text5", "Text6", "Text7", "Text8"};

// The boxes of rows 1 to `count` in record order: Q(1), h(1), Q(2), h(2), ...
std::vector<QString> RowBoxes(int count) {
  std::vector<QString> names;
  for (int k = 0; k < count; ++k) {
    names.push_back(ArrayBox("Text9", k));
    names.push_back(ArrayBox("Text10", k));
  }
  return names;
}

// Every result box of the ten columns.
std::vector<QString> ResultBoxes() {
  std::vector<QString> names;
  for (const char* array : {"Text11", "Text12", "Text13"})
    for (int k = 0; k < kMaxRows; ++k) names.push_back(ArrayBox(array, k));
  return names;
}

// One row of a ten-column table: caption, symbol with unit, ten boxes.
struct ArrayRow {
  const char* array;    // "Text9"
  const char* caption;  // "流 量"
  const char* symbol;   // "Q"
  const char* unit;     // "(m³/s)"
  const char* heading;  // how messages name the box, before the row number
};

// The "序号" header and the rows, one box per column 1 to 10.
void ArrayTable(shell::Form* form, FormBuilder& b, const std::vector<ArrayRow>& rows,
                bool readOnly) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  QLabel* number = FormBuilder::MakeLabel({QString(), "序    号"}, form);
  number->setAlignment(Qt::AlignCenter);
  grid->addWidget(number, 0, 0, 1, 2);
  for (int k = 0; k < kMaxRows; ++k) {
    QLabel* l = FormBuilder::MakeLabel({QString(), QString::number(k + 1)}, form);
    l->setAlignment(Qt::AlignCenter);
    grid->addWidget(l, 0, k + 2);
  }
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const ArrayRow& row = rows[r];
    grid->addWidget(FormBuilder::MakeLabel({QString(), row.caption}, form), r + 1, 0);
    auto* cell = new QWidget(form);
    auto* h = new QHBoxLayout(cell);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    h->addWidget(FormBuilder::MakeLabel({QString(), row.symbol}, cell));
    h->addWidget(FormBuilder::MakeLabel({QString(), row.unit}, cell));
    h->addStretch(1);
    grid->addWidget(cell, r + 1, 1);
    for (int k = 0; k < kMaxRows; ++k) {
      const QString name = ArrayBox(row.array, k);
      QLineEdit* e = FormBuilder::MakeBox(name, " ", form);
      e->setMinimumWidth(64);
      if (readOnly) e->setReadOnly(true);
      form->SetBoxHeading(name, QStringLiteral("%1（序号 %2）").arg(row.heading).arg(k + 1));
      form->SetBoxDigits(name, 3);
      grid->addWidget(e, r + 1, k + 2);
    }
  }
  b.layout()->addLayout(grid);
}

QLabel* TableHeading(shell::Form* form, FormBuilder& b, const shell::Run& run) {
  QLabel* h = FormBuilder::TableHeading(run, form);
  b.layout()->addWidget(h);
  return h;
}

}  // namespace

QString ArrayBox(const char* array, int index) {
  return QStringLiteral("%1(%2)").arg(QString::fromUtf8(array)).arg(index);
}

// ================================================================ Form1

Form1::Form1(Program& program) : Form("Form1", "Form1"), p_(program) {
  FormBuilder b(this);
  b.Title({"Label1", "Vostrane"});
  b.Line({{"Label2", "程序编制说明："}});
  b.Line({{{}, "1. 本程序用于计算矩形涵洞的水位流量关系：已知涵洞断面尺寸及各级流量的下游（洞出口）水深，"}});
  b.Line({{{}, "    计算各级流量的上游（洞进口）水深。"}});
  b.Line({{{}, "2. 本程序依据《灌溉与排水工程设计规范》GB 50288-99、《水闸设计规范》SL 265-2001 及《水工设计手册》编制。"}});
  b.Line({{{}, "3. 流态由 D、h 及 H 判别：1）H "},
          {"Label8", ""},
          {{}, "1.2D 时，出口水深低于洞顶为无压流，高于洞顶为压力流；"}});
  b.Line({{{}, "    2）1.2D < H "},
          {"Label40", ""},
          {{}, "1.5D 时，为半压力流或压力流；3）H > 1.5D 时，为非淹没压力流或淹没压力流。"}});
  b.Line({{{}, "4. L < 8H 时为短洞，否则为长洞（L 为洞长，H 为进口水深）。"}});
  b.Line({{{}, "5. 短洞无压流按《水闸设计规范》SL 265-2001 的宽顶堰计算，流量系数采用 0.36，侧收缩系数采用 0.95。"}});
  // The coefficients that the semi-pressure formula computes with (0.67 and
  // 0.74, those of flared or curved wing walls): printed notes that named
  // other coefficients than those behind the depths shown would misreport
  // the method.
  b.Line({{{}, "6. 半压力流公式中流量系数 m 采用 0.67，"}, {"Label20", ""}, {{}, " 采用 0.74。"}});
  b.Line({{{}, "7. 其余见“Quimbrel”程序编制说明。 "}});
  b.Gap(10);
  auto options = b.Options({}, {{"Option1", "新计算项目"}, {"Option2", "已计算项目"}});
  QLineEdit* name = b.LabelledBox({"Label19", "项目名"}, "Text1");
  b.Gap(6);
  auto buttons = b.Buttons({{"Command1", "输入或显示基本资料"}, {"Command2", "打印程序编制说明"}});
  b.Finish();

  connect(name, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  connect(options[0], &QRadioButton::clicked, this, [this] { Option1_Click(); });
  connect(options[1], &QRadioButton::clicked, this, [this] { Option2_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form1::Form_Load() {
  SymbolCaptionFill({{"Label8", "≤ "}, {"Label40", "≤ "}, {"Label20", "β"}});
}

void Form1::Text1_Change() { p_.m.ProjectName = Box("Text1")->text().toStdString(); }
void Form1::Option1_Click() { p_.m.ProjectState = shell::NewProject; }
void Form1::Option2_Click() { p_.m.ProjectState = shell::ExistingProject; }

void Form1::Command1_Click() {
  Program& p = p_;
  p.OpenWindow(p.form2, [&p] { return new Form2(p); });
}

void Form1::Command2_Click() { PrintThisWindow(p_.m.ProjectName); }

// ================================================================ Form2

Form2::Form2(Program& program) : Form("Form2", "Form2"), p_(program) {
  FormBuilder b(this);
  TableSpec inputs{{"Label1", "基 本 资 料 表"},
                   {BoxSpec("Text1", {"洞 宽"}).Sym("B").Unit("(m)"),
                    BoxSpec("Text2", {"洞 高"}).Sym("D").Unit("(m)").Design(""),
                    BoxSpec("Text3", {"洞 长 "}).Sym("L").Unit("(m)").Design(""),
                    BoxSpec("Text4", {"洞 身比 降"}).Sym("i").Design(""),
                    BoxSpec("Text5", {"管 身糙 率"}).Sym("n"),
                    BoxSpec("Text6", {"行近流", "速"}).Sym("V").Unit("(m/s)"),
                    BoxSpec("Text7", {"局 部 损 失 系 数 总 和"})
                        .SymLabel("Label29", "ξ")
                        .Named("局部损失系数总和 ξ"),
                    BoxSpec("Text8", {"流量、水深计算组数"}).Sym("C")}};
  b.Table(inputs);
  b.Gap(6);
  ArrayTable(this, b,
             {{"Text9", "流 量", "Q", "(m³/s)", "流量 Q"},
              {"Text10", "出口水深", "h", "(m)", "出口水深 h"}},
             false);
  b.Gap(6);
  b.Line({{{}, "说明：  1.局部损失系数总和(不包括出口损失系数）"},
          {{}, "中的各项局部损失系数一般采用值： 拦污栅可按公式计算或近"}});
  b.Line({{{}, "似采用 0.3(无拦污栅时采"},
          {{}, "用 0 值)； 平板门槽一般可采用 0.05"},
          {"Label37", ""},
          {{}, " 0.1(无门槽时采用 0 值)；   进口管顶采用圆"}});
  b.Line({{{}, "喇叭形布置时可采用 0.1"},
          {{}, "； 一般平顺修圆连接的进口可采用 0.2 ；   程序中出口局部损失系数近似采用为 1.0；"}});
  b.Line({{{}, "进口渐变段损失系数一般可采用 0.1"},
          {"Label50", ""},
          {{}, " 0.2；  出口渐变段损失系数一般可采用 0.2"},
          {"Label52", ""},
          {{}, " 0.3；    2.混凝土糙率一般"}});
  b.Line({{{}, "可采用 0.014；    3.程序"},
          {{}, "中谢才系数按曼宁公式计算；    4.程序中对各种流量时的行近流速均近似采用相同值；   "}});
  b.Line({{{}, "5.流量及水深组数最多可"},
          {{}, "为 10 组，不足 10 组时基本资料表中只填入相应序号的流量及出口水深值。"}});
  b.Gap(6);
  auto compute = b.Buttons({{"Command1", "显示计算成果"}});
  b.Gap(6);
  TableHeading(this, b, {"Label10", "计 算 成 果 表"});
  ArrayTable(this, b,
             {{"Text11", "流 量", "Q", "(m³/s)", "流量 Q"},
              {"Text12", "进口水深", "H", "(m)", "进口水深 H"},
              {"Text13", "出口水深", "h", "(m)", "出口水深 h"}},
             true);
  b.Gap(6);
  auto buttons = b.Buttons({{"Command2", "打印基本资料及计算成果"}, {"Command3", "结 束 计 算"}});
  b.Finish();

  // The inlet depths are not left beside a section or rows that the user has
  // changed since they were computed.
  std::vector<QString> dataBoxes = SectionBoxes;
  for (const QString& name : RowBoxes(kMaxRows)) dataBoxes.push_back(name);
  ClearResultsOnEdit(dataBoxes, [this] { return ClearBoxes(ResultBoxes()); });
  connect(compute[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void Form2::Form_Load() {
  SymbolCaptionFill({{"Label37", " ～"}, {"Label50", " ～"}, {"Label52", " ～"}, {"Label29", "ξ"}});
  auto fields = LoadSavedInputs(p_.m, p_.m.ProjectName, DataSuffix, SectionBoxes.size());
  if (!fields) return;
  // Line 1 gives the number of rows that follow; the file must hold them all.
  const std::optional<float> C = (*fields)[7].AsNumber();
  const std::string file = shell::ProjectFileName(p_.m.ProjectName, DataSuffix).value_or("");
  if (!C || !ValidRowCount(*C)) {
    AddMessage(QStringLiteral("数据文件“%1”中的流量、水深计算组数 C 不是 0～10 的整数，各栏保留初始值。")
                   .arg(QString::fromStdString(file)));
    return;
  }
  const int count = static_cast<int>(*C);
  const std::size_t needed = SectionBoxes.size() + 2 * static_cast<std::size_t>(count);
  if (fields->size() < needed) {
    AddMessage(QStringLiteral("数据文件“%1”内容不全（应有 %2 项，只有 %3 项），各栏保留初始值。")
                   .arg(QString::fromStdString(file))
                   .arg(needed)
                   .arg(fields->size()));
    return;
  }
  FillBoxes(SectionBoxes, *fields);
  FillBoxes(RowBoxes(count), *fields, SectionBoxes.size());
}

void Form2::Command1_Click() {
  ClearMessage();
  const std::vector<QString> results = ResultBoxes();
  auto section = ReadNumbers(SectionBoxes, results);
  if (!section) return;
  const std::vector<float>& s = *section;
  if (!ValidRowCount(s[7])) {
    // Rows beyond the ten columns cannot be read, so nothing is saved.
    ClearBoxes(results);
    SetMessage(QString::fromUtf8(messages::kRowCount) + QStringLiteral("（未保存，未计算）。"));
    Box("Text8")->setFocus();
    return;
  }
  const int count = static_cast<int>(s[7]);
  auto rowValues = ReadNumbers(RowBoxes(count), results);
  if (!rowValues) return;

  std::vector<shell::Line> lines(1);
  for (float x : s) lines[0].push_back(shell::NumberField(x));
  std::vector<Row> rows;
  for (int k = 0; k < count; ++k) {
    const float Q = (*rowValues)[2 * k], h = (*rowValues)[2 * k + 1];
    lines.push_back({shell::NumberField(Q), shell::NumberField(h)});
    rows.push_back({Q, h});
  }
  SaveInputs(p_.m.ProjectName, DataSuffix, lines);

  CulvertData c;
  c.B = s[0];
  c.D = s[1];
  c.L = s[2];
  c.i = s[3];  // a typed 0 is saved as 0; the computation uses 0.00001
  c.n = s[4];
  c.V = s[5];
  c.xi = s[6];
  const StageDischargeResults r = StageDischargeCase(c, rows);
  // Every column is cleared first: columns beyond C show nothing of an
  // earlier computation.
  ClearBoxes(results);
  if (!r.ok) {
    AddMessage(QString::fromStdString(r.message));
    return;
  }
  // A click that shows no result says why: with no rows there is nothing to
  // compute, though the section is saved.
  if (count == 0) {
    SetMessage(QStringLiteral("流量、水深计算组数 C 为 0，没有要计算的组：基本资料已保存，未计算水位。"));
    return;
  }
  for (int k = 0; k < count; ++k) {
    const RowResult& row = r.rows[k];
    Box(ArrayBox("Text11", k))->setText(QString::fromStdString(shell::SingleToText(rows[k].Q)));
    Box(ArrayBox("Text13", k))->setText(QString::fromStdString(shell::SingleToText(rows[k].h)));
    if (row.ok && std::isfinite(row.H)) {
      Box(ArrayBox("Text12", k))->setText(QString::fromStdString(shell::ResultText(row.H, 3)));
    } else {
      AddMessage(QString::fromStdString(messages::OfRow(k + 1, row.message)));
    }
  }
}

void Form2::Command2_Click() { PrintThisWindow(p_.m.ProjectName); }
void Form2::Command3_Click() { p_.EndProgram(); }

// ================================================================ start-up

QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }

}  // namespace vostrane
