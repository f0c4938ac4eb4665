// Draws a graphical solution onto a QPainter: the one painter of the
// window and of pivora-solve --plot, so both show the same picture. The
// exact coordinates become screen units here and nowhere earlier.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

#include "plot/graphical_solution.h"

class QPainter;

namespace pivora {

// The colours a reader (and a test) tells the parts apart by.
inline constexpr QRgb kRegionFill = qRgb(196, 222, 247);
inline constexpr QRgb kOptimumMarker = qRgb(214, 39, 40);
inline constexpr QRgb kPathColour = qRgb(230, 135, 0);
inline constexpr QRgb kObjectiveColour = qRgb(0, 128, 60);

// A point of the picture with what hovering it tells (Latin-1 turned into
// text): its names ("1. Lösung", "Start", "nach Schritt 2") and its
// coordinates with Z.
struct PlotHotspot {
  QPointF at;
  QString text;
};

struct PaintedPlot {
  std::vector<PlotHotspot> hotspots;
  bool thinRegion = false;  // the region was widened to a visible stroke
};

// How the picture in space is turned towards the viewer, in degrees: about
// the x3 axis from the x1 axis towards x2, and up from the x1-x2 plane. The
// fixed view of pivora-solve --plot and of a new window.
struct SpaceTurn {
  double azimuth = 30;
  double elevation = 25;
  friend bool operator==(const SpaceTurn&, const SpaceTurn&) = default;
};

// Where a point of the plane lands in `area` for `plot`.
QPointF ScreenPoint(const GraphicalSolution& plot, const QRectF& area, const PlanePoint& p);

// Paints the whole picture into `area`: title and status, axes with ticks,
// the region, the constraint lines, the objective line, the path, the
// optima, the notes; a picture in space as `turn` turns it.
PaintedPlot PaintPlot(QPainter& painter, const GraphicalSolution& plot, const QRectF& area,
                      const SpaceTurn& turn = {});

// The picture at `size` as the bytes of an SVG file (for `path` ending
// ".svg") or a PNG file (".png"), any case; the caller writes them. False
// with a German reason in `error` for any other ending. A picture in space
// as `turn` turns it.
bool PlotFileBytes(const GraphicalSolution& plot, const QString& path, QSize size,
                   QByteArray& bytes, QString& error, const SpaceTurn& turn = {});

// The picture's size in files written without a window.
inline constexpr QSize kPlotFileSize{800, 600};

}  // namespace pivora
