// Undo and redo of the window: typing one step per cell and per visit, the
// clearing command, the fault mark with its tooltip, spin steps; and the
// keyboard.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

#include "ui/window/edit_history.h"
#include "ui/window/report_memo.h"
#include "ui/window/window_commands.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  void typingIsOneStepPerCell();
  void typingAfterComingBackToACellIsAStepOfItsOwn();
  void clearingIsUndoneWithHiddenCellsAndTheReport();
  void faultMarkUndoesToTheTypedTextAndExplainsItself();
  void spinStepsUndoWithTheirRotation();
  void aSolveIsOneStep();
  void ctrlTabLeavesTheGridAndF9Solves();
};

static void Undo(QWidget* focus) { QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier); }
static void Redo(QWidget* focus) { QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier); }

void UndoTest::typingIsOneStepPerCell() {
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("12"));
  TypeIntoCell(form->NBGrid(), 2, 1, QStringLiteral("7"));
  QWidget* editor = form->NBGrid()->Editor();
  Undo(editor);
  QCOMPARE(Text(form->NB(), 2, 1), "");
  QCOMPARE(Text(form->NB(), 1, 1), "12");
  Undo(form->NBGrid()->Editor());
  QCOMPARE(Text(form->NB(), 1, 1), "");
  Redo(form->NBGrid()->Editor());
  Redo(form->NBGrid()->Editor());
  QCOMPARE(Text(form->NB(), 1, 1), "12");
  QCOMPARE(Text(form->NB(), 2, 1), "7");
  // The editor shows what the undo put back, and a click selects all of it.
  ClickCell(form->NBGrid(), 1, 1);
  auto* line = qobject_cast<QLineEdit*>(form->NBGrid()->Editor());
  QCOMPARE(line->text(), QStringLiteral("12"));
  QCOMPARE(line->selectedText(), QStringLiteral("12"));
  QTest::keyClick(line, Qt::Key_End);
  ClickCell(form->NBGrid(), 1, 1);  // the current cell too
  QCOMPARE(line->selectedText(), QStringLiteral("12"));
}

// Typing merges into one step only while the cell stays current: leaving
// it and coming back starts a new step, though nothing was typed elsewhere.
void UndoTest::typingAfterComingBackToACellIsAStepOfItsOwn() {
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("12"));
  ClickCell(form->NBGrid(), 2, 1);
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("5"));
  QCOMPARE(Text(form->NB(), 1, 1), "5");
  Undo(form->NBGrid()->Editor());
  QCOMPARE(Text(form->NB(), 1, 1), "12");
  Undo(form->NBGrid()->Editor());
  QCOMPARE(Text(form->NB(), 1, 1), "");
}

