#include "cli/problem_file.h"

#include <string>

#include "solver/tables.h"

namespace pivora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Calls `cell` for every cell of the line, in order.
template <typename Visit>
void ForEachCell(std::string_view line, Visit cell) {
  std::size_t k = 0;
  while (k < line.size()) {
    while (k < line.size() && IsBlank(line[k])) ++k;
    const std::size_t start = k;
    while (k < line.size() && !IsBlank(line[k])) ++k;
    if (k > start) cell(line.substr(start, k - start));
  }
}

std::size_t CountCells(std::string_view line) {
  std::size_t count = 0;
  ForEachCell(line, [&count](std::string_view) { ++count; });
  return count;
}

std::vector<std::string> Cells(std::string_view line) {
  std::vector<std::string> cells;
  ForEachCell(line, [&cells](std::string_view cell) { cells.emplace_back(cell); });
  return cells;
}

bool IsSkipped(std::string_view line) {
  std::size_t k = 0;
  while (k < line.size() && IsBlank(line[k])) ++k;
  return k == line.size() || line[k] == '#';
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (Lower(text[k]) != word[k]) return false;
  }
  return true;
}

std::string Plural(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Splits the content into lines, numbered from 1, without copying them.
class LineReader {
 public:
  explicit LineReader(std::string_view content) : rest_(content) {
    if (rest_.substr(0, 3) == "\xEF\xBB\xBF") rest_.remove_prefix(3);
  }

  // The next line that is neither blank nor a comment; false at the end.
  bool Next(std::string_view& line) {
    while (!rest_.empty()) {
      const std::size_t end = rest_.find_first_of("\r\n");
      line = rest_.substr(0, end);
      std::size_t ending = 0;
      if (end != std::string_view::npos) {
        ending = rest_.substr(end, 2) == "\r\n" ? 2 : 1;
      }
      rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + ending);
      ++number_;
      if (!IsSkipped(line)) return true;
    }
    return false;
  }

  int Number() const { return number_; }
  // The line after the last one: where a missing line would have stood.
  int EndNumber() const { return number_ + 1; }

 private:
  std::string_view rest_;
  int number_ = 0;
};

// Why a line may hold more cells than its author meant: a comment after the
// cells (a '#' starts a comment only at the start of a line) or a no-break
// space, which separates nothing. Empty when neither is there.
std::string MiscountedCells(std::string_view line) {
  bool comment = false;
  ForEachCell(line, [&comment](std::string_view cell) { comment = comment || cell[0] == '#'; });
  if (comment) return "a '#' after cells starts no comment (comments stand on lines of their own)";
  if (line.find("\xC2\xA0") != std::string_view::npos ||
      line.find("\xE2\x80\xAF") != std::string_view::npos) {
    return "a no-break space does not separate cells (use blanks or tabs)";
  }
  return {};
}

ProblemFileOutcome Malformed(int line, std::string message) {
  ProblemFileOutcome outcome;
  outcome.kind = ProblemFileOutcome::Kind::kMalformed;
  outcome.line = line;
  outcome.message = std::move(message);
  return outcome;
}

}  // namespace

ProblemFileOutcome ReadProblemFile(std::string_view content) {
  LineReader lines(content);
  std::string_view line;
  ProblemFileOutcome outcome;
  ProblemFile& problem = outcome.problem;

  if (!lines.Next(line))
    return Malformed(lines.EndNumber(), "end of input: expected the line \"max\" or \"min\"");
  const std::vector<std::string> choice =
      CountCells(line) == 1 ? Cells(line) : std::vector<std::string>{};
  if (choice.size() == 1 && EqualsIgnoringCase(choice[0], "max")) {
    problem.maximum = true;
  } else if (choice.size() == 1 && EqualsIgnoringCase(choice[0], "min")) {
    problem.maximum = false;
  } else {
    return Malformed(lines.Number(), "expected the line \"max\" or \"min\"");
  }

  if (!lines.Next(line))
    return Malformed(lines.EndNumber(), "end of input: expected the objective row");
  const std::size_t n = CountCells(line);
  if (n > static_cast<std::size_t>(kMaxVariables)) {
    return Malformed(lines.Number(), "the objective row has " + std::to_string(n) +
                                         " cells; at most 50 variables are allowed");
  }
  problem.n = static_cast<int>(n);
  problem.objective = Cells(line);
  problem.objectiveLine = lines.Number();
  const std::string objectiveDoubt = MiscountedCells(line);

  const std::size_t rowCells = n + 2;
  while (lines.Next(line)) {
    if (problem.m == kMaxConstraints) {
      return Malformed(lines.Number(), "a 51st constraint row; at most 50 constraints are allowed");
    }
    const std::size_t cells = CountCells(line);
    if (cells != rowCells) {
      if (const std::string doubt = MiscountedCells(line); !doubt.empty()) {
        return Malformed(lines.Number(), doubt);
      }
      if (!objectiveDoubt.empty()) {
        return Malformed(problem.objectiveLine,
                         objectiveDoubt + ": the objective row has " + Plural(n, "cell", "cells") +
                             ", which does not fit the constraint row on line " +
                             std::to_string(lines.Number()));
      }
      return Malformed(lines.Number(), "the constraint row has " + Plural(cells, "cell", "cells") +
                                           "; with " + Plural(n, "variable", "variables") +
                                           " it needs " + std::to_string(rowCells) +
                                           " (coefficients, relation, right-hand side)");
    }
    problem.constraints.push_back(Cells(line));
    problem.constraintLines.push_back(lines.Number());
    ++problem.m;
  }
  if (problem.m == 0)
    return Malformed(lines.EndNumber(), "end of input: expected at least one constraint row");
  return outcome;
}

}  // namespace pivora
