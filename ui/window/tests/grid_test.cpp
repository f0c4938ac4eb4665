// The two grids as a user works with them: typing into the always-open
// editor, Tab and Shift+Tab, the counts going down and up one step at a time
// with everything typed kept in its place, and the double clicks that clear.
#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <vector>

#include "ui/window/report_memo.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class GridTest : public QObject {
  Q_OBJECT

 private slots:
  void editorStoresEveryKeystrokeAndShowsProgramWrites();
  void tabAndShiftTabWrapOverTheDataCells();
  void headingsFollowTheCountsUpToFifty();
  void countsGoingDownAndUpKeepWhatWasTyped();
  void holdingASpinButtonRunsTheHandlerForEveryValue();
  void doubleClicksOnEitherGridClearBothAndTheMemo_data();
  void doubleClicksOnEitherGridClearBothAndTheMemo();
  void doubleClickOnTheMemoClearsOnlyTheMemo();
  void nonLatin1TextMakesAFaultyCellNotACrash();
  void everyFaultyCellIsMarkedOnceLeft();
  void aLongPastedTextIsKeptWhole();
};

void GridTest::editorStoresEveryKeystrokeAndShowsProgramWrites() {
  const auto form = StartedWindow();
  QAbstractItemModelTester tester(form->NBGrid()->model(),
                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
  ClickCell(form->NBGrid(), 2, 1);
  QCOMPARE(form->NB().CurrentColumn(), 2);
  auto* editor = qobject_cast<QLineEdit*>(form->NBGrid()->Editor());
  QVERIFY(editor && editor->hasFocus());
  QTest::keyClick(editor, Qt::Key_1);
  QCOMPARE(Text(form->NB(), 2, 1), "1");
  QTest::keyClicks(editor, QStringLiteral("  5"));
  QCOMPARE(Text(form->NB(), 2, 1), "1  5");
  QTest::keyClick(editor, Qt::Key_Home);
  QTest::keyClick(editor, Qt::Key_Minus);
  QCOMPARE(Text(form->NB(), 2, 1), "-1  5");
  QCOMPARE(editor->cursorPosition(), 1);

  // Enter and Escape leave the editor open, with the focus and the text.
  QTest::keyClick(editor, Qt::Key_Return);
  QTest::keyClick(editor, Qt::Key_Escape);
  QTest::qWait(20);
  QVERIFY(editor->hasFocus());
  QCOMPARE(QApplication::focusWidget(), editor);
  QCOMPARE(Text(form->NB(), 2, 1), "-1  5");

  // A program write into the current cell shows in its editor at once.
  form->NB().SetText(2, 1, "0");
  QCOMPARE(editor->text(), QStringLiteral("0"));

  // Texts are drawn unchanged: leading blanks stay.
  QTest::keyClick(editor, Qt::Key_Home);
  QTest::keyClicks(editor, QStringLiteral("   "));
  QCOMPARE(form->NBGrid()->model()->index(0, 1).data().toString(), QStringLiteral("   0"));

  // Any handler makes (1, 1) current; the focus stays in the grid editor.
  form->NBGrid()->Editor()->setFocus();
  QTest::keyClick(form->NVars(), Qt::Key_Up);
  QCOMPARE(form->NB().CurrentColumn(), 1);
  QCOMPARE(form->NB().CurrentRow(), 1);
  QCOMPARE(form->NBGrid()->currentIndex(), form->NBGrid()->model()->index(0, 0));
  QCOMPARE(Text(form->NB(), 2, 1), "   0");
}

void GridTest::tabAndShiftTabWrapOverTheDataCells() {
  const auto form = StartedWindow();
  ClickCell(form->NBGrid(), 1, 1);
  std::vector<std::pair<int, int>> visited;
  for (int i = 0; i < 9; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.emplace_back(form->NB().CurrentColumn(), form->NB().CurrentRow());
    QCOMPARE(QApplication::focusWidget(), form->NBGrid()->Editor());
  }
  const std::vector<std::pair<int, int>> readingOrder = {{2, 1}, {3, 1}, {4, 1}, {1, 2}, {2, 2},
                                                         {3, 2}, {4, 2}, {1, 1}, {2, 1}};
  QCOMPARE(visited, readingOrder);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(form->NB().CurrentColumn(), 4);
  QCOMPARE(form->NB().CurrentRow(), 2);
  QCOMPARE(QApplication::focusWidget(), form->NBGrid()->Editor());

  // One cell is selected at a time, whatever the modifier.
  const auto [widget, spot] = CellSpot(form->NBGrid(), 2, 1);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::ShiftModifier, spot);
  QCOMPARE(form->NBGrid()->selectionModel()->selectedIndexes(),
           QModelIndexList{form->NBGrid()->model()->index(0, 1)});
  ClickCell(form->NBGrid(), 4, 2);

  // Typing after a Tab goes into the newly current cell.
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("6"));
  QCOMPARE(Text(form->NB(), 4, 2), "6");
}

