#include "solve/practice_session.h"

#include "solve/steps_report.h"

namespace pivora {

namespace {

bool SameBasis(const TableauSnapshot& a, const TableauSnapshot& b) {
  return a.rowLabels == b.rowLabels && a.columnLabels == b.columnLabels;
}

// The decision variables x[1..n] of the tableau's basic solution.
std::vector<Rational> PointOf(const TableauSnapshot& t) {
  std::vector<Rational> x(static_cast<std::size_t>(t.n));
  for (int i = 1; i <= t.m; ++i) {
    const int label = t.RowLabel(i);
    if (label > 0) x[static_cast<std::size_t>(label - 1)] = t.At(i, t.n + 1);
  }
  return x;
}

// Solution k of the solve's result as a point: a negative entry stands for
// a non-basic variable, which is 0.
std::vector<Rational> PointOf(const ExactSolutions& solved, int k, int n) {
  std::vector<Rational> x;
  for (int j = 1; j <= n; ++j) {
    const Rational& v = solved(j, k);
    x.push_back(v < 0 ? Rational(0) : v);
  }
  return x;
}

}  // namespace

PracticeSession::PracticeSession(std::shared_ptr<const ExactTableau> problem, int m, int n,
                                 const ViewNumbers& numbers,
                                 std::shared_ptr<const ExactSolutions> solved, bool relaxation)
    : problem_(std::move(problem)),
      m_(m),
      n_(n),
      maximise_((*problem_)(m + 1, n + 2) > 0),
      numbers_(numbers),
      solved_(std::move(solved)),
      relaxation_(relaxation) {
  nodes_.push_back(Arrive(StartingTableau(*problem_, m, n), nullptr));
}

// The node of `tableau`, reached from the node shown by `step` (null at the
// start): redundant equations relabelled, the phase's rule switched to the
// least-index rule once the phase has come back to a basis it had, as the
// solve does.
PracticeSession::Node PracticeSession::Arrive(TableauSnapshot tableau, const Step* step) const {
  Node node;
  node.tableau = std::move(tableau);
  node.relabelled = RelabelRedundantEquations(node.tableau);
  if (step != nullptr && step->phase == ExchangePhase::kAlternatives) {
    node.context.previousColumn = step->pivot.column;
  }
  node.assessed = Assess(node.tableau, node.context);
  const ExchangePhase phase = node.assessed.phase;
  if (step == nullptr || IsEnd(node.assessed.stage) || phase != step->phase ||
      (phase != ExchangePhase::kFeasibility && phase != ExchangePhase::kOptimisation)) {
    return node;
  }
  bool leastIndex = step->leastIndex;
  for (std::size_t k = current_ + 1; k-- > 0 && !leastIndex;) {
    if (nodes_[k].assessed.phase != phase) break;
    leastIndex = SameBasis(nodes_[k].tableau, node.tableau);
  }
  if (leastIndex) {
    node.context.leastIndex = true;
    node.assessed = Assess(node.tableau, node.context);
  }
  return node;
}

PivotJudgement PracticeSession::Judge(PivotPlace p) const {
  ShortViewNumbers numbers(numbers_);
  return JudgePivot(Tableau(), Assessment(), Current().context, p, numbers);
}

PivotJudgement PracticeSession::Take(PivotPlace p) {
  PivotJudgement judgement = Judge(p);
  if (judgement.verdict == PivotVerdict::kRefused) return judgement;
  const Step step{p, Assessment().phase, Current().context.leastIndex, judgement};
  nodes_.resize(current_ + 1);
  steps_.resize(current_);
  Node next = Arrive(ExchangeExactly(Tableau(), p), &step);
  steps_.push_back(step);
  nodes_.push_back(std::move(next));
  ++current_;
  return judgement;
}

std::optional<PivotPlace> PracticeSession::Hint() const {
  const TableauAssessment& a = Assessment();
  if (!a.rule || a.stage != PracticeStage::kOptimal) return a.rule;
  // Among optima: only towards a vertex not met yet.
  const std::vector<Rational> next = PointOf(ExchangeExactly(Tableau(), *a.rule));
  for (std::size_t k = 0; k <= current_; ++k) {
    if (nodes_[k].assessed.stage == PracticeStage::kOptimal && PointOf(nodes_[k].tableau) == next) {
      return std::nullopt;
    }
  }
  return a.rule;
}

std::string PracticeSession::HintText() const {
  const std::optional<PivotPlace> hint = Hint();
  if (!hint) return "Hinweis: die Rechnung ist zu Ende.";
  if (Ended()) {
    return "Hinweis: das Optimum ist erreicht; eine weitere optimale Ecke gibt der Austausch in " +
           PlaceName(Tableau(), *hint) + ".";
  }
  const ShownStep step{
      ExchangePick{Assessment().phase, Current().context.leastIndex, hint->row, hint->column},
      Tableau()};
  return "Hinweis: das Verfahren nimmt " + PlaceName(Tableau(), *hint) + " (" + StepReason(step) +
         ").";
}

void PracticeSession::Undo() {
  if (CanUndo()) --current_;
}

void PracticeSession::Redo() {
  if (CanRedo()) ++current_;
}

std::string PracticeSession::StatusLine() const {
  switch (Assessment().stage) {
    case PracticeStage::kEquality:
      return "Noch nicht zu Ende: die Nullvariable einer Gleichung ist noch in der Basis.";
    case PracticeStage::kFeasibility:
      return "Noch nicht zu Ende: eine Konstante ist negativ, die Basisl\xF6sung unzul\xE4ssig.";
    case PracticeStage::kOptimisation:
      return "Noch nicht zu Ende: ein Eintrag der Zielzeile ist positiv, Z kann besser werden.";
    default:
      break;
  }
  ShortViewNumbers numbers(numbers_);
  std::string line = "Ende: " + EndReason(Tableau(), Assessment(), maximise_, numbers);
  if (solved_ == nullptr) return line;
  const PracticeStage stage = Assessment().stage;
  const SolveStatus status = solved_->Status();
  const bool same = stage == PracticeStage::kOptimal     ? IsOptimal(status)
                    : stage == PracticeStage::kUnbounded ? status == kUnbounded
                                                         : status == kNoFeasibleSolution;
  if (!same) return line + " Der Bericht kommt zu einem anderen Ergebnis.";
  if (stage != PracticeStage::kOptimal) return line + " Der Bericht sagt dasselbe.";
  const std::vector<Rational> here = PointOf(Tableau());
  for (int k = 1; k <= status; ++k) {
    if (PointOf(*solved_, k, n_) == here) {
      return line + " Der Bericht nennt dasselbe Optimum; diese Ecke ist seine " +
             WordAndNumber("", k) + ". L\xF6sung.";
    }
  }
  return line + " Der Bericht nennt dasselbe Optimum, an einer anderen Ecke.";
}

// The notes on arrival at node k: equations found redundant, and the column
// that the zero variable of an equation has just entered.
std::vector<std::string> PracticeSession::NoteLines(std::size_t node) const {
  std::vector<std::string> lines;
  if (node > 0 && steps_[node - 1].phase == ExchangePhase::kEquality) {
    lines.push_back(ZeroColumnNote(steps_[node - 1].pivot.row));
  }
  for (const int i : nodes_[node].relabelled) lines.push_back(RedundantEquationNote(i));
  return lines;
}

std::vector<std::string> PracticeSession::SheetLines() const {
  ShortViewNumbers numbers(numbers_);
  std::vector<std::string> body;
  const auto append = [&body](std::vector<std::string> more) {
    for (std::string& line : more) body.push_back(std::move(line));
  };
  for (std::size_t k = 0; k < current_; ++k) {
    const Node& node = nodes_[k];
    const PivotPlace& p = steps_[k].pivot;
    const ShownStep step{ExchangePick{steps_[k].phase, steps_[k].leastIndex, p.row, p.column},
                         node.tableau};
    body.emplace_back();
    body.push_back(
        StepLine(static_cast<long>(k + 1), step, ShownColumn(node.tableau, p.column), numbers));
    body.push_back(JudgePivot(node.tableau, node.assessed, node.context, p, numbers).text);
    append(NoteLines(k));
    append(TableauLines(node.tableau, maximise_, p.row, p.column, numbers));
  }
  body.emplace_back();
  body.emplace_back(Ended() ? "Endtableau:" : "Aktuelles Tableau:");
  append(NoteLines(current_));
  append(TableauLines(Tableau(), maximise_, 0, 0, numbers));
  body.emplace_back();
  body.push_back(StatusLine());
  std::vector<std::string> lines{WordAndNumber("Selbst gerechnet: ", static_cast<long>(current_)) +
                                 (current_ == 1 ? " Austausch" : " Austausche")};
  if (relaxation_) {
    lines.emplace_back(
        "Gerechnet wird die LP-Relaxation: dass Variablen ganzzahlig sein sollen, gilt hier "
        "nicht.");
  }
  if (numbers.Shortened()) lines.emplace_back(kShortenedLine);
  for (std::string& line : body) lines.push_back(std::move(line));
  return lines;
}

StepRecord PracticeSession::Path() const {
  StepRecord record;
  for (std::size_t k = 0; k < current_; ++k) {
    const PivotPlace& p = steps_[k].pivot;
    record.steps.push_back(ShownStep{
        ExchangePick{steps_[k].phase, steps_[k].leastIndex, p.row, p.column}, nodes_[k].tableau});
  }
  record.shown = current_;
  record.exchanges = static_cast<long>(current_);
  record.last = Tableau();
  return record;
}

}  // namespace pivora
