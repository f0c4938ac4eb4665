// The pictures of the examples, painted offscreen and probed pixel by pixel:
// the optimum carries the marker, the region the fill and nothing else does.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "plot/painter/plot_painter.h"
#include "plot/tests/example_plot.h"

namespace pivora {
namespace {

const QRectF kArea(0, 0, 800, 600);

GraphicalSolution Example(const char* name) {
  return testing::PlotOfExample(PIVORA_EXAMPLES_DIR, name);
}

struct Painted {
  QImage image;
  PaintedPlot painted;
};

Painted Paint(const GraphicalSolution& plot) {
  Painted out{QImage(kArea.size().toSize(), QImage::Format_RGB32), {}};
  out.image.fill(Qt::white);
  QPainter painter(&out.image);
  out.painted = PaintPlot(painter, plot, kArea);
  return out;
}

QRgb PixelAt(const Painted& p, const GraphicalSolution& plot, const PlanePoint& q) {
  const QPoint at = ScreenPoint(plot, kArea, q).toPoint();
  return p.image.pixel(at);
}

// How many pixels of the image have exactly this colour.
int Count(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

}  // namespace

class PlotPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void workedExample() {
    const GraphicalSolution plot = Example("worked-example.txt");
    const Painted p = Paint(plot);
    QCOMPARE(PixelAt(p, plot, {4, 0}), kOptimumMarker);
    // Inside the region, away from every line: the fill.
    QCOMPARE(PixelAt(p, plot, {1, Rational(1, 2)}), kRegionFill);
    // Beyond NB 1 and beyond NB 2: not the fill.
    QVERIFY(PixelAt(p, plot, {Rational(9, 2), Rational(1, 2)}) != kRegionFill);
    QVERIFY(PixelAt(p, plot, {1, Rational(5, 2)}) != kRegionFill);
    QVERIFY(!p.painted.thinRegion);
    // The vertex under the marker tells its coordinates and Z.
    bool found = false;
    for (const PlotHotspot& h : p.painted.hotspots) {
      if (h.text.startsWith(QStringLiteral("1. Lösung"))) {
        QCOMPARE(h.text, QStringLiteral("1. Lösung, nach Schritt 1: x1 = 4, x2 = 0, Z = 12"));
        found = true;
      }
    }
    QVERIFY(found);
  }

  // Whole-numbered x1 and x2: the integer optimum marked, the lattice points
  // of the region drawn, and hovering a subproblem's optimum names it.
  void branchAndBoundShowsLatticeAndSubproblems() {
    const GraphicalSolution plot =
        testing::PlotOfText("max\n5 4\n1 1 <= 5\n10 6 <= 45\ninteger x1 x2\n");
    QVERIFY(plot.branching.has_value());
    QCOMPARE(plot.branching->lattice.size(), std::size_t{19});
    QCOMPARE(plot.branching->strips.size(), std::size_t{3});
    const Painted p = Paint(plot);
    QCOMPARE(PixelAt(p, plot, {3, 2}), kOptimumMarker);
    QVERIFY(PixelAt(p, plot, {1, 1}) != kRegionFill);  // a lattice dot
    QStringList texts;
    for (const PlotHotspot& h : p.painted.hotspots) texts << h.text;
    QVERIFY2(texts.contains(QStringLiteral("Teilproblem 1 (LP-Relaxation): Zmax = 23.75")),
             qPrintable(texts.join(QStringLiteral(" | "))));
    QVERIFY(texts.contains(QStringLiteral("Teilproblem 4 (aus 2, x2 <= 0): Zmax = 22.5")));
    QCOMPARE(PlotStatusLine(plot), std::string("Ganzzahliges Maximum Z = 23"));
  }

