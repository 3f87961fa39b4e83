// What the gravity and the semi-gravity wall windows share: the data
// window's water-stop choice and compute click, and the results window's
// tables, file and buttons.
#include "windows.h"

#include "formbuilder.h"
#include "pieces.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ketrova {

using shell::FormBuilder;

// ---------------------------------------------------------------- data window

WallDataWindow::WallDataWindow(Program& program, const QString& name, const QString& title)
    : Form(name, title), p_(program) {}

void WallDataWindow::ParametersAndWaterStop(FormBuilder& b, const std::vector<shell::BoxSpec>& parameters) {
  shell::TableSpec table{{"Label4", "设 计 参 数 表"}, parameters};
  table.shape = shell::TableShape::Rows;
  table.perLine = 2;
  b.Table(table);
  b.Gap(6);

  b.Line({{"Label5", WaterStopHint}});
  auto option1 = b.Options({}, {{"Option1", NoWaterStopCaption}});
  auto option2 = b.Options({}, {{"Option2", WaterStopCaption}});
  // One water-stop choice for the whole program: these buttons show it as it
  // stands, wherever it was made.
  p_.BindChoice(option1[0], &p_.m.WaterStopMode, NoWaterStop);
  p_.BindChoice(option2[0], &p_.m.WaterStopMode, WaterStop);
}

