#include "casewindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace dorvesk {

using shell::FormBuilder;
using shell::TableSpec;

namespace {

// The grid layout below `layout` that holds `w`, with its cell.
QGridLayout* GridOf(QLayout* layout, QWidget* w, int& row, int& col) {
  if (!layout) return nullptr;
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    const int index = grid->indexOf(w);
    if (index >= 0) {
      int rs = 0, cs = 0;
      grid->getItemPosition(index, &row, &col, &rs, &cs);
      return grid;
    }
  }
  for (int i = 0; i < layout->count(); ++i)
    if (QGridLayout* g = GridOf(layout->itemAt(i)->layout(), w, row, col)) return g;
  return nullptr;
}

}  // namespace

void PrefixOneSlash(shell::Form* form, const QString& name) {
  QLineEdit* box = form->Box(name);
  int row = 0, col = 0;
  QGridLayout* grid = box ? GridOf(form->layout(), box, row, col) : nullptr;
  if (!grid) return;
  grid->removeWidget(box);
  auto* cell = new QWidget(form);
  auto* h = new QHBoxLayout(cell);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(2);
  h->addWidget(FormBuilder::MakeLabel({QString(), "1/"}, cell));
  box->setParent(cell);
  h->addWidget(box, 1);
  grid->addWidget(cell, row, col);
}

ChannelCulvertWindow::ChannelCulvertWindow(const CaseWindowLayout& layout, shell::ProgramBase& program,
                                           const shell::ProjectValues& project, const std::string& projectName,
                                           const char* dataSuffix)
    : Form(layout.name, layout.title),
      program_(program),
      project_(project),
      projectName_(projectName),
      dataSuffix_(dataSuffix) {
  for (const auto& b : layout.inputs) inputs_.push_back(b.name);
  for (const auto& b : layout.results) results_.push_back(b.name);
  for (const auto& [label, text] : layout.symbols)
    symbols_.push_back({QString::fromUtf8(label), QString::fromUtf8(text)});
  symbols_.push_back({"Label70", layout.label70});
  symbols_.push_back({"Label79", "～"});

  FormBuilder b(this);
  TableSpec inputs{{"Label1", "基 本 资 料 表"}, layout.inputs};
  inputs.perLine = 4;
  b.Table(inputs);
  b.Gap(6);
  b.Line({{"Label50", "说明：  进口局部损失系数值可采用 0.1"}, {"Label70", ""}, {"Label51", " 0.2；"}});
  b.Line({{"Label52", "        出口局部损失系数值可采用 0.3"}, {"Label79", ""}, {"Label53", " 0.5；"}});
  b.Line({{"Label54", "        混凝土糙率值可采用 0.014 。"}});
  b.Gap(6);
  auto compute = b.Buttons({{"Command2", "显示计算成果"}});
  b.Gap(6);
  TableSpec results{{"Label10", "计 算 成 果 表 "}, layout.results};
  results.readOnly = true;
  b.Table(results);
  b.Gap(6);
  auto buttons = b.Buttons({{"Command1", "打印基本资料及计算成果"}, {"Command3", "结 束 计 算"}});
  if (layout.hintLine) b.Line({{"Label15", " "}}, true);
  b.Finish();
  for (const QString& box : layout.afterOneSlash) PrefixOneSlash(this, box);

  // Results (and the hint line's verdict) are not left beside inputs that
  // the user has changed since they were computed.
  ClearResultsOnEdit(inputs_, [this] {
    bool shown = ClearBoxes(results_);
    if (QLabel* hint = Lbl("Label15")) {
      shown = shown || !hint->text().trimmed().isEmpty();
      hint->clear();
    }
    return shown;
  });

  connect(compute[0], &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void ChannelCulvertWindow::FillSymbols() {
  for (const auto& [label, text] : symbols_)
    if (QLabel* l = Lbl(label)) l->setText(text);
}

void ChannelCulvertWindow::Form_Load() {
  FillSymbols();
  if (auto fields = LoadSavedInputs(project_, projectName_, dataSuffix_, inputs_.size()))
    FillBoxes(inputs_, *fields);
}

void ChannelCulvertWindow::Command1_Click() { PrintThisWindow(projectName_); }

void ChannelCulvertWindow::Command3_Click() { program_.EndProgram(); }

}  // namespace dorvesk
