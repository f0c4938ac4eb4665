#include "ui/steps_latex.h"

#include <cctype>
#include <cstddef>
#include <sstream>
#include <string_view>

namespace pivora {
namespace {

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// "x12" -> "x_{12}", "-Z" and "Z" stay, "0" (the zero variable) stays.
std::string Label(std::string word) {
  while (!word.empty() && word.back() == '*') word.pop_back();
  if (word.size() > 1 && (word[0] == 'x' || word[0] == 'y') &&
      std::isdigit(static_cast<unsigned char>(word[1]))) {
    return word.substr(0, 1) + "_{" + word.substr(1) + "}";
  }
  return word;
}

// A number of the view: an integer, a fraction "p/q" or a decimal with an
// optional exponent "E+k".
std::string Number(const std::string& word) {
  std::string latex;
  std::string_view body = word;
  if (!body.empty() && (body[0] == '-' || body[0] == '+')) {
    if (body[0] == '-') latex.push_back('-');
    body.remove_prefix(1);
  }
  if (const std::size_t slash = body.find('/'); slash != std::string_view::npos) {
    latex.append("\\dfrac{").append(body.substr(0, slash)).append("}{");
    latex.append(body.substr(slash + 1)).append("}");
  } else if (const std::size_t e = body.find_first_of("Ee"); e != std::string_view::npos) {
    std::string_view exponent = body.substr(e + 1);
    if (!exponent.empty() && exponent[0] == '+') exponent.remove_prefix(1);
    latex.append(body.substr(0, e)).append(" \\cdot 10^{").append(exponent).append("}");
  } else {
    latex.append(body);
  }
  return latex;
}

// One tableau: its column heading line, then its rows, the objective last.
void AddArray(std::ostringstream& out, const std::vector<std::vector<std::string>>& table) {
  const std::vector<std::string>& header = table.front();
  // Rows half as high again and fractions at full size, so fractions in
  // neighbouring rows do not touch.
  out << "\\[\n{\\renewcommand{\\arraystretch}{1.5}\n\\begin{array}{r|"
      << std::string(header.size() - 1, 'r') << "|r}\n";
  for (const std::string& column : header) out << " & " << Label(column);
  out << " \\\\\n\\hline\n";
  for (std::size_t i = 1; i < table.size(); ++i) {
    const std::vector<std::string>& row = table[i];
    if (i + 1 == table.size()) out << "\\hline\n";
    out << Label(row.front());
    for (std::size_t j = 1; j < row.size(); ++j) {
      const std::string& cell = row[j];
      if (cell.size() > 2 && cell.front() == '[' && cell.back() == ']') {
        out << " & \\boxed{" << Number(cell.substr(1, cell.size() - 2)) << "}";
      } else {
        out << " & " << Number(cell);
      }
    }
    out << (i + 1 == table.size() ? "\n" : " \\\\\n");
  }
  out << "\\end{array}}\n\\]\n";
}

}  // namespace

std::string StepsAsLatex(const std::vector<std::string>& lines) {
  std::ostringstream out;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::string& title = lines[k];
    if (!StartsWith(title, "Schritt ") && title != "Endtableau:" && title != "Aktuelles Tableau:") {
      continue;
    }
    // The "Grund:" line and any notes stand before the table, whose heading
    // line starts with the blank of its empty corner.
    std::size_t at = k + 1;
    while (at < lines.size() && !lines[at].empty() && lines[at][0] != ' ') ++at;
    std::vector<std::vector<std::string>> table;
    for (; at < lines.size() && !Words(lines[at]).empty(); ++at) table.push_back(Words(lines[at]));
    // A heading and the objective row at the least; every row one cell
    // longer than the heading.
    if (table.size() < 2) continue;
    bool shaped = true;
    for (std::size_t i = 1; i < table.size(); ++i) {
      shaped = shaped && table[i].size() == table.front().size() + 1;
    }
    if (!shaped) continue;
    out << "% " << title << "\n";
    AddArray(out, table);
    out << "\n";
    k = at - 1;
  }
  return out.str();
}

}  // namespace pivora
