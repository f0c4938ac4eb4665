#include "solve/dual_report.h"

#include "solve/aligned_table.h"
#include "solve/format_exact.h"

namespace pivora {
namespace {

constexpr int kExponentDigits = 2;  // as the report writes exponents

// Every number of the view exactly: a fraction, or rounded once to Digits.
std::string Exact(const Rational& q, const ViewNumbers& numbers) {
  return numbers.fractions ? FractionText(q)
                           : FormatExact(q, numbers.precision, kExponentDigits, numbers.format);
}

// "3·u1 - 2·u2 + 1·u3": the terms whose coefficient is not 0; "0" for none.
class LinearForm {
 public:
  explicit LinearForm(const ViewNumbers& numbers) : numbers_(numbers) {}

  void Add(const Rational& coefficient, const std::string& variable) {
    if (sgn(coefficient) == 0) return;
    if (text_.empty()) {
      text_ = Exact(coefficient, numbers_);
    } else {
      text_ += sgn(coefficient) < 0 ? " - " : " + ";
      text_ += Exact(abs(coefficient), numbers_);
    }
    text_ += "\xB7" + variable;
  }
  std::string Text() const { return text_.empty() ? "0" : text_; }

 private:
  const ViewNumbers& numbers_;
  std::string text_;
};

// The sign a dual variable must have: ">= 0", "<= 0" or "frei".
const char* SignOf(const Rational& relation, bool maximise) {
  if (sgn(relation) == 0) return "frei";
  // Max: u >= 0 for a <= row (relation -1); Min turns both.
  return (sgn(relation) < 0) == maximise ? ">= 0" : "<= 0";
}

void Programme(std::vector<std::string>& lines, const ExactTableau& t, int m, int n,
               const ViewNumbers& numbers) {
  const bool maximise = sgn(t(m + 1, n + 2)) > 0;
  LinearForm objective(numbers);
  for (int i = 1; i <= m; ++i) objective.Add(t(i, n + 1), WordAndNumber("u", i));
  lines.push_back(std::string("Duales Problem: ") + (maximise ? "Wmin = " : "Wmax = ") +
                  objective.Text());
  for (int j = 1; j <= n; ++j) {
    LinearForm column(numbers);
    for (int i = 1; i <= m; ++i) column.Add(t(i, j), WordAndNumber("u", i));
    lines.push_back("  " + WordAndNumber("x", j) + ":  " + column.Text() +
                    (maximise ? " >= " : " <= ") + Exact(t(m + 1, j), numbers));
  }
  std::string signs = "  ";
  for (int i = 1; i <= m; ++i) {
    signs += WordAndNumber("u", i) + " " + SignOf(t(i, n + 2), maximise) + (i < m ? ",  " : "");
  }
  lines.push_back(signs);
}

// The left-hand side of row i at the values x[1..n].
Rational RowValue(const ExactTableau& t, int i, int n, const std::vector<VariableSensitivity>& x) {
  Rational sum = 0;
  for (int j = 1; j <= n; ++j) sum += t(i, j) * x[static_cast<std::size_t>(j - 1)].value;
  return sum;
}

void Slackness(std::vector<std::string>& lines, const ExactTableau& t, int m, int n,
               const Sensitivity& s, const ViewNumbers& numbers) {
  const bool maximise = sgn(t(m + 1, n + 2)) > 0;
  Rational dualValue = 0;
  std::string values;
  for (int i = 1; i <= m; ++i) {
    const Rational& u = s.constraints[static_cast<std::size_t>(i - 1)].shadowPrice;
    dualValue += t(i, n + 1) * u;
    values += WordAndNumber("u", i) + " = " + Exact(u, numbers) + (i < m ? "   " : "");
  }
  lines.push_back(std::string("Optimum des dualen Problems: ") + (maximise ? "Wmin" : "Wmax") +
                  " = " + Exact(dualValue, numbers) + (maximise ? " = Zmax" : " = Zmin"));
  lines.push_back(values);
  lines.emplace_back();
  lines.emplace_back("Komplement\xE4rer Schlupf (jedes Produkt ist 0):");
  AlignedTable table;
  table.Add({"primal", "Wert", "dual", "Wert", "Produkt"});
  for (int i = 1; i <= m; ++i) {
    // y(i) = b - Ax for <= and =, Ax - b for >=.
    const Rational lhs = RowValue(t, i, n, s.variables);
    const Rational y = sgn(t(i, n + 2)) > 0 ? lhs - t(i, n + 1) : t(i, n + 1) - lhs;
    const Rational& u = s.constraints[static_cast<std::size_t>(i - 1)].shadowPrice;
    table.Add({WordAndNumber("y", i), Exact(y, numbers), WordAndNumber("u", i), Exact(u, numbers),
               Exact(y * u, numbers)});
  }
  for (int j = 1; j <= n; ++j) {
    // v(j), the slack of the dual row of x(j): A^T u - c for Max, c - A^T u for Min.
    Rational column = 0;
    for (int i = 1; i <= m; ++i) {
      column += t(i, j) * s.constraints[static_cast<std::size_t>(i - 1)].shadowPrice;
    }
    const Rational v = maximise ? column - t(m + 1, j) : t(m + 1, j) - column;
    const Rational& x = s.variables[static_cast<std::size_t>(j - 1)].value;
    table.Add({WordAndNumber("x", j), Exact(x, numbers), WordAndNumber("v", j), Exact(v, numbers),
               Exact(x * v, numbers)});
  }
  for (std::string& line : table.Lines()) lines.push_back(std::move(line));
  lines.emplace_back("v(j): Schlupf der dualen Bedingung von xj.");
}

}  // namespace

std::vector<std::string> DualLines(const ExactTableau& problem, int m, int n, DualOutcome outcome,
                                   const Sensitivity& sensitivity, const ViewNumbers& numbers) {
  std::vector<std::string> lines{""};
  Programme(lines, problem, m, n, numbers);
  lines.emplace_back();
  switch (outcome) {
    case DualOutcome::kOptimal:
      if (sensitivity.available) {
        Slackness(lines, problem, m, n, sensitivity, numbers);
      } else {
        lines.emplace_back("Duale L\xF6sung: keine optimale Basis vorhanden.");
      }
      break;
    case DualOutcome::kPrimalUnbounded:
      lines.emplace_back(
          "Die Zielfunktion ist unbeschr\xE4nkt: das duale Problem hat keine zul\xE4ssige "
          "L\xF6sung.");
      break;
    case DualOutcome::kDualUnbounded:
      lines.emplace_back(
          "Das Problem hat keine zul\xE4ssige L\xF6sung, das duale Problem hat welche: seine "
          "Zielfunktion ist unbeschr\xE4nkt.");
      break;
    case DualOutcome::kBothInfeasible:
      lines.emplace_back(
          "Weder das Problem noch das duale Problem hat eine zul\xE4ssige L\xF6sung.");
      break;
  }
  return lines;
}

void Homogeneous(const ExactTableau& problem, int m, int n, ExactTableau& homogeneous) {
  homogeneous = problem;
  for (int i = 1; i <= m; ++i) homogeneous(i, n + 1) = 0;
}

}  // namespace pivora
