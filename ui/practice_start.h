// A practice of the exchange method on the problem in a window's grids: read
// from a copy as the solve command reads it (the grids stay as typed), and
// solved as the solve command solves it, so that the practice's end can be
// held against the report.
#pragma once

#include <memory>
#include <optional>

#include "solve/practice_session.h"
#include "ui/read_window_problem.h"
#include "ui/window_operations.h"

namespace pivora {

struct PracticeStart {
  std::unique_ptr<PracticeSession> session;  // null where a cell is faulty
  std::optional<CellFault> fault;
};

// The numbers of the practice follow the window: fractions where the
// fractions view is chosen, else the report's format at Digits.
PracticeStart StartPractice(WindowOperations& window);

}  // namespace pivora
