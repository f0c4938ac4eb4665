// An independent answer for a test problem: GLPK's glpsol with its exact
// rational simplex (--exact), on the problem written as a CPLEX LP file; where
// that does not end within 20 s (it can cycle on degenerate problems such as
// Beale's), its floating-point simplex. glpsol reads the coefficients as
// doubles, so its optimum agrees with the exact one only to about 1e-15
// relative.
#pragma once

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "solver/tables.h"

namespace pivora::testing {

struct OracleAnswer {
  enum Outcome { kUnavailable, kOptimal, kInfeasible, kUnbounded } outcome = kUnavailable;
  long double objective = 0.0L;  // for kOptimal
};

inline bool GlpsolAvailable() { return std::system("command -v glpsol >/dev/null 2>&1") == 0; }

inline std::string LpNumber(long double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%+.21Lg", v);
  return text;
}

inline std::string CplexLp(const Tableau& t, int m, int n) {
  std::ostringstream lp;
  lp << (t(m + 1, n + 2) > 0 ? "Maximize\n obj:" : "Minimize\n obj:");
  for (int j = 1; j <= n; ++j) lp << ' ' << LpNumber(t(m + 1, j)) << " x" << j;
  lp << "\nSubject To\n";
  for (int i = 1; i <= m; ++i) {
    lp << " r" << i << ':';
    for (int j = 1; j <= n; ++j) lp << ' ' << LpNumber(t(i, j)) << " x" << j;
    const long double code = t(i, n + 2);
    lp << (code > 0 ? " >= " : code == 0 ? " = " : " <= ") << LpNumber(t(i, n + 1)) << '\n';
  }
  lp << "End\n";
  return lp.str();
}

inline OracleAnswer SolveWithGlpsol(const Tableau& t, int m, int n) {
  OracleAnswer answer;
  if (!GlpsolAvailable()) return answer;
  char base[] = "/tmp/pivora-oracle-XXXXXX";
  const int fd = mkstemp(base);
  if (fd < 0) return answer;
  close(fd);
  const std::string lpPath = std::string(base) + ".lp";
  const std::string solutionPath = std::string(base) + ".sol";
  std::ofstream(lpPath) << CplexLp(t, m, n);
  const std::string command = "glpsol --lp " + lpPath + " -w " + solutionPath + " >/dev/null 2>&1";
  int rc = std::system(("timeout 20 " + command + " --exact").c_str());
  if (rc != 0) rc = std::system(("timeout 20 " + command).c_str());
  std::ifstream in(solutionPath);
  std::string status;
  for (std::string line; rc == 0 && std::getline(in, line);) {
    if (line.rfind("c Status:", 0) == 0) {
      status = line;
    } else if (line.rfind("s bas", 0) == 0) {
      std::istringstream words(line);
      std::string s, bas, rows, columns, primal, dual, objective;
      words >> s >> bas >> rows >> columns >> primal >> dual >> objective;
      answer.objective = std::strtold(objective.c_str(), nullptr);
    }
  }
  if (status.find("UNDEFINED") != std::string::npos)
    answer.outcome = OracleAnswer::kUnavailable;
  else if (status.find("OPTIMAL") != std::string::npos)
    answer.outcome = OracleAnswer::kOptimal;
  else if (status.find("INFEASIBLE") != std::string::npos)
    answer.outcome = OracleAnswer::kInfeasible;
  else if (status.find("UNBOUNDED") != std::string::npos)
    answer.outcome = OracleAnswer::kUnbounded;
  std::remove(base);
  std::remove(lpPath.c_str());
  std::remove(solutionPath.c_str());
  return answer;
}

}  // namespace pivora::testing
