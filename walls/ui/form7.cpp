// The dimension-symbol drawing: both retaining-wall sections with every
// dimension symbol that the data windows use, drawn as vectors so that the
// picture scales with the window and prints sharply.
#include "windows.h"

#include "formbuilder.h"
#include "printwindow.h"
#include "sectiondrawing.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <algorithm>

namespace ketrova {

namespace {

// The drawing's own plane: the picture area of the window, 344 × 511.
constexpr qreal kWidth = 344.0;
constexpr qreal kHeight = 511.0;

// One section drawn in metres: x from the toe tip, y up from the underside
// of the base, mapped onto the drawing plane.
class Sketch {
 public:
  Sketch(QPainter& p, QPointF origin, qreal scale) : p_(p), o_(origin), s_(scale) {}

  QPointF P(qreal x, qreal y) const { return {o_.x() + x * s_, o_.y() - y * s_}; }

  void Outline(const std::vector<QPointF>& metres) {
    QPolygonF poly;
    for (const QPointF& m : metres) poly << P(m.x(), m.y());
    p_.setPen(QPen(Qt::black, 1.4));
    p_.setBrush(QColor(225, 225, 225));
    p_.drawPolygon(poly);
    p_.setBrush(Qt::NoBrush);
  }

  // The backfill surface and light hatching of the fill behind the wall.
  void Fill(const std::vector<QPointF>& metres) {
    QPolygonF poly;
    for (const QPointF& m : metres) poly << P(m.x(), m.y());
    p_.setPen(Qt::NoPen);
    p_.setBrush(QBrush(QColor(150, 120, 80), Qt::BDiagPattern));
    p_.drawPolygon(poly);
    p_.setBrush(Qt::NoBrush);
  }

  void Line(qreal x1, qreal y1, qreal x2, qreal y2, Qt::PenStyle style = Qt::SolidLine,
            QColor colour = Qt::black, qreal width = 0.8) {
    p_.setPen(QPen(colour, width, style));
    p_.drawLine(P(x1, y1), P(x2, y2));
  }

  // A water level: a line with the usual ▽ mark above it.
  void Water(qreal x1, qreal x2, qreal y) {
    const QColor blue(30, 90, 200);
    Line(x1, y, x2, y, Qt::DashLine, blue, 1.0);
    const QPointF c = P((x1 + x2) / 2, y);
    QPolygonF mark;
    mark << QPointF(c.x() - 4, c.y() - 7) << QPointF(c.x() + 4, c.y() - 7) << QPointF(c.x(), c.y() - 1);
    p_.setPen(QPen(blue, 0.8));
    p_.drawPolygon(mark);
  }

  // A symbol with its subscript, centred on a point of the drawing plane.
  void Symbol(QPointF at, const QString& base, const QString& sub) {
    QFont f("Sans Serif");
    f.setPixelSize(11);
    f.setItalic(true);
    QFont fs = f;
    fs.setPixelSize(8);
    fs.setItalic(false);
    const QFontMetricsF m(f), ms(fs);
    const qreal w = m.horizontalAdvance(base) + ms.horizontalAdvance(sub);
    const QPointF left(at.x() - w / 2, at.y() + m.ascent() / 2 - 1);
    p_.setPen(Qt::black);
    p_.setFont(f);
    p_.drawText(left, base);
    if (!sub.isEmpty()) {
      p_.setFont(fs);
      p_.drawText(QPointF(left.x() + m.horizontalAdvance(base), left.y() + 3), sub);
    }
  }

  // A horizontal dimension from x1 to x2 at height y, its symbol above
  // (above = true) or below the line.
  void DimH(qreal x1, qreal x2, qreal y, const QString& base, const QString& sub = {}, bool above = true) {
    const QPointF a = P(x1, y), b = P(x2, y);
    p_.setPen(QPen(Qt::black, 0.6));
    p_.drawLine(a, b);
    Tick(a);
    Tick(b);
    Symbol(QPointF((a.x() + b.x()) / 2, a.y() + (above ? -7 : 8)), base, sub);
  }

  // A vertical dimension from y1 to y2 at x, its symbol to the left or right.
  void DimV(qreal y1, qreal y2, qreal x, const QString& base, const QString& sub = {}, bool left = true) {
    const QPointF a = P(x, y1), b = P(x, y2);
    p_.setPen(QPen(Qt::black, 0.6));
    p_.drawLine(a, b);
    Tick(a);
    Tick(b);
    Symbol(QPointF(a.x() + (left ? -9 : 9), (a.y() + b.y()) / 2), base, sub);
  }

