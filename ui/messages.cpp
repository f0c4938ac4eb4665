#include "ui/messages.h"

#include <string>

#include "files/file_error.h"
#include "ui/text_encoding.h"

namespace pivora::messages {

// --- pivora-solve and pivora-bench ---

const char* const kSolveHelp =
    "Aufruf: pivora-solve [--digits N] [--no-details] [--steps] [--fractions]\n"
    "                     [--ranges] [--tree] [--dual] [--latin1] [--plot BILD]\n"
    "                     [--pivots \"Z,S ...\"] [--time-limit S]\n"
    "                     [DATEI | -]\n"
    "\n"
    "L\u00f6st das lineare Programm in DATEI (der Standardeingabe, wenn DATEI - ist\n"
    "oder fehlt) genau so, wie es die Schaltfl\u00e4che \u00bbL\u00f6sung\u00ab des "
    "Fensters tut, und\n"
    "gibt die Zeilen des Berichts aus, die das Fenster zeigen w\u00fcrde.\n"
    "\n"
    "  --digits N    g\u00fcltige Stellen der Werte, 3 bis 15 (Vorgabe 10; Werte\n"
    "                au\u00dferhalb gelten als die n\u00e4chste Grenze)\n"
    "  --no-details  ohne die Werte der Schlupfvariablen und die Betr\u00e4ge in\n"
    "                eckigen Klammern\n"
    "  --steps       vor dem Bericht jeden Austauschschritt: jedes Tableau mit\n"
    "                dem Pivotelement und der Regel, die es gew\u00e4hlt hat\n"
    "  --fractions   jede Zahl als exakten gek\u00fcrzten Bruch\n"
    "  --ranges      Schattenpreise, reduzierte Kosten und die Bereiche der\n"
    "                rechten Seiten und Zielkoeffizienten, in denen die erste\n"
    "                optimale Basis optimal bleibt\n"
    "  --tree        bei ganzzahligen Variablen vor dem Bericht den\n"
    "                Verzweigungsbaum: jedes Teilproblem mit seiner Zeile, seinem\n"
    "                LP-Optimum und seinem Ausgang\n"
    "  --dual        nach dem Bericht das duale Problem, seine L\u00f6sung (die\n"
    "                Schattenpreise, exakt) und den komplement\u00e4ren Schlupf\n"
    "  --latin1      den Bericht in Latin-1 statt UTF-8 ausgeben\n"
    "  --plot BILD   zudem die grafische L\u00f6sung eines Problems mit 1 bis 3\n"
    "                Variablen in BILD zeichnen, eine SVG- (.svg) oder PNG-Datei (.png)\n"
    "  --pivots \"Z,S ...\"\n"
    "                statt des Berichts die Austauschschritte eines \u00dcbungsblatts\n"
    "                pr\u00fcfen: je Pivot (Zeile Z, Spalte S, gez\u00e4hlt wie in den\n"
    "                Rechenschritten) das Urteil nach den Regeln des\n"
    "                Austauschverfahrens und das Tableau; bis zum ersten nicht\n"
    "                erlaubten Pivot\n"
    "  --time-limit S  h\u00f6chstens S Sekunden (Vorgabe 10): kommt die exakte\n"
    "                Pr\u00fcfung bis dahin nicht zu Ende, gilt das ungepr\u00fcfte\n"
    "                Ergebnis der 80-Bit-Rechnung, als solches gekennzeichnet\n"
    "  --help        diese Hilfe ausgeben\n"
    "\n"
    "Die Problemdatei: Leerzeilen und Zeilen, die mit # beginnen, z\u00e4hlen nicht.\n"
    "Die erste Zeile ist max oder min, die zweite die Zielfunktion (n Zellen,\n"
    "1 bis 50), dann eine Zeile je Bedingung (1 bis 50): n Koeffizienten, die\n"
    "Relation (<, <=, >, >=, =, ==) und die rechte Seite. Zellen sind durch\n"
    "Leerzeichen oder Tabulatoren getrennt; eine Zelle in doppelten\n"
    "Anf\u00fchrungszeichen darf Leerzeichen enthalten (\"\" ist eine leere Zelle,\n"
    "und \"\" darin steht f\u00fcr ein Anf\u00fchrungszeichen). Auf max oder min d\u00fcrfen\n"
    "digits=N und details=on|off folgen; die Optionen gehen ihnen vor.\n"
    "Eine Zeile integer x1 x3 nach der Zielfunktion macht x1 und x3 ganzzahlig;\n"
    "dann l\u00f6st Branch and Bound das Problem exakt.\n"
    "Beispiel:\n"
    "\n"
    "  max\n"
    "  3 2\n"
    "  1 1 <= 4\n"
    "  1 3 <= 6\n"
    "\n"
    "DATEI darf auch ein LP-Modell (Endung .lp) oder ein MPS-Modell (.mps, freies\n"
    "oder festes Format) sein, gelesen mit GLPK: Schranken werden zu\n"
    "Bedingungszeilen, freie und nach unten negativ beschr\u00e4nkte Variablen werden\n"
    "aufgeteilt oder verschoben, so dass alle nichtnegativ sind, und eine Legende\n"
    "nach dem Bericht sagt, f\u00fcr welche Spalte, Zeile oder Schranke des Modells\n"
    "jedes x[j] und y[i] steht.\n"
    "\n"
    "R\u00fcckgabewert: 0 ein Bericht wurde geschrieben (Optimum, keine zul\u00e4ssige\n"
    "L\u00f6sung oder unbeschr\u00e4nkt), 1 eine fehlerhafte Zelle (EINGABEFEHLER!),\n"
    "2 ein Aufruf- oder Dateiformatfehler, 3 ein Gleitkommafehler im L\u00f6ser,\n"
    "4 mit --pivots ein Pivot, den die Regeln nicht erlauben (bei 0 waren alle\n"
    "erlaubt),\n"
    "5 die Zeitgrenze hat die exakte Pr\u00fcfung beendet: der Bericht ist das\n"
    "ungepr\u00fcfte Ergebnis der 80-Bit-Rechnung (erste Zeile UNGEPR\u00dcFT!) oder\n"
    "steht ohne die Ansichten, oder der Gleitkommafehler ist der der 80-Bit-Rechnung;\n"
    "ein Hinweis auf der Standardfehlerausgabe sagt, welches.\n";

const char* const kBenchHelp =
    "Aufruf: pivora-bench [--repeat N] [--time-limit S] DATEI...\n"
    "\n"
    "Liest jede Problemdatei (im Format von pivora-solve, oder ein LP- oder\n"
    "MPS-Modell) einmal, liest dann N-mal (Vorgabe 1000) die Zellen in ein\n"
    "Tableau, wie es der L\u00f6sungsbefehl tut, wendet darauf das Simplexverfahren\n"
    "an und gibt aus:\n"
    "\n"
    "  DATEI status=K pivots=P read_us=R solve_us=T\n"
    "\n"
    "K ist der Status der L\u00f6sung (0 keine zul\u00e4ssige L\u00f6sung, -1 unbeschr\u00e4nkt,\n"
    "1 bis 50 die Zahl der optimalen Ecken), P die Austauschschritte einer\n"
    "L\u00f6sung, R und T die Mediane der Zeiten eines Einlesens und einer L\u00f6sung in\n"
    "Mikrosekunden (monotone Uhr). Eine Zeile, die auf \" exact\" endet, kennzeichnet\n"
    "eine Datei, deren 80-Bit-Ergebnis die exakte Pr\u00fcfung nicht besteht, so dass\n"
    "der L\u00f6sungsbefehl die exakte Rechnung berichtet; \" cycled\" eine, deren\n"
    "80-Bit-Rechnung zu einer fr\u00fcheren Basis zur\u00fcckkam; \" unchecked\" eine,\n"
    "deren exakte Pr\u00fcfung in der Zeitgrenze nicht zu Ende kam.\n"
    "\n"
    "  --repeat N    Wiederholungen je Datei, 1 bis 100000000 (Vorgabe 1000)\n"
    "  --time-limit S  h\u00f6chstens S Sekunden (Vorgabe 10) f\u00fcr die exakte\n"
    "                Pr\u00fcfung einer Datei\n"
    "  --help        diese Hilfe ausgeben\n"
    "\n"
    "R\u00fcckgabewert: der h\u00f6chste der Dateien, wie bei pivora-solve.\n";

std::string TryHelp(std::string_view program) {
  return "Aufruf und Optionen: " + std::string(program) + " --help";
}

std::string NeedsValue(std::string_view option) {
  return std::string(option) + " braucht einen Wert";
}

std::string UnknownOption(std::string_view quoted) {
  return "unbekannte Option " + std::string(quoted);
}

std::string DigitsNotInteger(std::string_view quoted) {
  return "--digits braucht eine ganze Zahl, nicht " + std::string(quoted);
}

std::string RepeatOutOfRange(int largest, std::string_view quoted) {
  return "--repeat braucht eine ganze Zahl von 1 bis " + std::to_string(largest) + ", nicht " +
         std::string(quoted);
}

const char* const kOnlyOneProblemFile = "bitte nur eine Problemdatei angeben";
const char* const kNoProblemFile = "keine Problemdatei angegeben";
const char* const kStandardInput = "<Standardeingabe>";

std::string CannotOpen(std::string_view reason) {
  return "kann nicht ge\u00f6ffnet werden: " + std::string(reason);
}

const char* const kStandardInputClosed =
    "ist geschlossen, es gibt nichts zu lesen; bitte eine Problemdatei angeben";

std::string CannotRead(int error) {
  return "kann nicht gelesen werden: " + GermanFileError(error, false);
}

std::string CannotWriteOutput(int error) {
  return "die Standardausgabe kann nicht geschrieben werden: " + GermanFileError(error, true);
}

std::string InputTooLarge(std::size_t mebibytes) {
  return "die Eingabe ist gr\u00f6\u00dfer als " + std::to_string(mebibytes) +
         " MiB; eine Problemdatei von 50 \u00d7 52 Zellen ist weit kleiner";
}

std::string GridCell(bool inObjectiveGrid, int column, int row) {
  return std::string(inObjectiveGrid ? "der Zielfunktion ZF" : "der Bedingungstabelle NB") +
         ", Zelle (" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

std::string InputError(bool inObjectiveGrid, int column, int row, std::string_view quoted) {
  return "Eingabefehler in " + GridCell(inObjectiveGrid, column, row) + ": " + std::string(quoted);
}

const char* const kExactReSolveNote =
    "Hinweis: das 80-Bit-Ergebnis wurde durch das der exakten Rechnung ersetzt";

std::string PivotNotAPair(std::string_view quoted) {
  return "--pivots braucht Paare Zeile,Spalte wie \u00bb1,2\u00ab, nicht " + std::string(quoted);
}

std::string PivotOutside(std::string_view quoted, int rows, int columns) {
  return "--pivots: " + std::string(quoted) + " liegt au\u00dferhalb des Tableaus (" +
         std::to_string(rows) + " Zeilen, " + std::to_string(columns) + " Spalten)";
}

const char* const kPivotsWithoutViews = "--pivots geht nicht mit --steps oder --ranges zusammen";

std::string TimeLimitOutOfRange(std::string_view quoted) {
  return "--time-limit braucht eine Zeit in Sekunden von 0.001 bis 86400, nicht " +
         std::string(quoted);
}

std::string TimeLimitNote(TimeLimitEnd end, std::chrono::milliseconds limit) {
  std::string seconds = std::to_string(limit.count() / 1000);
  if (const long long rest = limit.count() % 1000; rest != 0) {
    std::string decimals = std::to_string(1000 + rest).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    seconds += "." + decimals;
  }
  const std::string within = " in der Zeitgrenze von " + seconds + " s nicht zu Ende";
  switch (end) {
    case TimeLimitEnd::kPlainReport:
      return "Hinweis: die exakte Pr\u00fcfung kam" + within +
             "; der Bericht ist das ungepr\u00fcfte Ergebnis der 80-Bit-Rechnung";
    case TimeLimitEnd::kPlainFault:
      return "Hinweis: die exakte Rechnung kam" + within +
             "; der Gleitkommafehler ist der der 80-Bit-Rechnung";
    case TimeLimitEnd::kNoResult:
      return "Hinweis: die L\u00f6sung kam" + within;
    case TimeLimitEnd::kViewsLeftOut:
      return "Hinweis: die Ansichten kamen" + within + "; der Bericht steht ohne sie";
  }
  return {};
}

std::string FloatingPointError(std::string_view what) {
  if (what == "Floating point overflow.") return "Gleitkomma\u00fcberlauf.";
  if (what == "Floating point division by zero.") return "Gleitkommadivision durch null.";
  if (what == "Invalid floating point operation.") return "Ung\u00fcltige Gleitkommaoperation.";
  return std::string(what);
}

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

// --- The report window ---

const char* const kReportWindowTitle = "Pivora \u2013 Bericht";
const char* const kZoomIn = "Gr\u00f6\u00dfer";
const char* const kZoomOut = "Kleiner";
const char* const kZoomReset = "Normale Gr\u00f6\u00dfe";
const char* const kFitToWidth = "Auf Fensterbreite";
const char* const kCopyLatex = "Tableaus als LaTeX kopieren";
const char* const kLatexCopied = "Die Tableaus der Rechenschritte sind als LaTeX kopiert.";
const char* const kNoStepsForLatex =
    "Der Bericht enth\u00e4lt keine Rechenschritte. Bitte \u00bbRechenschritte "
    "anzeigen\u00ab w\u00e4hlen und neu l\u00f6sen.";
const char* const kSaveReportTitle = "Bericht speichern";
const char* const kSaveReportFilter =
    "Text (*.txt);;HTML (*.html *.htm);;PDF (*.pdf);;Alle Dateien (*)";

// --- Files the window opens and saves ---

std::string CannotSave(std::string_view name, std::string_view reason, bool existed) {
  return "Die Datei \u00bb" + std::string(name) + "\u00ab kann nicht gespeichert werden.\n" +
         std::string(reason) +
         (existed ? "\nDie Datei, die schon dort war, ist unver\u00e4ndert." : "");
}

std::string ChangedOnDisk(std::string_view name) {
  return "Die Datei \u00bb" + std::string(name) +
         "\u00ab wurde ge\u00e4ndert, seit dieses Fenster sie ge\u00f6ffnet oder "
         "gespeichert hat (von einem anderen Fenster oder Programm).\nSoll das Problem "
         "dieses Fensters sie \u00fcberschreiben?";
}

const char* const kOverwrite = "\u00dcberschreiben";
const char* const kCancel = "Abbrechen";

std::string OnlyCopyLeft(std::string_view name) {
  return "Die Datei \u00bb" + std::string(name) +
         "\u00ab wurde seit dem Speichern von anderswo \u00fcberschrieben; das Problem "
         "dieses Fensters steht nur noch hier.\n\u00c4nderungen speichern?";
}

std::string NotAModelName(std::string_view name) {
  return "\u00bb" + std::string(name) +
         "\u00ab endet wie ein LP- oder MPS-Modell und w\u00fcrde beim \u00d6ffnen als "
         "Modell gelesen; Pivora speichert das Problem aber als Problemdatei.\nBitte einen "
         "Namen auf \u00bb.txt\u00ab w\u00e4hlen.";
}

std::string CannotStoreSettings(std::string_view name, std::string_view reason) {
  std::string text =
      "Die Einstellungen (Fensterpl\u00e4tze, Zoom, zuletzt ge\u00f6ffnete Dateien) "
      "k\u00f6nnen nicht in \u00bb";
  text.append(name).append("\u00ab gespeichert werden.");
  if (!reason.empty()) text.append("\n").append(reason);
  return text;
}

std::string NameNotUtf8(std::string_view name) {
  return "Die Datei \u00bb" + std::string(name) +
         "\u00ab kann nicht ge\u00f6ffnet werden.\nIhr Name ist nicht in UTF-8 "
         "geschrieben (die Zeichen \ufffd), so dass das Fenster sie nicht findet. "
         "Bitte die Datei umbenennen; pivora-solve liest sie auch so.";
}

// --- The practice window ---

const char* const kPracticeTitle = "Pivora \u2013 Selbst rechnen";
const char* const kPracticeHowTo =
    "Ein Element des Tableaus anklicken (oder mit den Pfeiltasten w\u00e4hlen und Eingabe "
    "dr\u00fccken): es wird als Pivotelement nach den Regeln des Austauschverfahrens "
    "gepr\u00fcft und, wo sie es erlauben, getauscht.";
const char* const kPracticeHint = "Hinweis";
const char* const kPracticeFractions = "Br\u00fcche";
const char* const kPracticeRestart = "Neu beginnen";
const char* const kPracticeCopyText = "Als Text kopieren";
const char* const kPracticeCopyLatex = "Als LaTeX kopieren";
const char* const kPracticeTextCopied = "Das Blatt ist als Text kopiert.";
const char* const kPracticeLatexCopied = "Die Tableaus des Blatts sind als LaTeX kopiert.";
const char* const kClose = "Schlie\u00dfen";

std::string PracticeNotAPivot(int rows) {
  return "Das Pivotelement steht in einer der Zeilen 1 bis " + std::to_string(rows) +
         " und einer Spalte der Nichtbasisvariablen, nicht in der Zielzeile oder der Spalte 1.";
}

std::string PracticeNeedsEveryCell(std::string_view inputError) {
  return std::string(inputError) +
         ". Selbst rechnen l\u00e4sst sich erst, wenn jede Zelle gelesen werden kann.";
}

// --- The graphical solution ---

const char* const kTurnHint =
    "Drehen: mit der Maus ziehen oder mit den Pfeiltasten, Pos1 zur\u00fcck";

// --- Pasting, the help and the about box ---

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

const char* const kHelpTitle = "Pivora \u2013 Tastenk\u00fcrzel und Eingaberegeln";

const char* const kHelpPage =
    "<h2>Tastenk\u00fcrzel</h2>"
    "<table cellspacing=\"0\" cellpadding=\"3\">"
    "<tr><td><b>F9</b>, <b>Strg+Eingabe</b></td><td>L\u00f6sen, wo immer der Fokus "
    "steht</td></tr>"
    "<tr><td><b>F1</b></td><td>dieses Fenster</td></tr>"
    "<tr><td><b>F4</b></td><td>der Bericht im eigenen Fenster</td></tr>"
    "<tr><td><b>F6</b></td><td>die grafische L\u00f6sung eines Problems mit 1 bis 3 "
    "Variablen; ein Bild im Raum drehen die Maus und die Pfeiltasten</td></tr>"
    "<tr><td><b>Strg+N</b></td><td>neues, leeres Problem</td></tr>"
    "<tr><td><b>Strg+O</b></td><td>Problemdatei, LP-Modell (.lp) oder MPS-Modell (.mps) "
    "\u00f6ffnen</td></tr>"
    "<tr><td><b>Strg+S</b>, <b>Strg+Umschalt+S</b></td><td>das Problem speichern (unter "
    "einem neuen Namen)</td></tr>"
    "<tr><td><b>Strg+B</b></td><td>den Bericht als Text, HTML oder PDF speichern</td></tr>"
    "<tr><td><b>Strg+P</b></td><td>den Bericht drucken</td></tr>"
    "<tr><td><b>Strg+Z</b>, <b>Strg+Y</b></td><td>r\u00fcckg\u00e4ngig und wiederholen: "
    "Tippen, Einf\u00fcgen, \u00d6ffnen, Neu, Speichern unter, die Anzahlen, Max/Min, "
    "Details und Stellen, das L\u00f6schen per Doppelklick, jedes L\u00f6sen</td></tr>"
    "<tr><td><b>Strg+C</b>, <b>Strg+V</b></td><td>die aktuelle Zelle kopieren; einen "
    "Block (aus einer Tabellenkalkulation) ab der aktuellen Zelle einf\u00fcgen</td></tr>"
    "<tr><td><b>Strg+1</b>, <b>Strg+2</b>, <b>Strg+3</b></td><td>Rechenschritte, "
    "Br\u00fcche, Sensitivit\u00e4t anzeigen (ab dem n\u00e4chsten L\u00f6sen)</td></tr>"
    "<tr><td><b>Strg+4</b></td><td>den Verzweigungsbaum eines Problems mit ganzzahligen "
    "Variablen anzeigen</td></tr>"
    "<tr><td><b>Strg+5</b></td><td>das duale Problem, seine L\u00f6sung und den "
    "komplement\u00e4ren Schlupf anzeigen</td></tr>"
    "<tr><td><b>Strg+G</b>, <b>Strg+Umschalt+G</b></td><td>alle Variablen ganzzahlig, "
    "keine ganzzahlig; eine einzelne per Rechtsklick auf ihre Spalten\u00fcberschrift "
    "(\u00bbx1 ganz\u00ab)</td></tr>"
    "<tr><td><b>Strg+6</b></td><td>Selbst rechnen: das Austauschverfahren von Hand, jeder "
    "Pivot nach den Regeln gepr\u00fcft; dort Strg+Z, Strg+Y, Strg+H (Hinweis) und "
    "Strg+Umschalt+C (LaTeX)</td></tr>"
    "<tr><td><b>Tab</b>, <b>Umschalt+Tab</b></td><td>zur n\u00e4chsten oder vorigen "
    "Zelle</td></tr>"
    "<tr><td><b>Strg+Tab</b>, <b>Strg+Umschalt+Tab</b></td><td>zum n\u00e4chsten oder "
    "vorigen Element des Fensters, auch aus einer Tabelle hinaus</td></tr>"
    "<tr><td><b>Pfeil auf</b>, <b>Pfeil ab</b></td><td>in Variablen, Bedingungen und "
    "Stellen: einen Schritt; eine getippte Anzahl gilt mit <b>Eingabe</b> oder beim "
    "Verlassen</td></tr>"
    "<tr><td><b>Doppelklick</b></td><td>auf eine Tabelle: beide Tabellen und den Bericht "
    "leeren; auf den Bericht: ihn leeren</td></tr>"
    "<tr><td><b>Strg+Plus</b>, <b>Strg+Minus</b>, <b>Strg+0</b>, <b>Strg+9</b></td><td>im "
    "Berichtsfenster: gr\u00f6\u00dfer, kleiner, normale Gr\u00f6\u00dfe, so gro\u00df, "
    "dass die l\u00e4ngste Zeile in das Fenster passt</td></tr>"
    "<tr><td><b>Strg+Umschalt+C</b></td><td>im Berichtsfenster: die Tableaus der "
    "Rechenschritte als LaTeX kopieren</td></tr>"
    "</table>"
    "<p>Ein Rechtsklick auf die Tabellen, ihre K\u00f6pfe oder den Hintergrund zeigt "
    "alle Befehle.</p>"
    "<h2>Eingaberegeln einer Zelle</h2>"
    "<ul>"
    "<li>Eine Zahl: ein Vorzeichen <tt>+</tt> oder <tt>-</tt> nach Wunsch, Ziffern, ein "
    "<b>Dezimalpunkt</b> (kein Komma) und ein Exponent <tt>e</tt> oder <tt>E</tt> nach "
    "Wunsch, etwa <tt>-1.5</tt>, <tt>.25</tt>, <tt>3e-2</tt>. Leerzeichen davor und danach "
    "z\u00e4hlen nicht; Tausenderpunkte, Leerzeichen in der Zahl und Text sind "
    "Fehler.</li>"
    "<li>Eine Relation: <tt>&lt;</tt> oder <tt>&lt;=</tt>, <tt>&gt;</tt> oder "
    "<tt>&gt;=</tt>, <tt>=</tt> oder <tt>==</tt>, genau so, ohne Leerzeichen.</li>"
    "<li>Eine leere Zelle gilt als <tt>0</tt>, eine leere Relation als <tt>&lt;=</tt>; "
    "beides wird beim L\u00f6sen eingetragen.</li>"
    "<li>Eine Zelle, die nicht gelesen werden kann, zeigt <tt>&nbsp;&nbsp;FEHLER!</tt>, der "
    "Bericht <tt>EINGABEFEHLER!</tt>; der Tooltip der Zelle nennt den Grund, "
    "Strg+Z gibt den getippten Text zur\u00fcck.</li>"
    "<li>Alle Variablen sind nichtnegativ. H\u00f6chstens 50 Variablen und 50 "
    "Bedingungen; Stellen 3 bis 15.</li>"
    "<li>Ein eingef\u00fcgter Block mit Dezimalkommas (<tt>1,5</tt>, <tt>1.234,5</tt>) "
    "kann auf Nachfrage in Dezimalpunkte umgewandelt werden.</li>"
    "</ul>"
    "<h2>Das Dateiformat</h2>"
    "<p>Eine Problemdatei ist Text: die erste Zeile <tt>max</tt> oder <tt>min</tt>, "
    "die zweite die Zielfunktion (n Zellen), dann eine Zeile je Bedingung: n "
    "Koeffizienten, die Relation und die rechte Seite. Zellen sind durch Leerzeichen oder "
    "Tabulatoren getrennt; Leerzeilen und Zeilen mit <tt>#</tt> am Anfang z\u00e4hlen "
    "nicht. Eine Zelle in doppelten Anf\u00fchrungszeichen beh\u00e4lt ihre Leerzeichen "
    "(<tt>\"\"</tt> ist eine leere Zelle). Auf <tt>max</tt> oder <tt>min</tt> d\u00fcrfen "
    "<tt>digits=N</tt> und <tt>details=on</tt> oder <tt>details=off</tt> folgen.</p>"
    "<pre>max digits=6 details=off\n3 2\n1 1 &lt;= 4\n\"\" 3 &lt;= 6</pre>"
    "<p>Ge\u00f6ffnet werden auch LP-Modelle (<tt>.lp</tt>) und MPS-Modelle "
    "(<tt>.mps</tt>); die Tooltips der Tabellenk\u00f6pfe sagen dann, wof\u00fcr jedes x "
    "und jede Zeile steht.</p>"
    "<h2>Den Bericht lesen</h2>"
    "<p>Das Beispiel: maximiere <tt>Z = 3\u00b7x1 + 2\u00b7x2</tt> unter "
    "<tt>x1 + x2 &lt;= 4</tt> (NB 1) und <tt>x1 + 3\u00b7x2 &lt;= 6</tt> (NB 2). Der "
    "Bericht:</p>"
    "<pre>L\u00d6SUNG:\n\nOptimum: Zmax = 12\n\nZF:   x1 = 4   x2 = 0 [\u00b11]\n"
    "NB:  y1 = 0 [\u00b13]   y2 = 2</pre>"
    "<ul>"
    "<li><b>Optimum</b>: der gr\u00f6\u00dfte (bei Min der kleinste) Wert von Z. "
    "<b>ZF</b>: die Werte der Variablen in der optimalen Ecke, hier x1 = 4, x2 = 0.</li>"
    "<li><b>NB</b>: die Schlupfvariablen. <tt>y1 = 4 \u2212 (x1 + x2)</tt>, "
    "<tt>y2 = 6 \u2212 (x1 + 3\u00b7x2)</tt>; bei <tt>&gt;=</tt> ist der Schlupf "
    "linke Seite minus rechte Seite, bei einer Gleichung immer 0. y1 = 0: NB 1 ist "
    "bindend; y2 = 2: NB 2 l\u00e4sst 2 Einheiten frei.</li>"
    "<li><b>[\u00b1\u2026]</b> nach einer 0 (nur mit Details): der Betrag, um den "
    "Z sich je Einheit \u00e4ndert. Nach einem y ist es der <b>Schattenpreis</b> der "
    "Bedingung: eine Einheit mehr auf der rechten Seite von NB 1 hebt Zmax um 3 (bei "
    "<tt>&gt;=</tt> oder bei Min mit umgekehrtem Vorzeichen; die Sensitivit\u00e4t, "
    "Strg+3, zeigt es mit Vorzeichen). Nach einem x sind es die <b>reduzierten "
    "Kosten</b>: erzwingt man x2 = 1, sinkt Zmax um 1.</li>"
    "<li><b>2&nbsp;&nbsp;L\u00d6SUNGEN</b>: es gibt mehrere optimale Ecken; jeder Punkt "
    "auf der Strecke zwischen ihnen ist ebenso optimal.</li>"
    "</ul>"
    "<p><b>Das Tableau des Austauschverfahrens</b> (Rechenschritte, Strg+1):</p>"
    "<pre>     x1*   x2    1\ny1*  [-1]   -1    4\ny2    -1    -3    6\nZ      3     2    0"
    "</pre>"
    "<p>Links stehen die Basisvariablen, oben die Nichtbasisvariablen (sie sind 0); die "
    "Spalte <tt>1</tt> gibt die Werte der Basisvariablen. Jede Zeile liest sich als "
    "Gleichung: <tt>y1 = \u2212x1 \u2212 x2 + 4</tt>. Die Zeile <tt>Z</tt> ist die "
    "Zielfunktion: <tt>Z = 3\u00b7x1 + 2\u00b7x2 + 0</tt>; bei Min steht dort "
    "<tt>-Z</tt>, denn das Verfahren maximiert \u2212Z. Das <b>Pivotelement</b> in "
    "eckigen Klammern, seine Zeile und Spalte mit <tt>*</tt>: x1 kommt in die Basis "
    "(gr\u00f6\u00dfter positiver Eintrag der Zielzeile), y1 verl\u00e4sst sie "
    "(kleinster Quotient). Eine Zeile <tt>0</tt> geh\u00f6rt zur Nullvariablen einer "
    "Gleichung: sie muss 0 werden und verl\u00e4sst die Basis zuerst; danach "
    "entf\u00e4llt ihre Spalte. Das Endtableau ist optimal, wenn kein Eintrag der "
    "Zielzeile mehr positiv ist.</p>"
    "<p>Der Mauszeiger \u00fcber einem Wort des Berichts (y2, [\u00b13], ein Pivot, "
    "Z) sagt, was es ist, mit den Zahlen des gel\u00f6sten Problems.</p>";

const char* const kAboutTitle = "\u00dcber Pivora";

const char* const kAboutText =
    "<h3>Pivora v6.0</h3>"
    "<p>Lineare Optimierung mit der Simplex-Methode (Austauschverfahren) in 80-Bit-"
    "Arithmetik; jedes Ergebnis wird exakt in rationalen Zahlen gepr\u00fcft.</p>"
    "<p>Bis zu 50 Variablen und 50 Bedingungen. F1 zeigt alle Tastenk\u00fcrzel und die "
    "Eingaberegeln.</p>";

}  // namespace pivora::messages
