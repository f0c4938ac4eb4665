// The problem files of the test data, read as the command and the window read
// them: the file's shape by the problem-file reader, every cell by the solve
// command's own ReadProblem (ParseNumber, the relation signs, the defaults of
// empty cells), so a test solves exactly the problem a user would. Reading
// and writing need the layers above the solver, so ParseProblem,
// ReadTestProblem and FormatProblem are defined in the testing library above
// them (testing/test_problem.cpp), which the solver's tests link; this
// header includes nothing but the solver.
#pragma once

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "solver/tables.h"

namespace pivora::testing {

struct TestProblem {
  Tableau tableau;
  int m = 0;
  int n = 0;
};

// The problem in `text`, or nothing if its shape is wrong or a cell is faulty.
std::optional<TestProblem> ParseProblem(const std::string& text);

// The problem in the file at `path`, or nothing if it cannot be read or
// ParseProblem refuses it.
std::optional<TestProblem> ReadTestProblem(const std::string& path);

// The problem in the file format, without comment lines; every number is
// the shortest decimal that reads back as its extended value.
std::string FormatProblem(const Tableau& t, int m, int n);

// One line of an EXPECTED file: "file outcome optimum", outcome "optimal",
// "infeasible" or "unbounded", optimum "-" unless optimal.
struct ExpectedOutcome {
  std::string file;
  std::string outcome;
  long double optimum = 0.0L;
};

inline std::vector<ExpectedOutcome> ReadExpectedOutcomes(const std::string& path) {
  std::vector<ExpectedOutcome> outcomes;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    ExpectedOutcome e;
    std::string optimum;
    if (!(words >> e.file >> e.outcome >> optimum) || e.file[0] == '#') continue;
    if (e.outcome == "optimal") e.optimum = std::strtold(optimum.c_str(), nullptr);
    outcomes.push_back(e);
  }
  return outcomes;
}

}  // namespace pivora::testing