  void Caption(QPointF at, const QString& text) {
    QFont f("Sans Serif");
    f.setPixelSize(12);
    f.setBold(true);
    p_.setFont(f);
    p_.setPen(Qt::black);
    const QFontMetricsF m(f);
    p_.drawText(QPointF(at.x() - m.horizontalAdvance(text) / 2, at.y()), text);
  }

 private:
  // The oblique stroke that ends a dimension line.
  void Tick(QPointF at) {
    p_.setPen(QPen(Qt::black, 0.9));
    p_.drawLine(QPointF(at.x() - 3, at.y() + 3), QPointF(at.x() + 3, at.y() - 3));
  }

  QPainter& p_;
  QPointF o_;
  qreal s_;
};

void GravitySection(QPainter& p) {
  // Proportions of a typical wall (metres).
  const qreal B2 = 0.8, B1 = 2.0, B3 = 1.2, B0 = 0.6, B = B2 + B1 + B3;
  const qreal H1 = 1.0, H2 = 3.5, H3 = 0.5, H = H1 + H2 + H3;
  const qreal h1 = 2.0, h2 = 1.2, d = 0.35;
  Sketch s(p, QPointF(100, 212), 33);
  s.Caption(QPointF(58, 20), QStringLiteral("重力式挡土墙"));
  s.Fill({{B2 + B0, H}, {B + 0.5, H}, {B + 0.5, H3}, {B2 + B1, H3}, {B2 + B0, H3 + H2}});
  s.Outline({{0, 0}, {B, 0}, {B, H3}, {B2 + B1, H3}, {B2 + B0, H3 + H2}, {B2 + B0, H}, {B2, H}, {B2, H3}, {0, H3}});
  s.Line(B2 + B0, H, B + 0.5, H, Qt::SolidLine, QColor(120, 90, 50), 1.2);  // fill surface
  s.Water(B2 + B1 - 0.4, B + 0.5, h1);
  s.Water(-0.9, B2 - 0.05, h2);
  s.Line(0, 0, 0, d, Qt::SolidLine, Qt::black, 2.6);  // the water stop at the toe

  s.DimH(B2, B2 + B0, H + 0.3, "B", "0");
  s.DimH(0, B2, -0.3, "B", "2", false);
  s.DimH(B2, B2 + B1, -0.3, "B", "1", false);
  s.DimH(B2 + B1, B, -0.3, "B", "3", false);
  s.DimH(0, B, -0.85, "B", "", false);
  s.DimV(0, H3, B + 0.75, "H", "3", false);
  s.DimV(H3, H3 + H2, B + 0.75, "H", "2", false);
  s.DimV(H3 + H2, H, B + 0.75, "H", "1", false);
  s.DimV(0, h1, B + 1.35, "h", "1", false);
  s.DimV(0, H, -1.55, "H");
  s.DimV(0, h2, -0.85, "h", "2");
  s.DimV(0, d, -0.3, "d");
}

void SemiGravitySection(QPainter& p) {
  const qreal B4 = 0.8, B5 = 0.6, B3 = 1.6, B6 = 1.0, B = B4 + B5 + B3 + B6;
  const qreal B0 = 0.5, B1 = 0.62, B2 = 1.2, xf = B4 + B5;
  const qreal H4 = 0.5, H5 = 0.9, H3 = 1.5, H2 = 1.5, H1 = 1.5, H = H1 + H2 + H3 + H4;
  const qreal h1 = 1.9, h2 = 1.3, d = 0.35;
  Sketch s(p, QPointF(100, 470), 33);
  s.Caption(QPointF(64, 280), QStringLiteral("半重力式挡土墙"));
  s.Fill({{xf + B0, H}, {B + 0.5, H}, {B + 0.5, H4}, {xf + B3, H4}, {xf + B2, H4 + H3}, {xf + B1, H4 + H3 + H2}});
  s.Outline({{0, 0}, {B, 0}, {B, H4}, {xf + B3, H4}, {xf + B2, H4 + H3}, {xf + B1, H4 + H3 + H2}, {xf + B0, H},
             {xf, H}, {xf, H5}, {B4, H4}, {0, H4}});
  s.Line(xf + B0, H, B + 0.5, H, Qt::SolidLine, QColor(120, 90, 50), 1.2);
  s.Water(xf + B3 - 0.1, B + 0.5, h1);
  s.Water(-0.9, xf - 0.05, h2);
  s.Line(0, 0, 0, d, Qt::SolidLine, Qt::black, 2.6);
  // The widths of the stem at the foot of each back step, across the stem.
  s.Line(xf + B1, H4 + H3 + H2, xf + B1 + 0.25, H4 + H3 + H2, Qt::DotLine);
  s.Line(xf + B2, H4 + H3, xf + B2 + 0.25, H4 + H3, Qt::DotLine);
  // A back of only two slopes (the hint of the data window): its first
  // slope runs straight from the top to the foot of step 2.
  s.Line(xf + B0, H, xf + B2, H4 + H3, Qt::DashLine, Qt::black, 1.0);

  s.DimH(xf, xf + B0, H + 0.3, "B", "0");
  s.DimH(xf, xf + B1, H4 + H3 + H2 - 0.02, "B", "1");
  s.DimH(xf, xf + B2, H4 + H3 - 0.02, "B", "2");
  s.DimH(0, B4, -0.3, "B", "4", false);
  s.DimH(B4, xf, -0.3, "B", "5", false);
  s.DimH(xf, xf + B3, -0.3, "B", "3", false);
  s.DimH(xf + B3, B, -0.3, "B", "6", false);
  s.DimH(0, B, -0.85, "B", "", false);
  s.DimV(0, H4, B + 0.75, "H", "4", false);
  s.DimV(H4, H4 + H3, B + 0.75, "H", "3", false);
  s.DimV(H4 + H3, H4 + H3 + H2, B + 0.75, "H", "2", false);
  s.DimV(H4 + H3 + H2, H, B + 0.75, "H", "1", false);
  s.DimV(0, h1, B + 1.35, "h", "1", false);
  s.DimV(0, H, -1.55, "H");
  s.DimV(0, h2, -0.85, "h", "2");
  s.DimV(0, H5, xf + 0.12, "H", "5", false);
  s.DimV(0, d, -0.3, "d");
}

}  // namespace

void PaintSections(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, Qt::white);
  const qreal fit = std::min(area.width() / kWidth, area.height() / kHeight);
  painter.translate(area.x() + (area.width() - kWidth * fit) / 2, area.y() + (area.height() - kHeight * fit) / 2);
  painter.scale(fit, fit);
  GravitySection(painter);
  painter.setPen(QPen(QColor(160, 160, 160), 0.6, Qt::DashLine));
  painter.drawLine(QPointF(12, 258), QPointF(kWidth - 12, 258));
  SemiGravitySection(painter);
  painter.restore();
}

