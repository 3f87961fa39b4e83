#include "form.h"

#include "numbers.h"
#include "printwindow.h"

#include <QLayout>

#include <cmath>
#include <memory>

namespace shell {

Form::Form(const QString& name, const QString& title) : QWidget(nullptr) {
  setObjectName(name);
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);
}

namespace {

// A message that wraps onto more lines than the window has room for would
// squeeze the boxes above it until their text is cut off: a shown window
// grows to the height that its layout needs at its width. (A window not yet
// shown takes that height when it is shown.)
void GrowToFit(QWidget* window) {
  if (!window->isVisible() || !window->layout()) return;
  window->layout()->activate();
  if (!window->hasHeightForWidth()) return;
  const int need = window->heightForWidth(window->width());
  if (need > window->height()) window->resize(window->width(), need);
}

}  // namespace

void Form::SetMessage(const QString& text) {
  if (auto* m = Lbl("Message")) {
    m->setText(text);
    GrowToFit(this);
  }
}

void Form::AddMessage(const QString& text) {
  if (auto* m = Lbl("Message")) {
    m->setText(m->text().isEmpty() ? text : m->text() + "  " + text);
    GrowToFit(this);
  }
}

void Form::ClearMessage() { SetMessage(QString()); }

QString Form::MessageText() const {
  auto* m = Lbl("Message");
  return m ? m->text() : QString();
}

void Form::SetBoxHeading(const QString& box, const QString& heading) { headings_[box] = heading; }

QString Form::BoxHeading(const QString& box) const {
  const QString h = headings_.value(box).simplified();
  return h.isEmpty() ? box : h;
}

void Form::SetBoxDigits(const QString& box, int digits) { digits_[box] = digits; }

std::optional<std::vector<float>> Form::ReadNumbers(const std::vector<QString>& boxes,
                                                    const std::vector<QString>& clearOnFail) {
  std::vector<float> values;
  values.reserve(boxes.size());
  for (const QString& name : boxes) {
    QLineEdit* box = Box(name);
    const QString text = box ? box->text() : QString();
    auto v = TextToSingle(text.toStdString());
    if (!v) {
      ClearBoxes(clearOnFail);
      const QString shown = text.trimmed().isEmpty() ? QStringLiteral("（空白）")
                                                     : QStringLiteral("“%1”").arg(text.trimmed());
      SetMessage(QStringLiteral("“%1”栏中的%2不是数字，请改正后再计算（未保存，未计算）。")
                     .arg(BoxHeading(name), shown));
      if (box) box->setFocus();
      return std::nullopt;
    }
    values.push_back(*v);
  }
  return values;
}

bool Form::ShowResults(const std::vector<std::pair<QString, double>>& results, const QString& what) {
  for (const auto& [name, value] : results) {
    // A value beyond the single range, finite in double, would show as a
    // blank box without a word: it counts as not computed too.
    if (!std::isfinite(value) || !std::isfinite(sgl(RoundTo(value, digits_.value(name, 3))))) {
      for (const auto& r : results)
        if (auto* b = Box(r.first)) b->clear();
      AddMessage(what.isEmpty()
                     ? QStringLiteral("计算中出现除以零或负数开方等无效运算，无法得出成果，请检查基本资料。")
                     : what);
      return false;
    }
  }
  for (const auto& [name, value] : results) {
    if (auto* b = Box(name))
      b->setText(QString::fromStdString(ResultText(value, digits_.value(name, 3))));
  }
  return true;
}

bool Form::ClearBoxes(const std::vector<QString>& boxes) {
  bool held = false;
  for (const QString& name : boxes) {
    if (auto* b = Box(name)) {
      held = held || !b->text().trimmed().isEmpty();
      b->clear();
    }
  }
  return held;
}

QString Form::DataChangedMessage() {
  return QStringLiteral("基本资料已改变，原计算成果已清除，请重新点“显示计算成果”。");
}

void Form::ClearResultsOnEdit(const std::vector<QString>& inputBoxes, std::function<bool()> clearResults) {
  auto clear = std::make_shared<std::function<bool()>>(std::move(clearResults));
  for (const QString& name : inputBoxes) {
    if (QLineEdit* box = Box(name)) {
      connect(box, &QLineEdit::textEdited, this, [this, clear] {
        if ((*clear)()) SetMessage(DataChangedMessage());
      });
    }
  }
}

std::optional<std::string> Form::DataFileName(const std::string& projectName, const char* suffix,
                                              const QString& consequence) {
  auto name = ProjectFileName(projectName, suffix);
  if (!name) AddMessage(QString::fromStdString(BadProjectNameMessage()) + consequence);
  return name;
}

bool Form::SaveInputs(const std::string& projectName, const char* suffix,
                      const std::vector<Line>& lines) {
  auto name = DataFileName(projectName, suffix, QStringLiteral("基本资料未保存。"));
  if (!name) return false;
  FileResult r = WriteProjectFile(*name, lines);
  if (!r) {
    AddMessage(QString::fromStdString(r.error));
    return false;
  }
  return true;
}

std::optional<std::vector<Field>> Form::LoadSavedInputs(const ProjectValues& project,
                                                        const std::string& projectName,
                                                        const char* suffix,
                                                        std::size_t minimumFields) {
  if (project.IsNewProject()) return std::nullopt;
  auto name = DataFileName(projectName, suffix, QStringLiteral("未读入数据文件，各栏保留初始值。"));
  if (!name) return std::nullopt;
  DataFileRead r = ReadProjectFile(*name, minimumFields);
  if (!r.ok) {
    AddMessage(QString::fromStdString(r.error));
    return std::nullopt;
  }
  return std::move(r.fields);
}

void Form::FillBoxes(const std::vector<QString>& boxes, const std::vector<Field>& fields,
                     std::size_t firstField) {
  for (std::size_t i = 0; i < boxes.size() && firstField + i < fields.size(); ++i)
    if (auto* b = Box(boxes[i])) b->setText(QString::fromStdString(fields[firstField + i].AsBoxText()));
}

void Form::SymbolCaptionFill(std::initializer_list<std::pair<const char*, const char*>> captions) {
  for (const auto& [label, caption] : captions)
    if (auto* l = Lbl(QString::fromUtf8(label))) l->setText(QString::fromUtf8(caption));
}

void Form::PrintThisWindow(const std::string& projectName) {
  PrintOutcome out = PrintWindow(this, projectName);
  SetMessage(out.message);
}

}  // namespace shell
