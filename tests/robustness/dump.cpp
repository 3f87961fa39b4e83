#include "programs.h"
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <cstdio>
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  for (auto& p : robustness::kPrograms) {
    QWidget* f = p.create();
    std::printf("== %s %s\n", p.name, qPrintable(f->objectName()));
    for (auto* w : f->findChildren<QWidget*>()) {
      if (auto* b = qobject_cast<QAbstractButton*>(w))
        std::printf("  %s %s [%s]\n", w->metaObject()->className(), qPrintable(w->objectName()), qPrintable(b->text()));
      else if (auto* e = qobject_cast<QLineEdit*>(w))
        std::printf("  edit %s [%s]%s\n", qPrintable(w->objectName()), qPrintable(e->text()), e->isReadOnly() ? " ro" : "");
    }
  }
}
