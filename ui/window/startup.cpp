#include "ui/window/startup.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pivora {

void PrepareApplication() {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  QGuiApplication::setApplicationName(QStringLiteral("pivora"));
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Pivora"));
  QGuiApplication::setDesktopFileName(QStringLiteral("pivora"));
}

// German whatever the user's locale: the window's own texts are German
// only. The dialogs write dates and their own numbers the German way; the
// problem's number text never goes through the toolkit's locale.
bool LoadGermanTranslations(QCoreApplication& application) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace pivora
