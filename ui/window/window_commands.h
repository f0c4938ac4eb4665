// What the window offers beyond its fixed surface, through shortcuts:
// undo and redo, moving between widgets, solving from anywhere, and the file
// and clipboard commands. Owns the undo history; one per window.
#pragma once

#include <QKeySequence>
#include <QObject>

class QAction;
class QKeyEvent;
class QWidget;

namespace pivora {

class EditHistory;
class FileActions;
class StringGrid;
class TForm1;

class WindowCommands final : public QObject {
  Q_OBJECT

 public:
  explicit WindowCommands(TForm1& form);

  EditHistory& History() { return *history_; }
  FileActions& Files() { return *files_; }

  // Strg+V and Strg+C on the grid that has the focus.
  void Paste();
  void Copy();

  // Moves the focus to the next (previous) widget in the window's tab order,
  // out of a grid too.
  void FocusNextWidget(bool forward);

 private:
  // A shortcut of the whole window that works while a grid's editor or the
  // memo has the focus.
  QAction* AddAction(const QList<QKeySequence>& keys);
  QWidget* WidgetOfFocus() const;
  StringGrid* GridOfFocus() const;

  TForm1& form_;
  EditHistory* history_;
  FileActions* files_;
};

// The keys the window's commands take even from a text editor, which then
// lets them through to the window: undo and redo (from every editor), copy
// and paste (from a grid's editor).
bool IsUndoKey(const QKeyEvent* event);
bool IsClipboardKey(const QKeyEvent* event);

}  // namespace pivora
