// Photographs the real window as a user leaves it after solving the worked
// example: started on the display it is given (a virtual X display in
// scripts/screenshot.sh), the problem typed into the grids key by key, the
// solve button clicked, and the screen's pixels of the window saved as PNG.
// With a second file name it then chooses the steps and sensitivity views,
// solves again, opens the report's own window (F4) and photographs that.
#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

#include "ui/window/report_memo.h"
#include "ui/window/report_window.h"
#include "ui/window/startup.h"
#include "ui/window/tests/window_test_support.h"
#include "ui/window/window_commands.h"

using namespace pivora;
using namespace pivora::testing;

namespace {

bool SaveShot(QWidget& window, const char* path) {
  const QRect frame = window.frameGeometry();
  const QPixmap shot =
      window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  if (!shot.save(QString::fromLocal8Bit(path), "PNG")) {
    std::fprintf(stderr, "screenshot: cannot write %s\n", path);
    return false;
  }
  std::printf("screenshot: %s (%dx%d)\n", path, shot.width(), shot.height());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.png [REPORT-WINDOW.png]\n", argv[0]);
    return 2;
  }
  // The report window's remembered size and zoom are not the user's here.
  const QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  PrepareApplication();
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  LoadGermanTranslations(application);
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
  if (!SaveShot(form, argv[1])) return 1;
  if (argc == 2) return 0;

  form.Sol()->SetViews(ReportViews{true, false, true});
  QTest::mouseClick(form.Solve(), Qt::LeftButton);
  ReportWindow& report = form.Commands().ShowReportWindow();
  report.resize(820, 620);
  if (!QTest::qWaitForWindowActive(&report)) {
    std::fprintf(stderr, "screenshot: the report window never became active\n");
    return 1;
  }
  QTest::qWait(300);
  return SaveShot(report, argv[2]) ? 0 : 1;
}
