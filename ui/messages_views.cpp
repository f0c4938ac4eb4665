#include "ui/messages_views.h"

namespace pivora::messages {

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

const char* const kGraphTitle = "Grafische L\u00f6sung";
const char* const kGraphTip =
    "Die L\u00f6sung als Bild: Bereich, Geraden, Weg und optimale Ecken (F6)";
const char* const kSavePng = "Als PNG speichern \u2026";
const char* const kSaveSvg = "Als SVG speichern \u2026";
const char* const kSaveGraphTitle = "Grafische L\u00f6sung speichern";
const char* const kPngFilter = "PNG-Bilder (*.png)";
const char* const kSvgFilter = "SVG-Bilder (*.svg)";
const char* const kGraphFileName = "loesung";

const char* const kTurnHint =
    "Drehen: mit der Maus ziehen oder mit den Pfeiltasten, Pos1 zur\u00fcck";

}  // namespace pivora::messages
