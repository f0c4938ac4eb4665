// The report beyond the memo: in its own window following every solve, at
// the zoom the user chose, and saved as text, HTML and PDF or printed with
// whole lines.
#include <QClipboard>
#include <QFile>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "ui/window/file_actions.h"
#include "ui/window/report_export.h"
#include "ui/window/report_memo.h"
#include "ui/window/report_print.h"
#include "ui/window/report_window.h"
#include "ui/window/window_commands.h"
#include "ui/window/window_settings.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class ReportTest : public QObject {
  Q_OBJECT

 private slots:
  void theReportWindowFollowsEverySolve();
  void theReportIsSavedAsTextHtmlAndPdf();
  void aWideTableauIsPrintedInWholeLines();
};

void ReportTest::theReportWindowFollowsEverySolve() {
  const auto form = StartedWindow();
  QTest::keyClick(form->NVars(), Qt::Key_F4);
  ReportWindow* window = form->Commands().ReportWindowIfOpen();
  QVERIFY(window);
  TypeWorkedExample(*form);
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QTRY_COMPARE(window->Text()->toPlainText(), form->Sol()->toPlainText());
  QVERIFY(window->Text()->toPlainText().contains(QStringLiteral("Zmax = 12")));
  QVERIFY(OneAdvanceWidth(window->Text()->font(), window->Text()->toPlainText()));

  // Strg+C in the window copies the selected report text, not a grid cell.
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
  window->Text()->setFocus();
  window->Text()->selectAll();
  QTest::keyClick(window->Text(), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), form->Sol()->toPlainText());

  // The steps view, chosen by its key, reaches the window at the next solve.
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_1, Qt::ControlModifier);
  QVERIFY(form->Sol()->Views().steps);
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_F9);
  QTRY_VERIFY(window->Text()->toPlainText().startsWith(QStringLiteral("Rechenschritte")));
  QCOMPARE(window->Text()->toPlainText(), form->Sol()->toPlainText());

  // The steps and sensitivity of a 10 x 10 problem fit the width of a wide
  // window without scrolling sideways.
  QString problem = QStringLiteral("max\n");
  for (int j = 1; j <= 10; ++j) problem += QString::number(j % 7 + 1) + u' ';
  for (int i = 1; i <= 10; ++i) {
    problem += u'\n';
    for (int j = 1; j <= 10; ++j) problem += QString::number((i * j) % 9 + 1) + u' ';
    problem += QStringLiteral("<= ") + QString::number(10 * i + 3);
  }
  const QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("zehn.txt")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(problem.toUtf8() + '\n');
  file.close();
  QVERIFY(form->Commands().Files().OpenFile(file.fileName()));
  form->Sol()->SetViews(ReportViews{true, false, true});
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  window->resize(1400, 700);
  QTRY_COMPARE(window->Text()->toPlainText(), form->Sol()->toPlainText());
  QVERIFY(window->Text()->horizontalScrollBar()->maximum() > 0);
  window->FitToWidth();
  QTRY_COMPARE(window->Text()->horizontalScrollBar()->maximum(), 0);
  QVERIFY(window->Text()->font().pixelSize() < ReportWindow::kBasePixelSize);
  window->SetZoom(0);

  // Zoom, size and place are kept for the next window.
  const int size = window->Text()->font().pixelSize();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window->Text(), Qt::Key_Plus, Qt::ControlModifier);
  QTest::keyClick(window->Text(), Qt::Key_Plus, Qt::ControlModifier);
  QCOMPARE(window->Text()->font().pixelSize(), size + 2);
  window->setGeometry(120, 130, 700, 450);
  window->close();
  const auto second = StartedWindow();
  QTest::keyClick(second->NVars(), Qt::Key_F4);
  ReportWindow* again = second->Commands().ReportWindowIfOpen();
  QCOMPARE(again->Text()->font().pixelSize(), size + 2);
  QCOMPARE(again->size(), QSize(700, 450));
}

