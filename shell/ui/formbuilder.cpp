#include "formbuilder.h"

#include <QFrame>
#include <QFontMetrics>
#include <QGridLayout>

#include <algorithm>

namespace shell {

FormBuilder::FormBuilder(Form* form) : form_(form), layout_(new QVBoxLayout(form)) {
  layout_->setSizeConstraint(QLayout::SetMinimumSize);
  layout_->setContentsMargins(16, 12, 16, 12);
  layout_->setSpacing(6);
}

QLabel* FormBuilder::MakeLabel(const Run& run, QWidget* parent) {
  auto* l = new QLabel(run.text, parent);
  l->setTextFormat(Qt::PlainText);
  if (!run.name.isEmpty()) l->setObjectName(run.name);
  return l;
}

QLabel* FormBuilder::TableHeading(const Run& run, QWidget* parent) {
  QLabel* h = MakeLabel(run, parent);
  QFont f = h->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 1.2);
  h->setFont(f);
  h->setAlignment(Qt::AlignCenter);
  return h;
}

QLineEdit* FormBuilder::MakeBox(const QString& name, const QString& designText, QWidget* parent) {
  auto* e = new QLineEdit(designText, parent);
  e->setObjectName(name);
  e->setMinimumWidth(72);
  e->setAlignment(Qt::AlignCenter);
  return e;
}

QLabel* FormBuilder::SmallLabel(const Run& run, QWidget* parent, SmallPlace place) {
  QLabel* l = MakeLabel(run, parent);
  QFont f = l->font();
  f.setPointSizeF(f.pointSizeF() * 0.75);
  l->setFont(f);
  l->setAlignment(place == SmallPlace::Superscript ? Qt::AlignTop : Qt::AlignBottom);
  return l;
}

void FormBuilder::FitWrapped(QLabel* label, int width) {
  label->setWordWrap(true);
  label->setFixedWidth(width);
  label->setMinimumHeight(std::max(0, label->heightForWidth(width)));
}

void FormBuilder::SetWrapped(QLabel* label, const QString& text) {
  label->setText(text);
  label->setMinimumHeight(std::max(0, label->heightForWidth(label->maximumWidth())));
}

void FormBuilder::KeepLineHeight(QLabel* label) {
  label->setMinimumHeight(QFontMetrics(label->font()).height());
}

QLabel* FormBuilder::Title(const Run& run) {
  QLabel* l = MakeLabel(run, form_);
  QFont f = l->font();
  f.setPointSizeF(f.pointSizeF() * 1.5);
  f.setBold(true);
  l->setFont(f);
  l->setAlignment(Qt::AlignCenter);
  layout_->addWidget(l);
  return l;
}

void FormBuilder::Line(const std::vector<Run>& runs, bool centred) {
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  if (centred) row->addStretch(1);
  for (const Run& r : runs) row->addWidget(MakeLabel(r, form_));
  row->addStretch(1);
  layout_->addLayout(row);
}

QLabel* FormBuilder::Paragraph(const Run& run) {
  QLabel* l = MakeLabel(run, form_);
  l->setWordWrap(true);
  layout_->addWidget(l);
  return l;
}

void FormBuilder::RegisterBox(const BoxSpec& box) {
  QString heading = box.messageName;
  if (heading.isEmpty()) {
    heading = box.heading.join(QString());
    const QString symbol = box.symbol + box.subscript;
    if (!symbol.trimmed().isEmpty()) heading += " " + symbol;
  }
  form_->SetBoxHeading(box.name, heading.simplified());
  form_->SetBoxDigits(box.name, box.digits);
}

QWidget* FormBuilder::SymbolCell(const BoxSpec& box) {
  auto* cell = new QWidget(form_);
  auto* h = new QHBoxLayout(cell);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(1);
  h->addStretch(1);
  if (!box.symbol.isEmpty() || !box.symbolLabel.isEmpty()) {
    QLabel* sym = MakeLabel({box.symbolLabel, box.symbolAtLoad ? QString() : box.symbol}, cell);
    h->addWidget(sym);
  }
  if (!box.subscript.isEmpty()) {
    h->addWidget(SmallLabel({QString(), box.subscript}, cell), 0, Qt::AlignBottom);
  }
  if (!box.unit.isEmpty()) h->addWidget(MakeLabel({QString(), " " + box.unit}, cell));
  h->addStretch(1);
  return cell;
}

void FormBuilder::ColumnsTable(const TableSpec& table) {
  const int n = static_cast<int>(table.boxes.size());
  const int perLine = table.perLine > 0 ? table.perLine : n;
  int maxHeading = 0;
  for (const auto& b : table.boxes) maxHeading = std::max<int>(maxHeading, b.heading.size());

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(2);
  const bool hasGroups = !table.groups.empty();
  const int rowsPerLine = (hasGroups ? 1 : 0) + maxHeading + 2;
  for (int i = 0; i < n; ++i) {
    const BoxSpec& box = table.boxes[i];
    const int line = i / perLine;
    const int col = i % perLine;
    int row = line * (rowsPerLine + 1) + (hasGroups ? 1 : 0);
    // Heading words sit at the bottom of their cell, so that one-word and
    // two-word headings end on the same line above the symbols.
    const int pad = maxHeading - static_cast<int>(box.heading.size());
    for (int k = 0; k < box.heading.size(); ++k) {
      QLabel* l = MakeLabel({QString(), box.heading[k]}, form_);
      l->setAlignment(Qt::AlignCenter);
      grid->addWidget(l, row + pad + k, col);
    }
    row += maxHeading;
    grid->addWidget(SymbolCell(box), row, col);
    QLineEdit* e = MakeBox(box.name, box.designText, form_);
    if (table.readOnly) e->setReadOnly(true);
    grid->addWidget(e, row + 1, col);
    RegisterBox(box);
  }
  for (const GroupHeading& g : table.groups) {
    const int line = g.firstBox / perLine;
    QLabel* l = MakeLabel({g.name, g.text}, form_);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::NoFrame);
    grid->addWidget(l, line * (rowsPerLine + 1), g.firstBox % perLine, 1, g.boxCount);
  }
  layout_->addLayout(grid);
}

