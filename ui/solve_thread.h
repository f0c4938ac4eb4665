// One solve on a worker thread of its own, watched and cancelled from the
// thread that started it.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "ui/solve_runner.h"

namespace pivora {

// The exchanges made so far and the request to stop. The worker writes the
// count and reads the request once per exchange: one relaxed load and one
// relaxed store, no lock, nothing a 10 x 10 solve would notice.
class SolveProgress final : public ExchangeObserver {
 public:
  // Every question is a part of the work done: between two of them a solve
  // spends at most a few tenths of a second, in every phase.
  bool CancelRequested() override {
    parts_.store(parts_.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    return cancel_.load(std::memory_order_relaxed);
  }
  // The parts nest; only the worker writes the stack, the innermost part
  // is published.
  void Entered(WorkPhase phase) override {
    if (depth_ < kDeepest) open_[static_cast<std::size_t>(depth_)] = phase;
    ++depth_;
    Show(phase);
  }
  void Left(WorkPhase /*phase*/) override {
    --depth_;
    Show(depth_ == 0 ? WorkPhase::kPlainRun
                     : open_[static_cast<std::size_t>(std::min(depth_, kDeepest) - 1)]);
  }
  void Exchanged(const ExchangeStep& /*step*/) override {
    exchanges_.store(exchanges_.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
  }

  bool KeepsPlainResult() override { return keepPlain_.load(std::memory_order_relaxed); }

  // From any thread: the solve stops before its next exchange step.
  void RequestCancel() { cancel_.store(true, std::memory_order_relaxed); }
  // A branch and bound's subproblems so far and its best value: the count
  // without a lock, the value (rare: only a better point changes it) under one.
  void SubproblemSolved(long subproblems, const Rational* best) override {
    subproblems_.store(subproblems, std::memory_order_relaxed);
    if (best == nullptr) return;
    const std::lock_guard<std::mutex> lock(bestMutex_);
    if (!best_ || *best_ != *best) best_ = *best;
  }
  long Subproblems() const { return subproblems_.load(std::memory_order_relaxed); }
  std::optional<Rational> Best() const {
    const std::lock_guard<std::mutex> lock(bestMutex_);
    return best_;
  }
  // From any thread: the solve stops the same way, but ends with the plain
  // run's result, not checked, where that run has ended.
  void RequestPlainResult() {
    keepPlain_.store(true, std::memory_order_relaxed);
    cancel_.store(true, std::memory_order_relaxed);
  }
  // Exchange steps of every run of the solve together (the extended run and
  // an exact re-solve).
  long Exchanges() const { return exchanges_.load(std::memory_order_relaxed); }
  // The part of the solve running now, and the parts of its work done so far.
  WorkPhase Phase() const { return phase_.load(std::memory_order_relaxed); }
  long Parts() const { return parts_.load(std::memory_order_relaxed); }

 private:
  std::atomic<long> exchanges_{0};
  std::atomic<bool> cancel_{false};
  std::atomic<long> subproblems_{0};
  mutable std::mutex bestMutex_;
  std::optional<Rational> best_;
  std::atomic<bool> keepPlain_{false};
  void Show(WorkPhase phase) {
    if (phase_.load(std::memory_order_relaxed) == phase) return;
    phase_.store(phase, std::memory_order_relaxed);
    parts_.store(0, std::memory_order_relaxed);
  }

  static constexpr int kDeepest = 8;
  std::array<WorkPhase, kDeepest> open_{};
  int depth_ = 0;
  std::atomic<WorkPhase> phase_{WorkPhase::kPlainRun};
  std::atomic<long> parts_{0};
};

// Starts `job` on a new thread at construction, in the floating-point
// environment a solve needs (FloatingPointScope: flags cleared, round to
// nearest, 64-bit precision), whatever the starting thread's is.
// `onEnded`, if given, is called on the worker right after the job ended.
// The destructor cancels a job still running and waits for it.
class SolveThread {
 public:
  explicit SolveThread(SolveJob job, std::function<void()> onEnded = {});
  ~SolveThread();
  SolveThread(const SolveThread&) = delete;
  SolveThread& operator=(const SolveThread&) = delete;

  bool Ended() const { return ended_.load(std::memory_order_acquire); }
  // Waits up to `timeout` for the end; whether the job has ended.
  bool WaitFor(std::chrono::milliseconds timeout);
  long Exchanges() const { return progress_.Exchanges(); }
  WorkPhase Phase() const { return progress_.Phase(); }
  long Parts() const { return progress_.Parts(); }
  long Subproblems() const { return progress_.Subproblems(); }
  std::optional<Rational> Best() const { return progress_.Best(); }
  void Cancel() { progress_.RequestCancel(); }
  void TakePlainResult() { progress_.RequestPlainResult(); }
  // Waits for the end, then throws what the job threw, if anything.
  void Finish();

 private:
  void Work(const SolveJob& job, const std::function<void()>& onEnded);

  SolveProgress progress_;
  std::atomic<bool> ended_{false};
  std::mutex mutex_;
  std::condition_variable endedSignal_;
  std::exception_ptr error_;
  std::thread worker_;
};

// Runs the solve on a SolveThread and waits for it without doing anything
// else: the same results as InPlaceSolve, computed on another thread.
class WorkerSolve final : public SolveRunner {
 public:
  void Run(const SolveJob& job) override;
};

}  // namespace pivora