void WallDataWindow::DataButtons(FormBuilder& b, const std::vector<QString>& inputNames) {
  auto buttons = b.Buttons({{"Command2", "显示计算成果"}, {"Command3", "查看尺寸符号图"}, {"Command1", "打印基本资料"}});
  b.Finish();

  ClearResultsOnEdit(inputNames, [this] { return ClearComputedNote(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void WallDataWindow::LoadSavedData(const char* dataSuffix, std::size_t dataFields, const BoxTexts& boxTexts) {
  auto fields = LoadSavedInputs(p_.m, p_.m.ProjectName, dataSuffix, dataFields);
  if (!fields) return;
  const std::vector<std::string> texts = boxTexts(*fields);
  for (std::size_t i = 0; i < texts.size(); ++i)
    Box(QString("Text%1").arg(i + 1))->setText(QString::fromStdString(texts[i]));
}

bool WallDataWindow::ClearComputedNote() {
  if (!noteShown_) return false;
  noteShown_ = false;
  ClearMessage();
  return true;
}

void WallDataWindow::NoResults(const QString& why) {
  if (WallResultsWindow* results = LoadedResults()) results->ShowNoResults(why);
}

void WallDataWindow::Compute(const std::vector<QString>& inputNames, const char* dataSuffix,
                             const char* resultsSuffix,
                             const std::function<WallComputation(const std::vector<float>&)>& compute) {
  ClearMessage();
  noteShown_ = false;
  auto values = ReadNumbers(inputNames, {});
  if (!values) {
    NoResults(QStringLiteral("基本资料中有不是数字的栏，未进行计算。"));
    return;
  }
  const WallComputation c = compute(*values);
  if (!SaveInputs(p_.m.ProjectName, dataSuffix, c.dataLines)) {
    NoResults(QStringLiteral("基本资料未能保存，未进行计算。"));
    return;
  }
  if (!c.ok) {
    AddMessage(QString::fromStdString(c.message));
    NoResults(QString::fromStdString(c.message));
    return;
  }
  if (!SaveInputs(p_.m.ProjectName, resultsSuffix, c.resultLines)) {
    NoResults(QStringLiteral("计算成果文件未能写入。"));
    return;
  }
  const QString warning = QString::fromStdString(c.warning);
  AddMessage(warning);
  noteShown_ = !warning.isEmpty();

  // An open results window is refilled from the new file, so that it never
  // shows results of other data; a closed one reads it as it loads.
  if (WallResultsWindow* loaded = LoadedResults()) loaded->ShowResultsFile();
  WallResultsWindow* results = OpenResults();
  if (!warning.isEmpty()) results->AddMessage(warning);
}

void WallDataWindow::Command3_Click() { p_.OpenForm7(); }

void WallDataWindow::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

// ---------------------------------------------------------------- results window

WallResultsWindow::WallResultsWindow(
    Program& program, const QString& name, const char* resultsSuffix, std::size_t resultsFields, int resultBoxes,
    BoxTexts boxTexts)
    : Form(name, name),
      p_(program),
      resultsSuffix_(resultsSuffix),
      resultsFields_(resultsFields),
      resultBoxes_(resultBoxes),
      boxTexts_(std::move(boxTexts)) {
  connect(&p_, &shell::ProgramBase::choicesChanged, this, [this] { WaterStopModeChanged(); });
}

std::vector<QString> WallResultsWindow::ResultNames() const {
  std::vector<QString> names;
  for (int i = 1; i <= resultBoxes_; ++i) names.push_back(QString("Text%1").arg(i));
  return names;
}

void WallResultsWindow::BasePressureTable(FormBuilder& b, const QString& eccentricity, const QStringList& rows) {
  b.layout()->addWidget(TableHeading(this, "基底压力计算成果表"));
  auto* g = new QGridLayout;
  g->setHorizontalSpacing(6);
  g->setVerticalSpacing(3);
  g->addWidget(HeadingCell(this, {"土压力公", "式"}), 0, 0, 2, 1);
  g->addWidget(HeadingCell(this, {"墙  体", "自  重", "(kN)"}), 0, 1, 2, 1);
  g->addWidget(HeadingCell(this, {"土  重", "(kN)"}), 0, 2, 2, 1);
  g->addWidget(HeadingCell(this, {"水  重", "(kN)"}), 0, 3, 2, 1);
  g->addWidget(HeadingCell(this, {"扬压力", "(kN)"}), 0, 4, 2, 1);
  g->addWidget(HeadingCell(this, {"垂直荷载总和", "(kN)"}), 0, 5, 2, 1);
  g->addWidget(HeadingCell(this, {eccentricity, "(m)"}), 0, 6, 2, 1);
  g->addWidget(HeadingCell(this, {"基底压力  "}), 0, 7, 1, 2);
  g->addWidget(HeadingCell(this, {"前端     后端", "(kN/m²)"}), 1, 7, 1, 2);
  g->addWidget(HeadingCell(this, {"不均匀系", "数"}), 0, 9, 2, 1);
  for (int r = 0; r < rows.size(); ++r) {
    QLabel* name = FormBuilder::MakeLabel({QString(), rows[r]}, this);
    name->setAlignment(Qt::AlignCenter);
    g->addWidget(name, 2 + r, 0);
    for (int c = 0; c < 9; ++c) g->addWidget(ResultBox(this, 1 + 9 * r + c), 2 + r, 1 + c);
  }
  b.layout()->addLayout(g);
}

void WallResultsWindow::StabilityTable(FormBuilder& b, const QStringList& rows, int firstBox, const QString& dot1,
                                       const QString& dot2) {
  b.layout()->addWidget(TableHeading(this, "抗滑及抗倾覆安全系数计算成果表"));
  auto* g = new QGridLayout;
  g->setHorizontalSpacing(6);
  g->setVerticalSpacing(3);
  g->addWidget(HeadingCell(this, {"土压力公", "式"}), 0, 0);
  g->addWidget(HeadingCell(this, {"垂直荷载总和", "(kN)"}), 0, 1);
  g->addWidget(HeadingCell(this, {"土压力系", "数"}, {T("K"), Sub("a")}), 0, 2);
  g->addWidget(HeadingCell(this, {"土侧压力", "(kN)"}), 0, 3);
  g->addWidget(HeadingCell(this, {"水压力", "(kN)"}), 0, 4);
  g->addWidget(HeadingCell(this, {"抗 倾 覆", "力    矩"}, {T("(kN"), S(dot1), T("m)")}), 0, 5);
  g->addWidget(HeadingCell(this, {"倾  覆", "力  矩"}, {T("(kN"), S(dot2), T("m)")}), 0, 6);
  g->addWidget(HeadingCell(this, {"抗滑安全", "系数"}), 0, 7);
  g->addWidget(HeadingCell(this, {"抗倾安全", "系数"}), 0, 8);
  for (int r = 0; r < rows.size(); ++r) {
    QLabel* name = FormBuilder::MakeLabel({QString(), rows[r]}, this);
    name->setAlignment(Qt::AlignCenter);
    g->addWidget(name, 1 + r, 0);
    for (int c = 0; c < 8; ++c) g->addWidget(ResultBox(this, firstBox + 8 * r + c), 1 + r, 1 + c);
  }
  b.layout()->addLayout(g);
}

void WallResultsWindow::FrictionAngleRow(FormBuilder& b, const QString& phiLabel) {
  QHBoxLayout* phid = b.Row();
  phid->setSpacing(0);
  AddPieces(phid, this, {T("等值摩擦角 "), S(phiLabel), Sub("d"), T("：")});
  phid->addWidget(ResultBox(this, 35));
  AddPieces(phid, this, {T(" 度")});
  phid->addStretch(1);
}

void WallResultsWindow::Buttons(FormBuilder& b, std::function<void()> command3) {
  auto buttons = b.Buttons({{"Command1", "打印计算成果"},
                            {"Command2", "返回程序编制说明"},
                            {"Command3", "返回显示基本资料"},
                            {"Command4", "结束"}});
  b.Finish();
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[2], &QPushButton::clicked, this, std::move(command3));
  connect(buttons[3], &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void WallResultsWindow::ShowResultsFile() {
  ClearMessage();
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  auto name = DataFileName(p_.m.ProjectName, resultsSuffix_);
  if (!name) return;
  const shell::DataFileRead file = shell::ReadProjectFile(*name, resultsFields_);
  if (!file.ok) {
    SetMessage(QString::fromStdString(file.error));
    return;
  }
  const auto texts = boxTexts_(file.fields);
  for (std::size_t i = 0; i < texts.size(); ++i)
    Box(QString("Text%1").arg(i + 1))->setText(QString::fromStdString(texts[i]));
  // The file was written by the computation just made, with the mode in force.
  resultsMode_ = p_.m.WaterStopMode;
}

void WallResultsWindow::ShowNoResults(const QString& why) {
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  SetMessage(QStringLiteral("没有与当前基本资料相符的计算成果：") + why);
}

void WallResultsWindow::WaterStopModeChanged() {
  if (!resultsMode_ || *resultsMode_ == p_.m.WaterStopMode) return;
  resultsMode_.reset();
  ClearBoxes(ResultNames());
  SetMessage(WaterStopChangedMessage);
}

void WallResultsWindow::Command1_Click() { PrintThisWindow(p_.m.ProjectName); }

// The back buttons bring up their target before this window goes, so that
// the program never stands without a window in between.
void WallResultsWindow::Command2_Click() {
  p_.OpenForm1();
  close();
}

void WallResultsWindow::Command4_Click() { p_.EndProgram(); }

}  // namespace ketrova
