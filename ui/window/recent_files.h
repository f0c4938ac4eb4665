// The problem files last opened or saved, newest first, at most eight, kept
// in the window's settings for the next session.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;

namespace pivora {

class RecentFiles final : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxFiles = 8;

  explicit RecentFiles(QObject* parent) : QObject(parent) {}

  QStringList Paths() const;
  // Puts `path` first (once), dropping the oldest beyond eight.
  void Add(const QString& path);
  void Remove(const QString& path);

  // One entry per file ("1 name  (folder)"), each opening its file through
  // `open`; a greyed "(keine)" when there are none.
  void FillMenu(QMenu& menu, const std::function<void(const QString&)>& open) const;
};

}  // namespace pivora
