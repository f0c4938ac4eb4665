#include "ui/window/file_saving.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include "files/file_write.h"
#include "ui/messages.h"

namespace pivora {

QString ShownFileName(const QString& path) {
  constexpr qsizetype kLongest = 60;
  const QString name = QFileInfo(path).fileName();
  if (name.size() <= kLongest) return name;
  constexpr qsizetype kHalf = (kLongest - 1) / 2;
  return name.left(kHalf) + QStringLiteral("\u2026") + name.right(kHalf);
}

void ShowFileMessage(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QStringLiteral("Pivora"), text, QMessageBox::Ok);
  if (parent) parent->window()->activateWindow();
}

bool SaveBytes(QWidget* parent, const QString& path, const QByteArray& bytes) {
  const QByteArray local = QFile::encodeName(path);
  const bool existed = QFileInfo(path).isFile();
  const std::optional<std::string> reason =
      WriteWholeFile(local.toStdString(), std::string_view(bytes.constData(), bytes.size()));
  if (!reason) return true;
  ShowFileMessage(parent, QString::fromUtf8(messages::CannotSave(ShownFileName(path).toStdString(),
                                                                 *reason, existed)
                                                .c_str()));
  return false;
}

bool NameLostInDecoding(const QString& path) {
  return path.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(path);
}

}  // namespace pivora
