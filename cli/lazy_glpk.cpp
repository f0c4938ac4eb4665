// GLPK's functions that reading an LP or MPS model calls, loaded on the
// first call (in the process that reads the model). A GLPK function the
// reading comes to call needs its line here: the program's link names it as
// an undefined reference until it has one.
#include "cli/lazy_library.h"

// clang-format off
#define PIVORA_GLPK_FUNCTIONS(F, id) \
  F(id, glp_add_cols) \
  F(id, glp_add_rows) \
  F(id, glp_create_prob) \
  F(id, glp_delete_prob) \
  F(id, glp_error_hook) \
  F(id, glp_get_col_kind) \
  F(id, glp_get_col_lb) \
  F(id, glp_get_col_name) \
  F(id, glp_get_col_type) \
  F(id, glp_get_col_ub) \
  F(id, glp_get_mat_row) \
  F(id, glp_get_num_cols) \
  F(id, glp_get_num_rows) \
  F(id, glp_get_obj_coef) \
  F(id, glp_get_obj_dir) \
  F(id, glp_get_row_lb) \
  F(id, glp_get_row_name) \
  F(id, glp_get_row_type) \
  F(id, glp_get_row_ub) \
  F(id, glp_read_lp) \
  F(id, glp_read_mps) \
  F(id, glp_set_col_bnds) \
  F(id, glp_set_col_kind) \
  F(id, glp_set_col_name) \
  F(id, glp_set_mat_row) \
  F(id, glp_set_obj_coef) \
  F(id, glp_set_obj_dir) \
  F(id, glp_set_row_bnds) \
  F(id, glp_set_row_name) \
  F(id, glp_term_hook)
// clang-format on

PIVORA_LAZY_LIBRARY(glpk, "libglpk.so.40", PIVORA_GLPK_FUNCTIONS);
