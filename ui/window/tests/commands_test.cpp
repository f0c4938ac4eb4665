// The window's commands as a user finds them: German dialogs, the context
// menu whose entries are the very actions of the keys, the windows that
// Escape closes, and a paste from a German spreadsheet.
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
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui/window/command_menu.h"
#include "ui/window/file_actions.h"
#include "ui/window/report_memo.h"
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

// The mixed block: on Ja only what one reading explains is converted; a
// number with one point and three digits after it could be either, and
// stays as typed under the fault mark.
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
