// Solving from the window: the worked example typed key by key and solved
// with a click, a faulty cell, and a problem whose solve overflows.
#include <QCheckBox>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include "ui/window/report_memo.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class SolveTest : public QObject {
  Q_OBJECT

 private slots:
  void workedExampleTypedAndSolved();
  void faultyCellIsMarkedWithoutADialog();
  void theFirstMarkedCellIsMadeCurrentAndShown();
  void overflowShowsTheErrorBoxAndTheWindowCarriesOn();
  void checkedViewsShowInAFixedPitchUntilUnchecked();
};

void SolveTest::workedExampleTypedAndSolved() {
  const auto form = StartedWindow();
  TypeWorkedExample(*form);
  // The report is written under the wait cursor.
  Qt::CursorShape cursorWhileWriting = Qt::ArrowCursor;
  connect(form->Sol()->document(), &QTextDocument::contentsChanged, [&] {
    if (const QCursor* cursor = QApplication::overrideCursor()) {
      cursorWhileWriting = cursor->shape();
    }
  });
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("L\u00d6SUNG:"), QString(),
                                              QStringLiteral("Optimum: Zmax = 12"), QString(),
                                              QStringLiteral("ZF:   x1 = 4   x2 = 0 [\u00b11]"),
                                              QStringLiteral("NB:  y1 = 0 [\u00b13]   y2 = 2")}));
  QVERIFY(form->Sol()->hasFocus());
  QCOMPARE(form->Sol()->textCursor().position(), 0);  // the caret at the top of the report
  QCOMPARE(cursorWhileWriting, Qt::WaitCursor);
  QVERIFY(!QApplication::overrideCursor());

  // Minimum and no details: the same cells, another report.
  QTest::mouseClick(form->Minimum(), Qt::LeftButton);
  QTest::mouseClick(form->Details(), Qt::LeftButton);
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("L\u00d6SUNG:"), QString(),
                                              QStringLiteral("Optimum: Zmin = 0"), QString(),
                                              QStringLiteral("ZF:   x1 = 0   x2 = 0")}));
}

void SolveTest::faultyCellIsMarkedWithoutADialog() {
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("2"));
  TypeIntoCell(form->NBGrid(), 2, 2, QStringLiteral("zwei"));
  ClickCell(form->NBGrid(), 2, 2);
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("EINGABEFEHLER!")}));
  QCOMPARE(form->Sol()->textCursor().position(), 0);
  QVERIFY(!form->Sol()->hasFocus());
  QCOMPARE(Text(form->NB(), 2, 2), "  FEHLER!");
  QCOMPARE(Text(form->NB(), 3, 1), "<=");
  QCOMPARE(Text(form->NB(), 1, 2), "0");
  QCOMPARE(Text(form->ZF(), 1, 1), "");
  QVERIFY(!QApplication::activeModalWidget());
  // The mark shows in the grid and in the editor of the cell that was current.
  QCOMPARE(form->NBGrid()->model()->index(1, 1).data().toString(), QStringLiteral("  FEHLER!"));
  QCOMPARE(qobject_cast<QLineEdit*>(form->NBGrid()->Editor())->text(), QStringLiteral("  FEHLER!"));
}

// In a 50 x 50 problem the mark lies far out of sight: the solve makes it
// the current cell and scrolls to it; the report stays as it is.
void SolveTest::theFirstMarkedCellIsMadeCurrentAndShown() {
  const auto form = StartedWindow();
  form->NVars()->setValue(50);
  form->NCons()->setValue(50);
  form->NB().SetText(40, 45, "1,5");
  form->ZF().SetText(3, 1, "x");
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("EINGABEFEHLER!")}));
  QCOMPARE(Text(form->NB(), 40, 45), "  FEHLER!");
  QCOMPARE(form->NB().CurrentColumn(), 40);
  QCOMPARE(form->NB().CurrentRow(), 45);
  StringGrid* grid = form->NBGrid();
  const QRect cell = grid->visualRect(grid->model()->index(44, 39));
  QVERIFY2(grid->viewport()->rect().intersects(cell), "the marked cell is out of sight");
}

