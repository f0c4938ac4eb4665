#include "files/problem_file.h"

#include <algorithm>
#include <string>

#include "solver/tables.h"

namespace pivora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Calls `cell` for every cell of the line, in order; a quoted cell comes
// without its quotes. Gives why the line does not split into cells, or
// nothing when it does.
template <typename Visit>
std::optional<std::string> ForEachCell(std::string_view line, Visit cell) {
  std::size_t k = 0;
  std::string quoted;
  while (k < line.size()) {
    while (k < line.size() && IsBlank(line[k])) ++k;
    if (k == line.size()) break;
    if (line[k] != '"') {
      const std::size_t start = k;
      while (k < line.size() && !IsBlank(line[k])) ++k;
      cell(line.substr(start, k - start));
      continue;
    }
    quoted.clear();
    bool closed = false;
    for (++k; k < line.size(); ++k) {
      if (line[k] != '"') {
        quoted += line[k];
      } else if (k + 1 < line.size() && line[k + 1] == '"') {
        quoted += '"';
        ++k;
      } else {
        closed = true;
        ++k;
        break;
      }
    }
    if (!closed) return "a quoted cell has no closing '\"'";
    if (k < line.size() && !IsBlank(line[k])) {
      return "text right after a closing '\"' (a '\"' inside a quoted cell is written \"\")";
    }
    cell(std::string_view(quoted));
  }
  return std::nullopt;
}

struct SplitLine {
  std::vector<std::string> cells;
  std::optional<std::string> error;
};

std::size_t CountCells(std::string_view line) {
  std::size_t count = 0;
  ForEachCell(line, [&count](std::string_view) { ++count; });
  return count;
}

