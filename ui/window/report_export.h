// The report out of the window: saved as text (UTF-8), HTML or PDF, or
// printed through the print dialog. Every form sets the report in the
// fixed-pitch font, so the tables of the views stay aligned; print and PDF
// shrink the font until the longest line fits the page's width.
#pragma once

#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace pivora {

enum class ReportFormat { kText, kHtml, kPdf };

// By the name's ending: .html or .htm, .pdf, anything else text.
ReportFormat ReportFormatOfPath(const QString& path);

// The report as a whole HTML page (UTF-8, its lines preformatted).
QString ReportHtml(const QString& report);

// Writes `report` to `path` in `format`; the reason on failure.
bool WriteReport(const QString& report, const QString& path, ReportFormat format,
                 QString* reason = nullptr);

// The file dialog, then WriteReport; a failure is shown in a message box.
void SaveReport(QWidget* parent, const QString& report);
// The print dialog, then the pages.
void PrintReport(QWidget* parent, const QString& report);
// Lays the report out on `device`'s pages.
void PaintReport(const QString& report, QPagedPaintDevice& device);

}  // namespace pivora
