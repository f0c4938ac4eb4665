// Start-up: the application object, the main window Form1, the event loop.
// Closing the window ends the loop and the program with exit code 0.
#include <QApplication>
#include <QTimer>

#include "ui/window/file_actions.h"
#include "ui/window/startup.h"
#include "ui/window/tform1.h"
#include "ui/window/window_commands.h"

// `pivora [FILE]`: the one argument is a problem file to open once the
// window is up; the toolkit is shown no command line.
int main(int argc, char** argv) {
  pivora::PrepareApplication();
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  pivora::LoadGermanTranslations(application);
  pivora::TForm1 Form1;
  Form1.show();
  Form1.activateWindow();
  if (argc > 1) {
    const QString path = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(0, &Form1, [&Form1, path] { Form1.Commands().Files().OpenFile(path); });
  }
  return application.exec();
}
