#include "ui/window/startup.h"

#include <QByteArray>
#include <QGuiApplication>

namespace pivora {

void PrepareApplication() {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  QGuiApplication::setApplicationName(QStringLiteral("pivora"));
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Pivora"));
  QGuiApplication::setDesktopFileName(QStringLiteral("pivora"));
}

}  // namespace pivora
