// Start-up: the application object, the main window Form1, the event loop.
// Closing the window ends the loop and the program with exit code 0.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ui/window/file_actions.h"
#include "ui/window/startup.h"
#include "ui/window/tform1.h"
#include "ui/window/window_commands.h"

namespace {

constexpr const char* kUsage =
    "Aufruf: pivora [DATEI]\n"
    "\n"
    "\u00d6ffnet das Fenster von Pivora, das lineare Programme mit bis zu 50 Variablen\n"
    "und 50 Bedingungen l\u00f6st; mit DATEI darin eine Problemdatei (.txt), ein\n"
    "LP-Modell (.lp) oder ein MPS-Modell (.mps).\n"
    "\n"
    "  --help     diese Hilfe zeigen\n"
    "  --version  die Version zeigen\n"
    "\n"
    "Ohne Fenster: pivora-solve DATEI. Mehr in man pivora.\n";

}  // namespace

// `pivora [FILE]`: the one argument is a problem file to open once the
// window is up; the toolkit is shown no command line. `--help` and
// `--version` answer on standard output and end the program; any other
// argument that starts with "--" is refused (a file by such a name opens
// as ./--name).
int main(int argc, char** argv) {
  if (argc > 1 && std::strncmp(argv[1], "--", 2) == 0) {
    if (std::strcmp(argv[1], "--help") == 0) {
      std::fputs(kUsage, stdout);
    } else if (std::strcmp(argv[1], "--version") == 0) {
      std::puts("pivora 6.0");
    } else {
      std::fprintf(stderr,
                   "pivora: unbekannte Option \u00bb%s\u00ab (pivora --help zeigt die Hilfe)\n",
                   argv[1]);
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
