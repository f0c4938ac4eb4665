// The program's start-up, up to the first paint of the activated window:
// the same steps as main, then one line on standard output and the end.
// The window benchmark starts this as a process and times it.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>

#include "ui/window/startup.h"
#include "ui/window/tform1.h"

namespace {

// Waits for the first paint after FormActivate wrote the headings.
class FirstPaint final : public QObject {
 public:
  explicit FirstPaint(pivora::TForm1& form) : form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &form_ && event->type() == QEvent::Paint && !done_ &&
        !form_.Footer()->text().isEmpty()) {
      done_ = true;
      QTimer::singleShot(0, [] {
        std::puts("painted");
        std::fflush(stdout);
        QApplication::quit();
      });
    }
    return false;
  }

 private:
  pivora::TForm1& form_;
  bool done_ = false;
};

}  // namespace

int main(int, char** argv) {
  pivora::PrepareApplication();
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  pivora::LoadGermanTranslations(application);
  pivora::TForm1 Form1;
  FirstPaint firstPaint(Form1);
  Form1.installEventFilter(&firstPaint);
  Form1.show();
  Form1.activateWindow();
  return application.exec();
}
