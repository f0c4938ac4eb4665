// The main window: every widget, the wiring of the events to the handlers,
// and the window operations through which the handlers reach the widgets.
#pragma once

#include <QString>
#include <QWidget>
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

class GridModel;
class ReportMemo;
class SpinEdit;
class StringGrid;
class WindowCommands;
class WindowStyle;

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
  CellStore& NB() override { return nbStore_; }
  CellStore& ZF() override { return zfStore_; }
  void SolClear() override;
  void SolAppendLine(std::string_view line) override;
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

  // --- The widgets, by their names ---
  QLabel* lbl1 = nullptr;
  QLabel* lbl2 = nullptr;
  QLabel* lbl3 = nullptr;
  QLabel* lbl4 = nullptr;
  QLabel* Footer = nullptr;
  SpinEdit* NVars = nullptr;
  SpinEdit* NCons = nullptr;
  StringGrid* NBGrid = nullptr;
  StringGrid* ZFGrid = nullptr;
  QGroupBox* Opt = nullptr;
  QRadioButton* Maximum = nullptr;
  QRadioButton* Minimum = nullptr;
  QPushButton* Solve = nullptr;
  ReportMemo* Sol = nullptr;
  QCheckBox* Details = nullptr;
  SpinEdit* Digits = nullptr;

  // Undo, the file and clipboard commands and the extra shortcuts.
  WindowCommands& Commands() { return *commands_; }

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

  CellStore nbStore_{5, 3};
  CellStore zfStore_{3, 2};
  GridModel* nbModel_ = nullptr;
  GridModel* zfModel_ = nullptr;
  WindowStyle* style_ = nullptr;
  bool activated_ = false;
  WindowCommands* commands_ = nullptr;
};

}  // namespace pivora
