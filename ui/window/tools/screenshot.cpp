// Photographs the real window as a user leaves it after solving the worked
// example: started on the display it is given (a virtual X display in
// scripts/screenshot.sh), the problem typed into the grids key by key, the
// solve button clicked, and the screen's pixels of the window saved as PNG.
#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <cstdio>

#include "ui/window/startup.h"
#include "ui/window/tests/window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  PrepareApplication();
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  TForm1 form;
  form.show();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) {
    std::fprintf(stderr, "screenshot: the window never became active\n");
    return 1;
  }
  TypeWorkedExample(form);
  QTest::mouseClick(form.Solve(), Qt::LeftButton);
  QTest::qWait(300);
  const QRect frame = form.frameGeometry();
  const QPixmap shot =
      form.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  if (!shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("screenshot: %s (%dx%d)\n", argv[1], shot.width(), shot.height());
  return 0;
}