void ReportTest::theReportIsSavedAsTextHtmlAndPdf() {
  const QString report = QStringLiteral("L\u00d6SUNG:\n\nOptimum: Zmax = 12\n<x> & y");
  QCOMPARE(ReportFormatOfPath(QStringLiteral("bericht.txt")), ReportFormat::kText);
  QCOMPARE(ReportBytes(report, ReportFormat::kText), (report + u'\n').toUtf8());

  QCOMPARE(ReportFormatOfPath(QStringLiteral("bericht.HTML")), ReportFormat::kHtml);
  const QString written = QString::fromUtf8(ReportBytes(report, ReportFormat::kHtml));
  QVERIFY(written.contains(QStringLiteral("<meta charset=\"utf-8\">")));
  QVERIFY(written.contains(QStringLiteral(
      "<pre class=\"screen\">L\u00d6SUNG:\n\nOptimum: Zmax = 12\n&lt;x&gt; &amp; y</pre>")));

  QCOMPARE(ReportFormatOfPath(QStringLiteral("bericht.pdf")), ReportFormat::kPdf);
  QVERIFY(ReportBytes(report, ReportFormat::kPdf).startsWith("%PDF-"));
  const QTemporaryDir dir;
  QString reason;
  QVERIFY(!WriteReport(report, dir.filePath(QStringLiteral("no/such/folder.pdf")),
                       ReportFormat::kPdf, &reason));
  QCOMPARE(reason, QStringLiteral("Den Ordner gibt es nicht."));

  // The name's own ending decides; a name without one takes the filter's.
  const QString pdfFilter = QStringLiteral("PDF (*.pdf)");
  QCOMPARE(ChosenReportFormat(QStringLiteral("bericht.txt"), pdfFilter), ReportFormat::kText);
  QCOMPARE(ChosenReportFormat(QStringLiteral("bericht.2024"), pdfFilter), ReportFormat::kPdf);
  QCOMPARE(ChosenReportFormat(QStringLiteral("bericht"), QStringLiteral("HTML (*.html *.htm)")),
           ReportFormat::kHtml);
}

// Blanks collapsed: the PDF's text keeps the columns' order, not their widths.
static QString Simplified(const QString& line) { return line.simplified(); }

// The steps of a 10 x 10 problem in the PDF: pdftotext reads back exactly
// the lines laid out for each page, so none wrapped, and the step headings
// and sentences stand whole.
void ReportTest::aWideTableauIsPrintedInWholeLines() {
  const auto form = StartedWindow();
  SpinTo(form->NVars(), 10);
  SpinTo(form->NCons(), 10);
  for (int i = 1; i <= 10; ++i) {
    for (int j = 1; j <= 10; ++j) {
      form->NB().SetText(j, i, std::to_string((i * 7 + j * 13) % 17) + ".0" + std::to_string(j));
    }
    form->NB().SetText(12, i, std::to_string(100 + 10 * i));
    form->ZF().SetText(i, 1, std::to_string(i % 7 + 1));
  }
  form->Sol()->SetViews(ReportViews{true, false, true});
  form->SolveClick(form->Solve());
  const QString report = form->Sol()->toPlainText();
  QVERIFY(report.contains(QStringLiteral("Endtableau:")));

  const QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("schritte.pdf"));
  QVERIFY(WriteReport(report, pdf, ReportFormat::kPdf));
  QPdfWriter probe(dir.filePath(QStringLiteral("probe.pdf")));
  probe.setPageSize(QPageSize(QPageSize::A4));
  probe.setPageMargins(PrintMargins(), QPageLayout::Millimeter);
  const PrintedReport printed = LayOutReport(report, probe, true);
  QVERIFY(printed.points >= 7);

  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  QVERIFY2(reader.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
  const QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
  QCOMPARE(pages.size() - 1, static_cast<qsizetype>(printed.pages.size()));
  QStringList shown;
  for (std::size_t p = 0; p < printed.pages.size(); ++p) {
    QStringList read;
    for (const QString& line : pages[static_cast<qsizetype>(p)].split(u'\n')) {
      if (!line.trimmed().isEmpty()) read.append(Simplified(line));
    }
    QStringList laidOut;
    for (const QString& line : printed.pages[p]) {
      if (!line.trimmed().isEmpty()) laidOut.append(Simplified(line));
    }
    QCOMPARE(read, laidOut);
    shown += read;
  }
  for (const QString& line : report.split(u'\n')) {
    if (line.startsWith(QStringLiteral("Schritt ")) || line.startsWith(QStringLiteral("Grund:"))) {
      QVERIFY2(shown.contains(Simplified(line)), qPrintable(line));
    }
  }
}

PIVORA_WINDOW_TEST_MAIN(ReportTest)
#include "report_test.moc"