void FormBuilder::RowsTable(const TableSpec& table) {
  const int n = static_cast<int>(table.boxes.size());
  const int groups = table.perLine > 0 ? table.perLine : 1;
  const int perGroup = (n + groups - 1) / groups;
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  for (int i = 0; i < n; ++i) {
    const BoxSpec& box = table.boxes[i];
    const int group = i / perGroup;
    const int row = i % perGroup;
    const int c = group * 5;
    QLabel* h = MakeLabel({QString(), box.heading.join(QString())}, form_);
    grid->addWidget(h, row, c);
    grid->addWidget(SymbolCell(box), row, c + 1);
    QLineEdit* e = MakeBox(box.name, box.designText, form_);
    if (table.readOnly) e->setReadOnly(true);
    grid->addWidget(e, row, c + 2);
    if (group + 1 < groups) grid->setColumnMinimumWidth(c + 3, 24);
    RegisterBox(box);
  }
  layout_->addLayout(grid);
}

void FormBuilder::Table(const TableSpec& table) {
  if (!table.heading.text.isEmpty() || !table.heading.name.isEmpty())
    layout_->addWidget(TableHeading(table.heading, form_));
  if (table.shape == TableShape::Columns)
    ColumnsTable(table);
  else
    RowsTable(table);
}

std::vector<QPushButton*> FormBuilder::Buttons(const std::vector<ButtonSpec>& buttons) {
  std::vector<QPushButton*> made;
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (const ButtonSpec& b : buttons) {
    auto* p = new QPushButton(b.caption, form_);
    p->setObjectName(b.name);
    p->setAutoDefault(false);
    row->addWidget(p);
    row->addStretch(1);
    made.push_back(p);
  }
  layout_->addLayout(row);
  return made;
}

std::vector<QRadioButton*> FormBuilder::Options(const Run& label,
                                                const std::vector<ButtonSpec>& options) {
  std::vector<QRadioButton*> made;
  auto* row = new QHBoxLayout;
  if (!label.text.isEmpty() || !label.name.isEmpty()) row->addWidget(MakeLabel(label, form_));
  for (const ButtonSpec& o : options) {
    auto* r = new QRadioButton(o.caption, form_);
    r->setObjectName(o.name);
    row->addWidget(r);
    made.push_back(r);
  }
  row->addStretch(1);
  layout_->addLayout(row);
  return made;
}

std::vector<QCheckBox*> FormBuilder::Checks(const std::vector<ButtonSpec>& checks) {
  std::vector<QCheckBox*> made;
  for (const ButtonSpec& c : checks) {
    auto* box = new QCheckBox(c.caption, form_);
    box->setObjectName(c.name);
    layout_->addWidget(box);
    made.push_back(box);
  }
  return made;
}

QLineEdit* FormBuilder::LabelledBox(const Run& label, const QString& box, const QString& designText) {
  auto* row = new QHBoxLayout;
  row->addWidget(MakeLabel(label, form_));
  QLineEdit* e = MakeBox(box, designText, form_);
  e->setAlignment(Qt::AlignLeft);
  e->setMinimumWidth(200);
  row->addWidget(e);
  row->addStretch(1);
  layout_->addLayout(row);
  form_->SetBoxHeading(box, label.text);
  return e;
}

std::vector<QCheckBox*> FormBuilder::CaseTable(const std::vector<ButtonSpec>& cases,
                                               const std::vector<std::function<void()>>& clicks) {
  Line({{"Label8", "计算情况选取表"}}, true);
  Line({{"Label3", "[提示] 在“计算情况选取表”中选取一种计算情况"}});
  std::vector<QCheckBox*> boxes = Checks(cases);
  for (std::size_t i = 0; i < boxes.size() && i < clicks.size(); ++i)
    if (clicks[i]) QObject::connect(boxes[i], &QCheckBox::clicked, form_, clicks[i]);
  return boxes;
}

ProjectRowParts FormBuilder::ProjectRow(std::function<void()> option1Click,
                                        std::function<void()> option2Click,
                                        std::function<void()> text1Change) {
  ProjectRowParts parts;
  parts.Text1 = LabelledBox({"Label19", "项目名"}, "Text1");
  auto options = Options({}, {{"Option1", "新计算项目"}, {"Option2", "已计算项目"}});
  parts.Option1 = options[0];
  parts.Option2 = options[1];
  if (text1Change) QObject::connect(parts.Text1, &QLineEdit::textChanged, form_, std::move(text1Change));
  QObject::connect(parts.Option1, &QRadioButton::clicked, form_, std::move(option1Click));
  QObject::connect(parts.Option2, &QRadioButton::clicked, form_, std::move(option2Click));
  return parts;
}

QHBoxLayout* FormBuilder::Row() {
  auto* row = new QHBoxLayout;
  layout_->addLayout(row);
  return row;
}

void FormBuilder::Gap(int pixels) { layout_->addSpacing(pixels); }

QLabel* FormBuilder::Finish() {
  auto* m = new QLabel(form_);
  m->setObjectName("Message");
  m->setWordWrap(true);
  m->setTextFormat(Qt::PlainText);
  m->setStyleSheet("color: #a00000;");
  m->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m->setMinimumHeight(m->fontMetrics().height() * 2);
  layout_->addWidget(m);
  return m;
}

}  // namespace shell