void GridTest::headingsFollowTheCountsUpToFifty() {
  const auto form = StartedWindow();
  QAbstractItemModelTester nbTester(form->NBGrid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
  QAbstractItemModelTester zfTester(form->ZFGrid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
  ClickCell(form->NBGrid(), 3, 2);
  SpinTo(form->NVars(), 50);
  SpinTo(form->NCons(), 50);
  QCOMPARE(form->NBGrid()->model()->columnCount(), 52);
  QCOMPARE(form->NBGrid()->model()->rowCount(), 50);
  QCOMPARE(form->ZFGrid()->model()->columnCount(), 50);
  QAbstractItemModel* nb = form->NBGrid()->model();
  QCOMPARE(nb->headerData(49, Qt::Horizontal).toString(), QStringLiteral("       x50"));
  QCOMPARE(nb->headerData(50, Qt::Horizontal).toString(), QStringLiteral(" <=   >=    ="));
  QCOMPARE(nb->headerData(51, Qt::Horizontal).toString(), QStringLiteral("        b"));
  QCOMPARE(nb->headerData(49, Qt::Vertical).toString(), QStringLiteral("     NB 50"));
  QCOMPARE(form->ZFGrid()->model()->headerData(49, Qt::Horizontal).toString(),
           QStringLiteral("       x50"));

  // Scrolled far away, any handler brings (1, 1) back into view.
  ClickCell(form->NBGrid(), 52, 50);
  QVERIFY(form->NBGrid()->horizontalScrollBar()->value() > 0);
  QVERIFY(form->NBGrid()->verticalScrollBar()->value() > 0);
  ClickSpinButton(form->NCons(), false);
  QCOMPARE(form->NBGrid()->horizontalScrollBar()->value(), 0);
  QCOMPARE(form->NBGrid()->verticalScrollBar()->value(), 0);
  QCOMPARE(form->NBGrid()->currentIndex(), nb->index(0, 0));
  QCOMPARE(nb->headerData(48, Qt::Vertical).toString(), QStringLiteral("     NB 49"));

  // The scroll bars alone move the view away from the current (1, 1); the
  // next handler brings it back.
  form->NBGrid()->horizontalScrollBar()->setValue(form->NBGrid()->horizontalScrollBar()->maximum());
  form->NBGrid()->verticalScrollBar()->setValue(form->NBGrid()->verticalScrollBar()->maximum());
  ClickSpinButton(form->NVars(), false);
  QCOMPARE(form->NBGrid()->horizontalScrollBar()->value(), 0);
  QCOMPARE(form->NBGrid()->verticalScrollBar()->value(), 0);

  // Dragging a thumb scrolls at once; the heading sections can be neither
  // resized nor moved.
  QVERIFY(form->NBGrid()->horizontalScrollBar()->hasTracking());
  QVERIFY(form->NBGrid()->verticalScrollBar()->hasTracking());
  QCOMPARE(form->NBGrid()->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
  QVERIFY(!form->NBGrid()->horizontalHeader()->sectionsMovable());
  QCOMPARE(form->NBGrid()->columnWidth(10), StringGrid::kCellWidth + StringGrid::kGridLine);
  QCOMPARE(form->NBGrid()->rowHeight(10), StringGrid::kCellHeight + StringGrid::kGridLine);
}

// n = m = 3, every data cell typed, then both counts stepped down and up by
// clicks: each text returns to the cell it was typed into, hidden rows too.
void GridTest::countsGoingDownAndUpKeepWhatWasTyped() {
  const auto form = StartedWindow();
  QAbstractItemModelTester tester(form->NBGrid()->model(),
                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
  ClickSpinButton(form->NVars(), true);
  ClickSpinButton(form->NCons(), true);
  const auto typed = [](int column, int row) {
    return column == 4 ? QStringLiteral("<=") : QStringLiteral("v%1%2").arg(column).arg(row);
  };
  for (int row = 1; row <= 3; ++row) {
    for (int column = 1; column <= 5; ++column) {
      TypeIntoCell(form->NBGrid(), column, row, typed(column, row));
    }
  }
  for (int column = 1; column <= 3; ++column) {
    TypeIntoCell(form->ZFGrid(), column, 1, QStringLiteral("c%1").arg(column));
  }
  const CellStore nbTyped = form->NB();
  const CellStore zfTyped = form->ZF();

  ClickSpinButton(form->NCons(), false);
  ClickSpinButton(form->NCons(), false);
  QCOMPARE(form->NBGrid()->model()->rowCount(), 1);
  ClickSpinButton(form->NVars(), false);
  // a3 waits behind the relation sign and the right-hand side.
  QCOMPARE(Text(form->NB(), 3, 1), "<=");
  QCOMPARE(Text(form->NB(), 4, 1), "v51");
  QCOMPARE(Text(form->NB(), 5, 1), "v31");
  QCOMPARE(Text(form->NB(), 4, 3), "v53");
  ClickSpinButton(form->NVars(), false);
  QCOMPARE(form->NBGrid()->model()->columnCount(), 3);
  QCOMPARE(form->NBGrid()->model()->index(0, 1).data().toString(), QStringLiteral("<="));
  QCOMPARE(form->NBGrid()->model()->index(0, 2).data().toString(), QStringLiteral("v51"));
  QCOMPARE(form->ZFGrid()->model()->columnCount(), 1);

  ClickSpinButton(form->NVars(), true);
  ClickSpinButton(form->NCons(), true);
  ClickSpinButton(form->NVars(), true);
  ClickSpinButton(form->NCons(), true);
  for (int row = 0; row <= CellStore::kRows; ++row) {
    for (int column = 0; column <= CellStore::kColumns; ++column) {
      QCOMPARE(Text(form->NB(), column, row), Text(nbTyped, column, row));
      QCOMPARE(Text(form->ZF(), column, row), Text(zfTyped, column, row));
    }
  }
  for (int row = 1; row <= 3; ++row) {
    for (int column = 1; column <= 5; ++column) {
      QCOMPARE(form->NBGrid()->model()->index(row - 1, column - 1).data().toString(),
               typed(column, row));
    }
  }

  // A variable that was never used comes back empty, the rest moves right.
  ClickSpinButton(form->NVars(), true);
  QCOMPARE(Text(form->NB(), 4, 2), "");
  QCOMPARE(Text(form->NB(), 5, 2), "<=");
  QCOMPARE(Text(form->NB(), 6, 2), "v52");
}

void GridTest::holdingASpinButtonRunsTheHandlerForEveryValue() {
  const auto form = StartedWindow();
  std::vector<int> seen;
  bool rowsFollowed = true;
  connect(form->NCons(), &QSpinBox::valueChanged, [&](int value) {
    seen.push_back(value);
    rowsFollowed = rowsFollowed && form->NB().RowCount() == value + 1;
  });
  const QPoint up = SpinButtonSpot(form->NCons(), true);
  QElapsedTimer held;
  QTest::mousePress(form->NCons(), Qt::LeftButton, Qt::NoModifier, up);
  held.start();
  QTest::qWait(780);
  QTest::mouseRelease(form->NCons(), Qt::LeftButton, Qt::NoModifier, up);
  const qint64 heldFor = held.elapsed();
  QTest::qWait(250);
  // One step at once, the next after 400 ms, then one every 100 ms: a busy
  // machine may delay a step, but never adds one.
  QCOMPARE(form->NCons()->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold), 400);
  QCOMPARE(form->NCons()->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate), 100);
  QVERIFY2(seen.size() >= 3, qPrintable(QString::number(seen.size())));
  QVERIFY2(static_cast<qint64>(seen.size()) <= 3 + (heldFor - 400) / 100,
           qPrintable(QStringLiteral("%1 steps in %2 ms").arg(seen.size()).arg(heldFor)));
  for (std::size_t i = 0; i < seen.size(); ++i) QCOMPARE(seen[i], 3 + static_cast<int>(i));
  QVERIFY(rowsFollowed);
}

void GridTest::doubleClicksOnEitherGridClearBothAndTheMemo_data() {
  QTest::addColumn<bool>("objectiveGrid");
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("row");
  QTest::newRow("NB data cell") << false << 2 << 2;
  QTest::newRow("NB editor") << false << 3 << 1;
  QTest::newRow("NB column heading") << false << 3 << 0;
  QTest::newRow("NB row heading") << false << 0 << 2;
  QTest::newRow("NB corner") << false << 0 << 0;
  QTest::newRow("ZF data cell") << true << 2 << 1;
  QTest::newRow("ZF row heading") << true << 0 << 1;
  QTest::newRow("ZF corner") << true << 0 << 0;
}

void GridTest::doubleClicksOnEitherGridClearBothAndTheMemo() {
  QFETCH(bool, objectiveGrid);
  QFETCH(int, column);
  QFETCH(int, row);
  const auto form = StartedWindow();
  ClickSpinButton(form->NVars(), true);
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 5; ++c) TypeIntoCell(form->NBGrid(), c, r, QStringLiteral("7"));
  }
  TypeIntoCell(form->ZFGrid(), 3, 1, QStringLiteral("8"));
  // Cells hidden by a lower count are emptied as well.
  form->NB().SetText(52, 50, "hidden");
  form->SolAppendLine("report");
  if (column == 3 && row == 1) ClickCell(form->NBGrid(), 3, 1);
  DoubleClickCell(objectiveGrid ? form->ZFGrid() : form->NBGrid(), column, row);

  for (int r = 1; r <= 50; ++r) {
    for (int c = 1; c <= 52; ++c) QCOMPARE(Text(form->NB(), c, r), "");
  }
  for (int c = 1; c <= 52; ++c) QCOMPARE(Text(form->ZF(), c, 1), "");
  QCOMPARE(form->Sol()->LineCount(), 0);
  QCOMPARE(Text(form->NB(), 4, 0), " <=   >=    =");
  QCOMPARE(form->NVars()->value(), 3);
  QCOMPARE(form->NB().CurrentColumn(), 1);
  QCOMPARE(form->ZF().CurrentColumn(), 1);
  QCOMPARE(qobject_cast<QLineEdit*>(form->NBGrid()->Editor())->text(), QString());
  QCOMPARE(form->NBGrid()->model()->index(1, 1).data().toString(), QString());
}

