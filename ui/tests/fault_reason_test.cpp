#include "ui/fault_reason.h"

#include <gtest/gtest.h>

namespace pivora {
namespace {

struct ReasonCase {
  const char* typed;
  CellKind kind;
  const char* reason;  // after "»typed« – "
};

class FaultReasonTest : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(FaultReasonTest, NamesTheTypedTextAndTheReason) {
  const ReasonCase& c = GetParam();
  EXPECT_EQ(FaultReason(c.typed, c.kind),
            std::string("\xc2\xbb") + c.typed + "\xc2\xab \xe2\x80\x93 " + c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, FaultReasonTest,
    ::testing::Values(ReasonCase{"0,25", CellKind::kNumber, "Dezimalpunkt verwenden"},
                      ReasonCase{"1 000", CellKind::kNumber, "ohne Leerzeichen schreiben"},
                      ReasonCase{"   ", CellKind::kNumber, "nur Leerzeichen"},
                      ReasonCase{"1e5000", CellKind::kNumber, "Betrag zu gro\xc3\x9f"},
                      ReasonCase{"1.7E308", CellKind::kNumber, "Betrag zu gro\xc3\x9f"},
                      ReasonCase{"<=", CellKind::kNumber, "hier steht eine Zahl, kein Vergleich"},
                      ReasonCase{"x1", CellKind::kNumber, "keine Zahl"},
                      ReasonCase{"=>", CellKind::kRelation, "erlaubt sind <, <=, >, >=, =, =="},
                      ReasonCase{"<= ", CellKind::kRelation,
                                 "ohne Leerzeichen; erlaubt sind <, <=, >, >=, =, =="}));

}  // namespace
}  // namespace pivora
