// Start-up: the application object, the main window Form1, the event loop.
// Closing the window ends the loop and the program with exit code 0.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ui/messages.h"
#include "ui/window/file_actions.h"
#include "ui/window/startup.h"
#include "ui/window/tform1.h"
#include "ui/window/window_commands.h"

// `pivora [FILE]`: the one argument is a problem file to open once the
// window is up; the toolkit is shown no command line. `--help` and
// `--version` answer on standard output and end the program; any other
// argument that starts with "--" is refused (a file by such a name opens
// as ./--name).
int main(int argc, char** argv) {
  if (argc > 1 && std::strncmp(argv[1], "--", 2) == 0) {
    if (std::strcmp(argv[1], "--help") == 0) {
      std::fputs(pivora::messages::kWindowUsage, stdout);
    } else if (std::strcmp(argv[1], "--version") == 0) {
      std::puts(pivora::messages::kVersionLine);
    } else {
      std::fprintf(stderr, "%s\n", pivora::messages::WindowUnknownOption(argv[1]).c_str());
      return 2;
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
  }
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
