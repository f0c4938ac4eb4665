// The window "Grafische Lösung" from the main window: F6 opens it with the
// picture of the grids' problem, every solve brings it up to date, a
// picture in space turns, and its menu entry is disabled with more than
// three variables.
#include "ui/window/graph_window.h"

#include <QMouseEvent>
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
  void aPictureInSpaceTurnsByKeysAndMouse();
  void entryIsDisabledWithMoreThanThreeVariables();
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

// The worked example with a third variable: the arrow keys and a drag turn
// the picture, Pos1 turns it back, and an export draws it as turned.
void GraphWindowTest::aPictureInSpaceTurnsByKeysAndMouse() {
  const auto form = StartedWindow();
  TypeWorkedExample(*form);
  SpinTo(form->NVars(), 3);
  form->ZF().SetText(3, 1, "1");
  form->Graph().Show();
  PlotView& view = form->Graph().Window().View();
  QVERIFY(view.Plot().space != nullptr);
  const SpaceTurn fixed = view.Turn();
  QTest::keyClick(&view, Qt::Key_Left);
  QTest::keyClick(&view, Qt::Key_Up);
  QCOMPARE(view.Turn().azimuth, fixed.azimuth + 5);
  QCOMPARE(view.Turn().elevation, fixed.elevation + 5);
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
  QMouseEvent drag(QEvent::MouseMove, QPointF(140, 100), view.mapToGlobal(QPointF(140, 100)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &drag);
  QCOMPARE(view.Turn().azimuth, fixed.azimuth + 5 - 20);
  QTest::keyClick(&view, Qt::Key_Home);
  QVERIFY(view.Turn() == fixed);
}

void GraphWindowTest::entryIsDisabledWithMoreThanThreeVariables() {
  const auto form = StartedWindow();
  QAction* entry = form->Graph().Action();
  QVERIFY(entry->isEnabled());
  QCOMPARE(entry->text(), QStringLiteral("Grafische Lösung"));
  QCOMPARE(entry->shortcut(), QKeySequence(Qt::Key_F6));
  SpinTo(form->NVars(), 3);
  QVERIFY(entry->isEnabled());
  SpinTo(form->NVars(), 4);
  QVERIFY(!entry->isEnabled());
  QVERIFY(entry->toolTip().contains(QStringLiteral("nur für 1 bis 3 Variablen")));
  // F6 still shows why; with no picture there is nothing to save. Escape
  // closes the window.
  QTest::keyClick(form->NVars(), Qt::Key_F6);
  GraphWindow& window = form->Graph().Window();
  QVERIFY(window.isVisible());
  QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("savePng"))->isEnabled());
  QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("saveSvg"))->isEnabled());
  SpinTo(form->NVars(), 1);
  QVERIFY(entry->isEnabled());
  form->SolveClick(form->Solve());
  QVERIFY(window.findChild<QPushButton*>(QStringLiteral("savePng"))->isEnabled());
  QTest::keyClick(&window, Qt::Key_Escape);
  QVERIFY(!window.isVisible());
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
