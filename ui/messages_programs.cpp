#include "ui/messages_programs.h"

#include "files/file_error.h"
#include "pivora_version.h"

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
    "ein Hinweis auf der Standardfehlerausgabe sagt, welches;\n"
    "6 eine Bibliothek, die das Programm erst l\u00e4dt, wenn es sie braucht (FLINT\n"
    "f\u00fcr die exakte Pr\u00fcfung, GLPK f\u00fcr LP- und MPS-Modelle), fehlt.\n";

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

const char* const kOutOfMemory = "Der Arbeitsspeicher reicht f\u00fcr diese Rechnung nicht.";

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

std::string RefusedPivot(long k, int row, int column) {
  return "Pivot " + std::to_string(k) + " in Zeile " + std::to_string(row) + ", Spalte " +
         std::to_string(column) + ":";
}

std::string PlotModuleMissing(std::string_view module, const char* why) {
  std::string text = "Das Zeichenmodul ";
  text.append(module).append(" fehlt oder passt nicht zu diesem Programm");
  if (why != nullptr) text.append(" (").append(why).append(")");
  return text + ".";
}

std::string LibraryNotLoaded(std::string_view soname, const char* why) {
  std::string text = "Die Bibliothek ";
  text.append(soname).append(", die diese Rechnung braucht, fehlt oder l\u00e4sst sich nicht laden");
  if (why != nullptr) text.append(" (").append(why).append(")");
  return text + ".";
}

std::string LibraryLacksFunction(std::string_view soname, std::string_view function) {
  std::string text = "Der Bibliothek ";
  text.append(soname).append(" fehlt die Funktion ").append(function);
  return text + "; sie passt nicht zu diesem Programm.";
}

// --- pivora, the window's program ---

const char* const kWindowUsage =
    "Aufruf: pivora [DATEI]\n"
    "\n"
    "\u00d6ffnet das Fenster von Pivora, das lineare Programme mit bis zu 50 Variablen\n"
    "und 50 Bedingungen l\u00f6st; mit DATEI darin eine Problemdatei (.txt), ein\n"
    "LP-Modell (.lp) oder ein MPS-Modell (.mps).\n"
    "\n"
    "  --help     diese Hilfe zeigen\n"
    "  --version  die Version zeigen\n"
    "\n"
    "Ohne Fenster: pivora-solve DATEI. Mehr in man pivora.\n";

const char* const kVersionLine = "pivora " PIVORA_VERSION;

std::string WindowUnknownOption(std::string_view option) {
  std::string text = "pivora: unbekannte Option \u00bb";
  return text.append(option).append("\u00ab (pivora --help zeigt die Hilfe)");
}

}  // namespace pivora::messages
