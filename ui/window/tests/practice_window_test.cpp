// The window "Selbst rechnen": Strg+6 starts it on the grids' problem, a
// click on a tableau element is judged, Enter takes the current element,
// and undo, the hint and the LaTeX copy work on the student's own steps.
#include "ui/window/practice_window.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTableWidget>

#include "ui/window/graph_window.h"
#include "ui/window/window_commands.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class PracticeWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void theWorkedExampleByHand();
};

namespace {

void ClickElement(QTableWidget* table, int row, int column) {
  const QRect cell = table->visualRect(table->model()->index(row - 1, column - 1));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace

// The worked example: row 2 of column 1 is refused (row 1 has the smaller
// quotient), row 1 taken by Enter is the rule's choice and ends it at the
// report's optimum; the picture follows; Strg+Z goes back to the start.
void PracticeWindowTest::theWorkedExampleByHand() {
  const auto form = StartedWindow();
  TypeWorkedExample(*form);
  QTest::keyClick(form.get(), Qt::Key_6, Qt::ControlModifier);
  PracticeWindow* window = form->Commands().PracticeWindowIfOpen();
  QVERIFY(window != nullptr && window->isVisible());
  QTableWidget* table = window->Tableau();
  QCOMPARE(table->rowCount(), 3);
  QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("x1"));
  QCOMPARE(table->verticalHeaderItem(2)->text(), QStringLiteral("Z"));
  QCOMPARE(table->item(2, 0)->text(), QStringLiteral("3"));

  ClickElement(table, 2, 1);
  QCOMPARE(window->Judgement()->text(),
           QStringLiteral("Nicht erlaubt: Zeile 1 hat den kleineren Quotienten 4 < 6: mit "
                          "Zeile 2 würde y1 negativ (y1 = -2)."));
  QCOMPARE(window->Session()->Steps(), std::size_t{0});

  table->setCurrentCell(0, 0);
  QTest::keyClick(table, Qt::Key_Return);
  QVERIFY(window->Judgement()->text().startsWith(QStringLiteral("Richtig: ")));
  QVERIFY(window->Session()->Ended());
  QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("y1"));
  QVERIFY(window->Sheet()->toPlainText().contains(QStringLiteral("Zmax = 12")));
  QCOMPARE(window->Picture()->Plot().path.size(), std::size_t{2});

  window->CopyLatex();
  QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("\\boxed{-1}")));

  window->Undo();
  QCOMPARE(window->Session()->Steps(), std::size_t{0});
  QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("x1"));
  window->ShowHint();
  QVERIFY(window->Judgement()->text().startsWith(
      QStringLiteral("Hinweis: das Verfahren nimmt Zeile 1 (y1), Spalte 1 (x1)")));
}

PIVORA_WINDOW_TEST_MAIN(PracticeWindowTest)

#include "practice_window_test.moc"
