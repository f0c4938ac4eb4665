// The window "Grafische Lösung" from the main window: F6 opens it with the
// picture of the grids' problem, every solve brings it up to date, and its
// menu entry is disabled with more than two variables.
#include "ui/window/graph_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class GraphWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void f6OpensThePictureAndItFollowsEverySolve();
  void entryIsDisabledWithMoreThanTwoVariables();
  void windowKeepsItsSizeAcrossSessions();
};

void GraphWindowTest::f6OpensThePictureAndItFollowsEverySolve() {
  const auto form = StartedWindow();
  TypeWorkedExample(*form);
  QVERIFY(!form->Graph().Window().isVisible());
  // F6 from inside a grid.
  ClickCell(form->NBGrid(), 1, 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
  GraphWindow& window = form->Graph().Window();
  QVERIFY(window.isVisible());
  const GraphicalSolution& plot = window.View().Plot();
  QCOMPARE(plot.outcome, PlotOutcome::kOptimum);
  QCOMPARE(plot.optima.size(), std::size_t{1});
  QVERIFY(plot.optima[0].z == 12);
  // The marker of the optimum answers the pointer with its coordinates and Z.
  window.View().grab();
  const QPointF optimum = ScreenPoint(plot, QRectF(window.View().rect()), plot.optima[0].at);
  const PlotHotspot* spot = window.View().HotspotAt(optimum + QPointF(3, -2));
  QVERIFY(spot != nullptr);
  QVERIFY(spot->text.endsWith(QStringLiteral("x1 = 4, x2 = 0, Z = 12")));

  // Minimum: the next solve moves the optimum to the origin.
  QTest::mouseClick(form->Minimum(), Qt::LeftButton);
  QTest::mouseClick(form->Solve(), Qt::LeftButton);
  QCOMPARE(window.View().Plot().maximise, false);
  QVERIFY(window.View().Plot().optima.at(0).z == 0);

  // Export as the window shows it.
  QTemporaryDir dir;
  QVERIFY(window.Export(dir.filePath(QStringLiteral("bild.svg"))));
  QVERIFY(QFileInfo(dir.filePath(QStringLiteral("bild.svg"))).size() > 0);
}

void GraphWindowTest::entryIsDisabledWithMoreThanTwoVariables() {
  const auto form = StartedWindow();
  QAction* entry = form->Graph().Action();
  QVERIFY(entry->isEnabled());
  QCOMPARE(entry->text(), QStringLiteral("Grafische Lösung"));
  QCOMPARE(entry->shortcut(), QKeySequence(Qt::Key_F6));
  SpinTo(form->NVars(), 3);
  QVERIFY(!entry->isEnabled());
  QVERIFY(entry->toolTip().contains(QStringLiteral("nur für 1 oder 2 Variablen")));
  SpinTo(form->NVars(), 1);
  QVERIFY(entry->isEnabled());
}

void GraphWindowTest::windowKeepsItsSizeAcrossSessions() {
  {
    const auto form = StartedWindow();
    form->Graph().Show();
    form->Graph().Window().resize(700, 520);
    QVERIFY(form->Graph().Window().close());
  }
  const auto form = StartedWindow();
  form->Graph().Show();
  QCOMPARE(form->Graph().Window().size(), QSize(700, 520));
}

PIVORA_WINDOW_TEST_MAIN(GraphWindowTest)

#include "graph_window_test.moc"
