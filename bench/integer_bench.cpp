// Branch and bound: what a subproblem costs started from its parent's
// tableau against solved from the start, and the 30-variable family of
// knapsacks, assignments and coverings against GLPK's own branch and bound.
// Each benchmark runs once and reports its figures as counters.
#include <benchmark/benchmark.h>
#include <glpk.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

#include "solver/branch_and_bound.h"
#include "solver/testing/integer_family.h"
#include "solver/testing/random_problem.h"

namespace pivora {
namespace {

using Clock = std::chrono::steady_clock;

IntegerMarks AllMarked(int n) {
  IntegerMarks marks;
  for (int j = 1; j <= n; ++j) marks.Set(j, true);
  return marks;
}

std::unique_ptr<ExactTableau> Exact(const testing::RandomProblem& p) {
  auto exact = std::make_unique<ExactTableau>();
  ExactFromExtended(p.tableau, p.m, p.n, *exact);
  return exact;
}

// The least of `repeats` timings of `work`, in microseconds.
template <class Work>
double MinimumMicroseconds(int repeats, const Work& work) {
  double best = 1e300;
  for (int k = 0; k < repeats; ++k) {
    const auto start = Clock::now();
    work();
    best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  return best;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The parent's final tableau of `node`: its rows on the relaxation, solved.
BranchTableau SolvedParent(const ExactTableau& problem, int m, int n, const IntegerSolve& solve,
                           const BranchNode& node) {
  BranchTableau t(problem, m, n);
  for (long at = node.parent; at > 1; at = solve.nodes[static_cast<std::size_t>(at - 1)].parent) {
    const BranchRow& row = solve.nodes[static_cast<std::size_t>(at - 1)].row;
    t.Bound(row.variable, row.side, row.bound);
  }
  t.SolveFromStart(nullptr);
  return t;
}

// Dense size x size problems (coefficients 1..99, "<=", whole variables):
// for the first 60 subproblems of each search, the subproblem started from
// its parent's final tableau (copy, new row, dual simplex) against the same
// subproblem solved from the problem's own tableau; each time the least of
// three. Counter median_ratio is warm over cold, median over subproblems.
void BM_WarmStartAgainstCold(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  std::vector<double> ratios;
  std::vector<double> warm;
  std::vector<double> cold;
  for (auto _ : state) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
      const testing::RandomProblem p = testing::MakeDenseFeasibleProblem(seed, size);
      const auto exact = Exact(p);
      const IntegerSolve solve = SolveInteger(*exact, p.m, p.n, AllMarked(p.n), nullptr, 60);
      for (const BranchNode& node : solve.nodes) {
        if (!node.solved || node.parent == 0) continue;
        const BranchTableau parent = SolvedParent(*exact, p.m, p.n, solve, node);
        const double w = MinimumMicroseconds(3, [&] {
          BranchTableau t = parent;
          t.Bound(node.row.variable, node.row.side, node.row.bound);
          benchmark::DoNotOptimize(t.Resolve(nullptr));
        });
        const double c = MinimumMicroseconds(3, [&] {
          BranchTableau t(*exact, p.m, p.n);
          for (long at = node.number; at > 1;
               at = solve.nodes[static_cast<std::size_t>(at - 1)].parent) {
            const BranchRow& row = solve.nodes[static_cast<std::size_t>(at - 1)].row;
            t.Bound(row.variable, row.side, row.bound);
          }
          benchmark::DoNotOptimize(t.SolveFromStart(nullptr));
        });
        warm.push_back(w);
        cold.push_back(c);
        ratios.push_back(w / c);
      }
    }
  }
  state.counters["subproblems"] = static_cast<double>(ratios.size());
  state.counters["median_ratio"] = Median(ratios);
  state.counters["warm_median_us"] = Median(warm);
  state.counters["cold_median_us"] = Median(cold);
}
BENCHMARK(BM_WarmStartAgainstCold)->Arg(20)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

// GLPK's branch and bound as glpsol runs it on a model: the simplex, then
// glp_intopt with its defaults. The optimum, or none.
std::optional<double> GlpkOptimum(const testing::RandomProblem& p) {
  glp_prob* lp = glp_create_prob();
  glp_set_obj_dir(lp, p.tableau(p.m + 1, p.n + 2) > 0 ? GLP_MAX : GLP_MIN);
  glp_add_rows(lp, p.m);
  glp_add_cols(lp, p.n);
  std::vector<int> rows(1);
  std::vector<int> columns(1);
  std::vector<double> values(1);
  for (int i = 1; i <= p.m; ++i) {
    const double rhs = static_cast<double>(p.tableau(i, p.n + 1));
    const Extended relation = p.tableau(i, p.n + 2);
    glp_set_row_bnds(lp, i, relation > 0 ? GLP_LO : relation == 0 ? GLP_FX : GLP_UP, rhs, rhs);
    for (int j = 1; j <= p.n; ++j) {
      if (p.tableau(i, j) == 0) continue;
      rows.push_back(i);
      columns.push_back(j);
      values.push_back(static_cast<double>(p.tableau(i, j)));
    }
  }
  for (int j = 1; j <= p.n; ++j) {
    glp_set_col_bnds(lp, j, GLP_LO, 0, 0);
    glp_set_col_kind(lp, j, GLP_IV);
    glp_set_obj_coef(lp, j, static_cast<double>(p.tableau(p.m + 1, j)));
  }
  glp_load_matrix(lp, static_cast<int>(rows.size()) - 1, rows.data(), columns.data(),
                  values.data());
  glp_smcp simplex;
  glp_init_smcp(&simplex);
  simplex.msg_lev = GLP_MSG_OFF;
  glp_iocp search;
  glp_init_iocp(&search);
  search.msg_lev = GLP_MSG_OFF;
  std::optional<double> optimum;
  if (glp_simplex(lp, &simplex) == 0 && glp_intopt(lp, &search) == 0 &&
      glp_mip_status(lp) == GLP_OPT) {
    optimum = glp_mip_obj_val(lp);
  }
  glp_delete_prob(lp);
  return optimum;
}

// Ten problems of one family: each solved (min of three), its optimum
// compared with GLPK's, its time against GLPK's. Counters: the median and
// the largest ratio of our time to GLPK's, the slowest solve, the most
// subproblems, and the problems whose optimum differs (must be 0).
void BM_IntegerFamily(benchmark::State& state) {
  const auto family = static_cast<testing::IntegerFamily>(state.range(0));
  state.SetLabel(testing::FamilyName(family));
  std::vector<double> ratios;
  double slowest = 0;
  long most = 0;
  int differing = 0;
  for (auto _ : state) {
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
      const testing::RandomProblem p = testing::MakeFamilyProblem(family, seed);
      const auto exact = Exact(p);
      IntegerSolve solve;
      const double ours =
          MinimumMicroseconds(3, [&] { solve = SolveInteger(*exact, p.m, p.n, AllMarked(p.n)); });
      std::optional<double> optimum;
      const double theirs = MinimumMicroseconds(3, [&] { optimum = GlpkOptimum(p); });
      // GLPK computes in doubles: 47 may come out as 46.999999999999.
      const bool same = solve.outcome == IntegerOutcome::kOptimal && optimum &&
                        std::fabs(static_cast<double>(NearestExtended((*solve.points)(0, 1))) -
                                  *optimum) <= 1e-9 * (1 + std::fabs(*optimum));
      differing += same ? 0 : 1;
      ratios.push_back(ours / theirs);
      slowest = std::max(slowest, ours / 1000);
      most = std::max(most, solve.subproblems);
    }
  }
  state.counters["median_ratio_to_glpk"] = Median(ratios);
  state.counters["max_ratio_to_glpk"] = *std::max_element(ratios.begin(), ratios.end());
  state.counters["slowest_ms"] = slowest;
  state.counters["most_subproblems"] = static_cast<double>(most);
  state.counters["differing_optima"] = differing;
}
BENCHMARK(BM_IntegerFamily)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pivora
