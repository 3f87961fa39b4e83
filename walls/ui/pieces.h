// Lines of labels with symbols and subscripts, as the notes and hints of
// Ketrova's windows are built.
#pragma once

#include "formbuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QString>

#include <vector>

namespace ketrova {

// A piece of a line: plain text, a symbol label that the load handler
// fills (named, starting blank), or a small subscript.
struct Piece {
  QString name;
  QString text;
  bool sub = false;
};
inline Piece T(const QString& text) { return {QString(), text, false}; }
inline Piece S(const QString& label) { return {label, QString(), false}; }
inline Piece Sub(const QString& text) { return {QString(), text, true}; }

// The labels of one line, left to right, into `row`.
inline void AddPieces(QBoxLayout* row, QWidget* parent, const std::vector<Piece>& pieces) {
  for (const Piece& p : pieces) {
    if (p.sub)
      row->addWidget(shell::FormBuilder::SmallLabel({p.name, p.text}, parent), 0, Qt::AlignBottom);
    else
      row->addWidget(shell::FormBuilder::MakeLabel({p.name, p.text}, parent));
  }
}

inline void PieceLine(shell::FormBuilder& b, QWidget* parent, const std::vector<Piece>& pieces) {
  QHBoxLayout* row = b.Row();
  row->setSpacing(0);
  AddPieces(row, parent, pieces);
  row->addStretch(1);
}

// The water-stop hint and options of both retaining-wall data windows.
inline constexpr const char* WaterStopHint = "[提 示] 选择前趾与铺盖间是否设有止水：";
inline constexpr const char* NoWaterStopCaption = "墙前趾与铺盖间无止水(墙底扬压力由地下水及墙前水深确定)";
inline constexpr const char* WaterStopCaption =
    "墙前趾与铺盖间设有止水(墙底扬压力仅由墙后地下水位确定，产生相当于地下水水头的均布扬压力)";
// What a results window says when the water-stop choice changes after the
// computation whose results it showed.
inline constexpr const char* WaterStopChangedMessage =
    "止水选择已改变，原计算成果已清除，请在基本资料窗口重新点“显示计算成果”。";


// Results tables: a column heading (lines of caption, then a line of
// pieces such as a symbol and unit), a read-only result box, a table title.
// A column heading: lines of caption, then a line of pieces (symbol, unit).
inline QWidget* HeadingCell(QWidget* parent, const QStringList& lines, const std::vector<Piece>& last = {}) {
  auto* cell = new QWidget(parent);
  auto* v = new QVBoxLayout(cell);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);
  v->addStretch(1);
  for (const QString& line : lines) {
    QLabel* l = shell::FormBuilder::MakeLabel({QString(), line}, cell);
    l->setAlignment(Qt::AlignCenter);
    v->addWidget(l);
  }
  if (!last.empty()) {
    auto* h = new QHBoxLayout;
    h->setSpacing(0);
    h->addStretch(1);
    AddPieces(h, cell, last);
    h->addStretch(1);
    v->addLayout(h);
  }
  return cell;
}

inline QLineEdit* ResultBox(QWidget* parent, int number) {
  QLineEdit* e = shell::FormBuilder::MakeBox(QString("Text%1").arg(number), " ", parent);
  e->setReadOnly(true);
  e->setMinimumWidth(76);
  return e;
}

inline QLabel* TableHeading(QWidget* parent, const QString& text) {
  return shell::FormBuilder::TableHeading({QString(), text}, parent);
}


// The boxes of a table of rows given in reading order (left to right, then
// down), in the order the table builder fills its side-by-side groups.
inline std::vector<shell::BoxSpec> InRowOrder(const std::vector<shell::BoxSpec>& boxes, std::size_t perLine) {
  std::vector<shell::BoxSpec> out;
  for (std::size_t g = 0; g < perLine; ++g)
    for (std::size_t i = g; i < boxes.size(); i += perLine) out.push_back(boxes[i]);
  return out;
}

}  // namespace ketrova
