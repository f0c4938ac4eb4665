#include "ui/plot_window_problem.h"

#include <gtest/gtest.h>

#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

TEST(PlotWindowProblem, FourVariablesAndFaultyCellsDrawNothing) {
  PlainWindow four;
  SpinNVarsTo(four, 4);
  SpinNConsTo(four, 1);
  for (int j = 1; j <= 4; ++j) {
    four.ZF().SetText(j, 1, "1");
    four.NB().SetText(j, 1, "1");
  }
  four.NB().SetText(6, 1, "1");
  EXPECT_EQ(PlotWindowProblem(four).outcome, PlotOutcome::kTooManyVariables);

  PlainWindow faulty;
  SpinNConsTo(faulty, 1);
  faulty.ZF().SetText(1, 1, "1");
  faulty.ZF().SetText(2, 1, "x");
  faulty.NB().SetText(1, 1, "1");
  faulty.NB().SetText(2, 1, "1");
  faulty.NB().SetText(4, 1, "1");
  EXPECT_EQ(PlotWindowProblem(faulty).outcome, PlotOutcome::kInputError);
}

}  // namespace
}  // namespace pivora
