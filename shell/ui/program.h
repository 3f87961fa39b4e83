// One running calculator: its windows and the signal that tells every open
// window a program-wide choice has changed.
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace shell {

class ProgramBase : public QObject {
  Q_OBJECT

 public:
  // The program lives as long as any of its windows; it removes itself once
  // the last one is closed.
  ProgramBase();

  // Load the window if it is not loaded (create it, run its Form_Load), then
  // show it modeless and bring it forward. A loaded window is only brought
  // forward; its load handler does not run again.
  template <class W, class Make>
  W* OpenWindow(QPointer<W>& slot, Make make) {
    if (!slot) {
      W* w = make();
      slot = w;
      Track(w);
      w->Form_Load();
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot.data();
  }

  // Follow a window so that the program ends with the last of them.
  void Track(QWidget* window);

  // Close every window of the program and end it.
  void EndProgram();

  // Bind a check box or option button to a program-wide choice: its click
  // sets *value to `v`, and every bound button of every open window shows a
  // check mark exactly where its value is the one in force, so that the
  // screen and the printed record show the choice that is computed with.
  void BindChoice(QAbstractButton* button, float* value, float v);
  // The same, with the click handled by the window's own handler `click`,
  // which makes the choice through Choose.
  void BindChoice(QAbstractButton* button, float* value, float v, std::function<void()> click);

  // Make a program-wide choice: *value := v, and every open window hears of it.
  void Choose(float* value, float v);

 signals:
  void choicesChanged();

 private:
  std::vector<QPointer<QWidget>> windows_;
};

// Create a program of type P and its main window F (made as F(program)),
// keep the window in the program's slot `mainWindow` and follow it, and run
// its Form_Load where it has one. The program ends with its last window.
//   QWidget* CreateForm1() { return shell::CreateMainWindow<Program, Form1>(&Program::form1); }
template <class P, class F>
F* CreateMainWindow(QPointer<F> P::*mainWindow) {
  auto* program = new P;
  auto* form = new F(*program);
  program->*mainWindow = form;
  program->Track(form);
  if constexpr (requires { form->Form_Load(); }) form->Form_Load();
  return form;
}

}  // namespace shell
