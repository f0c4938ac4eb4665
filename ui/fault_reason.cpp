#include "ui/fault_reason.h"

#include <algorithm>

#include "solve/number_format.h"
#include "solve/parse_number.h"
#include "solve/read_problem.h"
#include "ui/messages.h"
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

const char* NumberReason(std::string_view typed) {
  if (typed.find(',') != std::string_view::npos) {
    std::string dotted(typed);
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    if (IsNumber(dotted) || IsNumber(WithoutBlanks(dotted))) return messages::kUseDecimalPoint;
  }
  if (typed.find_first_not_of(' ') == std::string_view::npos) return messages::kOnlyBlanks;
  if (LooksLikeNumber(typed)) return messages::kNumberTooLarge;
  if (typed.find(' ') != std::string_view::npos && IsNumber(WithoutBlanks(typed))) {
    return messages::kWriteWithoutBlanks;
  }
  Extended code = 0;
  if (RelationCode(WithoutBlanks(typed), code)) return messages::kNumberNotRelation;
  return messages::kNotANumber;
}

const char* RelationReason(std::string_view typed) {
  Extended code = 0;
  if (typed.find(' ') != std::string_view::npos && RelationCode(WithoutBlanks(typed), code)) {
    return messages::kRelationWithoutBlanks;
  }
  return messages::kRelationsAllowed;
}

}  // namespace

bool CellReadable(std::string_view text, CellKind kind) {
  if (text.empty()) return true;
  Extended code = 0;
  return kind == CellKind::kRelation ? RelationCode(text, code) : IsNumber(text);
}

std::string FaultReason(std::string_view typed, CellKind kind) {
  return messages::CellFaultTip(Latin1ToUtf8(typed), kind == CellKind::kRelation
                                                         ? RelationReason(typed)
                                                         : NumberReason(typed));
}

}  // namespace pivora
