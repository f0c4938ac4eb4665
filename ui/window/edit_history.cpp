#include "ui/window/edit_history.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTimer>
#include <QUndoStack>

#include "solve/report.h"
#include "ui/fault_reason.h"
#include "ui/window/report_memo.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"

namespace pivora {
namespace {

enum CommandId { kTypingId = 1, kCountStepId = 2, kDigitsStepId = 3 };

// How soon a step that had to wait for a running command is tried again.
constexpr int kRetryMilliseconds = 20;

// The window shows the wait cursor while a command runs, and a command that
// waits for its worker lets the event loop run meanwhile: a step ends only
// once the command has returned, so its defaults and its report are one.
bool CommandRunning() { return QApplication::overrideCursor() != nullptr; }
constexpr int kUndoLimit = 200;

// One cell typed into; later keystrokes in the same cell merge into it.
class TypingCommand final : public QUndoCommand {
 public:
  TypingCommand(EditHistory& history, CellStore& store, int column, int row, std::string before,
                std::string after, int session)
      : history_(history),
        store_(store),
        column_(column),
        row_(row),
        before_(std::move(before)),
        after_(std::move(after)),
        session_(session) {}

  int id() const override { return kTypingId; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const TypingCommand*>(other);
    if (&next->store_ != &store_ || next->column_ != column_ || next->row_ != row_ ||
        next->session_ != session_) {
      return false;
    }
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
  }
  // The first redo is the user's own keystroke, already in the cell.
  void redo() override {
    if (done_) history_.RestoreCell(store_, column_, row_, after_);
    done_ = true;
  }
  void undo() override { history_.RestoreCell(store_, column_, row_, before_); }

 private:
  EditHistory& history_;
  CellStore& store_;
  int column_;
  int row_;
  std::string before_;
  std::string after_;
  int session_;
  bool done_ = false;
};

bool SameSettings(const WindowSnapshot& a, const WindowSnapshot& b) {
  return a.maximum == b.maximum && a.details == b.details && a.digits == b.digits;
}

// The window from one snapshot to the next, and the problem's file with it
// where the step changed that. Consecutive spin steps merge, and so do
// consecutive changes of Digits alone.
class SnapshotCommand final : public QUndoCommand {
 public:
  SnapshotCommand(EditHistory& history, WindowSnapshot before, WindowSnapshot after,
                  bool withSettings, int mergeId,
                  std::optional<std::pair<FileState, FileState>> files)
      : history_(history),
        before_(std::move(before)),
        after_(std::move(after)),
        withSettings_(withSettings),
        mergeId_(mergeId),
        files_(std::move(files)) {}

  int id() const override { return mergeId_; }
  bool mergeWith(const QUndoCommand* other) override {
    after_ = static_cast<const SnapshotCommand*>(other)->after_;
    setObsolete(after_.SameContent(before_) && SameSettings(after_, before_));
    return true;
  }
  void redo() override {
    if (done_) {
      history_.Restore(after_, withSettings_);
      if (files_) history_.RestoreFile(files_->second);
    }
    done_ = true;
  }
  void undo() override {
    history_.Restore(before_, withSettings_);
    if (files_) history_.RestoreFile(files_->first);
  }

