#include "cli/plot_file.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <memory>

#include "cli/text_encoding.h"
#include "plot/painter/plot_painter.h"
#include "plot/solve_graphically.h"

namespace pivora {

bool WriteProblemPlot(WindowOperations& window, const std::string& path, std::string& error) {
  const GraphicalSolution plot = SolveGraphically(window);
  if (plot.outcome == PlotOutcome::kTooManyVariables) {
    error = Latin1ToUtf8(TooManyVariablesText(plot.n));
    return false;
  }
  // Fonts need an application object; the offscreen platform needs no display.
  std::unique_ptr<QGuiApplication> application;
  if (QGuiApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pivora-solve";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  QString reason;
  if (!pivora::WritePlotFile(plot, QString::fromLocal8Bit(path.c_str()), kPlotFileSize, reason)) {
    error = reason.toStdString();
    return false;
  }
  return true;
}

}  // namespace pivora
