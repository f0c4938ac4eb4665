// The picture as a file's bytes: SVG through Qt's SVG generator, PNG
// through an image, both made in memory.
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "plot/painter/plot_painter.h"

namespace pivora {

bool PlotFileBytes(const GraphicalSolution& plot, const QString& path, QSize size,
                   QByteArray& bytes, QString& error, const SpaceTurn& turn) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const QRectF area(QPointF(0, 0), size);
  bytes.clear();
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (suffix == QStringLiteral("svg")) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(area);
    svg.setResolution(96);
    svg.setTitle(QString::fromLatin1(PlotTitle()));
    svg.setDescription(QString::fromLatin1(PlotDescription()));
    QPainter painter(&svg);
    PaintPlot(painter, plot, area, turn);
    return true;
  }
  if (suffix == QStringLiteral("png")) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPlot(painter, plot, area, turn);
    painter.end();
    return image.save(&buffer, "PNG");
  }
  error = QStringLiteral("das Bild endet auf .svg oder .png.");
  return false;
}

}  // namespace pivora
