// The graphical solution of a problem file from examples/, solved as the
// window solves it at its start-up settings (Details, Digits 10 unless the
// file gives them): the fixtures of the plot tests.
#pragma once

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "plot/solve_graphically.h"
#include "solve/number_format.h"
#include "testing/typed_problem.h"

namespace pivora::testing {

inline GraphicalSolution PlotOfText(const std::string& text) {
  const TypedProblem p = ReadTypedProblem(text);
  ReportSettings settings;
  settings.precision = std::clamp(p.digits.value_or(10), 3, 15);
  settings.format = SolveNumberFormat();
  return SolveGraphically(p.tableau, *p.typed, p.m, p.n, p.integers, settings, false);
}

inline GraphicalSolution PlotOfExample(const std::string& examplesDir, const std::string& name) {
  std::ifstream file(examplesDir + "/" + name);
  if (!file) throw std::runtime_error("no example " + name);
  std::ostringstream text;
  text << file.rdbuf();
  return PlotOfText(text.str());
}

}  // namespace pivora::testing
