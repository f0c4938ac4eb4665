// Where the solve command runs the solver: in place on the calling thread, or
// on a worker while the window waits (the Qt window's runner).
#pragma once

#include <functional>

#include "solver/exchange_observer.h"

namespace pivora {

// The solver call of one solve command. It is given the observer that the
// runner watches the solve through (null: nobody watches).
using SolveJob = std::function<void(ExchangeObserver* observer)>;

class SolveRunner {
 public:
  // Runs `job` to its end and returns then; what it throws leaves from
  // here, on the calling thread. The solve's own outcomes, a cancel and a
  // floating-point error among them, come back as values, not thrown.
  virtual void Run(const SolveJob& job) = 0;

 protected:
  SolveRunner() = default;
  SolveRunner(const SolveRunner&) = default;
  SolveRunner& operator=(const SolveRunner&) = default;
  ~SolveRunner() = default;
};

// On the calling thread, unobserved: the plain-object window and the
// command-line programs.
class InPlaceSolve final : public SolveRunner {
 public:
  void Run(const SolveJob& job) override { job(nullptr); }
};

}  // namespace pivora
