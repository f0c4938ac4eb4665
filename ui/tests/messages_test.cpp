// Every text of ui/messages that no test of what shows it compares: each
// with its arguments, against the exact text a person reads. The long ones
// (the programs' help and the F1 page) are compared with the files in
// ui/tests/data, so a change of wording is a change of those files too.
#include "ui/messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "pivora_version.h"

namespace pivora::messages {
namespace {

using namespace std::chrono_literals;

std::string DataFile(const char* name) {
  const char* root = std::getenv("PIVORA_SOURCE_DIR");
  std::ifstream file(std::string(root != nullptr ? root : ".") + "/ui/tests/data/" + name,
                     std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(MessagesTest, ProgramTexts) {
  EXPECT_EQ(RepeatOutOfRange(100000000, "»0«"),
            "--repeat braucht eine ganze Zahl von 1 bis 100000000, nicht »0«");
  EXPECT_STREQ(kNoProblemFile, "keine Problemdatei angegeben");
  EXPECT_STREQ(kStandardInputClosed,
               "ist geschlossen, es gibt nichts zu lesen; bitte eine Problemdatei angeben");
  EXPECT_EQ(CannotRead(EISDIR), "kann nicht gelesen werden: Das ist ein Ordner, keine Datei.");
  EXPECT_EQ(CannotWriteOutput(ENOSPC),
            "die Standardausgabe kann nicht geschrieben werden: Der Datenträger ist voll.");
  EXPECT_EQ(
      InputTooLarge(64),
      "die Eingabe ist größer als 64 MiB; eine Problemdatei von 50 × 52 Zellen ist weit kleiner");
  EXPECT_EQ(PivotNotAPair("»1;2«"), "--pivots braucht Paare Zeile,Spalte wie »1,2«, nicht »1;2«");
  EXPECT_EQ(PivotOutside("»9,9«", 2, 3),
            "--pivots: »9,9« liegt außerhalb des Tableaus (2 Zeilen, 3 Spalten)");
  EXPECT_STREQ(kPivotsWithoutViews, "--pivots geht nicht mit --steps oder --ranges zusammen");
  EXPECT_EQ(TimeLimitOutOfRange("»0«"),
            "--time-limit braucht eine Zeit in Sekunden von 0.001 bis 86400, nicht »0«");
  EXPECT_EQ(TimeLimitNote(TimeLimitEnd::kPlainReport, 10000ms),
            "Hinweis: die exakte Prüfung kam in der Zeitgrenze von 10 s nicht zu Ende; der Bericht "
            "ist das ungeprüfte Ergebnis der 80-Bit-Rechnung");
  EXPECT_EQ(TimeLimitNote(TimeLimitEnd::kPlainFault, 1500ms),
            "Hinweis: die exakte Rechnung kam in der Zeitgrenze von 1.5 s nicht zu Ende; der "
            "Gleitkommafehler ist der der 80-Bit-Rechnung");
  EXPECT_EQ(TimeLimitNote(TimeLimitEnd::kNoResult, 250ms),
            "Hinweis: die Lösung kam in der Zeitgrenze von 0.25 s nicht zu Ende");
  EXPECT_EQ(TimeLimitNote(TimeLimitEnd::kViewsLeftOut, 1001ms),
            "Hinweis: die Ansichten kamen in der Zeitgrenze von 1.001 s nicht zu Ende; der Bericht "
            "steht ohne sie");
  EXPECT_EQ(FloatingPointError("Floating point division by zero."),
            "Gleitkommadivision durch null.");
  EXPECT_EQ(FloatingPointError("Invalid floating point operation."),
            "Ungültige Gleitkommaoperation.");
  EXPECT_EQ(FloatingPointError("something else"), "something else");
  EXPECT_EQ(PlotModuleMissing("pivora-solve-plot.so", "nicht da"),
            "Das Zeichenmodul pivora-solve-plot.so fehlt oder passt nicht zu diesem Programm "
            "(nicht da).");
  EXPECT_EQ(PlotModuleMissing("pivora-solve-plot.so", nullptr),
            "Das Zeichenmodul pivora-solve-plot.so fehlt oder passt nicht zu diesem Programm.");
  EXPECT_EQ(WindowUnknownOption("--farbe"),
            "pivora: unbekannte Option »--farbe« (pivora --help zeigt die Hilfe)");
  EXPECT_STREQ(kVersionLine, "pivora " PIVORA_VERSION);
  EXPECT_EQ(kSolveHelp, DataFile("pivora-solve-help.txt"));
  EXPECT_EQ(kBenchHelp, DataFile("pivora-bench-help.txt"));
  EXPECT_EQ(kWindowUsage, DataFile("pivora-help.txt"));
}

TEST(MessagesTest, WindowTexts) {
  EXPECT_STREQ(kSolving, "Lösung wird berechnet …");
  EXPECT_EQ(WorkProgress(WorkPhase::kPlainRun, 3), "80-Bit-Rechnung, Teilschritt 3");
  EXPECT_EQ(WorkProgress(WorkPhase::kGuidedRun, 3),
            "Exakte Prüfung: Schritte mit Fehlerschranken, Teilschritt 3");
  EXPECT_EQ(WorkProgress(WorkPhase::kElimination, 3), "Exakte Prüfung: Elimination, Teilschritt 3");
  EXPECT_EQ(WorkProgress(WorkPhase::kLifting, 3),
            "Exakte Prüfung: p-adische Hebung, Teilschritt 3");
  EXPECT_EQ(WorkProgress(WorkPhase::kResidues, 3),
            "Exakte Prüfung: Reste modulo Primzahlen, Teilschritt 3");
  EXPECT_EQ(WorkProgress(WorkPhase::kExactRun, 3),
            "Exakte Prüfung: exakte Austauschschritte, Teilschritt 3");
  EXPECT_EQ(WorkProgress(WorkPhase::kReplay, 3),
            "Exakte Prüfung: Nachrechnen des Optimums, Teilschritt 3");
  EXPECT_EQ(WorkProgress(WorkPhase::kViews, 3), "Ansichten, Teilschritt 3");
  EXPECT_EQ(CheckTakesLong(10),
            "Die exakte Prüfung dauert länger als 10 s. »Ungeprüftes Ergebnis« zeigt das Ergebnis "
            "der 80-Bit-Rechnung ohne sie.");
  EXPECT_STREQ(kTakePlainResult, "Ungeprüftes Ergebnis");
  EXPECT_STREQ(kRecentMenu, "Zuletzt geöffnet");
  EXPECT_EQ(SubproblemsProgress(120) + kBestSoFar, "Teilprobleme: 120, bester Wert bisher: ");
  EXPECT_STREQ(kReportWindowTitle, "Pivora – Bericht");
  EXPECT_STREQ(kZoomIn, "Größer");
  EXPECT_STREQ(kZoomOut, "Kleiner");
  EXPECT_STREQ(kZoomReset, "Normale Größe");
  EXPECT_STREQ(kFitToWidth, "Auf Fensterbreite");
  EXPECT_STREQ(kCopyLatex, "Tableaus als LaTeX kopieren");
  EXPECT_STREQ(kLatexCopied, "Die Tableaus der Rechenschritte sind als LaTeX kopiert.");
  EXPECT_STREQ(kNoStepsForLatex,
               "Der Bericht enthält keine Rechenschritte. Bitte »Rechenschritte anzeigen« wählen "
               "und neu lösen.");
  EXPECT_STREQ(kSaveReportFilter,
               "Text (*.txt);;HTML (*.html *.htm);;PDF (*.pdf);;Alle Dateien (*)");
  EXPECT_STREQ(kPracticeTitle, "Pivora – Selbst rechnen");
  EXPECT_STREQ(kPracticeHowTo,
               "Ein Element des Tableaus anklicken (oder mit den Pfeiltasten wählen und Eingabe "
               "drücken): es wird als Pivotelement nach den Regeln des Austauschverfahrens geprüft "
               "und, wo sie es erlauben, getauscht.");
  EXPECT_STREQ(kPracticeRestart, "Neu beginnen");
  EXPECT_STREQ(kPracticeCopyText, "Als Text kopieren");
  EXPECT_STREQ(kPracticeCopyLatex, "Als LaTeX kopieren");
  EXPECT_STREQ(kPracticeTextCopied, "Das Blatt ist als Text kopiert.");
  EXPECT_STREQ(kPracticeLatexCopied, "Die Tableaus des Blatts sind als LaTeX kopiert.");
  EXPECT_STREQ(kClose, "Schließen");
  EXPECT_EQ(PracticeNotAPivot(2),
            "Das Pivotelement steht in einer der Zeilen 1 bis 2 und einer Spalte der "
            "Nichtbasisvariablen, nicht in der Zielzeile oder der Spalte 1.");
  EXPECT_EQ(PracticeNeedsEveryCell("Eingabefehler in der Zielfunktion ZF, Zelle (1, 1): »x«"),
            "Eingabefehler in der Zielfunktion ZF, Zelle (1, 1): »x«. Selbst rechnen lässt sich "
            "erst, wenn jede Zelle gelesen werden kann.");
  EXPECT_STREQ(kGraphTip, "Die Lösung als Bild: Bereich, Geraden, Weg und optimale Ecken (F6)");
  EXPECT_STREQ(kSavePng, "Als PNG speichern …");
  EXPECT_STREQ(kSaveSvg, "Als SVG speichern …");
  EXPECT_STREQ(kSaveGraphTitle, "Grafische Lösung speichern");
  EXPECT_STREQ(kPngFilter, "PNG-Bilder (*.png)");
  EXPECT_STREQ(kSvgFilter, "SVG-Bilder (*.svg)");
  EXPECT_STREQ(kGraphFileName, "loesung");
  EXPECT_STREQ(kTurnHint, "Drehen: mit der Maus ziehen oder mit den Pfeiltasten, Pos1 zurück");
  EXPECT_EQ(
      DecimalCommaRule({{"1,5", "1.5"}, {"2,25", "2.25"}, {"1.234,5", "1234.5"}, {"0,1", "0.1"}},
                       {"12.345"}),
      "Mit Ja wird das Komma zum Dezimalpunkt, und Punkte davor gelten als Tausenderpunkte "
      "(1.234,5 wird 1234.5); eine ganze Zahl mit mehreren Tausenderpunkten verliert sie "
      "(1.234.567 wird 1234567). Eine Zahl mit einem Punkt und genau drei Ziffern danach (12.345) "
      "kann beides sein: sie bleibt, wie sie ist, und wird als FEHLER markiert. Andere Zahlen mit "
      "Punkt (0.125, 2.5) bleiben, wie sie sind.\n"
      "\n"
      "Aus 1,5 wird 1.5, 2,25 wird 2.25, 1.234,5 wird 1234.5, 0,1 wird 0.1 …\n"
      "\n"
      "Markiert bleiben: 12.345.");
  EXPECT_EQ(DecimalCommaRule({{"1,5", "1.5"}}, {}),
            "Mit Ja wird das Komma zum Dezimalpunkt, und Punkte davor gelten als Tausenderpunkte "
            "(1.234,5 wird 1234.5); eine ganze Zahl mit mehreren Tausenderpunkten verliert sie "
            "(1.234.567 wird 1234567). Eine Zahl mit einem Punkt und genau drei Ziffern danach "
            "(12.345) kann beides sein: sie bleibt, wie sie ist, und wird als FEHLER markiert. "
            "Andere Zahlen mit Punkt (0.125, 2.5) bleiben, wie sie sind.\n"
            "\n"
            "Aus 1,5 wird 1.5.");
  EXPECT_EQ(AmbiguousPoint("\xe4"
                           "12.345"),
            "»ä12.345« – beim Einfügen mit Dezimalkommas nicht eindeutig: Tausenderpunkt oder "
            "Dezimalpunkt? Bitte ohne Tausenderpunkt eintippen.");
}

TEST(MessagesTest, FileTexts) {
  EXPECT_STREQ(kOpenTitle, "Problem öffnen");
  EXPECT_STREQ(kOpenFilter,
               "Probleme und Modelle (*.txt *.lp *.mps);;Probleme (*.txt);;LP-Modelle "
               "(*.lp);;MPS-Modelle (*.mps);;Alle Dateien (*)");
  EXPECT_STREQ(kSaveTitle, "Problem speichern");
  EXPECT_STREQ(kSaveFilter, "Probleme (*.txt);;Alle Dateien (*)");
  EXPECT_EQ(CannotSave("p.txt", "Kein Platz.", true),
            "Die Datei »p.txt« kann nicht gespeichert werden.\n"
            "Kein Platz.\n"
            "Die Datei, die schon dort war, ist unverändert.");
  EXPECT_EQ(CannotSave("p.txt", "Kein Platz.", false),
            "Die Datei »p.txt« kann nicht gespeichert werden.\n"
            "Kein Platz.");
  EXPECT_EQ(ChangedOnDisk("p.txt"),
            "Die Datei »p.txt« wurde geändert, seit dieses Fenster sie geöffnet oder gespeichert "
            "hat (von einem anderen Fenster oder Programm).\n"
            "Soll das Problem dieses Fensters sie überschreiben?");
  EXPECT_STREQ(kOverwrite, "Überschreiben");
  EXPECT_STREQ(kCancel, "Abbrechen");
  EXPECT_EQ(OnlyCopyLeft("p.txt"),
            "Die Datei »p.txt« wurde seit dem Speichern von anderswo überschrieben; das Problem "
            "dieses Fensters steht nur noch hier.\n"
            "Änderungen speichern?");
  EXPECT_EQ(NotAModelName("p.lp"),
            "»p.lp« endet wie ein LP- oder MPS-Modell und würde beim Öffnen als Modell gelesen; "
            "Pivora speichert das Problem aber als Problemdatei.\n"
            "Bitte einen Namen auf ».txt« wählen.");
  EXPECT_EQ(CannotStoreSettings("pivora.conf", "Kein Platz."),
            "Die Einstellungen (Fensterplätze, Zoom, zuletzt geöffnete Dateien) können nicht in "
            "»pivora.conf« gespeichert werden.\n"
            "Kein Platz.");
  EXPECT_EQ(CannotStoreSettings("pivora.conf", ""),
            "Die Einstellungen (Fensterplätze, Zoom, zuletzt geöffnete Dateien) können nicht in "
            "»pivora.conf« gespeichert werden.");
  EXPECT_EQ(NameNotUtf8("\ufffd.txt"),
            "Die Datei »\ufffd.txt« kann nicht geöffnet werden.\n"
            "Ihr Name ist nicht in UTF-8 geschrieben (die Zeichen \ufffd), so dass das Fenster sie "
            "nicht findet. Bitte die Datei umbenennen; pivora-solve liest sie auch so.");
  EXPECT_EQ(CannotOpenModel("m.mps", "Grund."),
            "Das Modell »m.mps« kann nicht geöffnet werden.\n"
            "Grund.");
  EXPECT_EQ(CannotOpenFile("p.txt", "Grund."),
            "Die Datei »p.txt« kann nicht geöffnet werden.\n"
            "Grund.");
  EXPECT_EQ(NotAProblem("p%2.txt", 3, "Grund."),
            "Die Datei »p%2.txt« ist kein Problem, das Pivora lesen kann.\n"
            "Zeile 3: Grund.");
  EXPECT_STREQ(kNotePrefix, "Hinweis: ");
  EXPECT_STREQ(kSaveChanges, "Änderungen speichern?");
  EXPECT_STREQ(kDiscard, "Verwerfen");
}

TEST(MessagesTest, HelpTexts) {
  EXPECT_STREQ(kHelpTitle, "Pivora – Tastenkürzel und Eingaberegeln");
  EXPECT_STREQ(kAboutTitle, "Über Pivora");
  EXPECT_STREQ(
      kAboutText,
      "<h3>Pivora v" PIVORA_VERSION
      "</h3><p>Lineare Optimierung mit der Simplex-Methode (Austauschverfahren) in "
      "80-Bit-Arithmetik; jedes Ergebnis wird exakt in rationalen Zahlen geprüft.</p><p>Bis zu 50 "
      "Variablen und 50 Bedingungen. F1 zeigt alle Tastenkürzel und die Eingaberegeln.</p>");
  EXPECT_EQ(kHelpPage, DataFile("help-page.html"));
}

}  // namespace
}  // namespace pivora::messages
