// The window operations on plain state: two spin values with their ranges,
// the check states, Digits, the two grid cell stores, the report lines and
// the footer text. Serves the tests and the command-line front ends; the Qt
// window is the other implementation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/cell_store.h"
#include "ui/window_operations.h"

namespace pivora {

class PlainWindow final : public WindowOperations {
 public:
  static constexpr int kCountMinimum = 1;
  static constexpr int kDigitsMinimum = 3;
  static constexpr int kDigitsMaximum = 15;

  // The start-up state: n = m = 2, Maximum and Details checked, Digits 10,
  // empty grids with 5 x 3 and 3 x 2 cells, empty memo and footer. No
  // handler has run; start-up runs FormActivate next.
  PlainWindow();

  // --- WindowOperations ---
  int NVarsValue() const override { return nVars_; }
  int NVarsMaximum() const override { return kMaxVariables; }
  int NConsValue() const override { return nCons_; }
  int NConsMaximum() const override { return kMaxConstraints; }
  int DigitsValue() const override { return digits_; }
  bool MaximumChecked() const override { return maximum_; }
  bool DetailsChecked() const override { return details_; }
  ReportViews Views() const override { return views_; }
  IntegerMarks Integers() const override { return integers_; }
  void SetIntegers(const IntegerMarks& marks) override { integers_ = marks; }
  std::string ObjectiveConstant() const override { return objectiveConstant_; }
  CellStore& NB() override { return nb_; }
  CellStore& ZF() override { return zf_; }
  void SolClear() override { solLines_.clear(); }
  void SolAppendLine(std::string_view line) override { solLines_.emplace_back(line); }
  // A plain window has no keyboard focus: the Qt window's tests follow it.
  void SolTakeFocus() override {}
  void SetFooterText(std::string_view text) override { footer_.assign(text); }

  // --- The user's side of the widgets ---
  // One click on a spin button: the value moves by one step (+1 or -1 by the
  // sign of `direction`), clamped to 1..50. True when it actually changed;
  // only then does the window report a change (run NVarsChange/NConsChange).
  bool StepNVars(int direction);
  bool StepNCons(int direction);
  // Digits as it reads after the focus left it: clamped into 3..15.
  void SetDigits(int digits);
  void SetMaximumChecked(bool maximum) { maximum_ = maximum; }
  void SetDetailsChecked(bool details) { details_ = details; }
  void SetViews(const ReportViews& views) { views_ = views; }
  void SetObjectiveConstant(std::string constant) { objectiveConstant_ = std::move(constant); }

  const CellStore& NB() const { return nb_; }
  const CellStore& ZF() const { return zf_; }
  const std::vector<std::string>& SolLines() const { return solLines_; }
  const std::string& FooterText() const { return footer_; }

 private:
  int nVars_ = 2;
  int nCons_ = 2;
  int digits_ = 10;
  bool maximum_ = true;
  bool details_ = true;
  ReportViews views_;
  IntegerMarks integers_;
  std::string objectiveConstant_;
  CellStore nb_{5, 3};
  CellStore zf_{3, 2};
  std::vector<std::string> solLines_;
  std::string footer_;
};

// The spin edits' event wiring on the plain window: step NVars or NCons one
// value at a time towards `target` (clamped to 1..50), running the change
// handler once after every actual step, as holding a spin button does.
void SpinNVarsTo(PlainWindow& window, int target);
void SpinNConsTo(PlainWindow& window, int target);

}  // namespace pivora