SplitLine Cells(std::string_view line) {
  SplitLine split;
  split.error =
      ForEachCell(line, [&split](std::string_view cell) { split.cells.emplace_back(cell); });
  return split;
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
struct Doubt {
  std::string english;
  std::string german;
  bool Empty() const { return english.empty(); }
};

Doubt MiscountedCells(std::string_view line) {
  bool comment = false;
  ForEachCell(line, [&comment](std::string_view cell) {
    comment = comment || (!cell.empty() && cell[0] == '#');
  });
  if (comment) {
    return {"a '#' after cells starts no comment (comments stand on lines of their own)",
            "ein '#' hinter Zellen beginnt keinen Kommentar (Kommentare stehen in eigenen Zeilen)"};
  }
  if (line.find("\xC2\xA0") != std::string_view::npos ||
      line.find("\xE2\x80\xAF") != std::string_view::npos) {
    return {"a no-break space does not separate cells (use blanks or tabs)",
            "ein gesch\xC3\xBCtztes Leerzeichen trennt keine Zellen (Leerzeichen oder Tabulatoren "
            "verwenden)"};
  }
  return {};
}

ProblemFileOutcome Malformed(int line, std::string message, std::string german) {
  ProblemFileOutcome outcome;
  outcome.kind = ProblemFileOutcome::Kind::kMalformed;
  outcome.line = line;
  outcome.message = std::move(message);
  outcome.germanMessage = std::move(german);
  return outcome;
}

ProblemFileOutcome Malformed(int line, const Doubt& doubt) {
  return Malformed(line, doubt.english, doubt.german);
}

ProblemFileOutcome SplitError(int line, const std::string& error) {
  const bool unclosed = error.find("no closing") != std::string::npos;
  return Malformed(line, error,
                   unclosed ? "einer Zelle in Anf\xC3\xBChrungszeichen fehlt das schlie\xC3\x9F"
                              "ende '\"'"
                            : "Text direkt hinter einem schlie\xC3\x9F"
                              "enden '\"' (ein '\"' in der Zelle wird \"\" geschrieben)");
}

// The settings after "max" or "min": "digits=N", "details=on", "details=off".
std::optional<ProblemFileOutcome> ReadSettings(const std::vector<std::string>& cells, int line,
                                               ProblemFile& problem) {
  for (std::size_t k = 1; k < cells.size(); ++k) {
    const std::string& cell = cells[k];
    const std::size_t equals = cell.find('=');
    const std::string key = cell.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : cell.substr(equals + 1);
    if (EqualsIgnoringCase(key, "digits") && equals != std::string::npos) {
      // Any integer, however long, as --digits takes it: the window and the
      // programs count one outside 3 to 15 as the nearest limit.
      constexpr int kLargest = 1'000'000'000;
      const bool negative = !value.empty() && value[0] == '-';
      std::size_t at = value.size() > 0 && (value[0] == '+' || negative) ? 1 : 0;
      bool whole = at < value.size();
      int digits = 0;
      for (; at < value.size(); ++at) {
        whole = whole && value[at] >= '0' && value[at] <= '9';
        if (whole) digits = static_cast<int>(std::min(digits * 10LL + (value[at] - '0'), 1LL * kLargest));
      }
      if (!whole) {
        return Malformed(line, "digits= needs an integer, not \"" + value + "\"",
                         "digits= braucht eine ganze Zahl, nicht \"" + value + "\"");
      }
      problem.digits = negative ? -digits : digits;
    } else if (EqualsIgnoringCase(key, "details") &&
               (EqualsIgnoringCase(value, "on") || EqualsIgnoringCase(value, "off"))) {
      problem.details = EqualsIgnoringCase(value, "on");
    } else {
      return Malformed(
          line, "unknown setting \"" + cell + "\" (known: digits=N, details=on|off)",
          "unbekannte Einstellung \"" + cell + "\" (bekannt: digits=N, details=on|off)");
    }
  }
  return std::nullopt;
}

// Whether the line's first cell, unquoted, is `word` in any case.
bool StartsWithWord(std::string_view line, std::string_view word) {
  std::size_t k = 0;
  while (k < line.size() && IsBlank(line[k])) ++k;
  const std::string_view rest = line.substr(k);
  return rest.size() >= word.size() && EqualsIgnoringCase(rest.substr(0, word.size()), word) &&
         (rest.size() == word.size() || IsBlank(rest[word.size()]));
}

// The line "integer x1 x3": each name one of x1..xn, none twice over.
std::optional<ProblemFileOutcome> ReadIntegers(const std::vector<std::string>& cells, int line,
                                               ProblemFile& problem) {
  if (problem.integersLine != 0) {
    return Malformed(
        line,
        "a second integer line (the first is line " + std::to_string(problem.integersLine) + ")",
        "eine zweite integer-Zeile (die erste ist Zeile " + std::to_string(problem.integersLine) +
            ")");
  }
  problem.integersLine = line;
  for (std::size_t k = 1; k < cells.size(); ++k) {
    const std::string& name = cells[k];
    int j = 0;
    bool whole = name.size() >= 2 && name.size() <= 3 && Lower(name[0]) == 'x' && name[1] != '0';
    for (std::size_t at = 1; whole && at < name.size(); ++at) {
      whole = name[at] >= '0' && name[at] <= '9';
      j = j * 10 + (name[at] - '0');
    }
    if (!whole || j > problem.n) {
      const std::string count = std::to_string(problem.n);
      return Malformed(line, "integer: \"" + name + "\" is none of the variables x1..x" + count,
                       "integer: \"" + name + "\" ist keine der Variablen x1..x" + count);
    }
    problem.integers.Set(j, true);
  }
  return std::nullopt;
}

// The line "max" or "min" with its settings.
std::optional<ProblemFileOutcome> ReadChoice(LineReader& lines, ProblemFile& problem) {
  std::string_view line;
  if (!lines.Next(line)) {
    return Malformed(lines.EndNumber(), "end of input: expected the line \"max\" or \"min\"",
                     "Ende der Datei: erwartet war die Zeile \"max\" oder \"min\"");
  }
  const SplitLine choice = Cells(line);
  if (choice.error) return SplitError(lines.Number(), *choice.error);
  if (!choice.cells.empty() && EqualsIgnoringCase(choice.cells[0], "max")) {
    problem.maximum = true;
  } else if (!choice.cells.empty() && EqualsIgnoringCase(choice.cells[0], "min")) {
    problem.maximum = false;
  } else {
    return Malformed(lines.Number(), "expected the line \"max\" or \"min\"",
                     "erwartet war die Zeile \"max\" oder \"min\"");
  }
  return ReadSettings(choice.cells, lines.Number(), problem);
}

// The objective row, whose cells set n; `doubt` gets why its count may be
// off.
std::optional<ProblemFileOutcome> ReadObjective(LineReader& lines, ProblemFile& problem,
                                                Doubt& doubt) {
  std::string_view line;
  if (!lines.Next(line)) {
    return Malformed(lines.EndNumber(), "end of input: expected the objective row",
                     "Ende der Datei: erwartet war die Zeile der Zielfunktion");
  }
  const std::size_t n = CountCells(line);
  if (n > static_cast<std::size_t>(kMaxVariables)) {
    return Malformed(
        lines.Number(),
        "the objective row has " + std::to_string(n) + " cells; at most 50 variables are allowed",
        "die Zielfunktion hat " + std::to_string(n) +
            " Zellen; h\xC3\xB6"
            "chstens 50 Variablen sind m\xC3\xB6glich");
  }
  SplitLine objective = Cells(line);
  if (objective.error) return SplitError(lines.Number(), *objective.error);
  problem.n = static_cast<int>(n);
  problem.objective = std::move(objective.cells);
  problem.objectiveLine = lines.Number();
  doubt = MiscountedCells(line);
  return std::nullopt;
}

// A constraint row on line `number` with `cells` cells where n + 2 belong:
// blamed on a doubt about the row, else on one about the objective row,
// else on the row's count.
ProblemFileOutcome WrongCellCount(std::string_view line, int number, std::size_t cells,
                                  const ProblemFile& problem, const Doubt& objectiveDoubt) {
  if (const Doubt doubt = MiscountedCells(line); !doubt.Empty()) return Malformed(number, doubt);
  const std::size_t n = static_cast<std::size_t>(problem.n);
  if (!objectiveDoubt.Empty()) {
    return Malformed(
        problem.objectiveLine,
        objectiveDoubt.english + ": the objective row has " + Plural(n, "cell", "cells") +
            ", which does not fit the constraint row on line " + std::to_string(number),
        objectiveDoubt.german + ": die Zielfunktion hat " + std::to_string(n) +
            " Zellen, das passt nicht zur Bedingung in Zeile " + std::to_string(number));
  }
  const std::size_t rowCells = n + 2;
  return Malformed(number,
                   "the constraint row has " + Plural(cells, "cell", "cells") + "; with " +
                       Plural(n, "variable", "variables") + " it needs " +
                       std::to_string(rowCells) + " (coefficients, relation, right-hand side)",
                   "die Bedingung hat " + std::to_string(cells) + " Zellen; bei " +
                       std::to_string(n) + " Variablen braucht sie " + std::to_string(rowCells) +
                       " (Koeffizienten, Vergleich, rechte Seite)");
}

}  // namespace

