// The window's commands as a user finds them: German dialogs, the context
// menu whose entries are the very actions of the keys, the report in its
// own window following every solve, its export, and a paste from a German
// spreadsheet.
#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QLocale>
#include <cstdlib>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "ui/window/command_menu.h"
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

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void theToolkitSpeaksGerman();
  void everyMenuEntryIsTheActionOfItsKey();
  void aRightClickOnAGridHeadingOpensTheMenu();
  void aVariableHeadingMarksItWholeInOneUndoStep();
  void newEmptiesTheProblemInOneUndoStep();
  void theReportWindowFollowsEverySolve();
  void theReportIsSavedAsTextHtmlAndPdf();
  void aWideTableauIsPrintedInWholeLines();
  void escapeClosesTheHelpTheReportAndTheAbout();
  void decimalCommasArePastedAsPointsOnYes();
  void damagedSettingsFallBackToTheDefaults();
};

static QList<QAction*> Entries(QMenu* menu) {
  QList<QAction*> entries;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    if (QMenu* group = action->menu()) {
      entries += Entries(group);
    } else {
      entries.append(action);
    }
  }
  return entries;
}

void CommandsTest::theToolkitSpeaksGerman() {
  QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
  QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
  QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("Speichern"));
  QCOMPARE(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S).toString(QKeySequence::NativeText),
           QStringLiteral("Strg+Umschalt+S"));
  // The file dialog's dates and sizes, whatever locale the test runs under;
  // the C library's numbers (GLPK's readers) keep the decimal point.
  QCOMPARE(QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat),
           QStringLiteral("07.12.26"));
  QCOMPARE(QLocale::system().formattedDataSize(22650), QStringLiteral("22,12 KiB"));
  QCOMPARE(std::strtod("1.5", nullptr), 1.5);
}

// Each entry is the action that holds its keys in the window, so the menu
// and the keys cannot drift apart; each shows its key.
void CommandsTest::everyMenuEntryIsTheActionOfItsKey() {
  const auto form = StartedWindow();
  std::unique_ptr<QMenu> menu(form->Commands().Menu().Build());
  QStringList groups;
  for (QAction* group : menu->actions()) groups.append(group->text());
  QCOMPARE(groups, (QStringList{"Datei", "Bearbeiten", "Ansicht", "Hilfe"}));
  const QList<QAction*> entries = Entries(menu.get());
  QStringList texts;
  for (QAction* entry : entries) {
    texts.append(entry->text());
    if (entry->text() == QStringLiteral("(keine)") ||
        entry->text() == QStringLiteral("\u00dcber Pivora")) {
      continue;
    }
    QVERIFY2(!entry->shortcut().isEmpty(), qPrintable(entry->text()));
    // F6 opens the picture's window even where its entry is disabled, to say
    // why: a shortcut of its own holds that key.
    if (entry->text() == QStringLiteral("Grafische L\u00f6sung")) continue;
    QVERIFY2(form->actions().contains(entry), qPrintable(entry->text()));
    QVERIFY(entry->isShortcutVisibleInContextMenu());
  }
  QCOMPARE(texts, (QStringList{"Neu",
                               "\u00d6ffnen \u2026",
                               "(keine)",
                               "Speichern",
                               "Speichern unter \u2026",
                               "Bericht speichern \u2026",
                               "Bericht drucken \u2026",
                               "R\u00fcckg\u00e4ngig",
                               "Wiederholen",
                               "Kopieren",
                               "Einf\u00fcgen",
                               "Alle Variablen ganzzahlig",
                               "Keine ganzzahlig",
                               "Rechenschritte anzeigen",
                               "Als Br\u00fcche anzeigen",
                               "Sensitivit\u00e4t anzeigen",
                               "Verzweigungsbaum anzeigen",
                               "Duales Problem anzeigen",
                               "Bericht im eigenen Fenster",
                               "Grafische L\u00f6sung",
                               "Selbst rechnen",
                               "Tastenk\u00fcrzel und Eingaberegeln",
                               "\u00dcber Pivora"}));

  // The key and the entry do the same: F4 and the entry open the report
  // window, F1 and the entry the help.
  const auto entry = [&entries](const char* text) {
    for (QAction* e : entries)
      if (e->text() == QString::fromUtf8(text)) return e;
    return static_cast<QAction*>(nullptr);
  };
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_F4);
  QVERIFY(form->Commands().ReportWindowIfOpen() &&
          form->Commands().ReportWindowIfOpen()->isVisible());
  form->Commands().ReportWindowIfOpen()->close();
  entry("Bericht im eigenen Fenster")->trigger();
  QVERIFY(form->Commands().ReportWindowIfOpen()->isVisible());
  QVERIFY(form->Commands().Action(Command::kHelp)->shortcut() == QKeySequence(Qt::Key_F1));
  QVERIFY(form->Commands().Action(Command::kReportWindow) == entry("Bericht im eigenen Fenster"));
}

