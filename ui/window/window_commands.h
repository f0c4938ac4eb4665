// What the window offers beyond its fixed surface: every command as an
// action with its German name and its keys, reached alike from the keys,
// the context menu and the report window. Undo and redo, moving between
// widgets, solving from anywhere, the file and clipboard commands, the
// report's own window, its export and printing, the practice window, and
// the help. Owns the undo
// history; one per window.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <array>

#include "solver/integer_marks.h"

class QAction;
class QKeyEvent;
class QWidget;

namespace pivora {

class CommandMenu;
class EditHistory;
class FileActions;
class HelpWindow;
class PracticeWindow;
class RecentFiles;
class ReportWindow;
class StringGrid;
class TForm1;

// The commands of the context menu, in its order.
enum class Command {
  kNew,
  kOpen,
  kSave,
  kSaveAs,
  kSaveReport,
  kPrintReport,
  kUndo,
  kRedo,
  kCopy,
  kPaste,
  kAllIntegers,
  kNoIntegers,
  kReportWindow,
  kPractice,
  kHelp,
  kAbout,
  kCount
};

class WindowCommands final : public QObject {
  Q_OBJECT

 public:
  explicit WindowCommands(TForm1& form);
  ~WindowCommands() override;

  EditHistory& History() { return *history_; }
  FileActions& Files() { return *files_; }
  RecentFiles& Recent() { return *recent_; }
  CommandMenu& Menu() { return *menu_; }

  // The action of `command`, with its text and keys; a shortcut of the main
  // window (and of the report window) that works while a grid's editor or
  // the memo has the focus.
  QAction* Action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
  // F9 and Strg+Enter: the solve button's click.
  QAction* SolveAction() const { return solve_; }

  // Strg+V and Strg+C on the grid that has the focus.
  void Paste();
  void Copy();

  // Moves the focus to the next (previous) widget in the window's tab order,
  // out of a grid too.
  void FocusNextWidget(bool forward);

  // Marks the variables whole-numbered or not, as one undo step.
  void MarkIntegers(const IntegerMarks& marks);
  // The checkable entry of variable column j's heading.
  QAction* IntegerEntry(int j);

  // The report in its own window (F4): created at the first call, then
  // shown and raised.
  ReportWindow& ShowReportWindow();
  // Null until the first ShowReportWindow.
  ReportWindow* ReportWindowIfOpen() const { return reportWindow_; }
  // "Selbst rechnen" (Strg+6): raised where it is open, else started on the
  // problem in the grids; null until then.
  void ShowPractice();
  PracticeWindow* PracticeWindowIfOpen() const { return practiceWindow_; }
  void ShowHelp();
  void ShowAbout();

 private:
  // The commands of the menu's groups and the window's own keys, in the
  // order the constructor adds them.
  void AddFileCommands();
  void AddEditCommands();
  void AddViewAndHelpCommands();
  void AddWindowKeys();
  QAction* AddAction(Command command, const char* text, const QList<QKeySequence>& keys);
  // A shortcut of the window with no menu entry.
  QAction* AddShortcut(const QList<QKeySequence>& keys);
  QWidget* WidgetOfFocus() const;
  StringGrid* GridOfFocus() const;

  TForm1& form_;
  EditHistory* history_;
  FileActions* files_;
  RecentFiles* recent_;
  CommandMenu* menu_ = nullptr;
  std::array<QAction*, static_cast<std::size_t>(Command::kCount)> actions_{};
  QAction* solve_ = nullptr;
  ReportWindow* reportWindow_ = nullptr;
  HelpWindow* helpWindow_ = nullptr;
  PracticeWindow* practiceWindow_ = nullptr;
};

// The keys the window's commands take even from a text editor, which then
// lets them through to the window: undo and redo (from every editor), copy
// and paste (from a grid's editor).
bool IsUndoKey(const QKeyEvent* event);
bool IsClipboardKey(const QKeyEvent* event);

}  // namespace pivora
