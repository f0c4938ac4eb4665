#include "files/glpk_messages.h"

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace pivora {
namespace {

// A name or token quoted from the file, safe to show: at most 40 bytes,
// anything but printable ASCII as '?'.
std::string Quoted(const std::string& text) {
  std::string shown;
  for (const char c : text.substr(0, 40)) shown.push_back(c >= ' ' && c <= '~' ? c : '?');
  return "\xC2\xBB" + shown + (text.size() > 40 ? "\xE2\x80\xA6" : "") + "\xC2\xAB";
}

// GLPK's messages of its LP (CPLEX) and MPS readers, as regular expressions,
// with the German sentence each stands for; "$1" takes the first group
// (quoted when `quote`), "$2" the second.
struct Translation {
  const char* pattern;
  const char* german;
  bool quote;
};

const Translation kTranslations[] = {
    // Both readers
    {"[Uu]nable to open .*",
     "Die Datei kann nicht ge\xC3\xB6"
     "ffnet werden.",
     false},
    {"[Rr]ead error on .*", "Die Datei kann nicht zu Ende gelesen werden.", false},
    {"unexpected end of file", "Die Datei endet mitten im Modell.", false},
    // LP
    {"token '(.*)\\.\\.\\.' too long", "Das Wort $1 ist zu lang.", true},
    {"invalid use of decimal point", "Ein Dezimalpunkt steht an falscher Stelle.", false},
    {"missing variable name", "Hier fehlt der Name einer Variablen.", false},
    {"constraints section missing",
     "Der Abschnitt der Bedingungen (\xC2\xBBSubject To\xC2\xAB) fehlt.", false},
    {"missing constraint sense", "Das Vergleichszeichen (<=, >= oder =) fehlt.", false},
    {"missing right-hand side", "Die rechte Seite fehlt.", false},
    {"missing upper bound", "Die obere Schranke fehlt.", false},
    {"missing lower bound", "Die untere Schranke fehlt.", false},
    {"missing fixed value", "Der feste Wert fehlt.", false},
    {"invalid bound definition", "Diese Schranke ist nicht lesbar.", false},
    {"keyword 'end' missing",
     "Das abschlie\xC3\x9F"
     "ende \xC2\xBB"
     "End\xC2\xAB fehlt.",
     false},
    {"lower bound of variable '(.*)' redefined", "Die untere Schranke von $1 steht zweimal da.",
     true},
    {"upper bound of variable '(.*)' redefined", "Die obere Schranke von $1 steht zweimal da.",
     true},
    {"invalid control character 0x(.*)",
     "Ein Steuerzeichen (0x$1) steht, wo es nicht hingeh\xC3\xB6rt.", false},
    {"keyword '(.*)' incomplete", "Das Schl\xC3\xBCsselwort $1 ist unvollst\xC3\xA4ndig.", true},
    {"keyword '(.*)\\.\\.\\.' not recognized", "Das Schl\xC3\xBCsselwort $1 ist unbekannt.", true},
    {"numeric constant '(.*)' incomplete", "Die Zahl $1 ist unvollst\xC3\xA4ndig.", true},
    {"numeric constant '(.*)' out of range", "Die Zahl $1 ist zu gro\xC3\x9F.", true},
    {"character '(.*)' not recognized", "Das Zeichen $1 ist hier nicht erlaubt.", true},
    {"multiple use of variable '(.*)' not allowed",
     "Die Variable $1 steht mehrmals in derselben Zeile.", true},
    {"'minimize' or 'maximize' keyword missing",
     "Am Anfang fehlt \xC2\xBBMinimize\xC2\xAB oder \xC2\xBBMaximize\xC2\xAB.", false},
    {"constraint '(.*)' multiply defined", "Die Bedingung $1 ist mehrmals definiert.", true},
    {"invalid symbol\\(s\\) beyond right-hand side", "Nach der rechten Seite steht noch etwas.",
     false},
    {"invalid use of '\\+inf' as lower bound", "+inf ist als untere Schranke nicht erlaubt.",
     false},
    {"invalid use of '-inf' as upper bound", "-inf ist als obere Schranke nicht erlaubt.", false},
    {"missing '<', '<=', or '=<' after lower bound",
     "Nach der unteren Schranke fehlt \xC2\xBB<=\xC2\xAB.", false},
    {"symbol '(.*)' in wrong position", "$1 steht an falscher Stelle.", true},
    // MPS
    {"invalid indicator record", "Diese Abschnittszeile ist unbekannt.", false},
    {"invalid use of (.*) indicator record", "Der Abschnitt $1 steht an falscher Stelle.", false},
    {"field (\\d+) must be blank", "Feld $1 muss leer sein.", false},
    {"missing row type in field 1", "In Feld 1 fehlt die Art der Zeile (N, L, G oder E).", false},
    {"invalid row type in field 1", "Die Art der Zeile in Feld 1 ist weder N, L, G noch E.", false},
    {"missing row name in field (\\d+)", "In Feld $1 fehlt der Name einer Zeile.", false},
    {"row '(.*)' multiply \\w+", "Die Zeile $1 ist mehrmals angegeben.", true},
    {"objective row '(.*)' not found", "Die Zielfunktionszeile $1 gibt es nicht.", true},
    {"missing keyword in field 5", "In Feld 5 fehlt 'INTORG' oder 'INTEND'.", false},
    {"invalid keyword in field 5", "In Feld 5 steht weder 'INTORG' noch 'INTEND'.", false},
    {"duplicate range for row '(.*)'", "F\xC3\xBCr die Zeile $1 ist der Bereich zweimal angegeben.",
     true},
    {"row '(.*)' not found", "Die Zeile $1 gibt es nicht.", true},
    {"column '(.*)' not found", "Die Spalte $1 gibt es nicht.", true},
    {"in fixed MPS format white-space character 0x(.*) is not allowed",
     "Im festen MPS-Format ist das Leerzeichen 0x$1 nicht erlaubt.", false},
    {"in fixed MPS format record must not be longer than 80 characters",
     "Im festen MPS-Format ist eine Zeile h\xC3\xB6"
     "chstens 80 Zeichen lang.",
     false},
    {"in fixed MPS format positions (\\d+)-(\\d+) must be blank",
     "Im festen MPS-Format bleiben die Spalten $1 bis $2 leer.", false},
    {"length of field (\\d+) exceeds 255 characters", "Feld $1 ist l\xC3\xA4nger als 255 Zeichen.",
     false},
    {"missing numeric value in field (\\d+)", "In Feld $1 fehlt eine Zahl.", false},
    {"cannot convert '(.*)' to floating-point number", "$1 ist keine Zahl.", true},
    {"missing NAME indicator record", "Die Zeile \xC2\xBBNAME\xC2\xAB am Anfang fehlt.", false},
    {"missing model name in field 3", "In Feld 3 fehlt der Name des Modells.", false},
    {"missing ROWS indicator record", "Der Abschnitt \xC2\xBBROWS\xC2\xAB fehlt.", false},
    {"unable to determine objective row", "Es gibt keine Zielfunktionszeile (Art N).", false},
    {"missing COLUMNS indicator record",
     "Der Abschnitt \xC2\xBB"
     "COLUMNS\xC2\xAB fehlt.",
     false},
    {"missing column name in field (\\d+)", "In Feld $1 fehlt der Name einer Spalte.", false},
    {"column '(.*)' multiply \\w+",
     "Die Spalte $1 ist mehrmals angegeben (ihre Eintr\xC3\xA4ge stehen nicht beieinander).", true},
    {"duplicate coefficient in row '(.*)'", "In der Zeile $1 steht ein Koeffizient zweimal.", true},
    {"missing (RHS|RANGES|BOUNDS) vector name in field 2",
     "In Feld 2 fehlt der Name des Vektors ($1).", false},
    {"multiple (RHS|RANGES|BOUNDS) vectors not supported",
     "Es gibt mehr als einen Vektor im Abschnitt $1.", false},
    {"duplicate right-hand side for row '(.*)'",
     "F\xC3\xBCr die Zeile $1 ist die rechte Seite zweimal angegeben.", true},
    {"missing bound type in field 1", "In Feld 1 fehlt die Art der Schranke.", false},
    {"invalid bound type in field 1", "Die Art der Schranke in Feld 1 ist unbekannt.", false},
    {"duplicate lower bound for column '(.*)'",
     "Die untere Schranke der Spalte $1 steht zweimal da.", true},
    {"duplicate upper bound for column '(.*)'",
     "Die obere Schranke der Spalte $1 steht zweimal da.", true},
};

std::string Translate(const std::string& reason) {
  for (const Translation& t : kTranslations) {
    std::smatch match;
    if (!std::regex_match(reason, match, std::regex(t.pattern))) continue;
    std::string german = t.german;
    for (std::size_t group = 1; group < match.size() && group <= 2; ++group) {
      const std::string slot = group == 1 ? "$1" : "$2";
      const std::size_t at = german.find(slot);
      if (at == std::string::npos) continue;
      german.replace(at, slot.size(), t.quote ? Quoted(match[group].str()) : match[group].str());
    }
    return german;
  }
  return "Das Modell ist hier nicht lesbar.";
}

// GLPK checks one fault of an MPS file's BOUNDS section only by an
// assertion that names no line: a column whose bound sets again what an
// earlier bound of it set (FR after FR, MI after LO). The line of the first
// such bound, read as GLPK reads the section; 0 where there is none.
int RepeatedBoundLine(const std::string& path) {
  static const std::map<std::string, unsigned> kSets = {
      {"LO", 1}, {"MI", 1}, {"LI", 1}, {"UP", 2}, {"PL", 2}, {"UI", 2},
      {"SC", 2}, {"FX", 3}, {"FR", 3}, {"BV", 3}};
  std::ifstream in(path, std::ios::binary);
  std::map<std::string, unsigned> set;
  bool inBounds = false;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.empty() || line[0] == '*') continue;
    std::istringstream fields(line);
    std::vector<std::string> words{std::istream_iterator<std::string>(fields), {}};
    if (words.empty()) continue;
    if (line[0] != ' ' && line[0] != '\t') {
      inBounds = words[0] == "BOUNDS";
      continue;
    }
    const auto kind = kSets.find(words[0]);
    if (!inBounds || kind == kSets.end() || words.size() < 3) continue;
    unsigned& before = set[words[2]];
    if ((before & kind->second) != 0) return number;
    before |= kind->second;
  }
  return 0;
}

}  // namespace

ModelReadFailure DescribeGlpkFailure(const std::string& output) {
  static const std::regex kLineMessage(R"(^.*:(\d+): (.*)$)");
  static const std::regex kWarning(R"(^.*:(\d+): warning: .*$)");
  ModelReadFailure failure;
  std::string last;
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string line = output.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::smatch match;
    if (std::regex_match(line, kWarning)) {
      // A warning is not why the read failed.
    } else if (std::regex_match(line, match, kLineMessage)) {
      failure.line = std::stoi(match[1].str());
      last = match[2].str();
    } else if (failure.line == 0 && !line.empty()) {
      last = line;
    }
    start = end + 1;
  }
  failure.message = Translate(last);
  return failure;
}

ModelReadFailure FailedGlpkCheck(const std::string& path, ModelFormat format) {
  const int line = format == ModelFormat::kMps ? RepeatedBoundLine(path) : 0;
  if (line > 0) {
    return {line, "Diese Schranke legt noch einmal fest, was eine fr\xC3\xBChere Schranke "
                  "derselben Spalte schon festgelegt hat."};
  }
  return {0, "GLPK weist das Modell bei einer eigenen Pr\xC3\xBC"
             "fung ab, ohne eine Zeile zu nennen."};
}

}  // namespace pivora
