#include "ui/window/report_export.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cerrno>

#include "files/file_error.h"
#include "ui/messages.h"
#include "ui/window/window_style.h"

namespace pivora {
namespace {

QFont FixedPitchFontAt(qreal pointSize) {
  QFont font = FixedPitchFont();
  font.setPointSizeF(pointSize);
  return font;
}

// The largest size up to 10 pt at which the longest line fits `width`
// (device pixels at `resolution`), but not below 5 pt; longer lines wrap.
qreal FittingPointSize(const QString& report, qreal width, int resolution) {
  qsizetype longest = 1;
  for (const QStringView line : QStringView(report).split(u'\n')) {
    longest = std::max(longest, line.size());
  }
  const QFont probe = FixedPitchFontAt(10);
  // The advance of one character at 10 pt, in points.
  const qreal advance =
      QFontMetricsF(probe).horizontalAdvance(u'0') * 72.0 / QFontMetricsF(probe).fontDpi();
  const qreal widthPoints = width * 72.0 / resolution;
  return std::clamp(10.0 * widthPoints / (advance * static_cast<qreal>(longest) * 1.02), 5.0, 10.0);
}

}  // namespace

ReportFormat ReportFormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QStringLiteral("html") || suffix == QStringLiteral("htm"))
    return ReportFormat::kHtml;
  if (suffix == QStringLiteral("pdf")) return ReportFormat::kPdf;
  return ReportFormat::kText;
}

QString ReportHtml(const QString& report) {
  return QStringLiteral(
             "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
             "<title>%1</title>\n</head>\n<body>\n<pre>")
             .arg(QString::fromUtf8(messages::kReportWindowTitle).toHtmlEscaped()) +
         report.toHtmlEscaped() + QStringLiteral("</pre>\n</body>\n</html>\n");
}

void PaintReport(const QString& report, QPagedPaintDevice& device) {
  const QPageLayout layout = device.pageLayout();
  const QRectF page = layout.paintRectPixels(device.logicalDpiX());
  QTextDocument document;
  document.setDocumentMargin(0);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(option);
  document.setDefaultFont(
      FixedPitchFontAt(FittingPointSize(report, page.width(), device.logicalDpiX())));
  document.setPlainText(report);
  document.print(&device);
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
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    PaintReport(report, writer);
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
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() == QDialog::Accepted) PaintReport(report, printer);
  if (parent) parent->activateWindow();
}

}  // namespace pivora
