// What the window writes to files (the problem, the report, the picture)
// and what it tells about files: every write is all or nothing
// (WriteWholeFile), and a failure is told in a box that names the file and
// the reason.
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace pivora {

// A file's name as messages show it: without its folder, and a name longer
// than 60 characters shortened in the middle, so it stays inside the box.
QString ShownFileName(const QString& path);

// A warning box over `parent` with `text`; `parent`'s window is active again
// afterwards, even where no window manager hands the activation back.
void ShowFileMessage(QWidget* parent, const QString& text);

// Writes `bytes` to `path`, replacing the file all or nothing; true on
// success. A failure is told in a box naming the file and the reason, and
// whether a file that was there is unchanged.
bool SaveBytes(QWidget* parent, const QString& path, const QByteArray& bytes);

// The file at `path` cannot be found because its name on the disk is not
// UTF-8 (the toolkit has put U+FFFD in place of what it could not read).
bool NameLostInDecoding(const QString& path);

}  // namespace pivora
