// Start-up: the application object, the main window Form1, the event loop.
// Closing the window ends the loop and the program with exit code 0.
#include <QApplication>

#include "ui/window/startup.h"
#include "ui/window/tform1.h"

// The program takes no command line: the toolkit is not shown one either.
int main(int, char** argv) {
  pivora::PrepareApplication();
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  pivora::TForm1 Form1;
  Form1.show();
  Form1.activateWindow();
  return application.exec();
}
