// Start-up: how the program ends.
#include "app/program_end.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace breliko::app {

void EndProgram(int status) {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
  // Ends the process with the sanitizer's exit code where memory leaked.
  __lsan_do_leak_check();
#endif
  std::_Exit(status);
}

}  // namespace breliko::app