SectionDrawing::SectionDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName("Image1");
  setMinimumSize(static_cast<int>(kWidth), static_cast<int>(kHeight));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SectionDrawing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintSections(painter, QRectF(rect()));
}

// ---------------------------------------------------------------- Form7

Form7::Form7(Program& program) : Form("Form7", "Form7"), p_(program) {
  shell::FormBuilder b(this);
  b.layout()->addWidget(new SectionDrawing(this), 1);
  auto buttons = b.Buttons({{"Command1", "打印尺寸符号图"}});
  b.Finish();
  connect(buttons[0], &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form7::Form_Load() {}

void Form7::Command1_Click() {
  // The drawing goes to the page as vectors, filling it; where the machine
  // has no printer it becomes a PDF file in the current folder.
  QPrinter printer(QPrinter::HighResolution);
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  QString where;
  if (!info.isNull()) {
    printer.setPrinterName(info.printerName());
  } else {
    where = shell::PrintFileName(this, p_.m.ProjectName);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(where);
  }
  QPainter painter;
  bool ok = painter.begin(&printer);
  if (ok) {
    PaintSections(painter, printer.pageRect(QPrinter::DevicePixel).translated(
                               -printer.pageRect(QPrinter::DevicePixel).topLeft()));
    ok = painter.end();
  }
  if (!info.isNull()) {
    SetMessage(ok ? QStringLiteral("已送往打印机“%1”。").arg(info.printerName())
                  : QStringLiteral("打印机“%1”无法打印。").arg(info.printerName()));
  } else {
    const QString path = QDir::current().absoluteFilePath(where);
    SetMessage(ok ? QStringLiteral("本机没有打印机，尺寸符号图已存为 PDF 文件：%1").arg(path)
                  : QStringLiteral("本机没有打印机，且无法写入 PDF 文件：%1").arg(path));
  }
}

}  // namespace ketrova
