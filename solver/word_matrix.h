// A matrix of residues modulo one word prime, on FLINT's nmod_mat, freed
// when it goes out of scope: the modular solves of the residue build and
// of p-adic lifting.
#pragma once

#include <flint/nmod_mat.h>

namespace pivora {

class WordMatrix {
 public:
  WordMatrix(slong rows, slong columns, mp_limb_t p) { nmod_mat_init(m_, rows, columns, p); }
  ~WordMatrix() { nmod_mat_clear(m_); }
  WordMatrix(const WordMatrix&) = delete;
  WordMatrix& operator=(const WordMatrix&) = delete;

  nmod_mat_struct* get() { return m_; }
  const nmod_mat_struct* get() const { return m_; }
  mp_limb_t& operator()(slong i, slong j) { return nmod_mat_entry(m_, i, j); }

 private:
  nmod_mat_t m_;
};

}  // namespace pivora
