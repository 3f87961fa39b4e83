#include "program.h"

#include <QApplication>

namespace shell {

ProgramBase::ProgramBase() : QObject(QCoreApplication::instance()) {}

void ProgramBase::Track(QWidget* window) {
  windows_.emplace_back(window);
  connect(window, &QObject::destroyed, this, [this] {
    bool any = false;
    for (auto& w : windows_)
      if (w) any = true;
    if (!any) deleteLater();
  });
}

void ProgramBase::EndProgram() {
  for (auto& w : windows_)
    if (w) w->close();
  QCoreApplication::quit();
}

void ProgramBase::BindChoice(QAbstractButton* button, float* value, float v) {
  BindChoice(button, value, v, [this, value, v] { Choose(value, v); });
}

void ProgramBase::BindChoice(QAbstractButton* button, float* value, float v,
                             std::function<void()> click) {
  // Check marks are set from the value alone, not by the buttons' own
  // grouping, so that a choice made in one window shows in the others.
  button->setAutoExclusive(false);
  button->setCheckable(true);
  button->setChecked(*value == v);
  connect(button, &QAbstractButton::clicked, this, std::move(click));
  connect(this, &ProgramBase::choicesChanged, button,
          [button, value, v] { button->setChecked(*value == v); });
}

void ProgramBase::Choose(float* value, float v) {
  *value = v;
  emit choicesChanged();
}

}  // namespace shell
