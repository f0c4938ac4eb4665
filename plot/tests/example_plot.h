// The graphical solution of a problem file from examples/, solved as the
// window solves it: the fixtures of the plot tests.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "files/problem_file.h"
#include "plot/solve_graphically.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora::testing {

// The problem of a problem file's text in a plain window, as typed.
inline void TypeProblem(PlainWindow& window, const std::string& text) {
  const ProblemFileOutcome read = ReadProblemFile(text);
  if (read.kind != ProblemFileOutcome::Kind::kRead) throw std::runtime_error(read.message);
  const ProblemFile& p = read.problem;
  SpinNVarsTo(window, p.n);
  SpinNConsTo(window, p.m);
  window.SetMaximumChecked(p.maximum);
  MarkIntegers(window, p.integers);
  if (p.digits) window.SetDigits(*p.digits);
  for (int j = 1; j <= p.n; ++j) window.ZF().SetText(j, 1, p.objective[j - 1]);
  for (int i = 1; i <= p.m; ++i) {
    for (int j = 1; j <= p.n + 2; ++j) window.NB().SetText(j, i, p.constraints[i - 1][j - 1]);
  }
}

inline GraphicalSolution PlotOfText(const std::string& text) {
  PlainWindow window;
  TypeProblem(window, text);
  return SolveGraphically(window);
}

inline GraphicalSolution PlotOfExample(const std::string& examplesDir, const std::string& name) {
  std::ifstream file(examplesDir + "/" + name);
  if (!file) throw std::runtime_error("no example " + name);
  std::ostringstream text;
  text << file.rdbuf();
  return PlotOfText(text.str());
}

}  // namespace pivora::testing
