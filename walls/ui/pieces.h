// Lines of labels with symbols and subscripts, as the notes and hints of
// Ketrova's windows are built.
#pragma once

#include "formbuilder.h"

#include <QLabel>
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
    QLabel* l = shell::FormBuilder::MakeLabel({p.name, p.text}, parent);
    if (p.sub) {
      QFont f = l->font();
      f.setPointSizeF(f.pointSizeF() * 0.75);
      l->setFont(f);
      row->addWidget(l, 0, Qt::AlignBottom);
    } else {
      row->addWidget(l);
    }
  }
}

inline void PieceLine(shell::FormBuilder& b, QWidget* parent, const std::vector<Piece>& pieces) {
  QHBoxLayout* row = b.Row();
  row->setSpacing(0);
  AddPieces(row, parent, pieces);
  row->addStretch(1);
}

}  // namespace ketrova
