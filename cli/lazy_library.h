// Shared libraries the command-line programs load on their first call, not
// at start-up. FLINT (with NTL, gf2x and MPFR behind it) is bound eagerly by
// the dynamic loader, about 7,400 symbol lookups, while an ordinary solve
// never calls it; GLPK is only called in the process that reads a model.
//
// A lazy library is a list of its functions. Each gets a hidden stub of its
// own name, so the program links against the stubs and the library is not
// among its start-up dependencies (the link uses --as-needed). A stub jumps
// through its slot; until the library is loaded the slot leads to the
// loader, which loads the library, fills every slot and goes on into the
// called function with its arguments untouched. Only functions can be
// stubbed this way: a data symbol of the library would fail to link.
//
// A library that cannot be loaded, or that lacks one of the functions, ends
// the program with a German message on standard error and
// ExitCode::kLibraryMissing.
#pragma once

#include <mutex>
#include <span>

namespace pivora {

struct LazySymbol {
  const char* name;
  void** slot;
};

struct LazyLibrary {
  const char* soname;
  std::span<const LazySymbol> symbols;
  std::once_flag loaded;
};

}  // namespace pivora

// PIVORA_LAZY_LIBRARY(id, "libx.so.N", LIST) defines the stubs of the
// functions LIST(F, id) names as F(id, function) F(id, function) ..., at
// namespace scope in one source file of the program.
// clang-format off
#define PIVORA_LAZY_LIBRARY(id, soname, LIST)                                     \
  __asm__(".pushsection .text\n" LIST(PIVORA_LAZY_STUB_, id) ".popsection\n"    \
          ".pushsection .data\n\t.balign 8\n" LIST(PIVORA_LAZY_SLOT_, id)        \
          ".popsection\n");                                                      \
  extern "C" {                                                                   \
  LIST(PIVORA_LAZY_SLOT_DECLARATION_, id)                                        \
  }                                                                              \
  namespace {                                                                    \
  constexpr pivora::LazySymbol pivora_lazy_symbols_##id[] = {                    \
      LIST(PIVORA_LAZY_SYMBOL_, id)};                                            \
  }                                                                              \
  extern "C" {                                                                   \
  __attribute__((visibility("hidden")))                                          \
  pivora::LazyLibrary pivora_lazy_library_##id{soname, pivora_lazy_symbols_##id, {}}; \
  }                                                                              \
  static_assert(true)

// The stub jumps through its slot; the slot starts at the stub's entry to
// the loader, which names the slot and the library in %r11 and %r10
// (neither carries an argument).
#define PIVORA_LAZY_STUB_(id, name)                                              \
  ".globl " #name "\n\t.hidden " #name "\n\t.type " #name ",@function\n"          \
  #name ":\n\t"                                                                   \
  "jmp *pivora_lazy_slot_" #name "(%rip)\n"                                       \
  "pivora_lazy_entry_" #name ":\n\t"                                              \
  "leaq pivora_lazy_slot_" #name "(%rip), %r11\n\t"                               \
  "leaq pivora_lazy_library_" #id "(%rip), %r10\n\t"                              \
  "jmp pivora_lazy_enter\n"
#define PIVORA_LAZY_SLOT_(id, name)                                              \
  ".globl pivora_lazy_slot_" #name "\n\t.hidden pivora_lazy_slot_" #name "\n"    \
  "pivora_lazy_slot_" #name ":\n\t.quad pivora_lazy_entry_" #name "\n"
#define PIVORA_LAZY_SLOT_DECLARATION_(id, name)                                  \
  __attribute__((visibility("hidden"))) extern void* pivora_lazy_slot_##name;
#define PIVORA_LAZY_SYMBOL_(id, name) pivora::LazySymbol{#name, &pivora_lazy_slot_##name},
// clang-format on
