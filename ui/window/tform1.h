// The main window: every widget, the wiring of the events to the handlers,
// and the window operations through which the handlers reach the widgets.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "ui/cell_store.h"
#include "ui/handlers.h"
#include "ui/window_operations.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pivora {

class GraphCommand;
class GridModel;
class ReportMemo;
class SpinEdit;
class StringGrid;
class WindowCommands;
class WindowStyle;
struct ReportProblem;

class TForm1 final : public QWidget, public WindowOperations {
  Q_OBJECT

 public:
  // The outer size, frame and title bar included; the window keeps it.
  static constexpr int kOuterWidth = 970;
  static constexpr int kOuterHeight = 580;

  // Builds every widget with its initial values; no handler runs until the
  // window first becomes active.
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // --- WindowOperations ---
  int NVarsValue() const override;
  int NVarsMaximum() const override;
  int NConsValue() const override;
  int NConsMaximum() const override;
  int DigitsValue() const override;
  bool MaximumChecked() const override;
  bool DetailsChecked() const override;
  ReportViews Views() const override;
  IntegerMarks Integers() const override { return integers_; }
  void SetIntegers(const IntegerMarks& marks) override { integers_ = marks; }
  std::string ObjectiveConstant() const override;
  CellStore& NB() override { return nbStore_; }
  CellStore& ZF() override { return zfStore_; }
  void SolClear() override;
  void SolAppendLine(std::string_view line) override;
  void SolAppendLines(const std::vector<std::string>& lines) override;
  void SolTakeFocus() override;
  void SetFooterText(std::string_view text) override;

  // --- The handlers, as the events run them ---
  // Each runs the shared handler of the same name on this window's
  // operations, with the grids' view updates gathered into one; an error
  // the handler ends with is shown in an error box. `sender` is the widget
  // that raised the event.
  void FormActivate(Sender sender);
  void NVarsChange(Sender sender);
  void NConsChange(Sender sender);
  void TabDblClick(Sender sender);
  void SolDblClick(Sender sender);
  // Under the wait cursor until the report is written.
  void SolveClick(Sender sender);

  // --- The widgets, by their names: created once with the window, never replaced ---
  QLabel* lbl1() const { return lbl1_; }
  QLabel* lbl2() const { return lbl2_; }
  QLabel* lbl3() const { return lbl3_; }
  QLabel* lbl4() const { return lbl4_; }
  QLabel* Footer() const { return Footer_; }
  SpinEdit* NVars() const { return NVars_; }
  SpinEdit* NCons() const { return NCons_; }
  StringGrid* NBGrid() const { return NBGrid_; }
  StringGrid* ZFGrid() const { return ZFGrid_; }
  QGroupBox* Opt() const { return Opt_; }
  QRadioButton* Maximum() const { return Maximum_; }
  QRadioButton* Minimum() const { return Minimum_; }
  QPushButton* Solve() const { return Solve_; }
  ReportMemo* Sol() const { return Sol_; }
  QCheckBox* Details() const { return Details_; }
  SpinEdit* Digits() const { return Digits_; }

  // The report as its own window, its export and its print show it: the
  // memo's text, with the line of an opened model's own optimum beside the
  // plain report that the last solve wrote (the memo keeps the plain report
  // as it is).
  QString ReportText() const;
  // The tip for the word at `column` of line `line` of the report `lines`
  // (the memo's or the report window's): what it is, with the numbers of
  // the problem the last solve read; empty where there is nothing to say.
  QString ExplainReport(const QStringList& lines, int line, int column) const;

  // Undo, the file and clipboard commands and the extra shortcuts.
  WindowCommands& Commands() { return *commands_; }
  // The graphical solution: F6, its menu entry and its window.
  GraphCommand& Graph() { return *graph_; }

 protected:
  bool event(QEvent* event) override;
  // Asks about unsaved changes first; a window nobody changed closes at once.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void CreateWidgets();
  void SetTabOrder();
  void ConnectHandlers();
  // Shrinks the client area by the frame the window system adds, so the
  // outer size stays 970 × 580.
  void FitOuterSize();

  // Runs one handler with both grids' view updates gathered into one;
  // gives the text of the error the handler ended with, if any.
  template <typename Handler>
  std::optional<QString> RunHandler(Handler&& handler);
  void ShowError(const std::optional<QString>& error);
  void ShowCurrentCells();
  // Keeps the problem the solve read for the report's tips.
  void KeepSolvedProblem();

  // The widgets.
  QLabel* lbl1_ = nullptr;
  QLabel* lbl2_ = nullptr;
  QLabel* lbl3_ = nullptr;
  QLabel* lbl4_ = nullptr;
  QLabel* Footer_ = nullptr;
  SpinEdit* NVars_ = nullptr;
  SpinEdit* NCons_ = nullptr;
  StringGrid* NBGrid_ = nullptr;
  StringGrid* ZFGrid_ = nullptr;
  QGroupBox* Opt_ = nullptr;
  QRadioButton* Maximum_ = nullptr;
  QRadioButton* Minimum_ = nullptr;
  QPushButton* Solve_ = nullptr;
  ReportMemo* Sol_ = nullptr;
  QCheckBox* Details_ = nullptr;
  SpinEdit* Digits_ = nullptr;

  CellStore nbStore_{5, 3};
  CellStore zfStore_{3, 2};
  GridModel* nbModel_ = nullptr;
  GridModel* zfModel_ = nullptr;
  WindowStyle* style_ = nullptr;
  bool activated_ = false;
  IntegerMarks integers_;
  // The memo's text after the last solve of a model with a constant, and the
  // line of the model's own optimum that ReportText() adds to that text.
  QString modelReport_;
  QString modelOptimum_;
  // The problem as the last solve read it, for ExplainReport.
  std::unique_ptr<ReportProblem> solvedProblem_;
  WindowCommands* commands_ = nullptr;
  GraphCommand* graph_ = nullptr;
};

}  // namespace pivora