void UndoTest::clearingIsUndoneWithHiddenCellsAndTheReport() {
  const auto form = StartedWindow();
  TypeWorkedExample(*form);
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  const QStringList report = form->Sol()->Lines();
  SpinTo(form->NCons(), 1);  // row 2 waits hidden
  DoubleClickCell(form->NBGrid(), 1, 1);
  QCOMPARE(Text(form->NB(), 1, 2), "");
  QVERIFY(form->Sol()->Lines().isEmpty());
  Undo(form->NBGrid()->Editor());
  QCOMPARE(Text(form->NB(), 2, 2), "3");
  QCOMPARE(Text(form->NB(), 4, 2), "6");
  QCOMPARE(Text(form->ZF(), 2, 1), "2");
  QCOMPARE(form->Sol()->Lines(), report);
  QCOMPARE(form->NCons()->value(), 1);
  Undo(form->NBGrid()->Editor());  // the spin step
  QCOMPARE(form->NCons()->value(), 2);

  // The memo's own double click is one step as well.
  DoubleClickCell(form->NBGrid(), 1, 1);
  Undo(form->NBGrid()->Editor());
  QTest::mouseDClick(form->Sol()->viewport(), Qt::LeftButton);
  QVERIFY(form->Sol()->Lines().isEmpty());
  QTest::keyClick(form->Sol(), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(form->Sol()->Lines(), report);
  QCOMPARE(Text(form->NB(), 1, 1), "1");
}

void UndoTest::faultMarkUndoesToTheTypedTextAndExplainsItself() {
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("0,25"));
  TypeIntoCell(form->NBGrid(), 3, 2, QStringLiteral("=>"));
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(Text(form->NB(), 1, 1), "  FEHLER!");
  const QModelIndex marked = form->NBGrid()->Model().IndexOfCell(1, 1);
  QTRY_COMPARE(marked.data(Qt::ToolTipRole).toString(),
               QStringLiteral("\u00bb0,25\u00ab \u2013 Dezimalpunkt verwenden"));
  Undo(form->Sol());
  QCOMPARE(Text(form->NB(), 1, 1), "0,25");
  // The typed text, faulty as it is, explains itself the same way.
  QCOMPARE(marked.data(Qt::ToolTipRole).toString(),
           QStringLiteral("\u00bb0,25\u00ab \u2013 Dezimalpunkt verwenden"));
  QVERIFY(form->Sol()->Lines().isEmpty());

  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("1"));
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(Text(form->NB(), 3, 2), "  FEHLER!");
  QTRY_COMPARE(form->NBGrid()->Model().IndexOfCell(3, 2).data(Qt::ToolTipRole).toString(),
               QStringLiteral("\u00bb=>\u00ab \u2013 erlaubt sind <, <=, >, >=, =, =="));
  // The defaults the solve wrote go with the mark; redo brings both back.
  QCOMPARE(Text(form->NB(), 3, 1), "<=");
  Undo(form->Sol());
  QCOMPARE(Text(form->NB(), 3, 1), "");
  Redo(form->Sol());
  QCOMPARE(Text(form->NB(), 3, 2), "  FEHLER!");
  QVERIFY(!form->NBGrid()->Model().IndexOfCell(3, 2).data(Qt::ToolTipRole).toString().isEmpty());
}

// The solve lets the event loop run while its worker solves; its defaults
// and its report still make one step.
void UndoTest::aSolveIsOneStep() {
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("1"));
  TypeIntoCell(form->NBGrid(), 4, 1, QStringLiteral("4"));
  TypeIntoCell(form->ZFGrid(), 1, 1, QStringLiteral("3"));
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(Text(form->NB(), 3, 2), "<=");
  QVERIFY(!form->Sol()->Lines().isEmpty());
  Undo(form->Sol());
  QCOMPARE(Text(form->NB(), 3, 2), "");
  QVERIFY(form->Sol()->Lines().isEmpty());
  QCOMPARE(Text(form->ZF(), 1, 1), "3");
}

void UndoTest::spinStepsUndoWithTheirRotation() {
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 3, 1, QStringLiteral(">="));
  TypeIntoCell(form->NBGrid(), 4, 1, QStringLiteral("9"));
  SpinTo(form->NVars(), 4);
  QCOMPARE(Text(form->NB(), 5, 1), ">=");
  Undo(form->NVars());  // both steps at once
  QCOMPARE(form->NVars()->value(), 2);
  QCOMPARE(Text(form->NB(), 3, 1), ">=");
  QCOMPARE(Text(form->NB(), 4, 1), "9");
  Undo(form->NVars());
  QCOMPARE(Text(form->NB(), 4, 1), "");
}

void UndoTest::ctrlTabLeavesTheGridAndF9Solves() {
  const auto form = StartedWindow();
  TypeWorkedExample(*form);
  QWidget* editor = form->ZFGrid()->Editor();
  QTest::keyClick(editor, Qt::Key_Tab, Qt::ControlModifier);
  QVERIFY(form->Maximum()->hasFocus());
  QTest::keyClick(form->Maximum(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(form->ZFGrid()->isAncestorOf(QApplication::focusWidget()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
  QCOMPARE(form->Sol()->Lines().value(2), QStringLiteral("Optimum: Zmax = 12"));
  for (QWidget* focus : {static_cast<QWidget*>(form->Digits()), static_cast<QWidget*>(form->Sol()),
                         form->NBGrid()->Editor()}) {
    form->Sol()->clear();
    QTest::keyClick(focus, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(form->Sol()->Lines().value(2), QStringLiteral("Optimum: Zmax = 12"));
  }
}

PIVORA_WINDOW_TEST_MAIN(UndoTest)
#include "undo_test.moc"
