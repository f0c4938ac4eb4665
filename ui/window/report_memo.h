// The report memo: a multi-line text the user may edit, with both scroll
// bars and no wrapping, seen by the handlers as a list of lines. A double
// click anywhere on it is one signal.
#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <functional>
#include <string_view>

#include "solve/report_views.h"

class QAction;
class QHelpEvent;
class QMenu;

namespace pivora {

// Explains the word at (line, column) of a report's lines; empty for none.
using ReportExplainer = std::function<QString(const QStringList& lines, int line, int column)>;

// Shows `explain`'s tip for the word under the pointer of `help` in `text`
// (a ToolTip event of its viewport), or hides the tip where it says none.
void ShowReportTip(const QPlainTextEdit& text, const QHelpEvent& help,
                   const ReportExplainer& explain);

class ReportMemo final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ReportMemo(QWidget* parent);

  // The lines are the text's paragraphs, except that an empty text holds no
  // line at all until an empty line is appended to it.
  int LineCount() const;
  QStringList Lines() const;

  // True while a key, an input method, a paste or a drop of the user's is
  // changing the text; every other change comes from a program.
  bool UserEditing() const { return userEditing_; }

  void Clear();
  // Adds the Latin-1 `line` as the new last line; the view and the caret
  // stay where they are.
  void AppendLine(std::string_view line);

  // The views checked in the context menu ("Rechenschritte anzeigen", "Als
  // Brüche anzeigen", "Sensitivität anzeigen", "Verzweigungsbaum anzeigen"). They stay checked for
  // the session and take effect at the next solve.
  ReportViews Views() const;
  void SetViews(const ReportViews& views);
  // The checkable view entries, for a context menu built elsewhere too.
  void AddViewEntries(QMenu& menu) const;
  QList<QAction*> ViewEntries() const {
    return {stepsEntry_, fractionsEntry_, rangesEntry_, treeEntry_, dualEntry_};
  }

  // What the context menu shows after the text editor's own entries: the
  // window's command groups; the view entries alone until it is set.
  void SetMenuExtension(std::function<void(QMenu&)> extend) { extendMenu_ = std::move(extend); }
  // What the tips over the report's words say.
  void SetExplainer(ReportExplainer explain) { explain_ = std::move(explain); }

  // A fixed-pitch font of the same pixel size for the aligned tables of the
  // views; the font the window gave the memo otherwise.
  void UseFixedPitch(bool fixed);

 signals:
  void memoDoubleClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Undo and redo are the window's, which knows the report with the grids.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool IsEmptyText() const;

  // An empty text that holds one empty line.
  bool oneEmptyLine_ = false;
  bool userEditing_ = false;

  QAction* stepsEntry_ = nullptr;
  QAction* fractionsEntry_ = nullptr;
  QAction* rangesEntry_ = nullptr;
  QAction* treeEntry_ = nullptr;
  QAction* dualEntry_ = nullptr;
  std::function<void(QMenu&)> extendMenu_;
  ReportExplainer explain_;
  bool fixedPitch_ = false;
  QFont plainFont_;  // the window's font while the fixed pitch is in use
};

}  // namespace pivora
