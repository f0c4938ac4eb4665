// The window's undo history: every change of the grids' texts, of the two
// counts and of the report, as steps of a QUndoStack. The user's typing is
// one step per cell edited; any change a program makes (a handler run, a
// paste, an open) is one step from the state after the previous step to the
// state when the event loop next comes round, found by comparing snapshots.
// So the clearing commands, the solve command's defaults and fault mark and
// the spin steps become undoable without the handlers knowing of it. A
// change of Max/Min, Details or Digits is a step of its own; steps that
// change the problem's file carry the file state with them.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "files/model_file.h"
#include "ui/window/grid_model.h"
#include "ui/window/window_snapshot.h"

class QUndoStack;

namespace pivora {

class TForm1;

// Which file the shown problem belongs to: where Strg+S writes (empty: it
// asks for a name), the file it came from or was last saved to, which also
// names the saved state the question about unsaved changes judges against
// (empty: the empty problem), and an opened model's legend.
struct FileState {
  QString path;
  QString origin;
  std::optional<ModelLegend> legend;
};

class EditHistory final : public QObject, private GridEditListener {
  Q_OBJECT

 public:
  explicit EditHistory(TForm1& form);
  ~EditHistory() override;

  QUndoStack& Stack() { return *stack_; }

  // Records what changed since the last step, if anything, as one step now.
  void Checkpoint();
  // Runs `change` as one step of its own (a paste, an open); with
  // `withSettings` its undo also puts back Max/Min, Details and Digits.
  void Record(const std::function<void()>& change, bool withSettings);
  // Runs `change`, which changes the problem's file (an open, a save as, a
  // new problem), as one step that carries the file state both ways.
  void RecordFileChange(const std::function<void()>& change);
  // Where the steps read and put back the file state: the file actions.
  void SetFileKeeper(std::function<FileState()> current,
                     std::function<void(const FileState&)> restore);

  // Used by the steps: put the window into `target` (or one cell's text),
  // keeping the history's own picture of the window up to date.
  void Restore(const WindowSnapshot& target, bool withSettings);
  void RestoreCell(CellStore& store, int column, int row, const std::string& text);
  void RestoreFile(const FileState& file) { restoreFile_(file); }

 protected:
  // A step ends before the user's next key or click reaches the window, so
  // two gestures never fall into one step, however fast they come.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BeforeUserEdit() override;
  void UserEdited(GridModel& grid, int column, int row, const std::string& before) override;
  void ProgramChanged() override;

  void ScheduleCheckpoint();
  void CheckpointWhenIdle();
  // The window now; the report is read again only when it has changed.
  WindowSnapshot Capture();
  // Gives every cell that now holds the fault mark, and did not before, a
  // tooltip with what was typed and why it is faulty.
  void NoteFaults(const WindowSnapshot& before, const WindowSnapshot& after);

  void Push(WindowSnapshot before, WindowSnapshot after, bool withSettings, int mergeId,
            std::optional<std::pair<FileState, FileState>> files);

  TForm1& form_;
  QUndoStack* stack_;
  std::function<FileState()> currentFile_ = [] { return FileState{}; };
  std::function<void(const FileState&)> restoreFile_ = [](const FileState&) {};
  WindowSnapshot committed_;  // the window as the last step left it
  bool checkpointPending_ = false;
  bool memoChanged_ = false;  // since committed_.memo was read
  bool restoring_ = false;
  // Changes with every move of a current cell and every other step, so
  // typing merges into one step only while it stays in one cell.
  int typingSession_ = 0;
};

}  // namespace pivora
