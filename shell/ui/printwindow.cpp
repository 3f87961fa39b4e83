#include "printwindow.h"

#include "datafile.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace shell {

namespace {

// The window drawn at three times its size, so that the page is sharp.
QImage WindowImage(QWidget* window) {
  constexpr qreal scale = 3.0;
  const QSize size = window->size();
  QImage image(size * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  window->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.end();
  return image;
}

bool PaintPage(QPrinter& printer, const QImage& image) {
  const QSizeF logical = image.deviceIndependentSize();
  printer.setPageOrientation(logical.width() > logical.height() ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const qreal fit = std::min(page.width() / logical.width(), page.height() / logical.height());
  const QSizeF target = logical * fit;
  painter.drawImage(QRectF(QPointF(0, 0), target), image);
  return painter.end();
}

}  // namespace

QString PrintFileName(const QWidget* window, const std::string& projectName) {
  const QString form = window->objectName();
  if (projectName.empty() || !ProjectFileName(projectName, "")) return form + ".pdf";
  return QString::fromStdString(projectName) + "-" + form + ".pdf";
}

PrintOutcome PrintWindow(QWidget* window, const std::string& projectName) {
  PrintOutcome out;
  const QImage image = WindowImage(window);
  const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
  if (!printerInfo.isNull()) {
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    out.ok = PaintPage(printer, image);
    out.message = out.ok ? QStringLiteral("已送往打印机“%1”。").arg(printerInfo.printerName())
                         : QStringLiteral("打印机“%1”无法打印。").arg(printerInfo.printerName());
    return out;
  }
  out.pdfFile = PrintFileName(window, projectName);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setOutputFileName(out.pdfFile);
  out.ok = PaintPage(printer, image);
  const QString where = QDir::current().absoluteFilePath(out.pdfFile);
  out.message = out.ok ? QStringLiteral("本机没有打印机，窗口图像已存为 PDF 文件：%1").arg(where)
                       : QStringLiteral("本机没有打印机，且无法写入 PDF 文件：%1").arg(where);
  return out;
}

}  // namespace shell
