// The exchange hook: what an observer is told, and stopping a run through it
// in the extended and in the exact re-solve.
#include <gtest/gtest.h>

#include <vector>

#include "solver/exact_solve.h"
#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

// Records every step; asks to stop once `stopAfter` steps were made.
class Recorder final : public ExchangeObserver {
 public:
  explicit Recorder(long stopAfter = -1) : stopAfter_(stopAfter) {}
  bool CancelRequested() override {
    ++asked;
    return static_cast<long>(steps.size()) == stopAfter_;
  }
  void Exchanged(const ExchangeStep& step) override {
    steps.push_back(step);
    labels.push_back(step.work != nullptr ? (*step.work)(step.r, step.n + 2) : 0.0L);
  }

  std::vector<ExchangeStep> steps;
  std::vector<Extended> labels;  // the pivot row's label right after each step
  long asked = 0;

 private:
  long stopAfter_;
};

// Maximise x1 + x2 with x1 + x2 <= 4 and x1 <= 3 (two optimal vertices),
// x1 + x2 >= 2 (the start is infeasible) and x3 = 1: every stage exchanges.
constexpr const char* kEveryStage = "max\n1 1 0\n1 1 0 <= 4\n1 0 0 <= 3\n1 1 0 >= 2\n0 0 1 = 1\n";

TEST(ExchangeObserver, SeesEveryStepInOrderWithItsStageAndTheTableauAfterIt) {
  const auto problem = ParseProblem(kEveryStage);
  ASSERT_TRUE(problem);
  SolutionTable solutions;
  SolveStatus status = 99;
  SimplexRecord record;
  Recorder recorder;
  RunSimplex(problem->tableau, problem->m, problem->n, solutions, status, record, &recorder);
  ASSERT_EQ(status, 2);
  ASSERT_EQ(static_cast<long>(recorder.steps.size()), record.exchanges);
  EXPECT_EQ(recorder.asked, record.exchanges);
  std::vector<ExchangePhase> stages;
  for (std::size_t k = 0; k < recorder.steps.size(); ++k) {
    const ExchangeStep& step = recorder.steps[k];
    EXPECT_EQ(step.number, static_cast<long>(k) + 1);
    EXPECT_EQ(step.m, 4);
    EXPECT_EQ(step.n, 3);
    if (stages.empty() || stages.back() != step.phase) stages.push_back(step.phase);
  }
  // The first step exchanged x3 into the equation's row: the tableau shown is
  // the one after the step.
  EXPECT_EQ(recorder.steps[0].r, 4);
  EXPECT_EQ(recorder.labels[0], 3.0L);
  EXPECT_EQ(stages, (std::vector<ExchangePhase>{
                        ExchangePhase::kEquality, ExchangePhase::kFeasibility,
                        ExchangePhase::kOptimisation, ExchangePhase::kAlternatives}));
}

TEST(ExchangeObserver, StopsTheExtendedAndTheExactRunBeforeTheNextStep) {
  const auto problem = ParseProblem(kEveryStage);
  ASSERT_TRUE(problem);
  SolutionTable solutions;
  SolveStatus status = 99;
  SimplexRecord record;
  Recorder extended(2);
  EXPECT_THROW(
      RunSimplex(problem->tableau, problem->m, problem->n, solutions, status, record, &extended),
      SolveCancelled);
  EXPECT_EQ(extended.steps.size(), 2u);
  EXPECT_EQ(record.exchanges, 2);

  // The run on residues shows its every step; a guided run would show
  // only the replay's.
  auto typed = std::make_unique<ExactTableau>();
  ExactFromExtended(problem->tableau, problem->m, problem->n, *typed);
  Recorder exact(1);
  EXPECT_THROW(ContinueExactly(*typed, problem->m, problem->n,
                               StartingBasis(*typed, problem->m, problem->n), solutions, status,
                               &exact, nullptr, ExactWork::kResidues),
               SolveCancelled);
  ASSERT_EQ(exact.steps.size(), 1u);
  EXPECT_EQ(exact.steps[0].work, nullptr);  // exact runs show no extended tableau
  EXPECT_EQ(exact.steps[0].phase, ExchangePhase::kEquality);
}

}  // namespace
}  // namespace pivora::testing
