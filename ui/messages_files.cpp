#include "ui/messages_files.h"

namespace pivora::messages {
namespace {

// "Die Datei »NAME«": how the messages about a file begin.
std::string TheFile(std::string_view name) {
  return "Die Datei \u00bb" + std::string(name) + "\u00ab";
}

constexpr const char* kCannotOpen = " kann nicht ge\u00f6ffnet werden.\n";

}  // namespace

const char* const kOpenTitle = "Problem \u00f6ffnen";
const char* const kOpenFilter =
    "Probleme und Modelle (*.txt *.lp *.mps);;Probleme (*.txt);;LP-Modelle (*.lp);;"
    "MPS-Modelle (*.mps);;Alle Dateien (*)";
const char* const kSaveTitle = "Problem speichern";
const char* const kSaveFilter = "Probleme (*.txt);;Alle Dateien (*)";

std::string CannotSave(std::string_view name, std::string_view reason, bool existed) {
  return TheFile(name) + " kann nicht gespeichert werden.\n" + std::string(reason) +
         (existed ? "\nDie Datei, die schon dort war, ist unver\u00e4ndert." : "");
}

std::string ChangedOnDisk(std::string_view name) {
  return TheFile(name) +
         " wurde ge\u00e4ndert, seit dieses Fenster sie ge\u00f6ffnet oder "
         "gespeichert hat (von einem anderen Fenster oder Programm).\nSoll das Problem "
         "dieses Fensters sie \u00fcberschreiben?";
}

const char* const kOverwrite = "\u00dcberschreiben";
const char* const kCancel = "Abbrechen";

std::string OnlyCopyLeft(std::string_view name) {
  return TheFile(name) +
         " wurde seit dem Speichern von anderswo \u00fcberschrieben; das Problem "
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
  return TheFile(name) + kCannotOpen +
         "Ihr Name ist nicht in UTF-8 "
         "geschrieben (die Zeichen \ufffd), so dass das Fenster sie nicht findet. "
         "Bitte die Datei umbenennen; pivora-solve liest sie auch so.";
}

std::string CannotOpenModel(std::string_view name, std::string_view reason) {
  return "Das Modell \u00bb" + std::string(name) + "\u00ab" + kCannotOpen + std::string(reason);
}

std::string CannotOpenFile(std::string_view name, std::string_view reason) {
  return TheFile(name) + kCannotOpen + std::string(reason);
}

std::string NotAProblem(std::string_view name, int line, std::string_view reason) {
  return TheFile(name) + " ist kein Problem, das Pivora lesen kann.\nZeile " +
         std::to_string(line) + ": " + std::string(reason);
}

const char* const kNotePrefix = "Hinweis: ";
const char* const kSaveChanges = "\u00c4nderungen speichern?";
const char* const kDiscard = "Verwerfen";

}  // namespace pivora::messages
