// Seeded 30-variable integer problems of three kinds that branch and bound
// meets in teaching and planning: knapsacks, assignments with capacities,
// and set covering. Every variable is whole; each problem has an optimum.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "solver/testing/random_problem.h"

namespace pivora::testing {

enum class IntegerFamily { kKnapsack, kAssignment, kCovering };

inline const char* FamilyName(IntegerFamily family) {
  switch (family) {
    case IntegerFamily::kKnapsack:
      return "knapsack";
    case IntegerFamily::kAssignment:
      return "assignment";
    case IntegerFamily::kCovering:
      return "covering";
  }
  return "";
}

inline void SetRow(RandomProblem& p, int i, Extended rhs, Extended relation) {
  p.tableau(i, p.n + 1) = rhs;
  p.tableau(i, p.n + 2) = relation;
}

// Maximise the value of 30 items within three capacities (weights 5..60,
// capacities about a third of the total weight); items 1..27 are taken at
// most once, 28..30 any number of times. 30 x 30.
inline RandomProblem MakeKnapsack(std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  RandomProblem p;
  p.n = 30;
  p.m = 30;
  for (int i = 1; i <= 3; ++i) {
    int total = 0;
    for (int j = 1; j <= p.n; ++j) {
      const int w = UniformInt(rng, 5, 60);
      p.tableau(i, j) = static_cast<Extended>(w);
      total += w;
    }
    SetRow(p, i, static_cast<Extended>(total / 3), kRelationLessEqual);
  }
  for (int j = 1; j <= 27; ++j) {
    p.tableau(3 + j, j) = 1;
    SetRow(p, 3 + j, 1, kRelationLessEqual);
  }
  for (int j = 1; j <= p.n; ++j)
    p.tableau(p.m + 1, j) = static_cast<Extended>(UniformInt(rng, 10, 90));
  p.tableau(p.m + 1, p.n + 2) = kMaximise;
  return p;
}

// Ten jobs to three machines, each job to exactly one, at least cost, within
// each machine's hours (job hours 3..12, a machine's hours about 40 % of the
// total): x[3 (job - 1) + machine]. 30 variables, 13 constraints.
inline RandomProblem MakeAssignment(std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  RandomProblem p;
  p.n = 30;
  p.m = 13;
  for (int job = 1; job <= 10; ++job) {
    for (int machine = 1; machine <= 3; ++machine) p.tableau(job, 3 * (job - 1) + machine) = 1;
    SetRow(p, job, 1, kRelationEqual);
  }
  for (int machine = 1; machine <= 3; ++machine) {
    int total = 0;
    for (int job = 1; job <= 10; ++job) {
      const int hours = UniformInt(rng, 3, 12);
      p.tableau(10 + machine, 3 * (job - 1) + machine) = static_cast<Extended>(hours);
      total += hours;
    }
    SetRow(p, 10 + machine, static_cast<Extended>(total * 4 / 10), kRelationLessEqual);
  }
  for (int j = 1; j <= p.n; ++j)
    p.tableau(p.m + 1, j) = static_cast<Extended>(UniformInt(rng, 1, 30));
  p.tableau(p.m + 1, p.n + 2) = kMinimise;
  return p;
}

// 30 elements each covered at least once by the cheapest choice of 30 sets
// (each set holds an element with chance 1/6, every element in two sets at
// least; costs 1..20). 30 x 30.
inline RandomProblem MakeCovering(std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  RandomProblem p;
  p.n = 30;
  p.m = 30;
  for (int i = 1; i <= p.m; ++i) {
    int members = 0;
    for (int j = 1; j <= p.n; ++j) {
      if (Chance(rng, 17)) {
        p.tableau(i, j) = 1;
        ++members;
      }
    }
    while (members < 2) {
      const int j = UniformInt(rng, 1, p.n);
      if (p.tableau(i, j) == 0) {
        p.tableau(i, j) = 1;
        ++members;
      }
    }
    SetRow(p, i, 1, kRelationGreaterEqual);
  }
  for (int j = 1; j <= p.n; ++j)
    p.tableau(p.m + 1, j) = static_cast<Extended>(UniformInt(rng, 1, 20));
  p.tableau(p.m + 1, p.n + 2) = kMinimise;
  return p;
}

inline RandomProblem MakeFamilyProblem(IntegerFamily family, std::uint64_t seed) {
  switch (family) {
    case IntegerFamily::kKnapsack:
      return MakeKnapsack(seed);
    case IntegerFamily::kAssignment:
      return MakeAssignment(seed);
    case IntegerFamily::kCovering:
      return MakeCovering(seed);
  }
  return {};
}

}  // namespace pivora::testing
