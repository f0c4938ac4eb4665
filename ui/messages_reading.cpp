#include "ui/messages_reading.h"

#include <cctype>
#include <string_view>

#include "solve/view_numbers.h"
#include "ui/text_encoding.h"

namespace pivora {
namespace {

constexpr const char* kDot = "\u00b7";
constexpr const char* kMinus = "\u2212";

std::string Utf8(std::string_view latin1) { return Latin1ToUtf8(latin1); }

// A variable's name in the report: 'x' or 'y' and its number, a star after it
// where it marks the pivot's row or column.
struct Name {
  char letter = 0;
  int number = 0;
};

Name NameOf(std::string_view word) {
  if (!word.empty() && word.back() == '*') word.remove_suffix(1);
  if (word.size() < 2 || (word[0] != 'x' && word[0] != 'y')) return {};
  int number = 0;
  for (const char c : word.substr(1)) {
    if (!std::isdigit(static_cast<unsigned char>(c)) || number > 1000) return {};
    number = number * 10 + (c - '0');
  }
  return {word[0], number};
}

// "2·x1 + 1·x2": the left-hand side of constraint i as typed, zeros left out.
std::string LeftSide(const ReportProblem& p, int i) {
  std::string text;
  for (int j = 1; j <= p.n; ++j) {
    std::string_view a = p.constraints[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
    if (a == "0" || a.empty()) continue;
    const bool negative = a.front() == '-';
    if (negative || a.front() == '+') a.remove_prefix(1);
    if (!text.empty()) text += negative ? std::string(" ") + kMinus + " " : " + ";
    else if (negative) text += kMinus;
    text += Utf8(a) + kDot + WordAndNumber("x", j);
  }
  return text.empty() ? "0" : text;
}

int RelationSign(const ReportProblem& p, int i) {
  const std::string& relation = p.constraints[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(p.n)];
  if (relation == ">" || relation == ">=") return 1;
  if (relation == "=" || relation == "==") return 0;
  return -1;
}

std::string RightSide(const ReportProblem& p, int i) {
  return Utf8(p.constraints[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(p.n + 1)]);
}

std::string Slack(const ReportProblem& p, int i) {
  const std::string lhs = std::string(1, '(').append(LeftSide(p, i)).append(")");
  const std::string b = RightSide(p, i);
  const std::string nb = WordAndNumber("NB ", i);
  switch (RelationSign(p, i)) {
    case 1:
      return WordAndNumber("y", i) + ": Schlupf von " + nb + ": " + lhs + " " + kMinus + " " + b +
             " (\u2265 0)";
    case 0:
      return WordAndNumber("y", i) + ": Schlupf von " + nb + ", einer Gleichung: " + b + " " +
             kMinus + " " + lhs + ", immer 0";
    default:
      return WordAndNumber("y", i) + ": Schlupf von " + nb + ": " + b + " " + kMinus + " " + lhs +
             " (\u2265 0)";
  }
}

std::string Variable(const ReportProblem& p, int j) {
  return WordAndNumber("x", j) + ": Variable, Zielkoeffizient " +
         Utf8(p.objective[static_cast<std::size_t>(j - 1)]);
}

const char* Z(const ReportProblem& p) { return p.maximise ? "Zmax" : "Zmin"; }

// "[±10]" after "x2 = 0" or "y1 = 0": the reduced cost or the shadow price.
std::string Bracket(const std::string& line, std::size_t at, const std::string& size,
                    const ReportProblem& p) {
  const std::size_t equals = line.rfind(" = ", at);
  if (equals == std::string::npos) return {};
  const std::size_t start = line.rfind(' ', equals - 1);
  const Name name = NameOf(std::string_view(line).substr(
      start == std::string::npos ? 0 : start + 1, equals - (start == std::string::npos ? 0 : start + 1)));
  const std::string s = Utf8(size);
  if (name.letter == 'x' && name.number >= 1 && name.number <= p.n) {
    const std::string x = WordAndNumber("x", name.number);
    return "Reduzierte Kosten von " + x + ": dz/d" + x + " = " + (p.maximise ? kMinus : "+") + s +
           ". " + x + " ist 0 (Nichtbasis); jede Einheit " + x + ", die man erzwingt, " +
           (p.maximise ? "senkt Zmax" : "erh\u00f6ht Zmin") + " um " + s + ".";
  }
  if (name.letter == 'y' && name.number >= 1 && name.number <= p.m) {
    const int i = name.number;
    // Max: a <= row or equation adds to z as b grows; a >= row takes away.
    const bool up = (RelationSign(p, i) <= 0) == p.maximise;
    return WordAndNumber("Schattenpreis von NB ", i) + ": dz/db = " + (up ? "+" : kMinus) + s +
           ". Erh\u00f6ht man die rechte Seite " + RightSide(p, i) + " um 1, " +
           (up ? "steigt " : "sinkt ") + Z(p) + " um " + s +
           ", solange diese Basis optimal bleibt. (Die Bedingung ist bindend: " +
           WordAndNumber("y", i) + " = 0.)";
  }
  return {};
}

// A line of a tableau: its first word a row label, text after it in columns.
bool TableauRow(const std::string& line) {
  return line.find("  ") != std::string::npos && line.rfind("Schritt", 0) != 0 &&
         line.rfind("ZF:", 0) != 0 && line.rfind("NB:", 0) != 0;
}

std::string Solutions(const std::vector<std::string>& lines, const std::string& count) {
  std::string text = count + " optimale Ecken: jeder Punkt auf der Strecke (bei mehr als zwei: "
                     "in der Fl\u00e4che) zwischen ihnen ist ebenso optimal, mit demselben Wert.";
  int k = 0;
  for (const std::string& line : lines) {
    if (line.rfind("ZF:   ", 0) == 0 && ++k <= 3) {
      text.append("\n").append(std::to_string(k)).append(". L\u00f6sung: ").append(Utf8(line.substr(6)));
    }
  }
  return text;
}

}  // namespace

std::string ExplainReportWord(const std::vector<std::string>& lines, int line, int column,
                              const ReportProblem& p) {
  if (line < 0 || static_cast<std::size_t>(line) >= lines.size() || column < 0) return {};
  const std::string& text = lines[static_cast<std::size_t>(line)];
  const std::size_t at = static_cast<std::size_t>(column);
  if (at >= text.size() || text[at] == ' ') return {};
  std::size_t begin = text.rfind(' ', at);
  begin = begin == std::string::npos ? 0 : begin + 1;
  const std::size_t end = std::min(text.find(' ', at), text.size());
  const std::string word = text.substr(begin, end - begin);

  if (word.rfind("[\xB1", 0) == 0 && word.size() > 3) {
    return Bracket(text, begin, word.substr(2, word.size() - 3), p);
  }
  if (word.front() == '[' && word.back() == ']') {
    return "Pivotelement: seine Zeile und Spalte sind mit * markiert. Die Basisvariable der Zeile "
           "verl\u00e4sst die Basis, die Nichtbasisvariable der Spalte kommt hinein; das "
           "n\u00e4chste Tableau entsteht durch den Austausch.";
  }
  const Name name = NameOf(word);
  if (name.letter == 'y' && name.number >= 1 && name.number <= p.m) return Slack(p, name.number);
  if (name.letter == 'x' && name.number >= 1 && name.number <= p.n) return Variable(p, name.number);
  const bool first = begin == 0;
  if (first && (word == "Z" || word == "-Z") && TableauRow(text)) {
    return word == "Z" ? std::string("Zielzeile: ihre Eintr\u00e4ge sind die \u00c4nderung von Z je "
                                     "Einheit der Spaltenvariablen, ganz rechts der Wert von Z.")
                       : std::string("Zielzeile von \u2212Z: bei Min maximiert das Verfahren "
                                     "\u2212Z; ganz rechts steht \u2212Z, also Zmin mit "
                                     "umgekehrtem Vorzeichen.");
  }
  if (first && (word == "0" || word == "0*") && TableauRow(text)) {
    return "Nullvariable einer Gleichung: ihr Wert muss 0 sein. Sie verl\u00e4sst die Basis "
           "zuerst (Gleichungsphase); danach entf\u00e4llt ihre Spalte.";
  }
  if (word == "Zmax" || word == "Zmin" || word == "Optimum:") {
    std::string objective;
    for (int j = 1; j <= p.n; ++j) {
      if (!objective.empty()) objective += " + ";
      objective +=
          Utf8(p.objective[static_cast<std::size_t>(j - 1)]) + kDot + WordAndNumber("x", j);
    }
    return std::string(p.maximise ? "Der gr\u00f6\u00dfte" : "Der kleinste") +
           " Wert der Zielfunktion " + objective + " unter allen Bedingungen, mit x \u2265 0.";
  }
  if (word.rfind("L\xD6SUNGEN", 0) == 0 || (first && text.find("  L\xD6SUNGEN:") != std::string::npos)) {
    return Solutions(lines, text.substr(0, text.find(' ')));
  }
  if (first && word == "ZF:") {
    return "Die Werte der Variablen; [\u00b1\u2026] nach einer 0: die reduzierten Kosten.";
  }
  if (first && word == "NB:") {
    return "Die Schlupfwerte der Nebenbedingungen; [\u00b1\u2026] nach einer 0: der "
           "Schattenpreis.";
  }
  return {};
}

}  // namespace pivora
