// The plain-text problem files of the test data: comment lines starting with
// '#', then "max" or "min", the objective row (n coefficients), then one
// constraint per line: n coefficients, a relation ("<", "<=", ">", ">=", "=",
// "=="), the right-hand side. Numbers are read with strtold in the "C" locale.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "solver/tables.h"

namespace pivora::testing {

struct ProblemFile {
  Tableau tableau;
  int m = 0;
  int n = 0;
};

inline std::optional<Extended> ReadNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const Extended value = std::strtold(text.c_str(), &end);
  if (end != text.c_str() + text.size()) return std::nullopt;
  return value;
}

inline std::optional<Extended> ReadRelation(const std::string& text) {
  if (text == "<" || text == "<=") return kRelationLessEqual;
  if (text == ">" || text == ">=") return kRelationGreaterEqual;
  if (text == "=" || text == "==") return kRelationEqual;
  return std::nullopt;
}

// The problem in `text`, or nothing if it breaks the format or the size limits.
inline std::optional<ProblemFile> ParseProblem(const std::string& text) {
  std::istringstream lines(text);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::vector<std::string> row;
    for (std::string word; words >> word;) row.push_back(word);
    if (!row.empty() && row[0][0] != '#') rows.push_back(row);
  }
  if (rows.size() < 3 || rows[0].size() != 1 || (rows[0][0] != "max" && rows[0][0] != "min")) {
    return std::nullopt;
  }
  ProblemFile p;
  p.n = static_cast<int>(rows[1].size());
  p.m = static_cast<int>(rows.size()) - 2;
  if (p.n > kMaxVariables || p.m > kMaxConstraints) return std::nullopt;
  for (int j = 1; j <= p.n; ++j) {
    const auto c = ReadNumber(rows[1][static_cast<std::size_t>(j - 1)]);
    if (!c) return std::nullopt;
    p.tableau(p.m + 1, j) = *c;
  }
  p.tableau(p.m + 1, p.n + 2) = rows[0][0] == "max" ? kMaximise : kMinimise;
  for (int i = 1; i <= p.m; ++i) {
    const auto& row = rows[static_cast<std::size_t>(i + 1)];
    if (static_cast<int>(row.size()) != p.n + 2) return std::nullopt;
    for (int j = 1; j <= p.n; ++j) {
      const auto a = ReadNumber(row[static_cast<std::size_t>(j - 1)]);
      if (!a) return std::nullopt;
      p.tableau(i, j) = *a;
    }
    const auto relation = ReadRelation(row[static_cast<std::size_t>(p.n)]);
    const auto rhs = ReadNumber(row[static_cast<std::size_t>(p.n + 1)]);
    if (!relation || !rhs) return std::nullopt;
    p.tableau(i, p.n + 1) = *rhs;
    p.tableau(i, p.n + 2) = *relation;
  }
  return p;
}

inline std::optional<ProblemFile> ReadProblemFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::stringstream text;
  text << in.rdbuf();
  return ParseProblem(text.str());
}

// The shortest decimal text that strtold reads back as exactly `value`.
inline std::string NumberText(Extended value) {
  char buffer[64];
  for (int digits = 1; digits <= 21; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*Lg", digits, value);
    if (std::strtold(buffer, nullptr) == value) break;
  }
  return buffer;
}

// The problem in the file format, without comment lines.
inline std::string FormatProblem(const Tableau& t, int m, int n) {
  std::string text = t(m + 1, n + 2) > 0 ? "max\n" : "min\n";
  for (int j = 1; j <= n; ++j) text += NumberText(t(m + 1, j)) + (j < n ? " " : "\n");
  for (int i = 1; i <= m; ++i) {
    for (int j = 1; j <= n; ++j) text += NumberText(t(i, j)) + " ";
    const Extended code = t(i, n + 2);
    text += code > 0 ? ">= " : code == 0 ? "= " : "<= ";
    text += NumberText(t(i, n + 1)) + "\n";
  }
  return text;
}

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
