#include "benchsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

namespace benchsupport {

BoxTexts Boxes(const QStringList& names, const QStringList& texts) {
  BoxTexts boxes;
  for (qsizetype i = 0; i < names.size() && i < texts.size(); ++i) boxes.push_back({names[i], texts[i]});
  return boxes;
}

BoxTexts NumberedBoxes(const QStringList& texts, int first) {
  BoxTexts boxes;
  for (qsizetype i = 0; i < texts.size(); ++i)
    boxes.push_back({QString("Text%1").arg(first + static_cast<int>(i)), texts[i]});
  return boxes;
}

namespace {

void CloseAllWindows() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Set the boxes and click the buttons of `root`; false (with the name of
// what is missing in `missing`) where one is not there.
bool Fill(QWidget* root, const BoxTexts& boxes, QString& missing) {
  for (const auto& [name, text] : boxes) {
    auto* box = root->findChild<QLineEdit*>(name);
    if (!box) {
      missing = root->objectName() + "." + name;
      return false;
    }
    box->setText(text);
  }
  return true;
}

bool ClickAll(QWidget* root, const std::vector<QString>& buttons, QString& missing) {
  for (const QString& name : buttons) {
    auto* button = root->findChild<QAbstractButton*>(name);
    if (!button) {
      missing = root->objectName() + "." + name;
      return false;
    }
    button->click();
  }
  return true;
}

QWidget* TopLevel(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) return w;
  return nullptr;
}

}  // namespace

void TimeComputeClick(benchmark::State& state, QWidget* (*createForm1)(), const ComputeClick& click) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QString missing;
  QWidget* form1 = createForm1();
  QWidget* window = nullptr;
  QAbstractButton* compute = nullptr;
  if (Fill(form1, click.form1Boxes, missing) && ClickAll(form1, click.form1Clicks, missing)) {
    window = TopLevel(click.window);
    if (!window) missing = click.window;
  }
  if (window && Fill(window, click.boxes, missing) && ClickAll(window, click.windowClicks, missing)) {
    compute = window->findChild<QAbstractButton*>(click.compute);
    if (!compute) missing = click.window + "." + click.compute;
  }
  if (compute) {
    for (auto _ : state) compute->click();
  } else {
    state.SkipWithError(("no " + missing).toStdString().c_str());
  }
  CloseAllWindows();
  QDir::setCurrent(previous);
}

}  // namespace benchsupport

// The benchmark main: the windows run on the offscreen platform unless
// another is asked for.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
