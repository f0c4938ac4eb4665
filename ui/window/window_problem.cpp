#include "ui/window/window_problem.h"

#include <QCheckBox>
#include <QRadioButton>
#include <algorithm>

#include "solve/read_problem.h"
#include "ui/window/spin_edit.h"
#include "ui/window/tform1.h"

namespace pivora {
namespace {

std::string Bytes(std::string_view text) { return std::string(text); }

// The marks of x1..xn; the hidden columns' do not belong to the problem.
bool SameMarks(const IntegerMarks& a, const IntegerMarks& b, int n) {
  for (int j = 1; j <= n; ++j) {
    if (a.Of(j) != b.Of(j)) return false;
  }
  return true;
}

// One grid of a snapshot, as the cells EnterProblemCells writes.
class SnapshotGrid final : public GridCells {
 public:
  SnapshotGrid(WindowSnapshot& snapshot, bool objective)
      : snapshot_(snapshot), objective_(objective) {}
  std::string_view Text(int column, int row) const override {
    text_ = snapshot_.Text(objective_, column, row);
    return text_;
  }
  void SetText(int column, int row, std::string_view text) override {
    snapshot_.SetText(objective_, column, row, std::string(text));
  }

 private:
  WindowSnapshot& snapshot_;
  bool objective_;
  mutable std::string text_;
};

}  // namespace

ProblemFile WindowProblem(TForm1& form) {
  ProblemFile problem;
  problem.n = form.NVars()->value();
  problem.m = form.NCons()->value();
  problem.maximum = form.Maximum()->isChecked();
  problem.details = form.Details()->isChecked();
  problem.digits = form.Digits()->value();
  for (int j = 1; j <= problem.n; ++j) problem.integers.Set(j, form.Integers().Of(j));
  for (int c = 1; c <= problem.n; ++c) {
    problem.objective.push_back(Bytes(form.ZF().TypedText(c, 1)));
  }
  for (int r = 1; r <= problem.m; ++r) {
    std::vector<std::string> row;
    for (int c = 1; c <= problem.n + 2; ++c) row.push_back(Bytes(form.NB().TypedText(c, r)));
    problem.constraints.push_back(std::move(row));
  }
  return problem;
}

ProblemFile WithDefaults(ProblemFile problem) {
  for (std::string& cell : problem.objective) {
    if (cell.empty()) cell.push_back('0');
  }
  for (std::vector<std::string>& row : problem.constraints) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (!row[c].empty()) continue;
      const std::string_view fill = c + 2 == row.size() ? kRelationDefault : kNumberDefault;
      row[c].append(fill.data(), fill.size());
    }
  }
  return problem;
}

bool SameProblem(const ProblemFile& a, const ProblemFile& b) {
  return a.maximum == b.maximum && a.details == b.details && a.digits == b.digits &&
         a.objective == b.objective && a.constraints == b.constraints &&
         SameMarks(a.integers, b.integers, a.n);
}

WindowSnapshot SnapshotOf(const ProblemFile& problem, const WindowSnapshot& current) {
  WindowSnapshot snapshot;
  snapshot.n = problem.n;
  snapshot.m = problem.m;
  SnapshotGrid nb(snapshot, false);
  SnapshotGrid zf(snapshot, true);
  EnterProblemCells(problem, nb, zf);
  snapshot.maximum = problem.maximum;
  snapshot.integers = problem.integers;
  snapshot.details = problem.details.value_or(current.details);
  snapshot.digits = std::clamp(problem.digits.value_or(current.digits), 3, 15);
  return snapshot;
}

}  // namespace pivora
