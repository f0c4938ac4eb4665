// The problems of the solver's tests, read from the problem-file text with
// nothing but the solver: a max/min line, the objective row and one line
// per constraint (n coefficients, the relation, the right-hand side),
// cells separated by blanks or tabs; blank lines and lines starting with
// '#' are skipped. Every number is the extended value nearest to the
// decimal as written (NearestExtended). The window and the programs read a
// number by their own method, which can differ from it in the last bit on
// exponents in the hundreds (1e-300, 1e4000): a test that hinges on what a
// typed text becomes belongs to the layers that read it. Settings on the
// max/min line, integer lines and quoted or empty cells are not read here.
#pragma once

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "solver/rational_arithmetic.h"
#include "solver/tables.h"

namespace pivora::testing {

struct TestProblem {
  Tableau tableau;
  int m = 0;
  int n = 0;
};

// The exact value of a decimal number text ("-1.25e-3"), or nothing.
inline std::optional<Rational> DecimalNumber(std::string_view text) {
  std::size_t pos = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++pos;
  std::string digits;
  long scale = 0;
  bool point = false;
  for (; pos < text.size() && text[pos] != 'e' && text[pos] != 'E'; ++pos) {
    if (text[pos] == '.' && !point) {
      point = true;
    } else if (text[pos] >= '0' && text[pos] <= '9') {
      digits += text[pos];
      if (point) --scale;
    } else {
      return std::nullopt;
    }
  }
  if (digits.empty()) return std::nullopt;
  if (pos < text.size()) {
    const std::string exponent(text.substr(pos + 1));
    char* end = nullptr;
    scale += std::strtol(exponent.c_str(), &end, 10);
    if (exponent.empty() || *end != '\0') return std::nullopt;
  }
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(scale < 0 ? -scale : scale));
  Rational q{mpz_class(digits, 10)};
  if (scale < 0) {
    q /= power;
  } else {
    q *= power;
  }
  return negative ? Rational(-q) : q;
}

// The problem in `text`, or nothing if its shape is wrong or a cell is not
// a number or a relation.
inline std::optional<TestProblem> ParseProblem(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    for (char& c : line) c = c == '\t' || c == '\r' ? ' ' : c;
    std::istringstream words(line);
    std::vector<std::string> cells;
    for (std::string cell; words >> cell;) cells.push_back(cell);
    if (!cells.empty() && cells[0][0] != '#') lines.push_back(cells);
  }
  if (lines.size() < 3 || (lines[0][0] != "max" && lines[0][0] != "min")) return std::nullopt;
  TestProblem p;
  p.n = static_cast<int>(lines[1].size());
  p.m = static_cast<int>(lines.size()) - 2;
  if (p.n > kMaxVariables || p.m > kMaxConstraints) return std::nullopt;
  p.tableau.Fill(0.0L);
  const auto number = [](const std::string& cell, Extended& value) {
    const auto q = DecimalNumber(cell);
    if (q) value = NearestExtended(*q);
    return q.has_value() && std::isfinite(value);
  };
  for (int j = 1; j <= p.n; ++j) {
    if (!number(lines[1][static_cast<std::size_t>(j - 1)], p.tableau(p.m + 1, j)))
      return std::nullopt;
  }
  p.tableau(p.m + 1, p.n + 2) = lines[0][0] == "max" ? kMaximise : kMinimise;
  for (int i = 1; i <= p.m; ++i) {
    const std::vector<std::string>& cells = lines[static_cast<std::size_t>(i + 1)];
    if (static_cast<int>(cells.size()) != p.n + 2) return std::nullopt;
    for (int j = 1; j <= p.n; ++j) {
      if (!number(cells[static_cast<std::size_t>(j - 1)], p.tableau(i, j))) return std::nullopt;
    }
    const std::string& relation = cells[static_cast<std::size_t>(p.n)];
    if (relation == "<" || relation == "<=") {
      p.tableau(i, p.n + 2) = kRelationLessEqual;
    } else if (relation == ">" || relation == ">=") {
      p.tableau(i, p.n + 2) = kRelationGreaterEqual;
    } else if (relation == "=" || relation == "==") {
      p.tableau(i, p.n + 2) = kRelationEqual;
    } else {
      return std::nullopt;
    }
    if (!number(cells[static_cast<std::size_t>(p.n + 1)], p.tableau(i, p.n + 1)))
      return std::nullopt;
  }
  return p;
}

// The problem in the file at `path`, or nothing if it cannot be read or
// ParseProblem refuses it.
inline std::optional<TestProblem> ReadTestProblem(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::stringstream text;
  text << in.rdbuf();
  return ParseProblem(text.str());
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
