#include "ui/fault_reason.h"

#include <algorithm>

#include "solve/number_format.h"
#include "solve/parse_number.h"
#include "solve/read_problem.h"
#include "ui/text_encoding.h"

namespace pivora {
namespace {

bool IsNumber(std::string_view text) {
  const Extended sentinel = ErrorSentinel();
  return ParseNumber(text, SolveNumberFormat(), sentinel) != sentinel;
}

// Digits with an optional sign, decimal point and exponent: the shape of a
// number, whatever its size.
bool LooksLikeNumber(std::string_view text) {
  std::size_t k = 0;
  while (k < text.size() && text[k] == ' ') ++k;
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
  bool digits = false;
  while (k < text.size() && text[k] >= '0' && text[k] <= '9') digits = true, ++k;
  if (k < text.size() && text[k] == '.') ++k;
  while (k < text.size() && text[k] >= '0' && text[k] <= '9') digits = true, ++k;
  if (!digits) return false;
  if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
    ++k;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    while (k < text.size() && text[k] >= '0' && text[k] <= '9') ++k;
  }
  return k == text.size();
}

std::string WithoutBlanks(std::string_view text) {
  std::string kept(text);
  kept.erase(std::remove(kept.begin(), kept.end(), ' '), kept.end());
  return kept;
}

std::string NumberReason(std::string_view typed) {
  if (typed.find(',') != std::string_view::npos) {
    std::string dotted(typed);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    if (IsNumber(dotted) || IsNumber(WithoutBlanks(dotted))) return "Dezimalpunkt verwenden";
  }
  if (typed.find_first_not_of(' ') == std::string_view::npos) return "nur Leerzeichen";
  if (LooksLikeNumber(typed)) return "Betrag zu gro\xdf";
  if (typed.find(' ') != std::string_view::npos && IsNumber(WithoutBlanks(typed))) {
    return "ohne Leerzeichen schreiben";
  }
  Extended code = 0;
  if (RelationCode(WithoutBlanks(typed), code)) return "hier steht eine Zahl, kein Vergleich";
  return "keine Zahl";
}

std::string RelationReason(std::string_view typed) {
  Extended code = 0;
  const std::string_view allowed = "erlaubt sind <, <=, >, >=, =, ==";
  if (typed.find(' ') != std::string_view::npos && RelationCode(WithoutBlanks(typed), code)) {
    return "ohne Leerzeichen; " + std::string(allowed);
  }
  return std::string(allowed);
}

}  // namespace

bool CellReadable(std::string_view text, CellKind kind) {
  if (text.empty()) return true;
  Extended code = 0;
  return kind == CellKind::kRelation ? RelationCode(text, code) : IsNumber(text);
}

std::string FaultReason(std::string_view typed, CellKind kind) {
  const std::string reason =
      kind == CellKind::kRelation ? RelationReason(typed) : NumberReason(typed);
  return "\xc2\xbb" + Latin1ToUtf8(typed) + "\xc2\xab \xe2\x80\x93 " + Latin1ToUtf8(reason);
}

}  // namespace pivora
