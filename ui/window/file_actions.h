// Opening and saving problems: the problem-file format of the command-line
// programs is the window's own. Open (Strg+O), save (Strg+S), save as
// (Strg+Umschalt+S), a file dropped on the window, the file named at
// start-up, and the question about unsaved changes.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "files/model_file.h"
#include "files/problem_file.h"

namespace pivora {

class EditHistory;
class TForm1;

class FileActions final : public QObject {
  Q_OBJECT

 public:
  FileActions(TForm1& form, EditHistory& history);
  ~FileActions() override;

  // With the file dialogs; each first asks about unsaved changes where the
  // window's problem would be replaced.
  void Open();
  bool Save();
  bool SaveAs();

  // Puts the problem in `path` into the window as one undoable step; an LP
  // or MPS model (by the name's ending) with its legend as tooltips of the
  // grids' headings, its notes on the objective row's heading. A file
  // that cannot be read or is malformed shows a German message naming the
  // line and the reason, and leaves the window as it was; false then.
  bool OpenFile(const QString& path);
  // Writes the window's problem to `path`; false after an error message.
  bool SaveFile(const QString& path);

  // The problem differs from the one last saved or opened (at start: the
  // empty 2 x 2 problem). An empty cell counts as the default the solve
  // command writes into it, so a solve alone changes nothing; the report is
  // no part of the problem.
  bool Modified() const;

  // True when the window may close (or its problem be replaced): nothing
  // unsaved, or the user chose to save (and it worked) or to discard.
  bool MayDiscard();

  // The window's problem as a problem file: the cells within the counts,
  // exactly as typed, Max/Min, Details and Digits.
  ProblemFile WindowProblem() const;

  const QString& Path() const { return path_; }

  // The window's problem is a new one, saved nowhere: Strg+S asks for a
  // name, and it counts as unchanged as it now is.
  void ForgetFile();

 signals:
  // A problem file was opened or saved at `path`.
  void fileUsed(const QString& path);

 protected:
  // A file dragged onto any part of the window is opened when dropped.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowError(const QString& text);
  void ShowLegend(const std::optional<ModelLegend>& legend);

  TForm1& form_;
  EditHistory& history_;
  void MarkSaved();

  QString path_;  // where Strg+S writes; empty until a save or an open
  ProblemFile saved_;
};

}  // namespace pivora
