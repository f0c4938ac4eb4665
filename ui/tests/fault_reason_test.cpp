#include "ui/fault_reason.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pivora {
namespace {

struct ReasonCase {
  const char* name;
  const char* typed;
  CellKind kind;
  const char* reason;  // after "»typed« – "
};

void PrintTo(const ReasonCase& c, std::ostream* out) { *out << c.name; }

class FaultReasonTest : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(FaultReasonTest, NamesTheTypedTextAndTheReason) {
  const ReasonCase& c = GetParam();
  EXPECT_EQ(FaultReason(c.typed, c.kind),
            std::string("\xc2\xbb") + c.typed + "\xc2\xab \xe2\x80\x93 " + c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, FaultReasonTest,
    ::testing::Values(
        ReasonCase{"Comma", "0,25", CellKind::kNumber, "Dezimalpunkt verwenden"},
        ReasonCase{"BlankInside", "1 000", CellKind::kNumber, "ohne Leerzeichen schreiben"},
        ReasonCase{"OnlyBlanks", "   ", CellKind::kNumber, "nur Leerzeichen"},
        ReasonCase{"TooLarge", "1e5000", CellKind::kNumber, "Betrag zu gro\xc3\x9f"},
        ReasonCase{"TheSentinel", "1.7E308", CellKind::kNumber, "Betrag zu gro\xc3\x9f"},
        ReasonCase{"RelationInANumberCell", "<=", CellKind::kNumber,
                   "hier steht eine Zahl, kein Vergleich"},
        ReasonCase{"NotANumber", "x1", CellKind::kNumber, "keine Zahl"},
        ReasonCase{"ReversedRelation", "=>", CellKind::kRelation,
                   "erlaubt sind <, <=, >, >=, =, =="},
        ReasonCase{"RelationWithABlank", "<= ", CellKind::kRelation,
                   "ohne Leerzeichen; erlaubt sind <, <=, >, >=, =, =="}),
    [](const ::testing::TestParamInfo<ReasonCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pivora
