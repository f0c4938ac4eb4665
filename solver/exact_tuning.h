// The thresholds that choose between the exact machinery's roads, each with
// how it was found. None changes a result: every road gives the same exact
// values, and only time and memory depend on them.
#pragma once

#include <cstddef>

namespace pivora {

// One row or column of a basis's tableau (one right-hand side) is solved by
// p-adic lifting from this many basic x on, where an entry of the system is
// at least kLongEntryBits long; by fraction-free elimination otherwise.
// BM_BasisSolveRoad on dense systems of short decimals and of 19 digits:
// lifting is 8 times faster at 50 x 50 on 19 digits and twice as fast at
// 25 x 25, while on entries of a few digits the elimination is faster at
// every size, lifting's set-up and its cleanup included. The whole tableau
// (every column a right-hand side) always goes by elimination: 4.9 against
// 7.4 ms at 25 x 25 on 19 digits, 120 against 89 ms at 50 x 50, where the
// residues are built instead.
inline constexpr int kLiftingFrom = 25;
inline constexpr std::size_t kLongEntryBits = 32;

// The residue build reduces the basis system and the problem's rows modulo
// this many primes at a time. Reducing modulo all at once held three times
// the tableau's residues for a moment; with 32 at a time a 50 x 50 problem
// with exponents to ±200 proves infeasible in 3.6 s, all three views in
// 10.5 s within 100 MB.
inline constexpr std::size_t kResidueChunk = 32;

// The residues one tableau may hold, 32 MB (the entries read, kept exactly,
// take about as much again): beyond that the numbers are so long that exact
// values serve as well. Measured on problems with exponents in the hundreds:
// a cap of 400 primes sent a 30 x 30 with exponents to ±400 to exact values
// (4.8 s to prove infeasible); 2,000,000 residues took it to 0.39 s, and
// with the build chunked 4,000,000 keep a 50 x 50 with exponents to ±200 on
// residues (over two minutes on exact values).
inline constexpr long kMostResidues = 4'000'000;

// The exact tableaux a guided run may take in where its bounds leave a
// choice open (a tie, an entry that is exactly 0), and the most basic x a
// basis may have for its tableau to be built: each is one elimination of a
// system of that size. One-digit 40 x 40 problems scaled by 10^+-2400 tie
// with 2 to 6 basic x and settle after one such tableau (1.8 to 3.3 s where
// the run on residues passes 19 s); an 8 x 8 copy with two equal rows needs
// up to 6, its zero row leaving the bounds again after each. 19-digit
// 50 x 50 data times 10^(-40..20) leaves its bounds every 10 or so
// exchanges with 20 to 30 basic x, where the residues are the faster road:
// eight tableaux there cost up to 5 s.
inline constexpr int kExactBases = 6;
inline constexpr int kExactBasisSize = 8;
// The exchanges after an exact tableau was put in that carry the exact
// values on: each exchange keeps a node per entry (the 2,600 of a 50 x 50
// tableau), and computing an entry at depth d costs up to d^2 of them. One
// is enough for the exchange that follows (its pivot's tests of 0): an
// 8 x 8 copy with two equal rows settles with 1 as with 8.
inline constexpr int kExactCarried = 2;
// What the exact values of one guided run may cost, in products of limb
// counts (about 10 ns each). Without a limit, one-digit 30 x 30 data with
// exponents to +-3900 asked for entries thousands of limbs long until the
// time limit stopped the run, at 15 s instead of 9.5 s. With 2^28 the
// 19-digit 50 x 50 family at +-4900 settles 6 of 8 (4 without exact
// values), spending at most 2.6 s on one that leaves; with 2^26 one of
// three one-digit 40 x 40 scaled copies at 10^+-2400 no longer settles.
inline constexpr long kExactEffort = 1L << 28;

// Consecutive exchanges that leave the objective where it was before a
// subproblem's phase goes over to Bland's rule until it moves again: over
// three times the length of Beale's cycle (6), so a cycle under the phase's
// own rule is left after a few rounds. Chosen, not tuned: the solver's tests
// pass with 1 too, and only the number of exchanges changes.
inline constexpr int kDegenerateRun = 20;

// The entries of parents' tableaux the open subproblems of branch and bound
// may hold at once (8 MB of words where the numbers are below 2^62, more for
// long ones); beyond it a subproblem is solved from the start instead. A
// depth-first search holds one per level, so only searches hundreds of
// levels deep on the largest problems come near it.
inline constexpr long kHeldEntries = 1L << 20;

}  // namespace pivora
