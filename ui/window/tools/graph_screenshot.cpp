// Photographs the window "Grafische Lösung" as a user sees it: the main
// window started on the display it is given (a virtual X display), the
// problem of a problem file (the worked example without one) put into the
// grids, solved, F6 pressed and the pointer rested on the first optimum, and
// the screen's pixels of the picture's window saved as PNG.
#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <cstdio>

#include "ui/window/graph_window.h"
#include "ui/window/startup.h"
#include "ui/window/tests/window_test_support.h"
#include "ui/window/tools/put_problem.h"

using namespace pivora;
using namespace pivora::testing;

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.png [PROBLEM.txt]\n", argv[0]);
    return 2;
  }
  PrepareApplication();
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  TForm1 form;
  form.show();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) {
    std::fprintf(stderr, "graph_screenshot: the window never became active\n");
    return 1;
  }
  if (argc == 3) {
    if (!PutProblem(form, argv[2])) {
      std::fprintf(stderr, "graph_screenshot: cannot read %s\n", argv[2]);
      return 1;
    }
  } else {
    TypeWorkedExample(form);
  }
  QTest::mouseClick(form.Solve(), Qt::LeftButton);
  QTest::keyClick(&form, Qt::Key_F6);
  GraphWindow& window = form.Graph().Window();
  if (!QTest::qWaitForWindowExposed(&window)) {
    std::fprintf(stderr, "graph_screenshot: the picture never showed\n");
    return 1;
  }
  window.move(form.frameGeometry().topLeft() + QPoint(40, 40));
  QTest::qWait(300);
  const GraphicalSolution& plot = window.View().Plot();
  if (!plot.optima.empty()) {
    const QPointF at = ScreenPoint(plot, QRectF(window.View().rect()), plot.optima[0].at);
    QTest::mouseMove(&window.View(), at.toPoint() + QPoint(2, 1));
    QTest::qWait(1200);
  }
  const QRect frame = window.frameGeometry();
  const QPixmap shot =
      window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  if (!shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "graph_screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("graph_screenshot: %s (%dx%d)\n", argv[1], shot.width(), shot.height());
  return 0;
}
