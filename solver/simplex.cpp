#include "solver/simplex.h"

#include "solver/exchange_method.h"

namespace pivora {

template void RunSimplexWith<ExtendedArithmetic>(const Tableau&, int, int, SolutionTable&,
                                                 SolveStatus&, SimplexRecord&, ExchangeObserver*);

void RunSimplex(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                SolveStatus& status) {
  SimplexRecord record;
  RunSimplexWith<ExtendedArithmetic>(tableau, m, n, solutions, status, record);
}

void RunSimplex(const Tableau& tableau, int m, int n, SolutionTable& solutions, SolveStatus& status,
                SimplexRecord& record, ExchangeObserver* observer) {
  RunSimplexWith<ExtendedArithmetic>(tableau, m, n, solutions, status, record, observer);
}

}  // namespace pivora
