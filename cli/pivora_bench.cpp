// pivora-bench: how long reading the cells and solving take, per problem file.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/enter_problem.h"
#include "cli/gmp_memory.h"
#include "cli/input.h"
#include "cli/load_problem.h"
#include "files/problem_file.h"
#include "solve/number_format.h"
#include "solve/report_agreement.h"
#include "solver/checked_solve.h"
#include "solver/fp_error.h"
#include "solver/simplex.h"
#include "ui/messages.h"
#include "ui/plain_window.h"
#include "ui/read_window_problem.h"
#include "ui/text_encoding.h"
#include "ui/time_limit.h"

namespace pivora {
namespace {

constexpr std::string_view kProgram = "pivora-bench";

// More repeats than this would take hours on the largest problems.
constexpr int kMaxRepeat = 100'000'000;

using Clock = std::chrono::steady_clock;

double Median(std::vector<double>& samples) {
  const std::size_t middle = samples.size() / 2;
  std::nth_element(samples.begin(), samples.begin() + static_cast<long>(middle), samples.end());
  const double upper = samples[middle];
  if (samples.size() % 2 == 1) return upper;
  const double lower =
      *std::max_element(samples.begin(), samples.begin() + static_cast<long>(middle));
  return (lower + upper) / 2;
}

double Microseconds(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

// Measures one file; returns the exit code it contributes.
ExitCode Measure(const std::string& path, int repeat, std::chrono::milliseconds timeLimit) {
  const std::string name = InputName(path);
  const std::optional<LoadedProblem> loaded = LoadProblem(kProgram, path);
  if (!loaded) return ExitCode::kUsageOrFormat;
  const ProblemFile& problem = loaded->problem;
  PlainWindow window;
  EnterProblem(window, problem);
  const int n = window.NVarsValue();
  const int m = window.NConsValue();

  std::vector<double> readTimes;
  std::vector<double> solveTimes;
  readTimes.reserve(static_cast<std::size_t>(repeat));
  solveTimes.reserve(static_cast<std::size_t>(repeat));
  Tableau tableau;
  SolutionTable solutions(kUninitialised);
  SolveStatus status = 0;
  SimplexRecord record;
  // A plain run that leaves the extended range is timed once; the checked
  // solve below decides, as the command does.
  bool plainFault = false;
  for (int k = 0; k < repeat && !plainFault; ++k) {
    const Clock::time_point start = Clock::now();
    const std::optional<CellFault> fault =
        ReadWindowProblem(window, SolveNumberFormat(), tableau, nullptr);
    const Clock::time_point read_end = Clock::now();
    if (fault) {
      PrintError(kProgram, InputErrorMessage(name, problem, fault->inObjectiveGrid, fault->column,
                                             fault->row, fault->text));
      return ExitCode::kInputError;
    }
    solutions.ClearRows(n + m);  // the rows a solve can write, as the command has them
    try {
      RunSimplex(tableau, m, n, solutions, status, record);
    } catch (const FloatingPointError&) {
      plainFault = true;
    }
    const Clock::time_point solve_end = Clock::now();
    readTimes.push_back(Microseconds(read_end - start));
    solveTimes.push_back(Microseconds(solve_end - read_end));
  }

  // The checked solve the command runs, judged on the problem as typed,
  // under the same time limit.
  auto exact = std::make_unique<ExactTableau>();
  ReadWindowProblem(window, SolveNumberFormat(), tableau, exact.get());
  SolutionTable checkedSolutions;
  CheckedSolve checked;
  TimeLimitedSolve runner(SolveDeadline(CoarseClock::now(), timeLimit));
  runner.Run([&](ExchangeObserver* observer) {
    checked = SolveChecked(tableau, *exact, m, n, SameReport(tableau, m, n, ReportSettings{}),
                           checkedSolutions, observer);
  });
  if (checked.result.outcome == SolveOutcome::kFloatingPointError) {
    PrintError(kProgram, name + ": " + messages::FloatingPointError(checked.result.fault));
    if (checked.checked) return ExitCode::kFloatingPoint;
    PrintError(kProgram, name + ": " +
                             messages::TimeLimitNote(messages::TimeLimitEnd::kPlainFault, timeLimit));
    return ExitCode::kUnchecked;
  }
  if (checked.result.outcome == SolveOutcome::kCancelled) {
    PrintError(kProgram,
               name + ": " + messages::TimeLimitNote(messages::TimeLimitEnd::kNoResult, timeLimit));
    return ExitCode::kUnchecked;
  }
  // "cycled": the extended run came back to an earlier basis (its result may
  // still stand); "exact": the report is the exact run's; "unchecked": the
  // time limit stopped the exact check.
  if (plainFault) status = checked.result.Status();
  std::printf("%s status=%d pivots=%ld read_us=%.3f solve_us=%.3f%s%s%s\n", name.c_str(), status,
              record.exchanges, Median(readTimes), Median(solveTimes),
              checked.cycled ? " cycled" : "", checked.exact ? " exact" : "",
              checked.checked ? "" : " unchecked");
  return checked.checked ? ExitCode::kSuccess : ExitCode::kUnchecked;
}

ExitCode Run(const std::vector<std::string>& args) {
  int repeat = 1000;
  std::chrono::milliseconds timeLimit = kDefaultTimeLimit;
  std::vector<std::string> paths;
  CommandLine line(kProgram, args);
  while (line.More()) {
    std::string value;
    if (line.Flag("--help")) {
      std::fputs(messages::kBenchHelp, stdout);
      return ExitCode::kSuccess;
    }
    if (line.Value("--repeat", value)) {
      bool clamped = false;
      if (!ParseInteger(value, repeat, &clamped) || clamped || repeat < 1 || repeat > kMaxRepeat) {
        line.Fail(messages::RepeatOutOfRange(kMaxRepeat, QuotedForMessage(value)));
      }
    } else if (line.Value("--time-limit", value)) {
      if (!ParseSeconds(value, timeLimit))
        line.Fail(messages::TimeLimitOutOfRange(QuotedForMessage(value)));
    } else if (line.Operand(value)) {
      paths.push_back(value);
    }
  }
  if (!line.Failed() && paths.empty()) line.Fail(messages::kNoProblemFile);
  if (line.Failed()) return line.UsageError();
  ExitCode worst = ExitCode::kSuccess;
  for (const std::string& path : paths) {
    worst = std::max(worst, Measure(path, repeat, timeLimit));
    if (!FlushStandardOutput(kProgram)) return ExitCode::kUsageOrFormat;
  }
  return worst;
}

}  // namespace
}  // namespace pivora

int main(int argc, char** argv) {
  // As pivora-solve computes: the times are the program's.
  pivora::UseSmallBlocksForGmp();
  const pivora::ExitCode code = pivora::Run(std::vector<std::string>(argv + 1, argv + argc));
  // --help too: its text may not have reached a full device.
  if (!pivora::FlushStandardOutput(pivora::kProgram)) {
    return static_cast<int>(pivora::ExitCode::kUsageOrFormat);
  }
  return static_cast<int>(code);
}
