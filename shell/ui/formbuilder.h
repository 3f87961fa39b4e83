// Builds a window from tables: the input table with headings, symbols and
// units, the hint lines, the results table, buttons and options. Every widget
// is named by its control name; layouts keep the reading order of the table.
#pragma once

#include "form.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QGridLayout;

namespace shell {

// A piece of text in a label of its own; `name` is its control name where
// the window gives it one (a symbol label filled at load, say).
struct Run {
  QString name;
  QString text;
};

// One box of a table with what stands around it, e.g.
//   BoxSpec("Text4", {"上游渠道", "流速"}).Sym("V", "1").Unit("(m/s)")
struct BoxSpec {
  QString name;            // "Text1", "Text5(3)"
  QStringList heading;     // heading words, one label each, top to bottom
  QString symbol;          // the symbol ("Q", "V"); empty where there is none
  QString symbolLabel;     // control name of the symbol's label, where it has one
  bool symbolAtLoad = false;  // the symbol label starts blank; the load handler fills it
  QString subscript;       // small text after the symbol ("1" of ξ1)
  QString unit;            // "(m)", "(m³/s)"
  int digits = 3;          // decimals of a result box
  QString designText = " ";
  QString messageName;     // how messages name the box; heading + symbol when empty

  BoxSpec(QString boxName, QStringList headingWords = {})
      : name(std::move(boxName)), heading(std::move(headingWords)) {}
  BoxSpec& Sym(QString s, QString sub = {}) {
    symbol = std::move(s);
    subscript = std::move(sub);
    return *this;
  }
  // The symbol stands in the named label, blank until the load handler fills it.
  BoxSpec& SymLabel(QString label, QString shownSymbol, QString sub = {}) {
    symbolLabel = std::move(label);
    symbolAtLoad = true;
    return Sym(std::move(shownSymbol), std::move(sub));
  }
  BoxSpec& Unit(QString u) {
    unit = std::move(u);
    return *this;
  }
  BoxSpec& Digits(int k) {
    digits = k;
    return *this;
  }
  BoxSpec& Design(QString text) {
    designText = std::move(text);
    return *this;
  }
  BoxSpec& Named(QString text) {
    messageName = std::move(text);
    return *this;
  }
};

// A part of a table's headings that spans several columns ("局 部 损 失 系 数").
struct GroupHeading {
  int firstBox = 0;
  int boxCount = 1;
  QString text;
  QString name;
};

enum class TableShape {
  Columns,  // each box a column: heading words, symbol, unit, then the box
  Rows,     // each box a row: heading, symbol, unit, box
};

struct TableSpec {
  Run heading;                       // {"Label1", "基 本 资 料 表"}
  std::vector<BoxSpec> boxes;
  TableShape shape = TableShape::Columns;
  int perLine = 0;                   // Columns: boxes per line (0 = all); Rows: groups side by side
  std::vector<GroupHeading> groups;  // Columns only
  bool readOnly = false;             // results tables

  TableSpec(Run tableHeading, std::vector<BoxSpec> tableBoxes)
      : heading(std::move(tableHeading)), boxes(std::move(tableBoxes)) {}
};

struct ButtonSpec {
  QString name;
  QString caption;
};

// The widgets of a main window's project row (FormBuilder::ProjectRow).
struct ProjectRowParts {
  QLineEdit* Text1 = nullptr;       // the project name
  QRadioButton* Option1 = nullptr;  // 新计算项目
  QRadioButton* Option2 = nullptr;  // 已计算项目
};

// Where a small label sits beside the text before it.
enum class SmallPlace {
  Subscript,    // low: the "2" of V2
  Superscript,  // high: the "3" of m³, the "2" of a square
};

class FormBuilder {
 public:
  explicit FormBuilder(Form* form);

