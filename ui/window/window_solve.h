// The solve command's runner in the window: the solver runs on a worker
// thread while the window only repaints, so the window stays painted and no
// other handler runs until the solve has ended; a solve that takes longer
// than kDialogDelay shows a progress dialog that can cancel it. Unlike the
// command-line programs, the window sets no time limit: past the programs'
// limit the dialog also offers the plain run's result, unchecked, and the
// solve goes on for as long as the user lets it.
#pragma once

#include <chrono>

#include "solver/rational_arithmetic.h"
#include "ui/solve_runner.h"

class QString;
class QWidget;

namespace pivora {

class WindowSolve final : public SolveRunner {
 public:
  static constexpr std::chrono::milliseconds kDialogDelay{300};
  // How often the dialog's count of exchange steps is brought up to date:
  // ten repaints a second, nothing a long solve would notice.
  static constexpr std::chrono::milliseconds kProgressInterval{100};

  // `digits` for the best value a branch and bound shows.
  explicit WindowSolve(QWidget& window, int digits = 10) : window_(window), digits_(digits) {}

  // Paints what the command has written so far (the emptied memo), then
  // solves on a SolveThread. Until the dialog shows, user input to the
  // window is held back (it reaches the window after the solve, as it would
  // after a solve on this thread); with the dialog up, the dialog alone
  // takes input. Rethrows what the solve threw.
  void Run(const SolveJob& job) override;

 private:
  QString BestText(const Rational& best) const;

  QWidget& window_;
  int digits_;
};

}  // namespace pivora
