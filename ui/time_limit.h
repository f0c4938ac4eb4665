// The ceiling on a solve's cost in the command-line programs: the exact
// check of a solve that reaches its time limit is stopped, and the plain
// 80-bit run's result stands, reported as not checked.
#pragma once

#include <chrono>

#include "ui/solve_runner.h"

namespace pivora {

// The monotonic clock that the limit is measured on. Its coarse reading
// costs a few nanoseconds (no system call), so that it can be asked before
// every exchange; it moves in steps of a few milliseconds.
struct CoarseClock {
  using duration = std::chrono::nanoseconds;
  using rep = duration::rep;
  using period = duration::period;
  using time_point = std::chrono::time_point<CoarseClock>;
  static constexpr bool is_steady = true;
  static time_point now() noexcept;
};

// No run of a command-line program on a problem of up to 50 x 50 takes
// longer than this, unless its caller asks for more (--time-limit).
inline constexpr std::chrono::milliseconds kDefaultTimeLimit{10'000};

// When the solve is to stop for a run that started at `start` and may take
// `limit` in all: a twentieth of the limit is kept for the stop to be
// answered and for what the program still writes.
CoarseClock::time_point SolveDeadline(CoarseClock::time_point start,
                                      std::chrono::milliseconds limit);

// On the calling thread, like InPlaceSolve, but asked before every exchange
// and between the rounds of every long exact step whether `deadline` has
// passed; from then on the solve stops and keeps the plain run's result
// (ExchangeObserver::KeepsPlainResult).
class TimeLimitedSolve final : public SolveRunner {
 public:
  explicit TimeLimitedSolve(CoarseClock::time_point deadline) : watch_(deadline) {}
  void Run(const SolveJob& job) override { job(&watch_); }
  // Whether a solve run here was stopped by the limit.
  bool LimitReached() const { return watch_.reached; }

 private:
  struct Watch final : ExchangeObserver {
    explicit Watch(CoarseClock::time_point end) : deadline(end) {}
    bool CancelRequested() override;
    bool KeepsPlainResult() override { return true; }
    CoarseClock::time_point deadline;
    bool reached = false;
  };
  Watch watch_;
};

}  // namespace pivora
