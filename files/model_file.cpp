#include "files/model_file.h"

#include <glpk.h>

#include <charconv>
#include <cmath>
#include <memory>
#include <regex>

#include "solver/tables.h"

namespace pivora {
namespace {

// The shortest decimal text that reads back as `value`; "0" for both zeros.
std::string NumberText(double value) {
  if (value == 0) return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// GLPK's terminal output while a model is read, kept instead of printed.
class TerminalCapture {
 public:
  TerminalCapture() { glp_term_hook(&TerminalCapture::Keep, this); }
  ~TerminalCapture() { glp_term_hook(nullptr, nullptr); }
  TerminalCapture(const TerminalCapture&) = delete;
  TerminalCapture& operator=(const TerminalCapture&) = delete;

  const std::string& Text() const { return text_; }

 private:
  static int Keep(void* info, const char* s) {
    static_cast<TerminalCapture*>(info)->text_ += s;
    return 1;  // printed nowhere
  }
  std::string text_;
};

struct ProblemDeleter {
  void operator()(glp_prob* problem) const { glp_delete_prob(problem); }
};
using Model = std::unique_ptr<glp_prob, ProblemDeleter>;

// GLPK's own words for the commonest faults, in German.
std::string GermanReason(const std::string& reason) {
  static const std::pair<const char*, const char*> kWords[] = {
      {"unable to open", "Datei nicht lesbar"},
      {"syntax error", "Syntaxfehler"},
      {"missing constraint sense", "Vergleichszeichen fehlt"},
      {"missing right-hand side", "rechte Seite fehlt"},
      {"missing", "eine Angabe fehlt"},
      {"invalid", "ung\xC3\xBCltige Angabe"},
      {"multiple", "mehrfache Angabe"},
      {"unexpected end of file", "unerwartetes Dateiende"},
      {"not found", "Name nicht gefunden"},
      {"too long", "zu lang"},
  };
  std::string lower = reason;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  for (const auto& [english, german] : kWords) {
    if (lower.find(english) != std::string::npos) {
      return std::string(german) + " (GLPK: " + reason + ")";
    }
  }
  return "GLPK: " + reason;
}

// The last "file:line: reason" of GLPK's output, as a German message.
void DescribeFailure(const std::string& output, ModelFileOutcome& outcome) {
  outcome.kind = ModelFileOutcome::Kind::kFailed;
  static const std::regex kLineMessage(R"(^.*:(\d+): (.*)$)");
  std::string last;
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    const std::string line = output.substr(start, end - start);
    std::smatch match;
    if (std::regex_match(line, match, kLineMessage)) {
      outcome.line = std::stoi(match[1].str());
      last = match[2].str();
    } else if (outcome.line == 0 && !line.empty()) {
      last = line;
    }
    start = end + 1;
  }
  if (last.empty()) last = "model not readable";
  if (!last.empty() && last.back() == '\r') last.pop_back();
  outcome.message =
      (outcome.line > 0 ? "Zeile " + std::to_string(outcome.line) + ": " : "") + GermanReason(last);
}

// x_j of the model as grid variables: x_j = sum of sign * g + offset.
struct ColumnMap {
  std::vector<std::pair<int, double>> parts;  // grid variable (0-based), sign
  double offset = 0;
};

struct GridRow {
  std::vector<double> coefficients;
  const char* relation;
  double rhs;
};

std::string Name(const char* name, const char* fallback, int index) {
  return name ? std::string(name) : std::string(fallback) + std::to_string(index);
}

}  // namespace

std::optional<ModelFormat> ModelFormatOfPath(std::string_view path) {
  const auto endsWith = [path](std::string_view ending) {
    if (path.size() < ending.size()) return false;
    for (std::size_t k = 0; k < ending.size(); ++k) {
      char c = path[path.size() - ending.size() + k];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != ending[k]) return false;
    }
    return true;
  };
  if (endsWith(".lp")) return ModelFormat::kLp;
  if (endsWith(".mps")) return ModelFormat::kMps;
  return std::nullopt;
}