 private:
  EditHistory& history_;
  WindowSnapshot before_;
  WindowSnapshot after_;
  bool withSettings_;
  int mergeId_;
  std::optional<std::pair<FileState, FileState>> files_;
  bool done_ = false;
};

}  // namespace

EditHistory::EditHistory(TForm1& form)
    : QObject(&form), form_(form), stack_(new QUndoStack(this)), committed_(CaptureWindow(form)) {
  // A step of a full 50 x 50 problem holds two snapshots of some 100 kB
  // each; the oldest steps go beyond this many.
  stack_->setUndoLimit(kUndoLimit);
  for (StringGrid* grid : {form_.NBGrid(), form_.ZFGrid()}) {
    grid->Model().SetEditListener(this);
    connect(&grid->Model(), &GridModel::currentMoved, this, [this] { ++typingSession_; });
  }
  qApp->installEventFilter(this);
  // Max/Min, Details and Digits: each change a step (Digits' merge).
  connect(form_.Maximum(), &QRadioButton::toggled, this, [this] { ScheduleCheckpoint(); });
  connect(form_.Details(), &QCheckBox::toggled, this, [this] { ScheduleCheckpoint(); });
  connect(form_.Digits(), &SpinEdit::valueChanged, this, [this] { ScheduleCheckpoint(); });
  // The user's own edits of the report are kept, but are no step: the
  // report is the command's output, and the steps are about the input.
  connect(form_.Sol()->document(), &QTextDocument::contentsChanged, this, [this] {
    memoChanged_ = true;
    if (restoring_) return;
    if (form_.Sol()->UserEditing()) {
      committed_.memo = form_.Sol()->Lines();
      memoChanged_ = false;
    } else {
      ScheduleCheckpoint();
    }
  });
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Drop:
      if (checkpointPending_ && !CommandRunning()) Checkpoint();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

EditHistory::~EditHistory() {
  qApp->removeEventFilter(this);
  for (StringGrid* grid : {form_.NBGrid(), form_.ZFGrid()}) grid->Model().SetEditListener(nullptr);
}

void EditHistory::ScheduleCheckpoint() {
  if (restoring_ || checkpointPending_) return;
  checkpointPending_ = true;
  QTimer::singleShot(0, this, [this] { CheckpointWhenIdle(); });
}

void EditHistory::CheckpointWhenIdle() {
  if (!checkpointPending_) return;
  if (CommandRunning()) {
    QTimer::singleShot(kRetryMilliseconds, this, [this] { CheckpointWhenIdle(); });
    return;
  }
  Checkpoint();
}

WindowSnapshot EditHistory::Capture() {
  WindowSnapshot now = CaptureWindow(form_, memoChanged_);
  if (!memoChanged_) now.memo = committed_.memo;  // shared, not copied
  memoChanged_ = false;
  return now;
}

void EditHistory::Checkpoint() {
  checkpointPending_ = false;
  if (restoring_) return;
  WindowSnapshot now = Capture();
  const bool sameContent = now.SameContent(committed_);
  const bool settingsChanged = !SameSettings(now, committed_);
  if (sameContent && !settingsChanged) {
    committed_ = std::move(now);
    return;
  }
  NoteFaults(committed_, now);
  int mergeId = -1;
  if (now.n != committed_.n || now.m != committed_.m) {
    mergeId = kCountStepId;
  } else if (sameContent && now.maximum == committed_.maximum &&
             now.details == committed_.details) {
    mergeId = kDigitsStepId;
  }
  ++typingSession_;
  WindowSnapshot before = std::move(committed_);
  committed_ = now;
  Push(std::move(before), std::move(now), settingsChanged, mergeId, std::nullopt);
}

void EditHistory::Push(WindowSnapshot before, WindowSnapshot after, bool withSettings, int mergeId,
                       std::optional<std::pair<FileState, FileState>> files) {
  stack_->push(new SnapshotCommand(*this, std::move(before), std::move(after), withSettings,
                                   mergeId, std::move(files)));
}

void EditHistory::Record(const std::function<void()>& change, bool withSettings) {
  Checkpoint();
  WindowSnapshot before = committed_;
  change();
  checkpointPending_ = false;
  WindowSnapshot after = Capture();
  committed_ = after;
  ++typingSession_;
  if (after.SameContent(before) && !(withSettings && !SameSettings(before, after))) return;
  Push(std::move(before), std::move(after), withSettings, -1, std::nullopt);
}

void EditHistory::RecordFileChange(const std::function<void()>& change) {
  Checkpoint();
  WindowSnapshot before = committed_;
  FileState fileBefore = currentFile_();
  change();
  checkpointPending_ = false;
  WindowSnapshot after = Capture();
  FileState fileAfter = currentFile_();
  committed_ = after;
  ++typingSession_;
  if (after.SameContent(before) && SameSettings(before, after) &&
      fileAfter.path == fileBefore.path && fileAfter.origin == fileBefore.origin) {
    return;
  }
  Push(std::move(before), std::move(after), true, -1,
       std::make_pair(std::move(fileBefore), std::move(fileAfter)));
}

void EditHistory::SetFileKeeper(std::function<FileState()> current,
                                std::function<void(const FileState&)> restore) {
  currentFile_ = std::move(current);
  restoreFile_ = std::move(restore);
}

void EditHistory::Restore(const WindowSnapshot& target, bool withSettings) {
  restoring_ = true;
  const WindowSnapshot before = Capture();
  ApplyToWindow(form_, target, withSettings);
  restoring_ = false;
  checkpointPending_ = false;
  committed_ = Capture();
  NoteFaults(before, committed_);
  ++typingSession_;
}

void EditHistory::RestoreCell(CellStore& store, int column, int row, const std::string& text) {
  restoring_ = true;
  store.SetText(column, row, text);
  restoring_ = false;
  committed_.SetText(&store == &form_.ZF(), column, row, text);
  ++typingSession_;
}

void EditHistory::BeforeUserEdit() {
  if (checkpointPending_) Checkpoint();
}

void EditHistory::UserEdited(GridModel& grid, int column, int row, const std::string& before) {
  if (restoring_) return;
  std::string after(grid.Store().Text(column, row));
  committed_.SetText(&grid.Store() == &form_.ZF(), column, row, after);
  stack_->push(new TypingCommand(*this, grid.Store(), column, row, before, std::move(after),
                                 typingSession_));
}

void EditHistory::ProgramChanged() { ScheduleCheckpoint(); }

void EditHistory::NoteFaults(const WindowSnapshot& before, const WindowSnapshot& after) {
  const auto note = [&](bool objective, const std::vector<SnapshotCell>& cells) {
    for (const SnapshotCell& cell : cells) {
      if (cell.text != kFaultMark) continue;
      const std::string typed = before.Text(objective, cell.column, cell.row);
      if (typed == kFaultMark) continue;
      const CellKind kind =
          !objective && cell.column == after.n + 1 ? CellKind::kRelation : CellKind::kNumber;
      GridModel& model = (objective ? form_.ZFGrid() : form_.NBGrid())->Model();
      model.Store().KeepBehindMark(cell.column, cell.row, typed);
      model.SetFaultNote(cell.column, cell.row,
                         QString::fromUtf8(FaultReason(typed, kind).c_str()));
    }
  };
  note(false, after.nb);
  note(true, after.zf);
}

}  // namespace pivora
