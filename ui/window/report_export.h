// The report out of the window: saved as text (UTF-8), HTML or PDF, or
// printed through the print dialog. Every form sets the report in the
// fixed-pitch font, so the tables of the views stay aligned; on paper no
// line wraps (ui/window/report_print.h).
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace pivora {

enum class ReportFormat { kText, kHtml, kPdf };

// By the name's ending: .html or .htm, .pdf, anything else text.
ReportFormat ReportFormatOfPath(const QString& path);
// The format a save dialog's choice stands for: the name's ending where it
// is one of the report's (.txt, .html, .htm, .pdf), else the chosen
// `filter`'s, text for any other.
ReportFormat ChosenReportFormat(const QString& path, const QString& filter);

// The file's bytes of `report` in `format`.
QByteArray ReportBytes(const QString& report, ReportFormat format);

// Writes `report` to `path` in `format`, all or nothing; the German reason
// on failure.
bool WriteReport(const QString& report, const QString& path, ReportFormat format,
                 QString* reason = nullptr);

// The file dialog, then the report written all or nothing in the format
// of the chosen name or filter; a failure is shown in a message box.
void SaveReport(QWidget* parent, const QString& report);
// The print dialog, then the pages.
void PrintReport(QWidget* parent, const QString& report);

}  // namespace pivora
