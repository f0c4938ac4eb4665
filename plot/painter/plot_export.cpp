// The picture as a file: SVG through Qt's SVG generator, PNG through an image.
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "plot/painter/plot_painter.h"

namespace pivora {

bool WritePlotFile(const GraphicalSolution& plot, const QString& path, QSize size, QString& error) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const QRectF area(QPointF(0, 0), size);
  if (suffix == QStringLiteral("svg")) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(area);
    svg.setResolution(96);
    svg.setTitle(QString::fromLatin1(PlotTitle()));
    QPainter painter;
    if (!painter.begin(&svg)) {
      error = QStringLiteral("%1 lässt sich nicht schreiben.").arg(path);
      return false;
    }
    PaintPlot(painter, plot, area);
    painter.end();
    return true;
  }
  if (suffix == QStringLiteral("png")) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPlot(painter, plot, area);
    painter.end();
    if (!image.save(path, "PNG")) {
      error = QStringLiteral("%1 lässt sich nicht schreiben.").arg(path);
      return false;
    }
    return true;
  }
  error = QStringLiteral("%1: das Bild endet auf .svg oder .png.").arg(path);
  return false;
}

}  // namespace pivora
