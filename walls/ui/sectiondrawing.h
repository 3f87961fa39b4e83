// The picture of the dimension-symbol window: both retaining-wall sections.
#pragma once

#include <QRectF>
#include <QWidget>

class QPainter;

namespace ketrova {

// Draw both sections, scaled to fit `area` with their proportions kept.
void PaintSections(QPainter& painter, const QRectF& area);

// The picture box of the drawing window (Image1): the drawing at the size
// of the window.
class SectionDrawing : public QWidget {
  Q_OBJECT
 public:
  explicit SectionDrawing(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ketrova
