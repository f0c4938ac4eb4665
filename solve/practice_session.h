// A practice of the exchange method by hand: the problem's first tableau,
// the student's pivots, each judged and, where the method allows it,
// carried out exactly, with undo and redo, the rule's choice as a hint, the
// end recognised and held against the solve's own result, and the worked
// sheet as the steps view writes it (Latin-1 lines). Pivots are places of
// the work tableau, whose columns keep the zero variables' (a window shows
// them, to refuse them); the sheet and the texts number the columns as the
// steps view does, without those.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "solve/practice_judge.h"
#include "solve/practice_tableau.h"
#include "solve/view_numbers.h"
#include "solver/exact_problem.h"
#include "solver/exact_solutions.h"
#include "solver/step_record.h"

namespace pivora {

class PracticeSession {
 public:
  // `problem` (not null): m constraints, n variables, as typed. `solved`
  // (may be null) is the solve's exact result, which the end is held against.
  // `relaxation`: some variables are whole-numbered, and the sheet says that
  // the LP relaxation is worked.
  PracticeSession(std::shared_ptr<const ExactTableau> problem, int m, int n,
                  const ViewNumbers& numbers, std::shared_ptr<const ExactSolutions> solved,
                  bool relaxation = false);

  const ExactTableau& Problem() const { return *problem_; }
  const ExactSolutions* Solved() const { return solved_.get(); }
  bool Relaxation() const { return relaxation_; }
  int m() const { return m_; }
  int n() const { return n_; }
  bool Maximise() const { return maximise_; }
  const ViewNumbers& Numbers() const { return numbers_; }
  // Fractions or the report's digits, from here on (the sheet too).
  void SetNumbers(const ViewNumbers& numbers) { numbers_ = numbers; }

  // The tableau the student stands at, and where the method stands there.
  const TableauSnapshot& Tableau() const { return Current().tableau; }
  const TableauAssessment& Assessment() const { return Current().assessed; }
  bool Ended() const { return IsEnd(Assessment().stage); }
  // The steps taken up to the tableau shown.
  std::size_t Steps() const { return current_; }

  // The judgement of pivot `p` (row 1..m, column 1..n) at the tableau shown.
  PivotJudgement Judge(PivotPlace p) const;
  // Judges `p` and, unless it is refused, takes the step: the steps that
  // could be redone are dropped.
  PivotJudgement Take(PivotPlace p);

  // The rule's pivot at the tableau shown, if the method takes a step there.
  // At the optimum: the search's step to a further optimal vertex, where one
  // leads to a vertex not met yet.
  std::optional<PivotPlace> Hint() const;
  // The hint in words: "Hinweis: das Verfahren nimmt Zeile 1, Spalte 1 (...)."
  std::string HintText() const;

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < nodes_.size(); }
  void Undo();
  void Redo();

  // At an end "Ende: ..." with why, and whether the solve's report says the
  // same; before it "Noch nicht zu Ende: ..." with what is left to do.
  std::string StatusLine() const;
  // The worked sheet: every step taken with its tableau, pivot and
  // judgement, then the tableau shown and the status line.
  std::vector<std::string> SheetLines() const;
  // The steps as the steps view's record, for the picture of the path: the
  // tableau of each step and the tableau shown.
  StepRecord Path() const;

 private:
  struct Node {
    TableauSnapshot tableau;
    PracticeContext context;
    TableauAssessment assessed;
    std::vector<int> relabelled;  // redundant equations relabelled on arrival
  };
  struct Step {
    PivotPlace pivot;
    ExchangePhase phase = ExchangePhase::kEquality;
    bool leastIndex = false;
    PivotJudgement judgement;
  };

  const Node& Current() const { return nodes_[current_]; }
  Node Arrive(TableauSnapshot tableau, const Step* step) const;
  std::vector<std::string> NoteLines(std::size_t node) const;

  std::shared_ptr<const ExactTableau> problem_;
  int m_;
  int n_;
  bool maximise_;
  ViewNumbers numbers_;
  std::shared_ptr<const ExactSolutions> solved_;
  bool relaxation_;
  std::vector<Node> nodes_;  // nodes_[k]: the tableau after step k
  std::vector<Step> steps_;  // steps_[k]: from nodes_[k] to nodes_[k + 1]
  std::size_t current_ = 0;  // the node shown; the ones after it can be redone
};

}  // namespace pivora
