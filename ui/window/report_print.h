// The report on paper: the pages of the PDF and the printout, and the print
// version the HTML export carries for a browser, all laid out by
// LayOutForPrint (ui/print_layout.h) so that no line wraps.
#pragma once

#include <QMarginsF>
#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;

namespace pivora {

// The page margins of the PDF and the printout, in millimetres.
QMarginsF PrintMargins();

// The report's lines page by page, as PaintReport paints them, and the size
// of their font; turns the device where `chooseOrientation`, as PaintReport.
struct PrintedReport {
  double points = 10;
  std::vector<QStringList> pages;
};
PrintedReport LayOutReport(const QString& report, QPagedPaintDevice& device,
                           bool chooseOrientation);

// Lays the report out on `device`'s pages in the fixed-pitch font. Where
// `chooseOrientation`, the device is turned to landscape where that saves
// column blocks (a PDF); else its orientation stays (a printer whose dialog
// the user has seen) and only the font size is chosen.
void PaintReport(const QString& report, QPagedPaintDevice& device, bool chooseOrientation);

// Turns `device` as PaintReport would choose; for the print dialog to show.
void ProposeOrientation(const QString& report, QPagedPaintDevice& device);

// The report as a whole HTML page (UTF-8): its lines preformatted on the
// screen, and for a browser's print the same pages as the PDF on A4.
QString ReportHtml(const QString& report);

}  // namespace pivora
