// How soon "Abbrechen" ends a solve with every view, in each part of it:
// from the cancel request to "ABGEBROCHEN!" in the memo, the solve on a
// worker thread as the window runs it (SolveThread), through the plain
// window's handlers. The problems are dense 50 x 50 ones whose exact parts
// are long: 19-digit significands times 10^(-40..20), degenerate and of
// mixed relations. Each part a problem reaches is cancelled right after it
// is seen and 30 and 120 ms later, where it still runs then. Target: at most
// 0.3 s in every part ("worst_ms"; "cancels" says how many were measured).
// A cancel at a random moment may miss a part's longest stretch without a
// cancel question, so "<part>_gap_ms" gives that stretch too, from an
// uncancelled run: the longest any cancel there can wait to be seen.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "files/problem_file.h"
#include "solve/report.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"
#include "ui/solve_thread.h"

namespace pivora {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSize = 50;

// A problem file like those a badly scaled model gives: every cell a
// 19-digit significand times 10^(-40..20); degenerate (every other
// right-hand side 0, all rows "<=") or with relations drawn at random.
std::string LongDigitFile(std::uint64_t seed, bool degenerate) {
  std::mt19937_64 rng(seed);
  const auto number = [&rng](bool positive) {
    std::string text = positive || rng() % 2 == 0 ? "" : "-";
    text += std::to_string(1 + rng() % 9);
    for (int k = 0; k < 18; ++k) text += std::to_string(rng() % 10);
    return text + "E" + std::to_string(static_cast<int>(rng() % 61) - 40);
  };
  std::string file = "max\n";
  for (int j = 0; j < kSize; ++j) file += number(false) + " ";
  file += "\n";
  const char* relations[] = {"<=", ">=", "="};
  for (int i = 0; i < kSize; ++i) {
    const std::string relation = degenerate ? "<=" : relations[rng() % 3];
    for (int j = 0; j < kSize; ++j) file += number(relation == "<=") + " ";
    file += relation + " " + (degenerate && i % 2 == 1 ? std::string("0") : number(true)) + "\n";
  }
  return file;
}

void Enter(PlainWindow& window, const std::string& file) {
  const ProblemFileOutcome read = ReadProblemFile(file);
  FormActivate(window, &window);
  SpinNVarsTo(window, read.problem.n);
  SpinNConsTo(window, read.problem.m);
  EnterProblemCells(read.problem, window.NB(), window.ZF());
  window.SetMaximumChecked(read.problem.maximum);
  window.SetViews(ReportViews{true, true, true});
}

// Forwards every call to the worker's observer and keeps, for each
// innermost part, the longest time between two cancel questions: the
// longest a cancel asked there can wait to be seen.
class Gaps final : public ExchangeObserver {
 public:
  explicit Gaps(ExchangeObserver* inner) : inner_(inner) {}
  bool CancelRequested() override {
    Note();
    return inner_->CancelRequested();
  }
  void ExchangeChosen() override { inner_->ExchangeChosen(); }
  bool KeepsPlainResult() override { return inner_->KeepsPlainResult(); }
  void Exchanged(const ExchangeStep& step) override { inner_->Exchanged(step); }
  void SolvedBasisSystem(int size, int sides) override { inner_->SolvedBasisSystem(size, sides); }
  void SubproblemSolved(long count, const Rational* best) override {
    inner_->SubproblemSolved(count, best);
  }
  void Entered(WorkPhase phase) override {
    Note();
    open_.push_back(phase);
    inner_->Entered(phase);
  }
  void Left(WorkPhase phase) override {
    Note();
    open_.pop_back();
    inner_->Left(phase);
  }

  std::vector<double> longestMs =
      std::vector<double>(static_cast<std::size_t>(WorkPhase::kViews) + 1);

 private:
  void Note() {
    const Clock::time_point now = Clock::now();
    if (!open_.empty()) {
      double& longest = longestMs[static_cast<std::size_t>(open_.back())];
      longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last_).count());
    }
    last_ = now;
  }

  ExchangeObserver* inner_;
  std::vector<WorkPhase> open_;
  Clock::time_point last_ = Clock::now();
};

// Runs the solve on a worker, watching the innermost part every 0.2 ms. With
// a `target`, cancels once that part has run `after`; else only notes the
// parts seen.
class Watch final : public SolveRunner {
 public:
  Watch(std::optional<WorkPhase> target, Clock::duration after) : target_(target), after_(after) {}

  void Run(const SolveJob& job) override {
    SolveThread thread([this, &job](ExchangeObserver* observer) {
      Gaps gaps(observer);
      job(&gaps);
      longestMs = gaps.longestMs;
    });
    std::optional<Clock::time_point> entered;
    while (!thread.Ended()) {
      const WorkPhase phase = thread.Phase();
      seen.insert(phase);
      if (target_ && phase == *target_) {
        const Clock::time_point now = Clock::now();
        if (!entered) entered = now;
        if (now - *entered >= after_) {
          requested = now;
          thread.Cancel();
          break;
        }
      }
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    thread.Finish();
  }

  std::set<WorkPhase> seen;
  std::optional<Clock::time_point> requested;
  std::vector<double> longestMs;  // Gaps::longestMs of the run

 private:
  std::optional<WorkPhase> target_;
  Clock::duration after_;
};

void BM_CancelInEachPart(benchmark::State& state) {
  std::vector<std::string> files;
  for (const std::uint64_t seed : {1, 2}) {
    files.push_back(LongDigitFile(seed, true));
    files.push_back(LongDigitFile(seed, false));
  }
  std::vector<std::vector<double>> ms(static_cast<std::size_t>(WorkPhase::kViews) + 1);
  std::vector<double> gapMs(ms.size());
  for (auto _ : state) {
    for (const std::string& file : files) {
      PlainWindow window;
      Enter(window, file);
      Watch all(std::nullopt, {});
      SolveClick(window, &window, all);
      for (std::size_t part = 0; part < gapMs.size(); ++part)
        gapMs[part] = std::max(gapMs[part], all.longestMs[part]);
      for (const WorkPhase part : all.seen) {
        for (const int after : {0, 30, 120}) {
          Watch watch(part, std::chrono::milliseconds(after));
          SolveClick(window, &window, watch);
          const Clock::time_point ended = Clock::now();
          if (!watch.requested || window.SolLines().empty() ||
              window.SolLines().back() != kCancelledLine)
            continue;
          ms[static_cast<std::size_t>(part)].push_back(
              std::chrono::duration<double, std::milli>(ended - *watch.requested).count());
        }
      }
    }
  }
  const char* names[] = {"plain",    "guided",    "elimination", "lifting",
                         "residues", "exact_run", "replay",      "views"};
  double worst = 0;
  for (std::size_t part = 0; part < ms.size(); ++part) {
    if (ms[part].empty()) continue;
    const double partWorst = *std::max_element(ms[part].begin(), ms[part].end());
    state.counters[std::string(names[part]) + "_worst_ms"] = partWorst;
    state.counters[std::string(names[part]) + "_gap_ms"] = gapMs[part];
    worst = std::max(worst, partWorst);
  }
  std::size_t cancels = 0;
  for (const auto& part : ms) cancels += part.size();
  state.counters["worst_ms"] = worst;
  state.counters["cancels"] = static_cast<double>(cancels);
}
BENCHMARK(BM_CancelInEachPart)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace pivora