  // A title line in large type.
  QLabel* Title(const Run& run);
  // A line of labels side by side, left to right (a hint line, a note).
  void Line(const std::vector<Run>& runs, bool centred = false);
  // A paragraph of text that wraps with the window's width.
  QLabel* Paragraph(const Run& run);
  // A table of boxes.
  void Table(const TableSpec& table);
  // A row of buttons.
  std::vector<QPushButton*> Buttons(const std::vector<ButtonSpec>& buttons);
  // A row that starts with a label (may be empty) and holds option buttons.
  std::vector<QRadioButton*> Options(const Run& label, const std::vector<ButtonSpec>& options);
  // A column of check boxes under an optional label.
  std::vector<QCheckBox*> Checks(const std::vector<ButtonSpec>& checks);
  // A box with its label before it, on a line of its own ("项目名" Text1).
  QLineEdit* LabelledBox(const Run& label, const QString& box, const QString& designText = " ");
  // The case table of a main window: the centred heading Label8
  // "计算情况选取表", the hint line Label3
  // "[提示] 在“计算情况选取表”中选取一种计算情况"
  // and a check box per case, top to bottom. clicks[i], where
  // given, is called on a click of cases[i] (the window's Check4_Click...);
  // a program that binds the boxes to a program-wide choice passes none.
  std::vector<QCheckBox*> CaseTable(const std::vector<ButtonSpec>& cases,
                                    const std::vector<std::function<void()>>& clicks = {});
  // The project row of a main window: the label Label19 "项目名" before the
  // project name box Text1 (design text one blank), and under it the options
  // Option1 "新计算项目" and Option2 "已计算项目". A click on an option calls
  // the window's handler (its Option1_Click / Option2_Click, which set
  // ProjectState). `text1Change`, where given, is called on every change of
  // Text1: a program that keeps one project name copies it into ProjectName
  // there; one that copies the name into a window's own name when the window
  // is opened passes none (or its handler that does nothing).
  //   b.ProjectRow([this] { Option1_Click(); }, [this] { Option2_Click(); },
  //                [this] { Text1_Change(); });
  ProjectRowParts ProjectRow(std::function<void()> option1Click, std::function<void()> option2Click,
                             std::function<void()> text1Change = {});
  // A horizontal row for the window's own widgets.
  QHBoxLayout* Row();
  // Space between blocks.
  void Gap(int pixels = 8);
  // The message line; ends the window.
  QLabel* Finish();

  QVBoxLayout* layout() const { return layout_; }

  // Helpers that make single named widgets.
  static QLabel* MakeLabel(const Run& run, QWidget* parent);
  static QLineEdit* MakeBox(const QString& name, const QString& designText, QWidget* parent);
  // The heading of a table: bold, a fifth larger than the window's type,
  // centred.
  static QLabel* TableHeading(const Run& run, QWidget* parent);

  // Label helpers, for windows that lay out their own rows.
  // A label in small type (three quarters of the window's), aligned low as a
  // subscript or high as a superscript of the label before it in a row:
  //   row->addWidget(FormBuilder::MakeLabel({"Label6", "V"}, this));
  //   row->addWidget(FormBuilder::SmallLabel({QString(), "2"}, this));
  static QLabel* SmallLabel(const Run& run, QWidget* parent, SmallPlace place = SmallPlace::Subscript);
  // A label that wraps its text at a fixed width and is as tall as the text
  // needs, so that no line of it is cut off.
  static void FitWrapped(QLabel* label, int width);
  // Set the text of a label made by FitWrapped (one filled at load or by a
  // computation) and fit its height to the new text.
  static void SetWrapped(QLabel* label, const QString& text);
  // A label that keeps one line's height while it is blank (one filled at
  // load or by a computation), so that what stands under it does not move.
  static void KeepLineHeight(QLabel* label);

 private:
  QWidget* SymbolCell(const BoxSpec& box);
  void ColumnsTable(const TableSpec& table);
  void RowsTable(const TableSpec& table);
  void RegisterBox(const BoxSpec& box);

  Form* form_;
  QVBoxLayout* layout_;
};

}  // namespace shell
