// Checks a solver result against the problem it claims to solve. Reads the
// problem, the result and the run's record; changes nothing. Every check is
// recomputed from the original coefficients in extended arithmetic, with the
// relative tolerance kCertifyTolerance of the magnitudes involved.
#pragma once

#include "solver/simplex.h"
#include "solver/tables.h"

namespace pivora {

inline constexpr Extended kCertifyTolerance = 1e-9L;

// The first check that failed, or kCertified.
enum class Certification {
  kCertified,
  kBadRecord,             // status, stop row or stop column out of range, or the
                          // labels of the work tableau are not a basis
  kConstraintViolated,    // a stored solution breaks a constraint
  kSlackMismatch,         // a stored slack is not the constraint's slack
  kObjectiveMismatch,     // a stored objective value is not c * x
  kWrongSign,             // a multiplier or reduced cost has the wrong sign
  kReducedCostMismatch,   // a reduced cost disagrees with the objective row
  kDualityGap,            // the multipliers' bound differs from the optimum
  kNoInfeasibilityProof,  // the stop row does not combine into an impossible row
  kNoUnboundedRay,        // the entering column is not a feasible rising ray
};

// Status 1..50: every stored solution (the displayed values, max(entry, 0))
// satisfies every constraint and x >= 0 within kCertifyTolerance of the row's
// magnitude |b| + sum |a x|, its slacks and objective value agree with the
// problem, and the multipliers read from the final objective row of
// record.work prove solution 1 optimal: right signs, reduced costs equal to
// the objective-row entries stored for the non-basic variables, no duality
// gap. Status 0: record.stopRow combines the original rows into one that no
// x >= 0 satisfies. Status -1: the basic solution of record.work is feasible
// and record.stopColumn is a ray along which it stays feasible and the
// objective rises.
Certification Certify(const Tableau& tableau, int m, int n, SolveStatus status,
                      const SolutionTable& solutions, const SimplexRecord& record);

const char* CertificationText(Certification c);

}  // namespace pivora
