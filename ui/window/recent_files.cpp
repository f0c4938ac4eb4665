#include "ui/window/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "ui/messages.h"
#include "ui/window/window_settings.h"

namespace pivora {
namespace {

const QString kKey = QStringLiteral("recentFiles");

void Store(const QStringList& paths) { StoreSettings({{kKey, paths}}); }

}  // namespace

QStringList RecentFiles::Paths() const {
  QStringList paths = WindowSettings()->value(kKey).toStringList();
  paths.removeAll(QString());
  while (paths.size() > kMaxFiles) paths.removeLast();
  return paths;
}

void RecentFiles::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = Paths();
  paths.removeAll(absolute);
  paths.prepend(absolute);
  while (paths.size() > kMaxFiles) paths.removeLast();
  Store(paths);
}

void RecentFiles::Remove(const QString& path) {
  QStringList paths = Paths();
  paths.removeAll(path);
  Store(paths);
}

void RecentFiles::FillMenu(QMenu& menu, const std::function<void(const QString&)>& open) const {
  const QStringList paths = Paths();
  if (paths.isEmpty()) {
    menu.addAction(QString::fromUtf8(messages::kNoRecentFiles))->setEnabled(false);
    return;
  }
  for (int k = 0; k < paths.size(); ++k) {
    const QString& path = paths[k];
    const QFileInfo info(path);
    // "&1" makes the digit the entry's key while the menu is open.
    const QString text =
        QStringLiteral("&%1  %2  (%3)")
            .arg(k + 1)
            .arg(info.fileName().replace(u'&', QStringLiteral("&&")),
                 QDir::toNativeSeparators(info.path()).replace(u'&', QStringLiteral("&&")));
    QAction* entry = menu.addAction(text);
    entry->setToolTip(path);
    QObject::connect(entry, &QAction::triggered, &menu, [open, path] { open(path); });
  }
}

}  // namespace pivora
