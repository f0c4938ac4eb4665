// Opening and saving problems: the problem-file format of the command-line
// programs is the window's own. A new problem (Strg+N), open (Strg+O), save
// (Strg+S), save as (Strg+Umschalt+S), a file dropped on the window, the
// file named at start-up, the question about unsaved changes, and the
// window's title with the file's name and a mark for unsaved changes.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "files/file_stamp.h"
#include "files/model_file.h"
#include "files/problem_file.h"

namespace pivora {

class EditHistory;
struct FileState;
class TForm1;

class FileActions final : public QObject {
  Q_OBJECT

 public:
  FileActions(TForm1& form, EditHistory& history);
  ~FileActions() override;

  // With the file dialogs; each first asks about unsaved changes where the
  // window's problem would be replaced. New puts the empty 2 x 2 problem
  // (Max, the present Details and Digits) into the window as one undoable
  // step that also forgets the file. Open, save as and new are undo steps
  // that carry the file with them: after an undo, Strg+S writes where the
  // shown problem came from (or asks for a name).
  void New();
  void Open();
  bool Save();
  bool SaveAs();

  // Puts the problem in `path` into the window as one undoable step; an LP
  // or MPS model (by the name's ending) with its legend as tooltips of the
  // grids' headings, its notes on the objective row's heading. A file
  // that cannot be read or is malformed shows a German message naming the
  // line and the reason, and leaves the window as it was; false then.
  bool OpenFile(const QString& path);
  // Writes the window's problem to `path`, all or nothing; false after an
  // error message naming the file and the reason, the problem still marked
  // as changed. The text behind a fault mark is written, not the mark.
  // Where the file changed on disk since this window opened or saved it,
  // asks first: overwrite, save elsewhere (save as) or cancel.
  bool SaveFile(const QString& path);

  // The problem differs from the one last saved or opened (at start: the
  // empty 2 x 2 problem). An empty cell counts as the default the solve
  // command writes into it, so a solve alone changes nothing; the report is
  // no part of the problem.
  bool Modified() const;

  // True when the window may close (or its problem be replaced): nothing
  // unsaved, or the user chose to save (and it worked) or to discard. An
  // unchanged problem whose file was overwritten from elsewhere since
  // counts as unsaved: the window holds its only copy.
  bool MayDiscard();

  // The window's problem as a problem file: the cells within the counts,
  // exactly as typed (a marked cell's typed text), Max/Min, Details and
  // Digits.
  ProblemFile WindowProblem() const;

  const QString& Path() const { return path_; }
  // The legend of the opened LP or MPS model the problem came from; none
  // for a problem file or a new problem.
  const std::optional<ModelLegend>& Legend() const { return legend_; }

  // The title messages::WindowTitle gives the name of the file the problem
  // belongs to (none for a new problem or one never saved) and whether it
  // has unsaved changes. Follows every step of the history and every save.
  void UpdateTitle();

 signals:
  // A problem file was opened or saved at `path`.
  void fileUsed(const QString& path);

 protected:
  // A file dragged onto any part of the window is opened when dropped.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowError(const QString& text);
  void ShowLegend(const std::optional<ModelLegend>& legend);
  FileState CurrentFile() const;
  void RestoreFile(const FileState& file);
  // Writes to `path`, as one undo step when `asStep` (a save as); asks
  // first about a file changed on disk unless the user has `confirmed`.
  bool WriteTo(const QString& path, bool asStep, bool confirmed = false);
  // A question box with its buttons (the last one Escape's); the index of
  // the one chosen.
  using AskButton = std::pair<const char*, QMessageBox::ButtonRole>;
  int Ask(const QString& question, std::initializer_list<AskButton> buttons, int defaultButton);
  static std::string LocalPath(const QString& path);
  // Notes how the file at `path` is now, after an open or a save.
  void Remember(const QString& path);
  // The file at `path` is there but is no longer as this window left it.
  bool OverwrittenElsewhere(const QString& path) const;

  TForm1& form_;
  EditHistory& history_;

  QString path_;    // where Strg+S writes; empty until a save or an open
  QString origin_;  // the file the problem came from or was saved to
  std::optional<ModelLegend> legend_;
  // The problem as last opened from or saved to each file; under the empty
  // name the empty problem of the start and of Strg+N.
  std::map<QString, ProblemFile> saved_;
  // Each file as this window last opened or saved it.
  std::map<QString, FileStamp> stamps_;
  bool titlePending_ = false;
};

}  // namespace pivora
