#include "ui/window/window_settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryFile>
#include <QWidget>
#include <QMap>
#include <cerrno>
#include <cstdio>
#include <iterator>

#include "files/file_error.h"
#include "files/file_write.h"
#include "ui/messages.h"
#include "ui/window/file_saving.h"

namespace pivora {
namespace {

QString SettingsFileName() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("pivora"),
                   QStringLiteral("pivora"))
      .fileName();
}

void Tell(const QString& text) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QStringLiteral("Form1") && window->isVisible()) {
      ShowFileMessage(window, text);
      return;
    }
  }
  std::fprintf(stderr, "pivora: %s\n", text.toUtf8().constData());
}

using Keys = QMap<QString, QVariant>;

// Whether a value read back from the file is the one written: the file
// keeps byte arrays as such, numbers and lists as text.
bool SameValue(const QVariant& written, const QVariant& read) {
  if (written.typeId() == QMetaType::QByteArray) return read.toByteArray() == written.toByteArray();
  if (written.typeId() == QMetaType::QStringList) return read.toStringList() == written.toStringList();
  return read.toString() == written.toString();
}

// The text of `keys` as the toolkit writes a settings file, made on a copy
// beside `file` and read back; the German reason where that fails.
std::optional<QByteArray> SettingsText(const QString& file, const Keys& keys, QString& reason) {
  const QString folder = QFileInfo(file).absolutePath();
  QDir().mkpath(folder);
  QTemporaryFile copy(folder + QStringLiteral("/.pivora-XXXXXX.conf"));
  if (!copy.open()) {
    // The toolkit gives no reason: a small file of the file layer's finds it.
    const QString probe = folder + QStringLiteral("/.pivora-probe");
    const std::optional<std::string> why =
        WriteWholeFile(QFile::encodeName(probe).toStdString(), "probe\n");
    QFile::remove(probe);
    reason = QString::fromUtf8(why.value_or(GermanFileError(EIO, true)).c_str());
    return std::nullopt;
  }
  copy.close();
  {
    QSettings text(copy.fileName(), QSettings::IniFormat);
    for (auto key = keys.begin(); key != keys.end(); ++key) text.setValue(key.key(), key.value());
  }
  // A copy cut short by a full disk reads back as other settings.
  const QSettings back(copy.fileName(), QSettings::IniFormat);
  QStringList readKeys = back.allKeys();
  readKeys.sort();
  bool same = back.status() == QSettings::NoError && readKeys == QStringList(keys.keys());
  for (auto key = keys.begin(); same && key != keys.end(); ++key) {
    same = SameValue(key.value(), back.value(key.key()));
  }
  QFile read(copy.fileName());
  if (!same || !read.open(QIODevice::ReadOnly)) {
    reason = QString::fromUtf8(GermanFileError(ENOSPC, true).c_str());
    return std::nullopt;
  }
  return read.readAll();
}

void MoveOldSettings(const QString& file) {
  const QString old = QFileInfo(file).absolutePath() + QStringLiteral("/pivora.ini");
  if (!QFileInfo::exists(old)) return;
  const QSettings now(file, QSettings::IniFormat);
  const QSettings earlier(old, QSettings::IniFormat);
  std::vector<std::pair<QString, QVariant>> taken;
  for (const QString& key : earlier.allKeys()) {
    if (!now.contains(key)) taken.emplace_back(key, earlier.value(key));
  }
  if (StoreSettings(taken)) QFile::remove(old);
}

}  // namespace

std::unique_ptr<const QSettings> WindowSettings() {
  const QString file = SettingsFileName();
  MoveOldSettings(file);
  return std::make_unique<const QSettings>(file, QSettings::IniFormat);
}

bool StoreSettings(const std::vector<std::pair<QString, QVariant>>& values) {
  const QString file = SettingsFileName();
  // The whole file in memory, changed there; the file itself only by the
  // checked write below.
  Keys keys;
  {
    const QSettings now(file, QSettings::IniFormat);
    for (const QString& key : now.allKeys()) keys.insert(key, now.value(key));
  }
  for (const auto& [key, value] : values) {
    if (value.isValid()) {
      keys.insert(key, value);
    } else {
      keys.remove(key);
      for (auto k = keys.begin(); k != keys.end();) {
        k = k.key().startsWith(key + u'/') ? keys.erase(k) : std::next(k);
      }
    }
  }
  QString reason;
  std::optional<QByteArray> text = SettingsText(file, keys, reason);
  if (text) {
    if (const std::optional<std::string> failed = WriteWholeFile(
            QFile::encodeName(file).toStdString(), text->toStdString())) {
      reason = QString::fromUtf8(failed->c_str());
      text.reset();
    }
  }
  if (text) return true;
  static bool told = false;
  if (!told) {
    told = true;
    Tell(QString::fromUtf8(messages::CannotStoreSettings(ShownFileName(file).toStdString(),
                                                          reason.toStdString())
                               .c_str()));
  }
  return false;
}

bool RestorePlace(QWidget& window, const QByteArray& saved) {
  const QRect before = window.geometry();
  const Qt::WindowStates state = window.windowState();
  if (!window.restoreGeometry(saved)) return false;
  const QRect frame = window.frameGeometry();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect room = screen->availableGeometry();
    const QRect shown = room.intersected(frame);
    // Enough of it on the screen to take hold of, and no larger than it.
    if (frame.width() <= room.width() && frame.height() <= room.height() &&
        shown.width() >= 40 && shown.height() >= 40) {
      return true;
    }
  }
  window.setWindowState(state);
  window.setGeometry(before);
  return false;
}

}  // namespace pivora