void SolveTest::overflowShowsTheErrorBoxAndTheWindowCarriesOn() {
  const auto form = StartedWindow();
  ClickSpinButton(form->NVars(), false);
  ClickSpinButton(form->NCons(), false);
  // maximise x1 subject to 1e-4000 x1 <= 1e4000: the ratio leaves the range.
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("1e-4000"));
  TypeIntoCell(form->NBGrid(), 3, 1, QStringLiteral("1e4000"));
  TypeIntoCell(form->ZFGrid(), 1, 1, QStringLiteral("1"));
  form->SolAppendLine("an earlier report");
  if (QTest::currentTestFailed()) return;
  ErrorBoxSeen box;
  AnswerNextErrorBox(&box);
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QVERIFY(box.seen);
  QCOMPARE(box.text, QStringLiteral("Gleitkomma\u00fcberlauf."));
  QVERIFY(box.critical);
  QVERIFY(box.onlyOk);
  QCOMPARE(form->Sol()->LineCount(), 0);
  QCOMPARE(Text(form->NB(), 2, 1), "<=");
  // The focus goes back to the button once the box has closed.
  QTRY_VERIFY(form->Solve()->hasFocus());
  QVERIFY(!QApplication::overrideCursor());

  // The window stays usable: the next problem solves.
  QVERIFY(QTest::qWaitForWindowActive(form.get()));
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("1"));
  TypeIntoCell(form->NBGrid(), 3, 1, QStringLiteral("5"));
  if (QTest::currentTestFailed()) return;
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(form->Sol()->Lines().value(2), QStringLiteral("Optimum: Zmax = 5"));
}

void SolveTest::checkedViewsShowInAFixedPitchUntilUnchecked() {
  const auto form = StartedWindow();
  TypeWorkedExample(*form);
  QMenu menu;
  form->Sol()->AddViewEntries(menu);
  QStringList entries;
  for (QAction* action : menu.actions()) {
    if (!action->isSeparator() && action->isCheckable()) entries << action->text();
  }
  QCOMPARE(entries, QStringList({QStringLiteral("Rechenschritte anzeigen"),
                                 QStringLiteral("Als Br\u00fcche anzeigen"),
                                 QStringLiteral("Sensitivit\u00e4t anzeigen"),
                                 QStringLiteral("Verzweigungsbaum anzeigen"),
                                 QStringLiteral("Duales Problem anzeigen")}));
  const QString plainFamily = form->Sol()->font().family();

  form->Sol()->findChild<QAction*>(QStringLiteral("fractionsEntry"))->trigger();
  form->Sol()->findChild<QAction*>(QStringLiteral("rangesEntry"))->trigger();
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  const QStringList lines = form->Sol()->Lines();
  QCOMPARE(lines.value(0),
           QStringLiteral("Br\u00fcche: exakte Werte der eingegebenen Dezimalzahlen."));
  QVERIFY(lines.contains(QStringLiteral("Optimum: Zmax = 12")));
  QVERIFY(lines.contains(QStringLiteral("Sensitivit\u00e4t der 1. L\u00f6sung:")));
  QVERIFY(OneAdvanceWidth(form->Sol()->font(), form->Sol()->toPlainText()));
  QCOMPARE(form->Sol()->font().pixelSize(), 12);

  // Unchecked again: the plain report in the window's font.
  form->Sol()->SetViews({});
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(form->Sol()->Lines().value(0), QStringLiteral("L\u00d6SUNG:"));
  QVERIFY(!OneAdvanceWidth(form->Sol()->font(), form->Sol()->toPlainText()));
  QCOMPARE(form->Sol()->font().family(), plainFamily);
}

PIVORA_WINDOW_TEST_MAIN(SolveTest)
#include "solve_test.moc"
