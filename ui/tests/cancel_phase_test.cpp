// A cancel in every part of a solve is answered inside that part: each part
// asks whether to stop between its pieces of work, not only at its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "solver/testing/long_digit_problem.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

// Follows the nested parts. Armed for `target`, it asks to stop at the
// `after`-th question while that part is open (itself or a part inside
// it), and from then on.
class PartWatch final : public ExchangeObserver, public SolveRunner {
 public:
  void Run(const SolveJob& job) override { job(this); }
  void Entered(WorkPhase phase) override {
    open.push_back(phase);
    seen.insert(phase);
  }
  void Left(WorkPhase /*phase*/) override { open.pop_back(); }
  bool CancelRequested() override {
    if (stoppedInside) return true;
    if (!armed || std::find(open.begin(), open.end(), target) == open.end()) return false;
    stoppedInside = ++questions >= after;
    return stoppedInside;
  }

  std::vector<WorkPhase> open;
  std::set<WorkPhase> seen;
  bool armed = false;
  WorkPhase target = WorkPhase::kPlainRun;
  long after = 1;
  long questions = 0;
  bool stoppedInside = false;  // the stop was asked while `target` was open
};

void Type(PlainWindow& window, const testing::RandomProblem& p, const ExactTableau& exact) {
  FormActivate(window, &window);
  SpinNVarsTo(window, p.n);
  SpinNConsTo(window, p.m);
  // The decimal as typed: q = k / 10^point.
  const auto text = [](const Rational& q) {
    mpz_class power = 1;
    int point = 0;
    while (power % q.get_den() != 0) {
      power *= 10;
      ++point;
    }
    const mpz_class k = abs(q.get_num()) * (power / q.get_den());
    const std::string digits = k.get_str();
    const std::size_t whole =
        digits.size() > static_cast<std::size_t>(point) ? digits.size() - point : 0;
    std::string s(sgn(q) < 0 ? "-" : "");
    s.append(whole == 0 ? std::string_view("0") : std::string_view(digits).substr(0, whole));
    if (point > 0) {
      s.append(".");
      s.append(static_cast<std::size_t>(point) - (digits.size() - whole), '0');
      s.append(std::string_view(digits).substr(whole));
    }
    return s;
  };
  for (int i = 1; i <= p.m; ++i) {
    for (int j = 1; j <= p.n; ++j) window.NB().SetText(j, i, text(exact(i, j)));
    const Rational& code = exact(i, p.n + 2);
    window.NB().SetText(p.n + 1, i, code > 0 ? ">=" : code < 0 ? "<=" : "=");
    window.NB().SetText(p.n + 2, i, text(exact(i, p.n + 1)));
  }
  for (int j = 1; j <= p.n; ++j) window.ZF().SetText(j, 1, text(exact(p.m + 1, j)));
  window.SetMaximumChecked(exact(p.m + 1, p.n + 2) > 0);
}

TEST(CancelInEveryPart, IsAnsweredInsideThatPart) {
  // 19-digit 50 x 50 problems with every view asked for: the judge replays
  // the plain basis of the first and finds that of the second wrong, and
  // its guided run leaves ties to the exact run.
  struct Case {
    std::uint64_t seed;
    testing::LongDigitFamily family;
    int size;
  };
  const std::vector<Case> cases = {{6, testing::LongDigitFamily::kMixedExponents, 50},
                                   {3, testing::LongDigitFamily::kDegenerate, 50}};
  std::map<WorkPhase, int> caseOf;
  std::vector<std::unique_ptr<PlainWindow>> windows;
  for (std::size_t c = 0; c < cases.size(); ++c) {
    auto exact = std::make_unique<ExactTableau>();
    const auto p =
        testing::MakeLongDigitProblem(cases[c].seed, cases[c].family, cases[c].size, *exact);
    auto& window = *windows.emplace_back(std::make_unique<PlainWindow>());
    Type(window, p, *exact);
    window.SetViews(ReportViews{true, true, true});
    PartWatch watch;
    SolveClick(window, &window, watch);
    for (const WorkPhase phase : watch.seen) caseOf.emplace(phase, static_cast<int>(c));
  }
  for (const WorkPhase phase :
       {WorkPhase::kPlainRun, WorkPhase::kGuidedRun, WorkPhase::kElimination, WorkPhase::kLifting,
        WorkPhase::kResidues, WorkPhase::kExactRun, WorkPhase::kReplay, WorkPhase::kViews}) {
    const auto found = caseOf.find(phase);
    ASSERT_NE(found, caseOf.end()) << "no case reaches part " << static_cast<int>(phase);
    // The second question inside the part: a part that asks only when it
    // begins would end before it.
    PartWatch watch;
    watch.armed = true;
    watch.target = phase;
    watch.after = 2;
    const SolveClickOutcome outcome =
        SolveClick(*windows[static_cast<std::size_t>(found->second)], nullptr, watch);
    EXPECT_EQ(outcome.kind, SolveClickOutcome::Kind::kCancelled) << static_cast<int>(phase);
    EXPECT_TRUE(watch.stoppedInside) << static_cast<int>(phase);
  }
}

}  // namespace
}  // namespace pivora