ProblemFileOutcome ReadProblemFile(std::string_view content) {
  LineReader lines(content);
  ProblemFileOutcome outcome;
  ProblemFile& problem = outcome.problem;
  if (auto bad = ReadChoice(lines, problem)) return *bad;
  Doubt objectiveDoubt;
  if (auto bad = ReadObjective(lines, problem, objectiveDoubt)) return *bad;

  const std::size_t rowCells = static_cast<std::size_t>(problem.n) + 2;
  std::string_view line;
  while (lines.Next(line)) {
    if (StartsWithWord(line, "integer")) {
      const SplitLine names = Cells(line);
      if (names.error) return SplitError(lines.Number(), *names.error);
      if (auto bad = ReadIntegers(names.cells, lines.Number(), problem)) return *bad;
      continue;
    }
    if (problem.m == kMaxConstraints) {
      return Malformed(lines.Number(), "a 51st constraint row; at most 50 constraints are allowed",
                       "eine 51. Bedingung; h\xC3\xB6"
                       "chstens 50 Bedingungen sind m\xC3\xB6glich");
    }
    SplitLine row = Cells(line);
    if (row.error) return SplitError(lines.Number(), *row.error);
    if (row.cells.size() != rowCells) {
      return WrongCellCount(line, lines.Number(), row.cells.size(), problem, objectiveDoubt);
    }
    problem.constraints.push_back(std::move(row.cells));
    problem.constraintLines.push_back(lines.Number());
    ++problem.m;
  }
  if (problem.m == 0) {
    return Malformed(lines.EndNumber(), "end of input: expected at least one constraint row",
                     "Ende der Datei: erwartet war mindestens eine Bedingung");
  }
  return outcome;
}

}  // namespace pivora