void GridTest::doubleClickOnTheMemoClearsOnlyTheMemo() {
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("4"));
  form->SolAppendLine("L\xd6SUNG:");
  form->SolAppendLine("");
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("L\u00d6SUNG:"), QString()}));
  QTest::mouseDClick(form->Sol()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
  QCOMPARE(form->Sol()->LineCount(), 0);
  QCOMPARE(Text(form->NB(), 1, 1), "4");
}

// A key that types `text`, whatever the keyboard layout calls it.
static void TypeCharacters(QWidget* widget, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

void GridTest::nonLatin1TextMakesAFaultyCellNotACrash() {
  const auto form = StartedWindow();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("3"));
  TypeCharacters(form->NBGrid()->Editor(), QStringLiteral("\u20ac"));
  QCOMPARE(Text(form->NB(), 1, 1), "3?");
  QCOMPARE(qobject_cast<QLineEdit*>(form->NBGrid()->Editor())->text(), QStringLiteral("3?"));
  ClickCell(form->NBGrid(), 2, 1);
  TypeCharacters(form->NBGrid()->Editor(), QStringLiteral("\u00e4"));
  QCOMPARE(Text(form->NB(), 2, 1), "\xe4");
}

// Three typos show at once, each with its reason, as soon as its cell is
// left; the cell being typed in shows its mark when the focus leaves it.
// The solve still stops at the first.
void GridTest::everyFaultyCellIsMarkedOnceLeft() {
  const auto form = StartedWindow();
  GridModel& nb = form->NBGrid()->Model();
  TypeIntoCell(form->NBGrid(), 1, 1, QStringLiteral("0,25"));
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_Tab);
  QTest::keyClicks(form->NBGrid()->Editor(), QStringLiteral("1O"));
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_Tab);
  QTest::keyClicks(form->NBGrid()->Editor(), QStringLiteral("=<"));
  QTest::keyClick(form->NBGrid()->Editor(), Qt::Key_Tab);
  QTest::keyClicks(form->NBGrid()->Editor(), QStringLiteral("5x"));
  const auto tip = [&](int column) {
    return nb.data(nb.IndexOfCell(column, 1), Qt::ToolTipRole).toString();
  };
  QCOMPARE(tip(1), QStringLiteral("\u00bb0,25\u00ab \u2013 Dezimalpunkt verwenden"));
  QCOMPARE(tip(2), QStringLiteral("\u00bb1O\u00ab \u2013 keine Zahl"));
  QCOMPARE(tip(3), QStringLiteral("\u00bb=<\u00ab \u2013 erlaubt sind <, <=, >, >=, =, =="));
  for (int column = 1; column <= 4; ++column) {
    QVERIFY(nb.data(nb.IndexOfCell(column, 1), Qt::BackgroundRole).isValid());
  }
  QVERIFY(!nb.data(nb.IndexOfCell(1, 2), Qt::BackgroundRole).isValid());
  auto* editor = qobject_cast<QLineEdit*>(form->NBGrid()->Editor());
  const QColor typing = editor->palette().color(QPalette::Base);
  form->Solve()->setFocus();
  QVERIFY(editor->palette().color(QPalette::Base) != typing);
  QCOMPARE(editor->toolTip(), QStringLiteral("\u00bb5x\u00ab \u2013 keine Zahl"));

  form->SolveClick(form->Solve());
  QCOMPARE(Text(form->NB(), 1, 1), "  FEHLER!");
  QCOMPARE(Text(form->NB(), 2, 1), "1O");
  QCOMPARE(form->Sol()->toPlainText(), QStringLiteral("EINGABEFEHLER!"));
}

// A line edit keeps 32,767 characters unless told otherwise; a right-hand
// side of 40,000 zeros and a 4 must not silently become 0.
void GridTest::aLongPastedTextIsKeptWhole() {
  const auto form = StartedWindow();
  ClickCell(form->NBGrid(), 3, 1);
  const QString text = QString(40'000, QLatin1Char('0')) + QLatin1Char('4');
  qobject_cast<QLineEdit*>(form->NBGrid()->Editor())->insert(text);
  QCOMPARE(Text(form->NB(), 3, 1), text.toStdString());
}

PIVORA_WINDOW_TEST_MAIN(GridTest)
#include "grid_test.moc"
