#include "ui/window/report_print.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <vector>

#include "ui/messages.h"
#include "ui/print_layout.h"
#include "ui/window/window_style.h"

namespace pivora {
namespace {

std::vector<PrintLine> PrintLines(const QString& report) {
  std::vector<PrintLine> lines;
  for (const QString& line : report.split(u'\n')) lines.push_back(line.toStdU32String());
  return lines;
}

QFont PrintFont(double points) {
  QFont font = FixedPitchFont();
  font.setPointSizeF(points);
  return font;
}

// The fixed-pitch font at 1 pt on `device`, in points, with a per cent to
// spare for the rounding of glyph positions.
PrintMetrics MetricsOn(QPagedPaintDevice& device) {
  const QFontMetricsF metrics(PrintFont(10), &device);
  const double toPoints = 72.0 / device.logicalDpiY() / 10.0;
  return {metrics.horizontalAdvance(u'0') * toPoints * 1.01, metrics.lineSpacing() * toPoints};
}

PrintArea AreaOf(const QPageLayout& layout) {
  const QRectF area = layout.paintRect(QPageLayout::Point);
  return {area.width(), area.height()};
}

PrintArea UprightArea(const QPageLayout& layout) {
  QPageLayout upright = layout;
  upright.setOrientation(QPageLayout::Portrait);
  return AreaOf(upright);
}

// A4 with margins of 15 mm, in points, and a browser's fixed-pitch font
// (DejaVu Sans Mono is 0.602 wide, Courier 0.6), with room to spare.
constexpr PrintArea kA4{595.28 - 2 * 42.52, 841.89 - 2 * 42.52};
constexpr PrintMetrics kBrowserFont{0.62, 1.25};

}  // namespace

QMarginsF PrintMargins() { return {15, 15, 15, 15}; }

void ProposeOrientation(const QString& report, QPagedPaintDevice& device) {
  const PrintPage page =
      ChoosePrintPage(PrintLines(report), UprightArea(device.pageLayout()), MetricsOn(device));
  device.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

PrintedReport LayOutReport(const QString& report, QPagedPaintDevice& device,
                           bool chooseOrientation) {
  const std::vector<PrintLine> lines = PrintLines(report);
  const PrintMetrics metrics = MetricsOn(device);
  PrintedReport printed;
  if (chooseOrientation) {
    const PrintPage page = ChoosePrintPage(lines, UprightArea(device.pageLayout()), metrics);
    device.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printed.points = page.points;
  } else {
    printed.points = ChoosePrintPoints(lines, AreaOf(device.pageLayout()), metrics);
  }
  const PrintArea area = AreaOf(device.pageLayout());
  const auto pages =
      Paginate(LayOutForPrint(lines, ColumnsAt(area.width, metrics.advance, printed.points)),
               LinesAt(area.height, metrics.lineSpacing, printed.points));
  for (const std::vector<PrintLine>& page : pages) {
    QStringList& text = printed.pages.emplace_back();
    for (const PrintLine& line : page) text.append(QString::fromStdU32String(line));
  }
  return printed;
}

void PaintReport(const QString& report, QPagedPaintDevice& device, bool chooseOrientation) {
  const PrintedReport printed = LayOutReport(report, device, chooseOrientation);
  QPainter painter(&device);
  const QFont font = PrintFont(printed.points);
  painter.setFont(font);
  const QFontMetricsF metrics(font, &device);
  for (std::size_t p = 0; p < printed.pages.size(); ++p) {
    if (p > 0) device.newPage();
    const QStringList& lines = printed.pages[p];
    for (qsizetype k = 0; k < lines.size(); ++k) {
      painter.drawText(
          QPointF(0, metrics.ascent() + static_cast<double>(k) * metrics.lineSpacing()),
          lines[k]);
    }
  }
}

QString ReportHtml(const QString& report) {
  const std::vector<PrintLine> lines = PrintLines(report);
  const PrintPage page = ChoosePrintPage(lines, kA4, kBrowserFont);
  const PrintArea area = page.landscape ? PrintArea{kA4.height, kA4.width} : kA4;
  // A line to spare for the browser's own rounding of the line height.
  const auto pages = Paginate(
      LayOutForPrint(lines, ColumnsAt(area.width, kBrowserFont.advance, page.points)),
      LinesAt(area.height, kBrowserFont.lineSpacing, page.points) - 1);

  QString html = QStringLiteral(
                     "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                     "<title>%1</title>\n<style>\n"
                     "pre { font-family: \"DejaVu Sans Mono\", \"Liberation Mono\", "
                     "\"Courier New\", monospace; }\n"
                     "pre.print { display: none; }\n"
                     "@page { size: A4 %2; margin: 15mm; }\n"
                     "@media print {\n"
                     "  pre.screen { display: none; }\n"
                     "  pre.print { display: block; margin: 0; font-size: %3pt; "
                     "line-height: %4; white-space: pre; break-after: page; }\n"
                     "  pre.print:last-child { break-after: auto; }\n"
                     "}\n</style>\n</head>\n<body>\n<pre class=\"screen\">")
                     .arg(QString::fromUtf8(messages::kReportWindowTitle).toHtmlEscaped(),
                          page.landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"))
                     .arg(page.points)
                     .arg(kBrowserFont.lineSpacing) +
                 report.toHtmlEscaped() + QStringLiteral("</pre>\n");
  for (const std::vector<PrintLine>& pageLines : pages) {
    QStringList text;
    for (const PrintLine& line : pageLines) text.append(QString::fromStdU32String(line));
    html += QStringLiteral("<pre class=\"print\">") + text.join(u'\n').toHtmlEscaped() +
            QStringLiteral("</pre>\n");
  }
  return html + QStringLiteral("</body>\n</html>\n");
}

}  // namespace pivora
