// Where the window keeps what it remembers between sessions (the recent
// files, the report and picture windows' places, the report's zoom): one
// file, pivora/pivora.conf in the user's configuration folder. It is
// written all or nothing, like every file the window writes, and what is
// read back is checked before use, so a damaged file costs the remembered
// value, never the session.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace pivora {

// The settings as the file holds them, to read. Settings an earlier
// version kept beside it in pivora.ini are moved into it first (what
// pivora.conf already holds wins), and the old file is removed, so nobody's
// settings are lost. Nothing set on the object is kept: see StoreSettings.
std::unique_ptr<const QSettings> WindowSettings();

// Sets each key to its value (an invalid value removes the key and the
// keys under it) and writes
// the file all or nothing: the toolkit's text is made on a copy beside it
// and read back before it replaces the file. A failure is told once a
// session, in a box over the main window where one is shown (else on
// standard error), naming the file and the reason; false then.
bool StoreSettings(const std::vector<std::pair<QString, QVariant>>& values);

// Puts `window` where `saved` (from saveGeometry) says, where that is a
// place on the screens: no larger than the screen it is on and at least
// partly on one. False, and `window` as it was, otherwise.
bool RestorePlace(QWidget& window, const QByteArray& saved);

}  // namespace pivora
