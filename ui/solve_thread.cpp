#include "ui/solve_thread.h"

#include <utility>

#include "solver/fp_environment.h"

namespace pivora {

SolveThread::SolveThread(SolveJob job, std::function<void()> onEnded)
    : worker_([this, job = std::move(job), onEnded = std::move(onEnded)] { Work(job, onEnded); }) {}

SolveThread::~SolveThread() {
  if (!worker_.joinable()) return;
  Cancel();
  worker_.join();
}

void SolveThread::Work(const SolveJob& job, const std::function<void()>& onEnded) {
  try {
    const FloatingPointScope environment;
    job(&progress_);
  } catch (...) {
    error_ = std::current_exception();
  }
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    ended_.store(true, std::memory_order_release);
  }
  endedSignal_.notify_all();
  if (onEnded) onEnded();
}

bool SolveThread::WaitFor(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return endedSignal_.wait_for(lock, timeout, [this] { return Ended(); });
}

void SolveThread::Finish() {
  if (worker_.joinable()) worker_.join();
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void WorkerSolve::Run(const SolveJob& job) {
  SolveThread thread(job);
  thread.Finish();
}

}  // namespace pivora
