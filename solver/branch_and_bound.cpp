#include "solver/branch_and_bound.h"

#include <utility>

namespace pivora {

namespace {

// A branching row and where the rows above it are: the rows from the
// relaxation down to a subproblem, held once for all subproblems, so a deep
// search costs no copy of its path per subproblem.
struct PathLink {
  BranchRow row;
  long up = -1;  // the link of the parent's row; -1 below the relaxation
};

// A subproblem not yet taken: its parent's final tableau (shared by the two
// children), or where it is solved from the start its bound rows (at most
// two a variable, its own among them); and its own row.
struct Pending {
  long parent = 0;
  int depth = 0;
  Rational parentBound;  // sigma * z of the parent: no point in it is better
  std::shared_ptr<BranchTableau> start;
  std::vector<BranchRow> bounds;  // where `start` is null
  long link = -1;                 // its row in the links
};

mpz_class Floor(const Rational& q) {
  mpz_class f;
  mpz_fdiv_q(f.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
  return f;
}

class Search {
 public:
  Search(const ExactTableau& problem, int m, int n, const IntegerMarks& marks,
         ExchangeObserver* observer, long nodeLimit, long heldLimit, IntegerSolve& result)
      : problem_(problem),
        m_(m),
        n_(n),
        marks_(marks),
        observer_(observer),
        nodeLimit_(nodeLimit),
        heldLimit_(heldLimit),
        result_(result),
        sigma_(problem(m + 1, n + 2) > 0 ? 1 : -1) {}

  void Run();

 private:
  bool SolveRelaxation();
  void TakeNext();
  BranchTableau StartOf(Pending& pending) const;
  void Evaluate(BranchNode& node, BranchTableau& t, long link);
  void Keep(BranchNode& node, const BranchTableau& t, const std::vector<Rational>& x);
  int FaceVariable(const BranchTableau& t) const;
  void Branch(BranchNode& node, BranchTableau& t, long link, BranchRow first, BranchRow second);
  bool Worse(const Rational& bound) const;
  void Record(BranchNode node);
  void Notify() const;
  void Finish();

  const ExactTableau& problem_;
  int m_;
  int n_;
  const IntegerMarks& marks_;
  ExchangeObserver* observer_;
  long nodeLimit_;
  long heldLimit_;
  IntegerSolve& result_;
  int sigma_;
  // With an unbounded relaxation: any whole-numbered point, objective 0.
  bool findAny_ = false;
  std::vector<Pending> open_;
  std::vector<PathLink> links_;
  long heldEntries_ = 0;
  std::optional<Rational> best_;           // sigma * z of the best point
  std::optional<Rational> bestObjective_;  // its z, for the observer
  std::vector<std::vector<Rational>> points_;
  std::optional<Rational> current_;  // the parent's bound of the subproblem being solved
  bool stop_ = false;
};

// sigma * z, larger is better: a bound below the best point's cannot hold a
// point as good, and one equal to it can only hold further optima, which
// the search no longer looks for once kMaxSolutions are found.
bool Search::Worse(const Rational& bound) const {
  if (!best_ || findAny_) return false;
  return bound < *best_ || (bound == *best_ && points_.size() >= kMaxSolutions);
}

void Search::Record(BranchNode node) {
  ++result_.nodesVisited;
  if (static_cast<long>(result_.nodes.size()) < kRecordedNodes) {
    result_.nodes.push_back(std::move(node));
  }
}

void Search::Run() {
  if (!SolveRelaxation()) return;
  while (!open_.empty() && !stop_) {
    if (result_.subproblems >= nodeLimit_) {
      result_.outcome = IntegerOutcome::kNodeLimit;
      Finish();
      return;
    }
    try {
      TakeNext();
    } catch (const SolveCancelled&) {
      result_.outcome = IntegerOutcome::kCancelled;
      Finish();
      return;
    }
  }
  if (findAny_) {
    result_.outcome =
        points_.empty() ? IntegerOutcome::kNoIntegerPoint : IntegerOutcome::kUnbounded;
  } else {
    result_.outcome = points_.empty() ? IntegerOutcome::kNoIntegerPoint : IntegerOutcome::kOptimal;
    result_.optimaFull = points_.size() >= kMaxSolutions;
  }
  Finish();
}

// The relaxation, node 1. Unbounded, the search looks for any point of the
// relaxation with objective 0 instead: with rational data a problem whose
// relaxation is unbounded and which has a whole-numbered point is unbounded.
bool Search::SolveRelaxation() {
  BranchTableau t(problem_, m_, n_);
  try {
    result_.relaxation = t.SolveFromStart(observer_);
  } catch (const SolveCancelled&) {
    result_.outcome = IntegerOutcome::kCancelled;
    Finish();
    return false;
  }
  result_.relaxationSolved = true;
  result_.subproblems = 1;
  BranchNode root;
  root.number = 1;
  root.status = result_.relaxation;
  if (result_.relaxation == LpStatus::kNoFeasiblePoint) {
    root.fate = NodeFate::kNoFeasiblePoint;
    Record(std::move(root));
    result_.outcome = IntegerOutcome::kNoFeasiblePoint;
    Finish();
    return false;
  }
  if (result_.relaxation == LpStatus::kUnbounded) {
    findAny_ = true;
    t = BranchTableau(problem_, m_, n_, true);
    try {
      t.SolveFromStart(observer_);  // feasible, so optimal with z = 0
    } catch (const SolveCancelled&) {
      root.fate = NodeFate::kUnbounded;
      Record(std::move(root));
      result_.outcome = IntegerOutcome::kCancelled;
      Finish();
      return false;
    }
  } else {
    result_.relaxationBound = t.Objective();
  }
  Evaluate(root, t, -1);
  Record(std::move(root));
  Notify();
  return true;
}

BranchTableau Search::StartOf(Pending& pending) const {
  if (!pending.start) {
    BranchTableau t(problem_, m_, n_, findAny_);
    // The tighter of two rows on one side wins, in either order.
    for (const BranchRow& row : pending.bounds) t.Bound(row.variable, row.side, row.bound);
    return t;
  }
  if (pending.start.use_count() == 1) return std::move(*pending.start);
  return *pending.start;
}

void Search::TakeNext() {
  Pending pending = std::move(open_.back());
  open_.pop_back();
  if (pending.start && pending.start.use_count() == 1) heldEntries_ -= pending.start->Entries();
  BranchNode node;
  node.number = result_.nodesVisited + 1;
  node.parent = pending.parent;
  node.depth = pending.depth;
  node.row = links_[static_cast<std::size_t>(pending.link)].row;
  if (Worse(pending.parentBound)) {
    node.solved = false;
    node.fate = NodeFate::kCutOff;
    Record(std::move(node));
    return;
  }
  // Open until solved: a cancel meanwhile leaves its parent's bound standing.
  current_ = pending.parentBound;
  ThrowIfCancelled(observer_);
  const bool cold = !pending.start;
  BranchTableau t = StartOf(pending);
  if (!cold) t.Bound(node.row.variable, node.row.side, node.row.bound);
  node.status = cold ? t.SolveFromStart(observer_) : t.Resolve(observer_);
  current_.reset();
  ++result_.subproblems;
  if (node.status == LpStatus::kOptimal) {
    Evaluate(node, t, pending.link);
  } else {
    // A subproblem of a bounded relaxation is bounded; kUnbounded cannot
    // come here, and is named as it is if it ever did.
    node.fate =
        node.status == LpStatus::kUnbounded ? NodeFate::kUnbounded : NodeFate::kNoFeasiblePoint;
  }
  Notify();
  Record(std::move(node));
}

void Search::Notify() const {
  if (observer_ != nullptr) {
    observer_->SubproblemSolved(result_.subproblems, bestObjective_ ? &*bestObjective_ : nullptr);
  }
}

void Search::Evaluate(BranchNode& node, BranchTableau& t, long link) {
  node.objective = t.Objective();
  std::vector<Rational> x(static_cast<std::size_t>(n_));
  for (int j = 1; j <= n_; ++j) x[static_cast<std::size_t>(j - 1)] = t.Value(j);
  if (static_cast<long>(result_.nodes.size()) < kRecordedNodes) node.values = x;
  if (Worse(sigma_ * node.objective)) {
    node.fate = NodeFate::kCutOff;
    return;
  }
  for (int j = 1; j <= n_; ++j) {
    const Rational& v = x[static_cast<std::size_t>(j - 1)];
    if (!marks_.Of(j) || v.get_den() == 1) continue;
    node.fate = NodeFate::kBranched;
    node.branchVariable = j;
    const mpz_class down = Floor(v);
    BranchRow below{j, BoundSide::kUpper, down};
    BranchRow above{j, BoundSide::kLower, down + 1};
    // The side nearer the value first; below on a tie.
    if (v - down > Rational(1, 2)) std::swap(below, above);
    Branch(node, t, link, std::move(below), std::move(above));
    return;
  }
  Keep(node, t, x);
  if (stop_ || points_.size() >= kMaxSolutions) return;
  const int j = FaceVariable(t);
  if (j == 0) return;
  node.branchVariable = j;
  const mpz_class v = x[static_cast<std::size_t>(j - 1)].get_num();
  const std::optional<mpz_class>& upper = t.BoundOf(j, BoundSide::kUpper);
  // Two branches that close in on v from the side where there is room.
  const mpz_class cut = !upper || *upper > v ? v : mpz_class(v - 1);
  Branch(node, t, link, {j, BoundSide::kUpper, cut}, {j, BoundSide::kLower, cut + 1});
}

// A whole-numbered optimum: a new best point, one more as good, or a point
// found before (the same whole values: further branching on the optimal face
// comes back to it).
void Search::Keep(BranchNode& node, const BranchTableau& t, const std::vector<Rational>& x) {
  std::vector<Rational> point;
  point.reserve(static_cast<std::size_t>(n_ + m_ + 1));
  point.push_back(node.objective);
  point.insert(point.end(), x.begin(), x.end());
  for (int i = 1; i <= m_; ++i) point.push_back(t.Slack(i));
  const Rational bound = sigma_ * node.objective;
  if (findAny_ || !best_ || bound > *best_) {
    points_.clear();
    result_.foundIn.clear();
    best_ = bound;
    bestObjective_ = node.objective;
    node.fate = NodeFate::kNewBest;
    stop_ = findAny_;
  } else {
    for (const std::vector<Rational>& known : points_) {
      bool same = true;
      for (int j = 1; j <= n_ && same; ++j)
        same = !marks_.Of(j) ||
               known[static_cast<std::size_t>(j)] == point[static_cast<std::size_t>(j)];
      if (same) {
        node.fate = NodeFate::kFoundBefore;
        return;
      }
    }
    node.fate = NodeFate::kAsGoodAsBest;
  }
  points_.push_back(std::move(point));
  result_.foundIn.push_back(node.number);
}

// The first marked variable that other points of the optimal face may give
// another value and whose bounds are not yet one value: 0 where there is
// none, and the whole values of this optimum are then those of every
// optimum of the subproblem.
int Search::FaceVariable(const BranchTableau& t) const {
  for (int j = 1; j <= n_; ++j) {
    if (!marks_.Of(j) || !t.VariesOnOptimalFace(j)) continue;
    const std::optional<mpz_class>& upper = t.BoundOf(j, BoundSide::kUpper);
    const std::optional<mpz_class>& lower = t.BoundOf(j, BoundSide::kLower);
    const mpz_class low = lower ? *lower : mpz_class(0);
    if (!upper || *upper > low) return j;
  }
  return 0;
}

// Both children start from this tableau, shared; the one taken first copies
// it, the other takes it over. Pushed in reverse so `first` is taken first.
void Search::Branch(BranchNode& node, BranchTableau& t, long link, BranchRow first,
                    BranchRow second) {
  // Over the ceiling the children start from the problem's own tableau with
  // the parent's bound rows: at most two a variable, however deep the search.
  std::vector<BranchRow> bounds;
  const bool cold = heldEntries_ + t.Entries() > heldLimit_;
  for (int j = 1; j <= n_ && cold; ++j) {
    for (const BoundSide side : {BoundSide::kUpper, BoundSide::kLower}) {
      if (const std::optional<mpz_class>& bound = t.BoundOf(j, side))
        bounds.push_back({j, side, *bound});
    }
  }
  std::shared_ptr<BranchTableau> shared;
  if (!cold) {
    shared = std::make_shared<BranchTableau>(std::move(t));
    heldEntries_ += shared->Entries();
  }
  for (BranchRow* row : {&second, &first}) {
    Pending child;
    child.parent = node.number;
    child.depth = node.depth + 1;
    child.parentBound = sigma_ * node.objective;
    child.start = shared;
    if (cold) {
      child.bounds = bounds;
      child.bounds.push_back(*row);
    }
    child.link = static_cast<long>(links_.size());
    links_.push_back({std::move(*row), link});
    open_.push_back(std::move(child));
  }
}

// The points found, and at a limit or a cancel the best bound: the best of
// the open subproblems' parents' bounds and the best point's.
void Search::Finish() {
  const int count = static_cast<int>(points_.size());
  auto points = std::make_shared<ExactSolutions>(count, n_ + m_);
  for (int k = 1; k <= count; ++k) {
    for (int row = 0; row <= n_ + m_; ++row) {
      (*points)(row, k) = points_[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(row)];
    }
  }
  result_.points = std::move(points);
  const bool partial = result_.outcome == IntegerOutcome::kNodeLimit ||
                       result_.outcome == IntegerOutcome::kCancelled;
  if (!partial || findAny_ || !result_.relaxationSolved ||
      result_.relaxation != LpStatus::kOptimal) {
    return;
  }
  std::optional<Rational> bound = best_;
  const auto widen = [&bound](const Rational& b) {
    if (!bound || b > *bound) bound = b;
  };
  for (const Pending& pending : open_) widen(pending.parentBound);
  if (current_) widen(*current_);
  if (bound) result_.bestBound = sigma_ * *bound;
}

}  // namespace

IntegerSolve SolveInteger(const ExactTableau& problem, int m, int n, const IntegerMarks& marks,
                          ExchangeObserver* observer, long nodeLimit, long heldLimit) {
  IntegerSolve result;
  Search(problem, m, n, marks, observer, nodeLimit, heldLimit, result).Run();
  return result;
}

}  // namespace pivora
