// The report out of the window: saved as text (UTF-8), HTML or PDF, or
// printed through the print dialog. Every form sets the report in the
// fixed-pitch font, so the tables of the views stay aligned; on paper no
// line wraps (ui/window/report_print.h).
#pragma once

#include <QString>

class QWidget;

namespace pivora {

enum class ReportFormat { kText, kHtml, kPdf };

// By the name's ending: .html or .htm, .pdf, anything else text.
ReportFormat ReportFormatOfPath(const QString& path);

// Writes `report` to `path` in `format`; the reason on failure.
bool WriteReport(const QString& report, const QString& path, ReportFormat format,
                 QString* reason = nullptr);

// The file dialog, then WriteReport; a failure is shown in a message box.
void SaveReport(QWidget* parent, const QString& report);
// The print dialog, then the pages.
void PrintReport(QWidget* parent, const QString& report);

}  // namespace pivora