void CommandsTest::aRightClickOnAGridHeadingOpensTheMenu() {
  const auto form = StartedWindow();
  for (QWidget* widget : {static_cast<QWidget*>(form->NBGrid()->horizontalHeader()->viewport()),
                          form->ZFGrid()->Editor(), static_cast<QWidget*>(form->lbl2()),
                          static_cast<QWidget*>(form.get())}) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = form->findChild<QMenu*>(QStringLiteral("commandMenu"))) != nullptr &&
                menu->isVisible());
    menu->close();
    QTRY_VERIFY(form->findChild<QMenu*>(QStringLiteral("commandMenu")) == nullptr);
  }
}

// The menu of x2's heading in ZF starts with "x2 ganzzahlig"; checking it
// marks x2 in both grids' headings, as one undo step, and so does "Alle
// Variablen ganzzahlig".
void CommandsTest::aVariableHeadingMarksItWholeInOneUndoStep() {
  const auto form = StartedWindow();
  QHeaderView* header = form->ZFGrid()->horizontalHeader();
  const QPoint at(header->sectionViewportPosition(1) + 5, 5);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
  QApplication::sendEvent(header->viewport(), &event);
  QMenu* menu = nullptr;
  QTRY_VERIFY((menu = form->findChild<QMenu*>(QStringLiteral("commandMenu"))) != nullptr &&
              menu->isVisible());
  QAction* entry = menu->actions().value(0);
  QVERIFY(entry != nullptr);
  QCOMPARE(entry->text(), QStringLiteral("x2 ganzzahlig"));
  QVERIFY(entry->isCheckable() && !entry->isChecked());
  entry->trigger();
  menu->close();
  QCOMPARE(Text(form->NB(), 2, 0), "    x2 ganz");
  QCOMPARE(Text(form->ZF(), 2, 0), "    x2 ganz");
  QCOMPARE(Text(form->ZF(), 1, 0), "       x1");
  form->Commands().Action(Command::kAllIntegers)->trigger();
  QCOMPARE(Text(form->ZF(), 1, 0), "    x1 ganz");
  form->Commands().Action(Command::kUndo)->trigger();
  QCOMPARE(Text(form->ZF(), 1, 0), "       x1");
  QCOMPARE(Text(form->ZF(), 2, 0), "    x2 ganz");
  form->Commands().Action(Command::kUndo)->trigger();
  QCOMPARE(Text(form->NB(), 2, 0), "       x2");
}

void CommandsTest::newEmptiesTheProblemInOneUndoStep() {
  const auto form = StartedWindow();
  SpinTo(form->NVars(), 3);
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("7"));
  form->Minimum()->setChecked(true);
  QString asked;
  AnswerNextBox(QStringLiteral("Verwerfen"), &asked);
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_N, Qt::ControlModifier);
  QCOMPARE(asked, QStringLiteral("\u00c4nderungen speichern?"));
  QVERIFY(QTest::qWaitForWindowActive(form.get()));
  QCOMPARE(form->NVars()->value(), 2);
  QCOMPARE(Text(form->NB(), 1, 1), "");
  QVERIFY(form->Maximum()->isChecked());
  form->Commands().Action(Command::kUndo)->trigger();
  QCOMPARE(form->NVars()->value(), 3);
  QCOMPARE(Text(form->NB(), 1, 1), "7");
  QVERIFY(form->Minimum()->isChecked());
}

