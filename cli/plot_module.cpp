#include "cli/plot_module.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <memory>

#include "plot/painter/plot_painter.h"

extern "C" bool PivoraPlotFileBytes(const pivora::GraphicalSolution& plot,
                                    const std::string& path, std::string& bytes,
                                    std::string& error) {
  // Fonts need an application object; the offscreen platform needs no display.
  std::unique_ptr<QGuiApplication> application;
  if (QGuiApplication::instance() == nullptr) {
    // Qt's own notes (in English, about the session) are no concern of the
    // program's user: pivora-solve reports its failures itself.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtFatalMsg) std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
    });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pivora-solve";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  QString reason;
  QByteArray file;
  if (!pivora::PlotFileBytes(plot, QString::fromLocal8Bit(path.c_str()), pivora::kPlotFileSize,
                             file, reason)) {
    error = reason.toStdString();
    return false;
  }
  bytes.assign(file.constData(), static_cast<std::size_t>(file.size()));
  return true;
}
