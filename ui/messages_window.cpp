#include "ui/messages_window.h"

#include "pivora_version.h"
#include "ui/text_encoding.h"

namespace pivora::messages {

// --- The main window ---

std::string WindowTitle(std::string_view fileName, bool changed) {
  std::string title = "Pivora v" PIVORA_VERSION;
  if (fileName.empty() && !changed) return title;
  title.append(" \u2013 ").append(fileName.empty() ? std::string_view(kUntitled) : fileName);
  return changed ? title + "*" : title;
}

const char* const kHeadline = "Lineare Optimierung (Simplex-Methode)";
const char* const kVariablesLabel = "Variablen";
const char* const kConstraintsLabel = "Bedingungen";
const char* const kOptimumBox = "Optimum";
const char* const kMaximum = "Max";
const char* const kMinimum = "Min";
const char* const kSolveButton = "L\u00f6sung";
const char* const kDetailsBox = "Details";
const char* const kDigitsLabel = "Stellen";

// --- The window: the progress dialog of a long solve ---

const char* const kSolving = "L\u00f6sung wird berechnet \u2026";

std::string ExchangesSoFar(long exchanges) {
  return "Austauschschritte: " + std::to_string(exchanges);
}

std::string WorkProgress(WorkPhase phase, long parts) {
  const char* what = "";
  switch (phase) {
    case WorkPhase::kPlainRun:
      what = "80-Bit-Rechnung";
      break;
    case WorkPhase::kGuidedRun:
      what = "Exakte Pr\u00fcfung: Schritte mit Fehlerschranken";
      break;
    case WorkPhase::kElimination:
      what = "Exakte Pr\u00fcfung: Elimination";
      break;
    case WorkPhase::kLifting:
      what = "Exakte Pr\u00fcfung: p-adische Hebung";
      break;
    case WorkPhase::kResidues:
      what = "Exakte Pr\u00fcfung: Reste modulo Primzahlen";
      break;
    case WorkPhase::kExactRun:
      what = "Exakte Pr\u00fcfung: exakte Austauschschritte";
      break;
    case WorkPhase::kReplay:
      what = "Exakte Pr\u00fcfung: Nachrechnen des Optimums";
      break;
    case WorkPhase::kViews:
      what = "Ansichten";
      break;
  }
  return std::string(what) + ", Teilschritt " + std::to_string(parts);
}

const char* const kCancelSolve = "Abbrechen";

std::string CheckTakesLong(long seconds) {
  return "Die exakte Pr\u00fcfung dauert l\u00e4nger als " + std::to_string(seconds) +
         " s. \u00bbUngepr\u00fcftes Ergebnis\u00ab zeigt das Ergebnis der 80-Bit-Rechnung "
         "ohne sie.";
}

const char* const kTakePlainResult = "Ungepr\u00fcftes Ergebnis";

// --- The window: the context menu ---

const char* const kFileMenu = "Datei";
const char* const kNew = "Neu";
const char* const kOpen = "\u00d6ffnen \u2026";
const char* const kUntitled = "Unbenannt";
const char* const kRecentMenu = "Zuletzt ge\u00f6ffnet";
const char* const kNoRecentFiles = "(keine)";
const char* const kSave = "Speichern";
const char* const kSaveAs = "Speichern unter \u2026";
const char* const kSaveReport = "Bericht speichern \u2026";
const char* const kPrintReport = "Bericht drucken \u2026";
const char* const kEditMenu = "Bearbeiten";
const char* const kUndo = "R\u00fcckg\u00e4ngig";
const char* const kRedo = "Wiederholen";
const char* const kCopy = "Kopieren";
const char* const kPaste = "Einf\u00fcgen";
const char* const kAllIntegers = "Alle Variablen ganzzahlig";
const char* const kNoIntegers = "Keine ganzzahlig";
std::string IntegerEntry(int j) {
  std::string entry = std::to_string(j);
  entry.insert(0, 1, 'x');
  return entry.append(" ganzzahlig");
}
const char* const kViewMenu = "Ansicht";
const char* const kReportWindow = "Bericht im eigenen Fenster";
const char* const kPracticeView = "Selbst rechnen";
const char* const kStepsView = "Rechenschritte anzeigen";
const char* const kFractionsView = "Als Br\u00fcche anzeigen";
const char* const kRangesView = "Sensitivit\u00e4t anzeigen";
const char* const kTreeView = "Verzweigungsbaum anzeigen";
const char* const kDualView = "Duales Problem anzeigen";
std::string SubproblemsProgress(long subproblems) {
  std::string text = std::to_string(subproblems);
  return text.insert(0, "Teilprobleme: ");
}
const char* const kBestSoFar = ", bester Wert bisher: ";
const char* const kHelpMenu = "Hilfe";
const char* const kKeysAndRules = "Tastenk\u00fcrzel und Eingaberegeln";
const char* const kAbout = "\u00dcber Pivora";

// --- A faulty cell's tooltip: why the solve could not read it ---

const char* const kUseDecimalPoint = "Dezimalpunkt verwenden";
const char* const kOnlyBlanks = "nur Leerzeichen";
const char* const kNumberTooLarge = "Betrag zu gro\u00df";
const char* const kWriteWithoutBlanks = "ohne Leerzeichen schreiben";
const char* const kNumberNotRelation = "hier steht eine Zahl, kein Vergleich";
const char* const kNotANumber = "keine Zahl";
const char* const kRelationsAllowed = "erlaubt sind <, <=, >, >=, =, ==";
const char* const kRelationWithoutBlanks = "ohne Leerzeichen; erlaubt sind <, <=, >, >=, =, ==";

std::string CellFaultTip(std::string_view typed, std::string_view reason) {
  std::string tip = "\u00bb";
  return tip.append(typed).append("\u00ab \u2013 ").append(reason);
}

// --- Pasting into the grids ---

std::string BlockDoesNotFit(int height, int width, int column, int row, bool objective,
                            int maxVariables, int maxConstraints) {
  return "Der eingef\u00fcgte Block (" + std::to_string(height) + " \u00d7 " +
         std::to_string(width) + " Zellen) passt ab Zelle (" + std::to_string(column) + ", " +
         std::to_string(row) + ") nicht in " +
         (objective ? "die Zielfunktion (eine Zeile)" : "die Bedingungen") + ": h\u00f6chstens " +
         std::to_string(maxVariables) + " Variablen und " + std::to_string(maxConstraints) +
         " Bedingungen.";
}

const char* const kDecimalCommaQuestion = "Dezimalkommas als Dezimalpunkte \u00fcbernehmen?";

std::string DecimalCommaRule(const std::vector<std::pair<std::string, std::string>>& converted,
                             const std::vector<std::string>& ambiguous) {
  std::string text =
      "Mit Ja wird das Komma zum Dezimalpunkt, und Punkte davor gelten als "
      "Tausenderpunkte (1.234,5 wird 1234.5); eine ganze Zahl mit mehreren "
      "Tausenderpunkten verliert sie (1.234.567 wird 1234567). Eine Zahl mit einem "
      "Punkt und genau drei Ziffern danach (12.345) kann beides sein: sie bleibt, wie "
      "sie ist, und wird als FEHLER markiert. Andere Zahlen mit Punkt (0.125, 2.5) "
      "bleiben, wie sie sind.";
  if (!converted.empty()) {
    text += "\n\nAus";
    for (std::size_t k = 0; k < converted.size(); ++k) {
      text.append(k == 0 ? " " : ", ").append(converted[k].first).append(" wird ");
      text += converted[k].second;
    }
    text += converted.size() < 4 ? "." : " \u2026";
  }
  if (!ambiguous.empty()) {
    text += "\n\nMarkiert bleiben:";
    for (std::size_t k = 0; k < ambiguous.size(); ++k) {
      text.append(k == 0 ? " " : ", ").append(ambiguous[k]);
    }
    text += ambiguous.size() < 4 ? "." : " \u2026";
  }
  return text;
}

std::string AmbiguousPoint(std::string_view typed) {
  std::string text = "\u00bb";
  text.append(Latin1ToUtf8(typed))
      .append("\u00ab \u2013 beim Einf\u00fcgen mit Dezimalkommas nicht eindeutig: "
              "Tausenderpunkt oder Dezimalpunkt? Bitte ohne Tausenderpunkt eintippen.");
  return text;
}

}  // namespace pivora::messages
