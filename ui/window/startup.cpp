#include "ui/window/startup.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

namespace pivora {

void PrepareApplication() {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  // The file dialog writes dates and sizes by the system's locale, not by
  // the default one: German dates and sizes whatever the user's locale
  // says. LC_ALL would override them.
  qunsetenv("LC_ALL");
  qputenv("LC_TIME", "de_DE.UTF-8");
  qputenv("LC_NUMERIC", "de_DE.UTF-8");
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
  // The application object has set the C library's locale from the
  // environment; GLPK's model readers read numbers with the C library, so
  // its numbers keep the decimal point.
  std::setlocale(LC_NUMERIC, "C");
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace pivora
