// The solve on a worker thread: the same bits as on the calling thread
// whatever floating-point environment the caller left, and cancelling.
#include "ui/solve_thread.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "solver/checked_solve.h"
#include "solver/testing/klee_minty.h"
#include "solver/testing/random_problem.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

// The calling thread computes at 53 bits and rounds upward until destroyed.
class SkewedEnvironment {
 public:
  SkewedEnvironment() {
    std::fegetenv(&saved_);
    std::fesetround(FE_UPWARD);
    std::uint16_t control = 0;
    asm volatile("fnstcw %0" : "=m"(control));
    control = static_cast<std::uint16_t>((control & ~0x0300) | 0x0200);  // 53-bit significand
    asm volatile("fldcw %0" : : "m"(control));
  }
  ~SkewedEnvironment() { std::fesetenv(&saved_); }
  SkewedEnvironment(const SkewedEnvironment&) = delete;
  SkewedEnvironment& operator=(const SkewedEnvironment&) = delete;

 private:
  std::fenv_t saved_;
};

struct Solved {
  std::unique_ptr<SolutionTable> solutions = std::make_unique<SolutionTable>();
  SolveStatus status = 99;
  bool exact = false;
};

Solved SolveWith(SolveRunner& runner, const testing::RandomProblem& p) {
  Solved result;
  runner.Run([&](ExchangeObserver* observer) {
    const CheckedSolve checked = SolveChecked(p.tableau, p.m, p.n, *result.solutions, observer);
    result.status = checked.result.Status();
    result.exact = checked.exact;
  });
  return result;
}

TEST(SolveThread, GivesTheBitsOfASolveOnTheCallingThread) {
  const testing::RandomProblemShape shape{1, 30, true, 30, 20};
  int optima = 0;
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    // Every third a dense problem with an optimum, the others of any outcome.
    const auto p = seed % 3 == 0 ? testing::MakeDenseFeasibleProblem(seed, 5 + seed % 25)
                                 : testing::MakeRandomProblem(seed, shape);
    InPlaceSolve here;
    const Solved expected = SolveWith(here, p);
    WorkerSolve worker;
    const Solved onWorker = [&] {
      const SkewedEnvironment skewed;
      return SolveWith(worker, p);
    }();
    ASSERT_EQ(onWorker.status, expected.status);
    EXPECT_EQ(onWorker.exact, expected.exact);
    EXPECT_TRUE(*onWorker.solutions == *expected.solutions);  // bits, signs of zeros too
    if (expected.status > 0) ++optima;
  }
  EXPECT_GE(optima, 20);
}

// The worked example through the whole command: the same report lines.
TEST(SolveThread, TheCommandWritesTheSameReportOnTheWorker) {
  std::vector<std::vector<std::string>> reports;
  for (const bool onWorker : {false, true}) {
    PlainWindow window;
    FormActivate(window, &window);
    const char* cells[2][4] = {{"1", "1", "<=", "4"}, {"1", "3", "<=", "6"}};
    for (int row = 1; row <= 2; ++row) {
      for (int column = 1; column <= 4; ++column)
        window.NB().SetText(column, row, cells[row - 1][column - 1]);
    }
    window.ZF().SetText(1, 1, "3.3");
    window.ZF().SetText(2, 1, "2.1");
    window.SetDigits(15);
    WorkerSolve worker;
    InPlaceSolve here;
    SolveClick(window, &window, onWorker ? static_cast<SolveRunner&>(worker) : here);
    reports.push_back(window.SolLines());
  }
  EXPECT_EQ(reports[0].size(), 6u);
  EXPECT_EQ(reports[1], reports[0]);
}

// Asks to stop before the first exchange.
class CancelAtOnce final : public SolveRunner {
 public:
  void Run(const SolveJob& job) override {
    SolveProgress progress;
    progress.RequestCancel();
    job(&progress);
  }
};

TEST(SolveThread, ACancelledCommandSaysSoInOneLineAndKeepsTheDefaults) {
  PlainWindow window;
  FormActivate(window, &window);
  window.NB().SetText(1, 1, "1");
  window.NB().SetText(4, 1, "4");
  window.ZF().SetText(1, 1, "1");
  window.SolAppendLine("an old report");
  CancelAtOnce runner;
  const SolveClickOutcome outcome = SolveClick(window, &window, runner);
  EXPECT_EQ(outcome.kind, SolveClickOutcome::Kind::kCancelled);
  EXPECT_EQ(outcome.result.outcome, SolveOutcome::kCancelled);
  EXPECT_EQ(window.SolLines(), std::vector<std::string>{"ABGEBROCHEN!"});
  EXPECT_EQ(window.NB().Text(3, 1), "<=");  // defaults written before the solve stay
  EXPECT_EQ(window.ZF().Text(2, 1), "0");
}

// The cube's 2^20 - 1 exchanges would take about a second; a cancel stops
// it long before, and the count shows how far it got.
TEST(SolveThread, CancelStopsAKleeMintyCubeOnTheWorker) {
  const auto cube = testing::MakeKleeMinty(20);
  SolutionTable solutions;
  SolveOutcome outcome = SolveOutcome::kOptimal;
  SolveThread thread([&](ExchangeObserver* observer) {
    outcome = SolveChecked(cube.tableau, cube.m, cube.n, solutions, observer).result.outcome;
  });
  while (thread.Exchanges() < 1000 && !thread.Ended()) thread.WaitFor(std::chrono::milliseconds(1));
  thread.Cancel();
  thread.Finish();
  EXPECT_EQ(outcome, SolveOutcome::kCancelled);
  EXPECT_GE(thread.Exchanges(), 1000);
  EXPECT_LT(thread.Exchanges(), (1L << 20) - 1);
}

// A window closed during a solve destroys its SolveThread: that cancels the
// solve, which then ends long before the cube's 2^20 - 1 exchanges.
TEST(SolveThread, DestroyedDuringASolveItCancelsTheSolve) {
  const auto cube = testing::MakeKleeMinty(20);
  SolutionTable solutions;
  bool cancelled = false;
  {
    SolveThread thread([&](ExchangeObserver* observer) {
      cancelled = SolveChecked(cube.tableau, cube.m, cube.n, solutions, observer).result.outcome ==
                  SolveOutcome::kCancelled;
    });
    while (thread.Exchanges() < 1000 && !thread.Ended())
      thread.WaitFor(std::chrono::milliseconds(1));
  }
  EXPECT_TRUE(cancelled);
}

}  // namespace
}  // namespace pivora
