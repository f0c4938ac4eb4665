#include "cli/lazy_library.h"

#include <dlfcn.h>

#include <cerrno>
#include <cfenv>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/command_line.h"
#include "ui/messages.h"

namespace {

// Ends the program: the called function cannot be reached, and nothing the
// program holds is worth more than a clear message.
[[noreturn]] void EndWithoutLibrary(const std::string& message) {
  pivora::PrintError(program_invocation_short_name, message);
  std::fflush(stderr);
  std::_Exit(static_cast<int>(pivora::ExitCode::kLibraryMissing));
}

// Fills the slots one by one: a stub whose slot is filled goes straight to
// the library, and a second thread that calls a stub whose slot is not
// filled yet waits in call_once until every slot is.
//
// The load happens in the middle of a solve, under its floating-point
// environment and with its sticky flags under watch: the libraries'
// initialisers run in the default environment, as they did at start-up,
// and whatever they raise or change stays theirs, as does errno.
void Load(pivora::LazyLibrary& library) {
  std::fenv_t caller;
  std::fegetenv(&caller);
  std::fesetenv(FE_DFL_ENV);
  const int callerErrno = errno;
  // RTLD_LOCAL: the library's symbols reach the program through the slots
  // alone, never in place of the program's own.
  void* handle = dlopen(library.soname, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    EndWithoutLibrary(pivora::messages::LibraryNotLoaded(library.soname, dlerror()));
  }
  for (const pivora::LazySymbol& symbol : library.symbols) {
    void* address = dlsym(handle, symbol.name);
    if (address == nullptr) {
      EndWithoutLibrary(pivora::messages::LibraryLacksFunction(library.soname, symbol.name));
    }
    __atomic_store_n(symbol.slot, address, __ATOMIC_RELEASE);
  }
  errno = callerErrno;
  std::fesetenv(&caller);
}

}  // namespace

extern "C" __attribute__((visibility("hidden"), used)) void pivora_lazy_load(
    pivora::LazyLibrary* library) {
  std::call_once(library->loaded, Load, *library);
}

// The loader's entry from a stub: %r11 holds the called function's slot,
// %r10 its library. Every register that may carry an argument (the six
// integer ones, %rax for a variadic call's count, %xmm0-7) is kept across
// the load, and the call goes on through the filled slot as if the stub had
// jumped there itself. Nine pushes and 128 bytes keep the stack aligned to
// 16 bytes at the call, as it was at the stub's entry less the return
// address.
__asm__(
    ".pushsection .text\n"
    ".globl pivora_lazy_enter\n\t.hidden pivora_lazy_enter\n\t.type pivora_lazy_enter,@function\n"
    "pivora_lazy_enter:\n\t"
    "pushq %rdi\n\tpushq %rsi\n\tpushq %rdx\n\tpushq %rcx\n\tpushq %r8\n\tpushq %r9\n\t"
    "pushq %rax\n\tpushq %r11\n\tpushq %r10\n\t"
    "subq $128, %rsp\n\t"
    "movdqu %xmm0, 0(%rsp)\n\tmovdqu %xmm1, 16(%rsp)\n\tmovdqu %xmm2, 32(%rsp)\n\t"
    "movdqu %xmm3, 48(%rsp)\n\tmovdqu %xmm4, 64(%rsp)\n\tmovdqu %xmm5, 80(%rsp)\n\t"
    "movdqu %xmm6, 96(%rsp)\n\tmovdqu %xmm7, 112(%rsp)\n\t"
    "movq %r10, %rdi\n\t"
    "call pivora_lazy_load\n\t"
    "movdqu 0(%rsp), %xmm0\n\tmovdqu 16(%rsp), %xmm1\n\tmovdqu 32(%rsp), %xmm2\n\t"
    "movdqu 48(%rsp), %xmm3\n\tmovdqu 64(%rsp), %xmm4\n\tmovdqu 80(%rsp), %xmm5\n\t"
    "movdqu 96(%rsp), %xmm6\n\tmovdqu 112(%rsp), %xmm7\n\t"
    "addq $128, %rsp\n\t"
    "popq %r10\n\tpopq %r11\n\tpopq %rax\n\tpopq %r9\n\tpopq %r8\n\tpopq %rcx\n\t"
    "popq %rdx\n\tpopq %rsi\n\tpopq %rdi\n\t"
    "jmp *(%r11)\n"
    ".popsection\n");
