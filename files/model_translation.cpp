#include "files/model_translation.h"

#include <glpk.h>

#include <cmath>
#include <utility>
#include <vector>

#include "files/exact_decimal.h"

namespace pivora {
namespace {

// A column's bounds as the grids take them: GLPK's, and for a whole-numbered
// column each rounded inward to a whole number (x >= -0.5 is x >= 0). The
// rounding is exact: a double that is not whole has no whole number between
// it and the shortest decimal that reads back to it. Bounds that leave no
// whole number (0.2 <= x <= 0.8) stay rounded, so they contradict each
// other, and `empty` says so.
struct ColumnBounds {
  int type = GLP_FR;
  double lb = 0;
  double ub = 0;
  bool integer = false;
  bool empty = false;
};

ColumnBounds RoundedBounds(int type, double lb, double ub, bool integer) {
  ColumnBounds bounds{type, lb, ub, integer, false};
  if (!bounds.integer) return bounds;
  const bool hasLower = bounds.type == GLP_LO || bounds.type == GLP_DB || bounds.type == GLP_FX;
  const bool hasUpper = bounds.type == GLP_UP || bounds.type == GLP_DB || bounds.type == GLP_FX;
  if (hasLower) bounds.lb = std::ceil(bounds.lb);
  if (hasUpper) bounds.ub = std::floor(bounds.ub);
  if (hasLower && hasUpper) {
    bounds.empty = bounds.lb > bounds.ub;
    bounds.type = bounds.lb == bounds.ub ? GLP_FX : GLP_DB;
  }
  return bounds;
}

ColumnBounds BoundsOf(glp_prob* model, int j) {
  return RoundedBounds(glp_get_col_type(model, j), glp_get_col_lb(model, j),
                       glp_get_col_ub(model, j), glp_get_col_kind(model, j) != GLP_CV);
}

// How a model column becomes grid variables and bound rows. The counting
// and the translation both ask here, so the size judged is the size built.
struct ColumnShape {
  bool split = false;     // no lower bound: a positive and a negative part
  bool shifted = false;   // negative lower bound: shifted by it
  bool lowerRow = false;  // lower bound above zero (not fixed): a row
  bool upperRow = false;  // any upper bound, or the fixed value: a row
};

ColumnShape ShapeOf(const ColumnBounds& bounds) {
  const int type = bounds.type;
  const bool hasLower = type == GLP_LO || type == GLP_DB || type == GLP_FX;
  ColumnShape shape;
  shape.split = !hasLower;
  shape.shifted = hasLower && bounds.lb < 0;
  shape.lowerRow = hasLower && bounds.lb > 0 && type != GLP_FX;
  shape.upperRow = type == GLP_UP || type == GLP_DB || type == GLP_FX;
  return shape;
}

int GridRowsOf(glp_prob* model, int i) {
  switch (glp_get_row_type(model, i)) {
    case GLP_FR:
      return 0;
    case GLP_DB:
      return 2;
    default:
      return 1;
  }
}

std::string Name(const char* name, const char* fallback, int index) {
  return name ? std::string(name) : std::string(fallback) + std::to_string(index);
}

ExactDecimal Exact(double value) { return ExactDecimal::FromDouble(value); }

// Model column x_j in grid variables: x_j = sum of sign * g + offset.
struct ColumnMap {
  std::vector<std::pair<int, int>> parts;  // grid variable (0-based), sign ±1
  ExactDecimal offset;
};

struct GridRow {
  std::vector<ExactDecimal> coefficients;
  const char* relation;
  ExactDecimal rhs;
  std::string name;  // what the row stands for, without its "yi: "
};

// The grid's variables with their objective coefficients and names, the
// bound rows, and the objective's constant, column by column.
struct Columns {
  std::vector<ColumnMap> maps;  // by model column, from 1
  std::vector<ExactDecimal> objective;
  std::vector<std::string> names;
  std::vector<GridRow> boundRows;
  ExactDecimal constant;
  int integers = 0;
  std::vector<bool> whole;           // by grid variable: of a whole-numbered column
  std::vector<std::string> noWhole;  // whole-numbered columns whose bounds hold no whole number
};

Columns TranslateColumns(glp_prob* model, int n) {
  const int columns = glp_get_num_cols(model);
  Columns out;
  out.maps.resize(static_cast<std::size_t>(columns) + 1);
  out.constant = Exact(glp_get_obj_coef(model, 0));
  // A bound row on column j's grid variables: their signed sum against `rhs`.
  const auto boundRow = [&](const ColumnMap& map, const char* relation, ExactDecimal rhs,
                            std::string name) {
    GridRow row{std::vector<ExactDecimal>(static_cast<std::size_t>(n)), relation, std::move(rhs),
                std::move(name)};
    for (const auto& [g, sign] : map.parts)
      row.coefficients[static_cast<std::size_t>(g)] = ExactDecimal(sign);
    out.boundRows.push_back(std::move(row));
  };
  for (int j = 1; j <= columns; ++j) {
    const std::string name = Name(glp_get_col_name(model, j), "C", j);
    const ColumnBounds bounds = BoundsOf(model, j);
    const ColumnShape shape = ShapeOf(bounds);
    const ExactDecimal cost = Exact(glp_get_obj_coef(model, j));
    if (bounds.integer) ++out.integers;
    if (bounds.empty) {
      out.noWhole.push_back(name + ": die Schranken " + Exact(glp_get_col_lb(model, j)).Text() +
                            " und " + Exact(glp_get_col_ub(model, j)).Text() +
                            " lassen keine ganze Zahl zu");
    }
    ColumnMap& map = out.maps[static_cast<std::size_t>(j)];
    const auto addVariable = [&](int sign, std::string text) {
      map.parts.emplace_back(static_cast<int>(out.objective.size()), sign);
      out.objective.push_back(sign > 0 ? cost : -cost);
      out.names.push_back(std::move(text));
      out.whole.push_back(bounds.integer);
    };
    if (shape.split) {
      addVariable(1, name + " (positiver Teil)");
      addVariable(-1, name + " (negativer Teil)");
    } else if (shape.shifted) {
      map.offset = Exact(bounds.lb);
      addVariable(1, name + " + " + (-map.offset).Text());
    } else {
      addVariable(1, name);
    }
    out.constant += cost * map.offset;
    if (shape.lowerRow) {
      const ExactDecimal lb = Exact(bounds.lb);
      boundRow(map, ">=", lb, "Schranke " + name + " >= " + lb.Text());
    }
    if (shape.upperRow) {
      const bool fixed = bounds.type == GLP_FX;
      const ExactDecimal ub = Exact(bounds.ub);
      boundRow(map, fixed ? "=" : "<=", ub - map.offset,
               "Schranke " + name + (fixed ? " = " : " <= ") + ub.Text());
    }
  }
  return out;
}

// A range row's bounds. GLPK holds its right-hand side as one bound and the
// binary sum of it and the range R as the other: 0.1 with a range of 0.7
// became 0.7999999999999999. `ranges`, the model read with every right-hand
// side 0, holds 0 and R, or R and 0, and tells which bound is the right-hand
// side; the other is that plus R, in decimals.
std::pair<ExactDecimal, ExactDecimal> RangeBounds(glp_prob* model, glp_prob* ranges, int i) {
  const double lower = glp_get_row_lb(model, i);
  const double upper = glp_get_row_ub(model, i);
  if (ranges == nullptr || glp_get_num_rows(ranges) != glp_get_num_rows(model) ||
      glp_get_row_type(ranges, i) != GLP_DB)
    return {Exact(lower), Exact(upper)};
  if (glp_get_row_lb(ranges, i) == 0) {
    return {Exact(lower), Exact(lower) + Exact(glp_get_row_ub(ranges, i))};
  }
  return {Exact(upper) + Exact(glp_get_row_lb(ranges, i)), Exact(upper)};
}

// The model's rows in grid variables: a range row as two rows, free rows
// left out.
std::vector<GridRow> TranslateRows(glp_prob* model, glp_prob* ranges, const Columns& columns,
                                   int n) {
  std::vector<GridRow> rows;
  const std::size_t width = columns.maps.size();
  std::vector<int> index(width);
  std::vector<double> value(width);
  for (int i = 1; i <= glp_get_num_rows(model); ++i) {
    const int type = glp_get_row_type(model, i);
    if (type == GLP_FR) continue;
    std::vector<ExactDecimal> coefficients(static_cast<std::size_t>(n));
    ExactDecimal shift;
    const int count = glp_get_mat_row(model, i, index.data(), value.data());
    for (int k = 1; k <= count; ++k) {
      const ColumnMap& map =
          columns.maps[static_cast<std::size_t>(index[static_cast<std::size_t>(k)])];
      const ExactDecimal a = Exact(value[static_cast<std::size_t>(k)]);
      for (const auto& [g, sign] : map.parts) {
        coefficients[static_cast<std::size_t>(g)] += sign > 0 ? a : -a;
      }
      shift += a * map.offset;
    }
    const std::string name = Name(glp_get_row_name(model, i), "R", i);
    const auto add = [&](const char* relation, const ExactDecimal& bound, std::string text) {
      rows.push_back({coefficients, relation, bound - shift, std::move(text)});
    };
    if (type == GLP_LO) add(">=", Exact(glp_get_row_lb(model, i)), name);
    if (type == GLP_UP) add("<=", Exact(glp_get_row_ub(model, i)), name);
    if (type == GLP_FX) add("=", Exact(glp_get_row_lb(model, i)), name);
    if (type == GLP_DB) {
      const auto [lower, upper] = RangeBounds(model, ranges, i);
      add(">=", lower, name + " (untere Grenze)");
      add("<=", upper, name + " (obere Grenze)");
    }
  }
  return rows;
}

// A legend line, "x3 = text": the letter, k + 1, the separator and the text.
std::string LegendLine(char letter, std::size_t k, const char* separator, const std::string& text) {
  std::string line(1, letter);
  line.append(std::to_string(k + 1)).append(separator).append(text);
  return line;
}

// The legend's numbered variables and rows, and the notes on what the grids
// leave out.
void WriteLegend(glp_prob* model, const Columns& columns, const std::vector<GridRow>& rows,
                 ModelLegend& legend) {
  for (std::size_t j = 0; j < columns.names.size(); ++j) {
    legend.variables.push_back(LegendLine('x', j, " = ", columns.names[j]));
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    legend.rows.push_back(LegendLine('y', i, ": ", rows[i].name));
  }
  if (const int sign = columns.constant.Sign(); sign != 0) {
    legend.objectiveConstant = columns.constant.Text();
    const std::string shift =
        (sign > 0 ? " + " : " - ") + (sign > 0 ? columns.constant : -columns.constant).Text();
    legend.notes.push_back("die Konstante " + columns.constant.Text() +
                           " der Zielfunktion ist weggelassen: Optimum des Modells = berichteter "
                           "Wert" +
                           shift);
  }
  if (columns.integers > 0) {
    legend.notes.push_back(
        std::to_string(columns.integers) +
        (columns.integers == 1 ? " ganzzahlige Spalte" : " ganzzahlige Spalten") +
        " (Binaries, Generals): ihre Variablen sind ganzzahlig markiert, ihre "
        "Schranken nach innen auf ganze Zahlen gerundet");
  }
  for (const std::string& note : columns.noWhole) legend.notes.push_back(note);
  int freeRows = 0;
  for (int i = 1; i <= glp_get_num_rows(model); ++i)
    freeRows += glp_get_row_type(model, i) == GLP_FR;
  if (freeRows > 0) {
    legend.notes.push_back(std::to_string(freeRows) +
                           " freie Zeilen ohne Schranken (weitere Zielfunktionen) sind \xFC"
                           "bergangen");
  }
}

}  // namespace

ModelGridSize ColumnGridSize(int type, double lb, double ub, bool integer) {
  const ColumnShape shape = ShapeOf(RoundedBounds(type, lb, ub, integer));
  return {shape.split ? 2 : 1, static_cast<int>(shape.lowerRow) + static_cast<int>(shape.upperRow)};
}

ModelGridSize GridSizeOf(glp_prob* model) {
  ModelGridSize size;
  for (int j = 1; j <= glp_get_num_cols(model); ++j) {
    const ModelGridSize column =
        ColumnGridSize(glp_get_col_type(model, j), glp_get_col_lb(model, j),
                       glp_get_col_ub(model, j), glp_get_col_kind(model, j) != GLP_CV);
    size.variables += column.variables;
    size.rows += column.rows;
  }
  for (int i = 1; i <= glp_get_num_rows(model); ++i) size.rows += GridRowsOf(model, i);
  return size;
}

void TranslateModel(glp_prob* model, glp_prob* ranges, ModelFileOutcome& outcome) {
  const int n = static_cast<int>(GridSizeOf(model).variables);
  Columns columns = TranslateColumns(model, n);
  std::vector<GridRow> rows = TranslateRows(model, ranges, columns, n);
  for (GridRow& bound : columns.boundRows) rows.push_back(std::move(bound));
  columns.boundRows.clear();

  ProblemFile& problem = outcome.problem;
  problem.maximum = glp_get_obj_dir(model) == GLP_MAX;
  problem.n = n;
  problem.m = static_cast<int>(rows.size());
  for (int j = 1; j <= n; ++j)
    problem.integers.Set(j, columns.whole[static_cast<std::size_t>(j - 1)]);
  for (const ExactDecimal& c : columns.objective) problem.objective.push_back(c.Text());
  for (const GridRow& row : rows) {
    std::vector<std::string> cells;
    for (const ExactDecimal& a : row.coefficients) cells.push_back(a.Text());
    cells.emplace_back(row.relation);
    cells.push_back(row.rhs.Text());
    problem.constraints.push_back(std::move(cells));
  }
  WriteLegend(model, columns, rows, outcome.legend);
}

}  // namespace pivora
