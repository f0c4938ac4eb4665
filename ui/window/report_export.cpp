#include "ui/window/report_export.h"

#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include "files/file_write.h"
#include "ui/messages.h"
#include "ui/window/file_saving.h"
#include "ui/window/report_print.h"

namespace pivora {

ReportFormat ReportFormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QStringLiteral("html") || suffix == QStringLiteral("htm"))
    return ReportFormat::kHtml;
  if (suffix == QStringLiteral("pdf")) return ReportFormat::kPdf;
  return ReportFormat::kText;
}

ReportFormat ChosenReportFormat(const QString& path, const QString& filter) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (QStringList{QStringLiteral("txt"), QStringLiteral("html"), QStringLiteral("htm"),
                  QStringLiteral("pdf")}
          .contains(suffix)) {
    return ReportFormatOfPath(path);
  }
  if (filter.startsWith(QStringLiteral("HTML"))) return ReportFormat::kHtml;
  if (filter.startsWith(QStringLiteral("PDF"))) return ReportFormat::kPdf;
  return ReportFormat::kText;
}

QByteArray ReportBytes(const QString& report, ReportFormat format) {
  if (format != ReportFormat::kPdf) {
    return (format == ReportFormat::kHtml ? ReportHtml(report) : report + u'\n').toUtf8();
  }
  // Made in memory, so that the file is written, and checked, in one piece.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(QString::fromUtf8(messages::kReportWindowTitle));
    writer.setCreator(QStringLiteral("Pivora"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(PrintMargins(), QPageLayout::Millimeter);
    PaintReport(report, writer, true);
  }
  return bytes;
}

bool WriteReport(const QString& report, const QString& path, ReportFormat format, QString* reason) {
  const QByteArray bytes = ReportBytes(report, format);
  const std::optional<std::string> failure =
      WriteWholeFile(QFile::encodeName(path).toStdString(),
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (failure && reason) *reason = QString::fromUtf8(failure->c_str());
  return !failure;
}

void SaveReport(QWidget* parent, const QString& report) {
  QFileDialog dialog(parent, QString::fromUtf8(messages::kSaveReportTitle), QString(),
                     QString::fromUtf8(messages::kSaveReportFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  // The chosen filter gives the ending of a name typed without one.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     if (filter.startsWith(QStringLiteral("HTML")))
                       dialog.setDefaultSuffix(QStringLiteral("html"));
                     else if (filter.startsWith(QStringLiteral("PDF")))
                       dialog.setDefaultSuffix(QStringLiteral("pdf"));
                     else
                       dialog.setDefaultSuffix(QStringLiteral("txt"));
                   });
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString path = dialog.selectedFiles().constFirst();
    SaveBytes(parent, path,
              ReportBytes(report, ChosenReportFormat(path, dialog.selectedNameFilter())));
  }
  if (parent) parent->activateWindow();
}

void PrintReport(QWidget* parent, const QString& report) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromUtf8(messages::kReportWindowTitle));
  printer.setPageMargins(PrintMargins(), QPageLayout::Millimeter);
  ProposeOrientation(report, printer);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() == QDialog::Accepted) PaintReport(report, printer, false);
  if (parent) parent->activateWindow();
}

}  // namespace pivora