std::vector<std::string> ModelLegend::Lines() const {
  std::vector<std::string> lines{"Legende:"};
  for (std::size_t j = 0; j < variables.size(); ++j) lines.push_back(variables[j]);
  for (std::size_t i = 0; i < rows.size(); ++i) lines.push_back(rows[i]);
  for (const std::string& note : notes) lines.push_back("Hinweis: " + note);
  return lines;
}

ModelFileOutcome ReadModelFile(const std::string& path, ModelFormat format) {
  ModelFileOutcome outcome;
  Model model(glp_create_prob());
  {
    TerminalCapture capture;
    int failed = 0;
    if (format == ModelFormat::kLp) {
      failed = glp_read_lp(model.get(), nullptr, path.c_str());
    } else {
      failed = glp_read_mps(model.get(), GLP_MPS_FILE, nullptr, path.c_str());
      if (failed) {
        const std::string freeOutput = capture.Text();
        glp_erase_prob(model.get());
        failed = glp_read_mps(model.get(), GLP_MPS_DECK, nullptr, path.c_str());
        if (failed) {
          DescribeFailure(freeOutput, outcome);
          return outcome;
        }
      }
    }
    if (failed) {
      DescribeFailure(capture.Text(), outcome);
      return outcome;
    }
  }
  glp_prob* P = model.get();
  const int rows = glp_get_num_rows(P);
  const int columns = glp_get_num_cols(P);
  ModelLegend& legend = outcome.legend;

  // The grid variables, column by column.
  std::vector<ColumnMap> maps(static_cast<std::size_t>(columns) + 1);
  std::vector<double> objective;
  std::vector<std::string> variableNames;
  std::vector<std::pair<std::vector<std::pair<int, double>>, std::pair<const char*, double>>>
      boundRows;
  std::vector<std::string> boundNames;
  int integers = 0;
  double constant = glp_get_obj_coef(P, 0);
  const auto addVariable = [&](int j, double sign, std::string text) {
    maps[static_cast<std::size_t>(j)].parts.push_back({static_cast<int>(objective.size()), sign});
    objective.push_back(sign * glp_get_obj_coef(P, j));
    variableNames.push_back(std::move(text));
  };
  for (int j = 1; j <= columns; ++j) {
    const std::string name = Name(glp_get_col_name(P, j), "C", j);
    const int type = glp_get_col_type(P, j);
    const double lb = glp_get_col_lb(P, j);
    const double ub = glp_get_col_ub(P, j);
    if (glp_get_col_kind(P, j) != GLP_CV) ++integers;
    ColumnMap& map = maps[static_cast<std::size_t>(j)];
    const bool hasLower = type == GLP_LO || type == GLP_DB || type == GLP_FX;
    const bool hasUpper = type == GLP_UP || type == GLP_DB || type == GLP_FX;
    if (!hasLower) {
      addVariable(j, 1, name + " (positiver Teil)");
      addVariable(j, -1, name + " (negativer Teil)");
    } else if (lb < 0) {
      map.offset = lb;
      addVariable(j, 1, name + " + " + NumberText(-lb));
    } else {
      addVariable(j, 1, name);
      if (lb > 0 && type != GLP_FX) {
        boundRows.push_back({map.parts, {">=", lb}});
        boundNames.push_back("Schranke " + name + " >= " + NumberText(lb));
      }
    }
    constant += glp_get_obj_coef(P, j) * map.offset;
    if (hasUpper) {
      const bool fixed = type == GLP_FX;
      boundRows.push_back({map.parts, {fixed ? "=" : "<=", ub - map.offset}});
      boundNames.push_back("Schranke " + name + (fixed ? " = " : " <= ") + NumberText(ub));
    }
  }
  const int n = static_cast<int>(objective.size());

  // The grid rows: the model's rows, then the bounds.
  std::vector<GridRow> gridRows;
  std::vector<int> index(static_cast<std::size_t>(columns) + 1);
  std::vector<double> value(static_cast<std::size_t>(columns) + 1);
  int freeRows = 0;
  for (int i = 1; i <= rows; ++i) {
    const int type = glp_get_row_type(P, i);
    if (type == GLP_FR) {
      ++freeRows;
      continue;
    }
    std::vector<double> coefficients(static_cast<std::size_t>(n), 0.0);
    double shift = 0;
    const int count = glp_get_mat_row(P, i, index.data(), value.data());
    for (int k = 1; k <= count; ++k) {
      const ColumnMap& map = maps[static_cast<std::size_t>(index[static_cast<std::size_t>(k)])];
      const double a = value[static_cast<std::size_t>(k)];
      for (const auto& [g, sign] : map.parts) coefficients[static_cast<std::size_t>(g)] += a * sign;
      shift += a * map.offset;
    }
    const std::string name = Name(glp_get_row_name(P, i), "R", i);
    const double lb = glp_get_row_lb(P, i) - shift;
    const double ub = glp_get_row_ub(P, i) - shift;
    const auto addRow = [&](const char* relation, double rhs, std::string text) {
      gridRows.push_back({coefficients, relation, rhs});
      legend.rows.push_back(std::move(text));
    };
    if (type == GLP_LO) addRow(">=", lb, name);
    if (type == GLP_UP) addRow("<=", ub, name);
    if (type == GLP_FX) addRow("=", lb, name);
    if (type == GLP_DB) {
      addRow(">=", lb, name + " (untere Grenze)");
      addRow("<=", ub, name + " (obere Grenze)");
    }
  }
  for (std::size_t b = 0; b < boundRows.size(); ++b) {
    std::vector<double> coefficients(static_cast<std::size_t>(n), 0.0);
    for (const auto& [g, sign] : boundRows[b].first)
      coefficients[static_cast<std::size_t>(g)] = sign;
    gridRows.push_back({coefficients, boundRows[b].second.first, boundRows[b].second.second});
    legend.rows.push_back(boundNames[b]);
  }
  const int m = static_cast<int>(gridRows.size());

  if (n > kMaxVariables || m > kMaxConstraints || n == 0 || m == 0) {
    outcome.kind = ModelFileOutcome::Kind::kTooLarge;
    outcome.message = "Das Modell hat " + std::to_string(rows) + " Zeilen \xC3\x97 " +
                      std::to_string(columns) + " Spalten; umgeformt sind das " +
                      std::to_string(m) + " Bedingungen \xC3\x97 " + std::to_string(n) +
                      " Variablen, ins Gitter passen 1 bis 50 \xC3\x97 1 bis 50.";
    return outcome;
  }

  ProblemFile& problem = outcome.problem;
  problem.maximum = glp_get_obj_dir(P) == GLP_MAX;
  problem.n = n;
  problem.m = m;
  for (const double c : objective) problem.objective.push_back(NumberText(c));
  for (const GridRow& row : gridRows) {
    std::vector<std::string> cells;
    for (const double a : row.coefficients) cells.push_back(NumberText(a));
    cells.emplace_back(row.relation);
    cells.push_back(NumberText(row.rhs));
    problem.constraints.push_back(std::move(cells));
  }
  for (int j = 0; j < n; ++j) {
    legend.variables.push_back("x" + std::to_string(j + 1) + " = " +
                               variableNames[static_cast<std::size_t>(j)]);
  }
  for (int i = 0; i < m; ++i) {
    legend.rows[static_cast<std::size_t>(i)] =
        "y" + std::to_string(i + 1) + ": " + legend.rows[static_cast<std::size_t>(i)];
  }
  if (constant != 0) {
    const std::string shift = (constant > 0 ? " + " : " - ") + NumberText(std::fabs(constant));
    legend.notes.push_back("die Konstante " + NumberText(constant) +
                           " der Zielfunktion ist weggelassen: Optimum des Modells = berichteter "
                           "Wert" +
                           shift);
  }
  if (integers > 0) {
    legend.notes.push_back(std::to_string(integers) +
                           " ganzzahlige Variablen (Binaries, Generals) werden als stetig "
                           "gerechnet: gel\xF6st wird die LP-Relaxation");
  }
  if (freeRows > 0) {
    legend.notes.push_back(std::to_string(freeRows) +
                           " freie Zeilen ohne Schranken (weitere Zielfunktionen) sind \xFC"
                           "bergangen");
  }
  return outcome;
}

}  // namespace pivora
