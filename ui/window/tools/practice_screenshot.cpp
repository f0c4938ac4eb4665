// Photographs the window "Selbst rechnen" as a user sees it: the main window
// started on the display it is given (a virtual X display), a problem file
// (the worked example without one) put into the grids, Strg+6 pressed, the
// pivots given as "Z,S ..." clicked one by one in the tableau, the hint
// asked for where "hint" follows them, and the window's pixels saved as PNG.
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTableWidget>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "ui/window/graph_window.h"
#include "ui/window/practice_window.h"
#include "ui/window/startup.h"
#include "ui/window/tests/window_test_support.h"
#include "ui/window/tools/put_problem.h"
#include "ui/window/window_commands.h"

using namespace pivora;
using namespace pivora::testing;

int main(int argc, char** argv) {
  if (argc < 2 || argc > 5) {
    std::fprintf(stderr, "usage: %s OUTPUT.png [PROBLEM.txt [\"Z,S ...\" [hint]]]\n", argv[0]);
    return 2;
  }
  PrepareApplication();
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  TForm1 form;
  form.show();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) {
    std::fprintf(stderr, "practice_screenshot: the window never became active\n");
    return 1;
  }
  if (argc >= 3 && std::strcmp(argv[2], "-") != 0) {
    if (!PutProblem(form, argv[2])) {
      std::fprintf(stderr, "practice_screenshot: cannot read %s\n", argv[2]);
      return 1;
    }
  } else {
    TypeWorkedExample(form);
  }
  QTest::keyClick(&form, Qt::Key_6, Qt::ControlModifier);
  PracticeWindow* window = form.Commands().PracticeWindowIfOpen();
  if (window == nullptr || !QTest::qWaitForWindowExposed(window)) {
    std::fprintf(stderr, "practice_screenshot: the practice never showed\n");
    return 1;
  }
  window->move(form.frameGeometry().topLeft() + QPoint(20, 20));
  QTest::qWait(300);
  if (argc >= 4) {
    std::istringstream pivots(argv[3]);
    for (std::string pair; pivots >> pair;) {
      int row = 0;
      int column = 0;
      if (std::sscanf(pair.c_str(), "%d,%d", &row, &column) != 2) return 2;
      QTableWidget* table = window->Tableau();
      const QRect cell = table->visualRect(table->model()->index(row - 1, column - 1));
      QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
      QTest::qWait(100);
    }
  }
  if (argc == 5) QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier);
  QTest::qWait(600);
  const QRect frame = window->frameGeometry();
  const QPixmap shot =
      window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  if (!shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "practice_screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("practice_screenshot: %s (%dx%d)\n", argv[1], shot.width(), shot.height());
  return 0;
}
