// Where the window keeps what it remembers between sessions (the recent
// files, the report window's place and zoom): the user's configuration
// folder, pivora/pivora.conf.
#pragma once

#include <QSettings>
#include <memory>

namespace pivora {

inline std::unique_ptr<QSettings> WindowSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("pivora"), QStringLiteral("pivora"));
}

}  // namespace pivora
