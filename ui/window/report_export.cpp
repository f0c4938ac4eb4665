#include "ui/window/report_export.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>

#include "files/file_error.h"
#include "ui/messages.h"
#include "ui/window/report_print.h"

namespace pivora {

ReportFormat ReportFormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QStringLiteral("html") || suffix == QStringLiteral("htm"))
    return ReportFormat::kHtml;
  if (suffix == QStringLiteral("pdf")) return ReportFormat::kPdf;
  return ReportFormat::kText;
}

// The reason of a failure is the operating system's, in German.
bool WriteReport(const QString& report, const QString& path, ReportFormat format, QString* reason) {
  errno = 0;
  const auto failed = [reason] {
    if (reason) *reason = QString::fromUtf8(GermanFileError(errno ? errno : EIO, true).c_str());
    return false;
  };
  if (format == ReportFormat::kPdf) {
    // QPdfWriter says nothing of a file it cannot write: try it first.
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) return failed();
    probe.close();
    QPdfWriter writer(path);
    writer.setTitle(QString::fromUtf8(messages::kReportWindowTitle));
    writer.setCreator(QStringLiteral("Pivora"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(PrintMargins(), QPageLayout::Millimeter);
    PaintReport(report, writer, true);
    return true;
  }
  const QByteArray bytes =
      (format == ReportFormat::kHtml ? ReportHtml(report) : report + u'\n').toUtf8();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return failed();
  }
  return true;
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
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  QString reason;
  if (!WriteReport(report, path, ReportFormatOfPath(path), &reason)) {
    QMessageBox::warning(
        parent, QStringLiteral("Pivora"),
        QString::fromUtf8(messages::CannotSaveReport(QFileInfo(path).fileName().toStdString(),
                                                     reason.toStdString())
                              .c_str()));
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
