#include "ui/read_window_problem.h"

#include "solve/read_problem.h"

namespace pivora {

namespace {

// The window's counts, Max/Min and cell texts, held apart from the window:
// the reader writes its defaults of empty cells here, not into the grids.
class ProblemCopy final : public WindowOperations {
 public:
  explicit ProblemCopy(WindowOperations& window)
      : n_(window.NVarsValue()),
        m_(window.NConsValue()),
        maximum_(window.MaximumChecked()),
        integers_(window.Integers()) {
    Copy(window.NB(), nb_);
    Copy(window.ZF(), zf_);
  }

  int NVarsValue() const override { return n_; }
  int NVarsMaximum() const override { return kMaxVariables; }
  int NConsValue() const override { return m_; }
  int NConsMaximum() const override { return kMaxConstraints; }
  int DigitsValue() const override { return 10; }
  bool MaximumChecked() const override { return maximum_; }
  bool DetailsChecked() const override { return true; }
  IntegerMarks Integers() const override { return integers_; }
  void SetIntegers(const IntegerMarks& marks) override { integers_ = marks; }
  CellStore& NB() override { return nb_; }
  CellStore& ZF() override { return zf_; }
  void SolClear() override {}
  void SolAppendLine(std::string_view) override {}
  void SolTakeFocus() override {}
  void SetFooterText(std::string_view) override {}

 private:
  void Copy(const CellStore& from, CellStore& to) const {
    for (int column = 0; column <= n_ + 2; ++column) {
      for (int row = 0; row <= m_; ++row) to.SetText(column, row, from.Text(column, row));
    }
  }

  int n_;
  int m_;
  bool maximum_;
  IntegerMarks integers_;
  CellStore nb_{5, 3};
  CellStore zf_{3, 2};
};

}  // namespace

std::optional<CellFault> ReadWindowProblem(WindowOperations& window, const NumberFormat& format,
                                           Tableau& tableau, ExactTableau* exact) {
  const int n = window.NVarsValue();
  const int m = window.NConsValue();
  const bool maximum = window.MaximumChecked();
  const ReadOutcome read =
      exact != nullptr
          ? ReadProblem(window.NB(), window.ZF(), n, m, maximum, format, tableau, *exact)
          : ReadProblem(window.NB(), window.ZF(), n, m, maximum, format, tableau);
  if (read.kind != ReadOutcome::Kind::kFaulty) return std::nullopt;
  CellFault fault;
  fault.inObjectiveGrid = read.fault.grid == ProblemGrid::kObjective;
  fault.column = read.fault.column;
  fault.row = read.fault.row;
  const CellStore& grid = fault.inObjectiveGrid ? window.ZF() : window.NB();
  fault.text.assign(grid.Text(fault.column, fault.row));
  return fault;
}

std::optional<CellFault> ReadWindowProblemCopy(WindowOperations& window, const NumberFormat& format,
                                               Tableau& tableau, ExactTableau* exact) {
  ProblemCopy copy(window);
  return ReadWindowProblem(copy, format, tableau, exact);
}

}  // namespace pivora
