#include "ui/time_limit.h"

#include <ctime>

namespace pivora {

CoarseClock::time_point CoarseClock::now() noexcept {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
  return time_point(std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec));
}

CoarseClock::time_point SolveDeadline(CoarseClock::time_point start,
                                      std::chrono::milliseconds limit) {
  return start + limit - limit / 20;
}

bool TimeLimitedSolve::Watch::CancelRequested() {
  if (!reached) reached = CoarseClock::now() >= deadline;
  return reached;
}

}  // namespace pivora