  void alternativeOptimaMarkBothVertices() {
    const GraphicalSolution plot = Example("alternative-optima.txt");
    const Painted p = Paint(plot);
    QCOMPARE(PixelAt(p, plot, {3, 1}), kOptimumMarker);
    QCOMPARE(PixelAt(p, plot, {0, 4}), kOptimumMarker);
    // The optimal edge between them is drawn in the marker's colour, wider
    // than the path of the exchanges that runs along it.
    const QPointF a = ScreenPoint(plot, kArea, {3, 1});
    const QPointF b = ScreenPoint(plot, kArea, {0, 4});
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF normal(-d.y(), d.x());
    const QPointF mid = (a + b) / 2 + normal * 3;
    // The pixel near there whose centre lies 2.5 to 3.5 pixels off the line.
    QPoint beside;
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const QPoint at = mid.toPoint() + QPoint(dx, dy);
        const QPointF centre = QPointF(at) + QPointF(0.5, 0.5) - a;
        const double off = centre.x() * normal.x() + centre.y() * normal.y();
        if (off >= 2.5 && off <= 3.5) beside = at;
      }
    }
    QVERIFY(!beside.isNull());
    QCOMPARE(p.image.pixel(beside), kOptimumMarker);
    QVERIFY(PixelAt(p, plot, {Rational(7, 2), 2}) != kRegionFill);
  }

  void unboundedRegionGoesToTheFrame() {
    const GraphicalSolution plot = Example("unbounded.txt");
    const Painted p = Paint(plot);
    // Far out along x1, just above the axis: still the region.
    const PlanePoint far{plot.x1 - (plot.x1 - plot.x0) / 50, Rational(1, 4) * plot.y1};
    QCOMPARE(PixelAt(p, plot, far), kRegionFill);
    // Above the line -x1 + x2 = 1 near the x2 axis: outside.
    QVERIFY(PixelAt(p, plot, {Rational(1, 10), plot.y1 - (plot.y1 - plot.y0) / 20}) != kRegionFill);
    QVERIFY(Count(p.image, kOptimumMarker) == 0);
  }

  void infeasibleProblemHasNoFill() {
    const GraphicalSolution plot = Example("infeasible.txt");
    const Painted p = Paint(plot);
    QCOMPARE(Count(p.image, kRegionFill), 0);
    QCOMPARE(Count(p.image, kOptimumMarker), 0);
  }

  void aSliverIsWidenedAndNoted() {
    const GraphicalSolution plot = testing::PlotOfText("max\n1 2\n1 1 >= 1\n1 1 <= 1.0000000001\n");
    const Painted p = Paint(plot);
    QVERIFY(p.painted.thinRegion);
    // Halfway along the sliver, the widened stroke covers the pixel.
    QVERIFY(PixelAt(p, plot, {Rational(1, 2), Rational(1, 2)}) != qRgb(255, 255, 255));
  }

  void writesSvgAndPng() {
    const GraphicalSolution plot = Example("worked-example.txt");
    QString error;
    QByteArray text;
    QVERIFY(PlotFileBytes(plot, QStringLiteral("plot.svg"), kPlotFileSize, text, error));
    QVERIFY(text.startsWith("<?xml"));
    QVERIFY(text.contains("<svg"));
    QVERIFY(text.trimmed().endsWith("</svg>"));
    QByteArray png;
    QVERIFY(PlotFileBytes(plot, QStringLiteral("plot.PNG"), kPlotFileSize, png, error));
    const QImage image = QImage::fromData(png, "PNG");
    QCOMPARE(image.size(), kPlotFileSize);
    QCOMPARE(image.pixel(ScreenPoint(plot, QRectF(QPointF(0, 0), kPlotFileSize), {4, 0}).toPoint()),
             kOptimumMarker);
    QByteArray jpg;
    QVERIFY(!PlotFileBytes(plot, QStringLiteral("plot.jpg"), kPlotFileSize, jpg, error));
    QVERIFY(error.contains(QStringLiteral(".svg oder .png")));
  }
};

}  // namespace pivora

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  pivora::PlotPictureTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "plot_picture_test.moc"