void CommandsTest::theReportWindowFollowsEverySolve() {
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

void CommandsTest::theReportIsSavedAsTextHtmlAndPdf() {
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
void CommandsTest::aWideTableauIsPrintedInWholeLines() {
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

// The mixed block: on Ja only what one reading explains is converted; a
// number with one point and three digits after it could be either, and
// stays as typed under the fault mark.
void CommandsTest::escapeClosesTheHelpTheReportAndTheAbout() {
  const auto form = StartedWindow();
  QTest::keyClick(form->NVars(), Qt::Key_F1);
  QWidget* help = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QStringLiteral("helpWindow")) help = window;
  }
  QVERIFY(help && help->isVisible());
  QVERIFY(QTest::qWaitForWindowActive(help));
  QTest::keyClick(help, Qt::Key_Escape);
  QVERIFY(!help->isVisible());

  ReportWindow* report = &form->Commands().ShowReportWindow();
  QVERIFY(QTest::qWaitForWindowActive(report));
  QTest::keyClick(report->Text(), Qt::Key_Escape);
  QVERIFY(!report->isVisible());

  bool escaped = false;
  QTimer::singleShot(0, [&escaped] {
    QWidget* about = QApplication::activeModalWidget();
    if (!about) return;
    QTest::keyClick(about, Qt::Key_Escape);
    escaped = !about->isVisible();
  });
  form->Commands().ShowAbout();
  QVERIFY(escaped);
}

void CommandsTest::decimalCommasArePastedAsPointsOnYes() {
  const auto form = StartedWindow();
  ClickCell(form->NBGrid(), 1, 1);
  QApplication::clipboard()->setText(QStringLiteral(
      "1,5\t0.125\t<=\t12.345\r\n2.500\t-1.000\t<=\t1.234.567\r\n-1.234,5\t,25\t>=\t1,5E-3\r\n"));
  QString asked;
  QString rule;
  auto* ask = new QTimer(form.get());
  ask->setInterval(10);
  connect(ask, &QTimer::timeout, [ask, &asked, &rule] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    ask->stop();
    asked = box->text();
    rule = box->informativeText();
    QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
  });
  ask->start();
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(asked, QStringLiteral("Dezimalkommas als Dezimalpunkte \u00fcbernehmen?"));
  QVERIFY2(rule.contains(QStringLiteral("Aus 1,5 wird 1.5, 1.234.567 wird 1234567, "
                                        "-1.234,5 wird -1234.5, ,25 wird .25 \u2026")) &&
               rule.contains(QStringLiteral("Markiert bleiben: 12.345, 2.500, -1.000.")),
           qPrintable(rule));
  const std::pair<int, int> cells[] = {{1, 1}, {2, 1}, {4, 1}, {1, 2}, {2, 2}, {4, 2},
                                       {1, 3}, {2, 3}, {4, 3}};
  const char* const shown[] = {"1.5", "0.125", "  FEHLER!", "  FEHLER!", "  FEHLER!",
                               "1234567", "-1234.5", ".25", "1.5E-3"};
  for (std::size_t k = 0; k < std::size(cells); ++k) {
    QCOMPARE(Text(form->NB(), cells[k].first, cells[k].second), std::string(shown[k]));
  }
  QCOMPARE(std::string(form->NB().TypedText(1, 2)), std::string("2.500"));
  QVERIFY(form->NBGrid()
              ->Model()
              .data(form->NBGrid()->Model().index(0, 3), Qt::ToolTipRole)
              .toString()
              .startsWith(QStringLiteral("\u00bb12.345\u00ab \u2013 beim Einf\u00fcgen")));
  QVERIFY(QTest::qWaitForWindowActive(form.get()));

  // A block of plain numbers asks nothing and goes in as it is.
  bool boxShown = false;
  QTimer poll;
  connect(&poll, &QTimer::timeout, [&boxShown] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxShown = true;
      box->reject();
    }
  });
  poll.start(5);
  ClickCell(form->ZFGrid(), 1, 1);
  QApplication::clipboard()->setText(QStringLiteral("1.000\t2.5\n"));
  QTest::keyClick(form->ZFGrid()->Editor(), Qt::Key_V, Qt::ControlModifier);
  QTest::qWait(30);
  QVERIFY(!boxShown);
  QCOMPARE(Text(form->ZF(), 1, 1), "1.000");
  QCOMPARE(Text(form->ZF(), 2, 1), "2.5");
}

// A report window of 100000 x 100000 and a zoom of 1000 in the settings
// (written by an earlier version into pivora.ini, which is taken over once)
// open the window at its default size and zoom, and are not written back.
void CommandsTest::damagedSettingsFallBackToTheDefaults() {
  QWidget huge;
  huge.setGeometry(10, 10, 100000, 100000);
  const QString folder = QFileInfo(WindowSettings()->fileName()).absolutePath();
  QVERIFY(StoreSettings({{QStringLiteral("reportWindow"), QVariant()}}));
  {
    QSettings old(folder + QStringLiteral("/pivora.ini"), QSettings::IniFormat);
    old.setValue(QStringLiteral("reportWindow/geometry"), huge.saveGeometry());
    old.setValue(QStringLiteral("reportWindow/zoom"), 1000);
    old.setValue(QStringLiteral("GrafischeLoesung/folder"), QStringLiteral("/tmp/alt"));
  }

  const auto form = StartedWindow();
  QTest::keyClick(form->NVars(), Qt::Key_F4);
  ReportWindow* window = form->Commands().ReportWindowIfOpen();
  QVERIFY(window);
  const QRect screen = form->screen()->availableGeometry();
  QVERIFY2(window->width() <= screen.width() && window->height() <= screen.height(),
           qPrintable(QStringLiteral("%1 x %2").arg(window->width()).arg(window->height())));
  QCOMPARE(window->Text()->font().pixelSize(), ReportWindow::kBasePixelSize);
  QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/pivora.ini")));
  QCOMPARE(WindowSettings()->value(QStringLiteral("GrafischeLoesung/folder")).toString(),
           QStringLiteral("/tmp/alt"));
  window->close();
  QVERIFY(WindowSettings()->value(QStringLiteral("reportWindow/zoom")).toInt() == 0);
}

PIVORA_WINDOW_TEST_MAIN(CommandsTest)
#include "commands_test.moc"
